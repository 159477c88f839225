#include "pages/SettingsPage.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>

SettingsPage::SettingsPage(PageId id, QWidget* parent)
    : PageSheet(declarationOf(id), parent)
    , m_section(declarationOf(id).section)
    , m_table(declarationOf(id).settings)
    , m_rows(static_cast<qsizetype>(m_table.size())) {}

Place SettingsPage::placeOf(const SettingRow& row) const {
    return ::placeOf(m_table, static_cast<size_t>(&row - m_table.data()));
}

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
}

void SettingsPage::take(Opening& opening) {
    for (const RowControls& row : std::as_const(m_rows)) {
        // Nothing of a document before survives in a row the file does not set.
        row.reset();
        row.leaveOut();
        const SettingRow& setting = *row.row;
        if (setting.form == LineForm::Contact)
            continue; // the page pairs them
        // The last setting of the variable that the row can hold; the line is written with set,
        // or with sets for server info: only those forms are held.
        for (Opening::Setting* found : opening.settingsOf(QString::fromLatin1(setting.variable))) {
            const bool info = found->verb == ServerScript::Verb::Sets;
            if (info == (setting.form == LineForm::Info) && row.take(found->value)) {
                found->taken = true;
                break;
            }
        }
    }
}

void SettingsPage::reset() {
    for (const RowControls& row : std::as_const(m_rows))
        row.reset();
}

void SettingsPage::setFormat(const FileFormat& format) {
    if (format == m_format)
        return;
    m_format = format;
    for (qsizetype i = 0; i < m_warnings.size(); ++i)
        if (m_rows[i].edit || m_rows[i].list)
            recheck(i);
}

void SettingsPage::finishRows() {
    for (const RowControls& row : std::as_const(m_rows))
        if (!row.row || !row.valueControl())
            qFatal("%s: a row of its table has no controls", qPrintable(objectName()));
    finishKeyboardOrder();
    learn(m_known, m_table);
    watchValues();
}

QString SettingsPage::lineOf(const RowControls& row) const {
    const SettingRow& setting = *row.row;
    QString key = QString::fromLatin1(setting.variable);
    switch (setting.form) {
    case LineForm::Set:
        return ConfigText::prefix("set", setting.variable) + row.value() + QLatin1Char('"');
    case LineForm::Info:
        break;
    case LineForm::Contact: {
        // The second of a pair is the later row of its key.
        bool second = false;
        for (const RowControls& other : m_rows) {
            if (&other == &row)
                break;
            second = second || declaration::same(other.row->variable, setting.variable);
        }
        key += QLatin1Char(second ? '2' : '1');
        break;
    }
    }
    return QLatin1String("sets ") + key + QLatin1String(" \"") + row.value() + QLatin1Char('"');
}

void SettingsPage::watchValues() {
    m_warnings.fill(nullptr, m_rows.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const RowControls& row = m_rows[i];
        QLineEdit* field = row.edit ? row.edit : row.list ? row.list->lineEdit() : nullptr;
        if (!field)
            continue;
        connect(field, &QLineEdit::textChanged, this, [this, i] { recheck(i); });
        if (row.include)
            connect(row.include, &QCheckBox::toggled, this, [this, i] { recheck(i); });
        recheck(i);
    }
    // A value the user types or chooses is a value the user wants written: its row is included.
    // Changes made by the program (opening a file, a preset) leave the include box as it is.
    for (const RowControls& row : std::as_const(m_rows)) {
        QCheckBox* include = row.include;
        if (!include)
            continue;
        auto tick = [include] { include->setChecked(true); };
        if (row.edit)
            connect(row.edit, &QLineEdit::textEdited, include, tick);
        if (row.list) {
            connect(row.list, &QComboBox::activated, include, tick);
            if (row.list->lineEdit())
                connect(row.list->lineEdit(), &QLineEdit::textEdited, include, tick);
        }
        if (row.check)
            connect(row.check, &QAbstractButton::clicked, include, tick);
        for (QRadioButton* button : row.buttons)
            connect(button, &QAbstractButton::clicked, include, tick);
    }
    // Any change of a setting is told.
    for (const RowControls& row : std::as_const(m_rows)) {
        if (row.include)
            connect(row.include, &QCheckBox::toggled, this, &SettingsPage::settingChanged);
        if (row.edit)
            connect(row.edit, &QLineEdit::textChanged, this, &SettingsPage::settingChanged);
        if (row.list)
            connect(row.list, &QComboBox::editTextChanged, this, &SettingsPage::settingChanged);
        if (row.check)
            connect(row.check, &QCheckBox::toggled, this, &SettingsPage::settingChanged);
        for (QRadioButton* button : row.buttons)
            connect(button, &QRadioButton::toggled, this, &SettingsPage::settingChanged);
    }
}

void SettingsPage::showWarningIcon(QAction* mark) const {
    // Looked up once, and only when a page first shows a mark: finding a themed icon searches the
    // desktop's icon folders, which would slow the window's start.
    static const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (mark->isVisible() && mark->icon().isNull())
        mark->setIcon(icon);
}

void SettingsPage::showEvent(QShowEvent* event) {
    for (QAction* mark : std::as_const(m_warnings))
        if (mark)
            showWarningIcon(mark);
    PageSheet::showEvent(event);
}

void SettingsPage::recheck(qsizetype index) {
    const RowControls& row = m_rows[index];
    QStringList says;
    if (row.isWritten())
        for (const Problem& problem : checkValueLine(lineOf(row), m_known, m_format)) {
            QString sentence = problem.message;
            if (!sentence.isEmpty())
                sentence[0] = sentence[0].toUpper();
            says.append(sentence);
        }
    QAction* mark = m_warnings[index];
    if (!mark && says.isEmpty())
        return;
    if (!mark) {
        // Made when first needed: most edits never have anything to warn of.
        QLineEdit* field = row.edit ? row.edit : row.list->lineEdit();
        // Without a text it has no tool tip: its hint shows in the status bar while the mouse is
        // over it, as every hint does.
        mark = new QAction(field);
        mark->setObjectName(QStringLiteral("warning"));
        field->addAction(mark, QLineEdit::TrailingPosition);
        m_warnings[index] = mark;
    }
    const QString tip = says.join(QLatin1Char(' '));
    mark->setStatusTip(tip);
    mark->setVisible(!says.isEmpty());
    if (isVisible())
        showWarningIcon(mark);
    // The mark's button reads as what it says.
    for (QObject* button : mark->associatedObjects())
        if (auto* widget = qobject_cast<QWidget*>(button); widget && widget != mark->parent()) {
            widget->setAccessibleName(tr("Warning"));
            widget->setAccessibleDescription(tip);
        }
}
