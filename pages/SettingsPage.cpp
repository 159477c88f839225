#include "pages/SettingsPage.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
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
    for (RowControls& row : m_rows) {
        // Nothing of a document before survives in a row the file does not set.
        dropFileValue(row);
        row.reset();
        row.leaveOut();
        const SettingRow& setting = *row.row;
        if (setting.form == LineForm::Contact)
            continue; // the page pairs them
        // The value the server ends with: the row shows it, or says that it cannot and keeps it.
        Opening::Setting* last = opening.find(QString::fromLatin1(setting.variable));
        if (!last)
            continue;
        last->taken = true;
        if (row.take(last->value))
            row.emptyFromFile = setting.kind == ValueKind::Number && last->value.isEmpty();
        else
            keepFileValue(row, last->value);
    }
}

void SettingsPage::reset() {
    for (RowControls& row : m_rows) {
        dropFileValue(row);
        row.reset();
    }
}

void SettingsPage::keepFileValue(RowControls& row, const QString& value) {
    const SettingRow& setting = *row.row;
    row.fileValue = value;
    const QString caption = tr("%1 (from the file)").arg(value);
    const QString hint = tr("The file sets %1 to \"%2\", which this row has no choice for: "
                            "Finish! keeps it as it is until you choose another value.")
                             .arg(QLatin1String(setting.variable), value);
    if (row.include)
        row.include->setChecked(true);
    if (row.check) {
        // Half checked is the file's value; a click goes on to checked, unchecked and back.
        row.check->setTristate(true);
        row.check->setCheckState(Qt::PartiallyChecked);
        row.check->setAccessibleDescription(hint);
        if (!row.fileNote) {
            row.fileNote = new QLabel(this);
            row.fileNote->setObjectName(row.check->objectName() + QLatin1String("FromFile"));
        }
        // Beside the box and its caption, as far as the box's place or strip goes.
        // A captioned box has its caption inside; a row's box shows only itself.
        const QRect box = row.check->geometry();
        const int left =
            row.include ? box.right() + 7 : box.x() + row.check->sizeHint().width() + 4;
        const int right = row.include ? row.valueArea.right() : box.right();
        row.fileNote->setGeometry(left, box.y(), qMax(0, right - left + 1), box.height());
        const QFontMetrics metrics = row.fileNote->fontMetrics();
        const QString shorter = tr("%1 (file)").arg(value);
        row.fileNote->setText(metrics.horizontalAdvance(caption) <= row.fileNote->width() ? caption
                              : metrics.horizontalAdvance(shorter) <= row.fileNote->width()
                                  ? shorter
                                  : value);
        row.fileNote->setStatusTip(hint);
        row.fileNote->setAccessibleName(caption);
        row.fileNote->show();
        row.fileNote->raise();
        return;
    }
    if (row.buttons.isEmpty())
        return;
    if (!row.fileChoice) {
        // A button of the row's group, though it stands where there is room for it.
        row.fileChoice = new QRadioButton(this);
        row.fileChoice->setObjectName(row.panel->objectName() + QLatin1String("FromFile"));
        // Its circle drawn as its row's, to stand out on whatever it stands on.
        row.fileChoice->setStyle(row.buttons.first()->style());
        row.fileGroup = new QButtonGroup(this);
        for (QRadioButton* button : std::as_const(row.buttons))
            row.fileGroup->addButton(button);
        row.fileGroup->addButton(row.fileChoice);
        QWidget::setTabOrder(row.buttons.last(), row.fileChoice);
        QCheckBox* include = row.include;
        connect(row.fileChoice, &QAbstractButton::clicked, this, [include] {
            if (include)
                include->setChecked(true);
        });
        connect(row.fileChoice, &QRadioButton::toggled, this, &SettingsPage::settingChanged);
    }
    QRadioButton* choice = row.fileChoice;
    choice->setText(caption);
    choice->setStatusTip(hint);
    choice->setAccessibleName(settingText(setting.label) + QLatin1Char(' ') + caption);
    choice->setAccessibleDescription(hint);
    placeFileChoice(row);
    choice->show();
    choice->raise();
    choice->setChecked(true);
}

