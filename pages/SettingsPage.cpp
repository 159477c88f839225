#include "pages/SettingsPage.h"

#include <QCheckBox>

SettingsPage::SettingsPage(const char* objectName, const char* title, const char* titleHint,
                           Section section, std::span<const SettingRow> table, QWidget* parent,
                           const char* titleName)
    : PageSheet(objectName, title, titleHint, parent, titleName)
    , m_section(section)
    , m_table(table)
    , m_rows(static_cast<qsizetype>(table.size())) {}

QList<Section> SettingsPage::sections() const {
    QList<Section> sections{m_section};
    for (const SettingRow& row : m_table)
        if (!sections.contains(sectionOf(row)))
            sections.append(sectionOf(row));
    return sections;
}

Section SettingsPage::sectionOf(const SettingRow& row) const {
    return row.section.value_or(m_section);
}

void SettingsPage::writeSection(Section section, ConfigText& text) const {
    for (const RowControls& row : m_rows)
        if (sectionOf(*row.row) == section)
            row.write(text);
}

const RowControls& SettingsPage::rowOf(const char* variable) const {
    for (const RowControls& row : m_rows)
        if (row.row && declaration::same(row.row->variable, variable))
            return row;
    qFatal("%s: no row writes %s", qPrintable(objectName()), variable);
}

void SettingsPage::bind(const SettingRow& row, const RowControls& controls) {
    const auto index = &row - m_table.data();
    if (index < 0 || index >= std::ssize(m_table))
        qFatal("%s: a row from another table", qPrintable(objectName()));
    RowControls& bound = m_rows[index];
    bound = controls;
    bound.row = &row;
    if (bound.include)
        setFocusPlace(row.focus.include, bound.include);
    if (QWidget* value = bound.valueControl())
        setFocusPlace(row.focus.value, value);
}

void SettingsPage::finishRows() {
    for (const RowControls& row : std::as_const(m_rows))
        if (!row.row || !row.valueControl())
            qFatal("%s: a row of its table has no controls", qPrintable(objectName()));
    finishKeyboardOrder();
}
