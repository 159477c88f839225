#pragma once

#include "config/Document.h"
#include "pages/PageSheet.h"
#include "pages/RowColumn.h"

// A page whose controls are settings, declared in one table of rows, and whose section bodies they
// write.
class SettingsPage : public PageSheet {
    Q_OBJECT
public:
    // `section` is what the page writes; a row may name another section of its own.
    SettingsPage(const char* objectName, const char* title, const char* titleHint, Section section,
                 std::span<const SettingRow> table, QWidget* parent = nullptr,
                 const char* titleName = nullptr);

    // The sections the page writes, in no particular order.
    QList<Section> sections() const;
    // Appends the body of `section` (one that the page writes), reading the controls as they are:
    // its rows in the order of the table.
    virtual void writeSection(Section section, ConfigText& text) const;

    std::span<const SettingRow> table() const { return m_table; }
    // The controls of each row of the table, in its order.
    const QList<RowControls>& rows() const { return m_rows; }

    // The controls of the row that writes `variable` (its first row, for a contact pair).
    const RowControls& rowOf(const char* variable) const;

    // A builder hands over the controls it made for a row of the table.
    void bind(const SettingRow& row, const RowControls& controls);

protected:
    Section sectionOf(const SettingRow& row) const;
    // Once every row is built: each row has its controls, and the keyboard order is set.
    void finishRows();

private:
    Section m_section;
    std::span<const SettingRow> m_table;
    QList<RowControls> m_rows;
};
