#pragma once

#include "console/Comparison.h"

#include <QAbstractTableModel>

// The rows of a comparison as a table: variable, in the document, on the server, state. The
// state's name is its display text, so that a filter on that column picks rows by state.
class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Variable, Document, Server, StateColumn, ColumnCount };
    static constexpr int StateRole = Qt::UserRole; // Comparison::State as an int

    explicit ComparisonModel(QObject* parent = nullptr);

    void setRows(const QList<Comparison::Row>& rows);
    const QList<Comparison::Row>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<Comparison::Row> m_rows;
};