// Where there is room for it, with as much of its caption as fits: beside the row's buttons, under
// the caption of a row of stacked buttons, or before the caption of a row of one line; the status
// bar says it whole.
void SettingsPage::placeFileChoice(const RowControls& row) {
    QRadioButton* choice = row.fileChoice;
    const QRect panel = row.panel->geometry();
    int used = 0; // of the panel, from its left
    for (QWidget* child : row.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        const bool radio = qobject_cast<QRadioButton*>(child) != nullptr;
        used = qMax(used, child->x() + (radio ? qMin(child->width(), child->sizeHint().width())
                                              : child->width()));
    }
    const int height = choice->sizeHint().height();
    const QRect beside(panel.x() + used + 4, panel.y() + 1, panel.width() - used - 4,
                       qMin(panel.height(), 20) - 2);
    QList<QRect> places{beside};
    if (const QLabel* caption = row.caption) {
        const QRect label = caption->geometry();
        if (row.row->stacked)
            places.append(QRect(label.x(), label.y() + 20, label.width(), height));
        else {
            // Before the caption's last line, which is right-aligned.
            const QStringList lines = caption->text().split(QLatin1Char('\n'));
            const QFontMetrics metrics = caption->fontMetrics();
            const int top = label.y() + (label.height() - lines.size() * metrics.lineSpacing()) / 2;
            const int line = top + int(lines.size() - 1) * metrics.lineSpacing();
            places.append(QRect(label.x(), line + (metrics.lineSpacing() - height) / 2,
                                label.width() - metrics.horizontalAdvance(lines.last()) - 6,
                                height));
        }
    }
    // The room the indicator and its gap take besides the caption.
    const int indicator =
        choice->sizeHint().width() - choice->fontMetrics().horizontalAdvance(choice->text());
    const QString& value = row.fileValue;
    const QString captions[] = {tr("%1 (from the file)").arg(value), tr("%1 (file)").arg(value),
                                value};
    QRect place;
    QString shown;
    for (const QString& caption : captions) {
        const int wanted = indicator + choice->fontMetrics().horizontalAdvance(caption);
        for (const QRect& room : std::as_const(places))
            if (shown.isEmpty() && room.width() >= wanted) {
                place = room;
                place.setLeft(room == beside ? room.left() : room.right() + 1 - wanted);
                place.setWidth(wanted);
                shown = caption;
            }
    }
    if (shown.isEmpty()) {
        place =
            *std::max_element(places.cbegin(), places.cend(),
                              [](const QRect& a, const QRect& b) { return a.width() < b.width(); });
        shown = choice->fontMetrics().elidedText(captions[0], Qt::ElideRight,
                                                 qMax(0, place.width() - indicator));
    }
    choice->setText(shown);
    choice->setGeometry(place);
    // On the strip beside the buttons it takes the strip's colours; elsewhere the page's.
    choice->setPalette(QPalette());
    choice->setAutoFillBackground(false);
    if (place.top() == beside.top() && place.left() >= beside.left())
        sheetBackground(choice);
}

void SettingsPage::dropFileValue(RowControls& row) {
    row.fileValue.clear();
    row.emptyFromFile = false;
    if (row.check && row.check->isTristate()) {
        row.check->setTristate(false);
        row.check->setChecked(row.row->checkedAtStart);
        row.check->setAccessibleDescription(row.check->statusTip());
    }
    if (row.fileNote)
        row.fileNote->hide();
    if (row.fileChoice) {
        // Another button takes the check before this one goes.
        if (row.fileChoice->isChecked())
            row.buttons[row.row->checked]->setChecked(true);
        row.fileChoice->hide();
    }
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
        // An empty number the file writes stays only while the user leaves the edit alone.
        connect(field, &QLineEdit::textEdited, this, [this, i] {
            m_rows[i].emptyFromFile = false;
            recheck(i);
        });
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
            connect(row.check, &QCheckBox::stateChanged, this, &SettingsPage::settingChanged);
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
