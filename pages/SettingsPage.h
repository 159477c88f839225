#pragma once

#include "config/Document.h"
#include "config/Opening.h"
#include "config/TextCheck.h"
#include "pages/PageSheet.h"
#include "pages/RowColumn.h"

class QAction;

// A page whose controls are settings, declared in one table of rows, and whose section bodies they
// write.
class SettingsPage : public PageSheet {
    Q_OBJECT
public:
    // The page declared as `id`: its section is what it writes, though a row may name another
    // section of its own.
    explicit SettingsPage(PageId id, QWidget* parent = nullptr);

    // The sections the page writes, in no particular order.
    QList<Section> sections() const;
    // Appends the body of `section` (one that the page writes), reading the controls as they are:
    // its rows in the order of the table.
    virtual void writeSection(Section section, ConfigText& text) const;

    std::span<const SettingRow> table() const { return m_table; }
    // Where a row of the table stands on the page.
    Place placeOf(const SettingRow& row) const;
    // The controls of each row of the table, in its order.
    const QList<RowControls>& rows() const { return m_rows; }

    // The controls of the row that writes `variable` (its first row, for a contact pair).
    const RowControls& rowOf(const char* variable) const;

    // The line a row of the page writes now, whether or not it is included; a contact as numbered.
    QString lineOf(const RowControls& row) const;

    // Takes into its rows the values a file being opened ends with, and marks them taken; a value
    // a row has no choice for is kept as the file's and the row says so; a row the file does not
    // mention is left out (or, without an include box, back at its start value).
    virtual void take(Opening& opening);
    // Every row back at its start value, as in a new document.
    virtual void reset();
    // The file the document is written to: its marks count characters as that file stores them.
    void setFormat(const FileFormat& format);

signals:
    // A setting of the page changed, by the user or by a button of the page.
    void settingChanged();

public:
    // A builder hands over the controls it made for a row of the table.
    void bind(const SettingRow& row, const RowControls& controls);

protected:
    void showEvent(QShowEvent* event) override;

    Section sectionOf(const SettingRow& row) const;
    // Once every row is built: each row has its controls, and the keyboard order is set.
    void finishRows();

private:
    // Rechecks an edit's line as it changes, and tells of any change of a setting.
    void watchValues();
    void recheck(qsizetype index);
    void showWarningIcon(QAction* mark) const;
    // A file's value that a radio group or check box cannot show: kept, and shown as the file's.
    void keepFileValue(RowControls& row, const QString& value);
    void placeFileChoice(const RowControls& row);
    void dropFileValue(RowControls& row);

    Section m_section;
    std::span<const SettingRow> m_table;
    QList<RowControls> m_rows;
    QList<QAction*> m_warnings; // by row, null where the row has no edit
    Vocabulary m_known;
    FileFormat m_format;
};
