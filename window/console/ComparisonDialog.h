#pragma once

#include "console/Comparison.h"

#include <QDialog>

class ComparisonModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

// The table of a comparison with the running server: sortable by any column, filtered by state,
// the passwords' values hidden until "Show passwords" is ticked, with the buttons that compare
// again, apply the differences and restart the map.
class ComparisonDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComparisonDialog(QWidget* parent = nullptr);

    void setRows(const QList<Comparison::Row>& rows);
    void setSummary(const QString& text);
    // While a request runs, the buttons that send wait.
    void setBusy(bool busy);
    ComparisonModel* model() const { return m_model; }

signals:
    void compareRequested();
    void applyRequested();
    void restartRequested();

private:
    ComparisonModel* m_model;
    QSortFilterProxyModel* m_filter;
    QTableView* m_table;
    QComboBox* m_state;
    // The values of password settings are dots until this is ticked.
    QCheckBox* m_showPasswords;
    QLabel* m_summary;
    QPushButton* m_compare;
    QPushButton* m_apply;
    QPushButton* m_restart;
    bool m_waiting = false; // a latched value waits for a restart
};
