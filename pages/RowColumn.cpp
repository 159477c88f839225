#include "pages/RowColumn.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"
#include "pages/SettingsPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int kBoxSize = 16;
constexpr int kControlHeight = 20;
constexpr int kRadioHeight = 17;
constexpr int kGap = 4;
// Around a value control: its white strip.
constexpr int kStripMargin = 2;

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

void describe(QWidget* widget, const char* name, const QString& accessibleName,
              const QString& hint) {
    widget->setObjectName(latin(name));
    widget->setAccessibleName(accessibleName);
    if (!hint.isEmpty()) {
        widget->setStatusTip(hint);
        widget->setAccessibleDescription(hint);
    }
}

int lineCount(const char* text) {
    return 1 +
           static_cast<int>(std::count(text, text + std::char_traits<char>::length(text), '\n'));
}

} // namespace

QString settingText(const char* text) {
    return QCoreApplication::translate("Settings", text);
}

QString radioHint(const char* rowHint, const char* value) {
    QString hint = settingText(rowHint);
    const qsizetype close = hint.lastIndexOf(QLatin1Char(')'));
    const QString quoted = QLatin1String(" \"") + latin(value) + QLatin1Char('"');
    if (close < 0)
        return hint + quoted;
    return hint.insert(close, quoted);
}

QWidget* RowControls::valueControl() const {
    if (edit)
        return edit;
    if (list)
        return list;
    if (check)
        return check;
    return panel;
}

bool RowControls::isIncluded() const {
    return !include || include->isChecked();
}

QString RowControls::text() const {
    if (edit)
        return edit->text();
    if (list)
        return list->text();
    return {};
}

bool RowControls::showsFileValue() const {
    switch (*row->control) {
    case Control::Check:
        return check->checkState() == Qt::PartiallyChecked;
    case Control::Radios:
        return fileChoice && fileChoice->isChecked();
    default:
        return false;
    }
}

QString RowControls::value() const {
    if (showsFileValue())
        return fileValue;
    switch (*row->control) {
    case Control::Edit:
    case Control::List:
        return text();
    case Control::Check:
        return latin(check->isChecked() ? "1" : "0");
    case Control::Radios:
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return latin(row->buttons[static_cast<size_t>(i)].value);
    }
    return {};
}

bool RowControls::isWritten() const {
    // An empty number would read as 0: without a line the server keeps its own value.
    return isIncluded() && !(row->kind == ValueKind::Number && text().isEmpty() && !emptyFromFile);
}

void RowControls::write(ConfigText& text) const {
    if (!isWritten())
        return;
    switch (row->form) {
    case LineForm::Set:
        if (*row->control == Control::Radios && !showsFileValue()) {
            // Each checked button writes its own line; a group has exactly one checked.
            for (qsizetype i = 0; i < buttons.size(); ++i)
                if (buttons[i]->isChecked())
                    text.switchLine(row->variable, row->buttons[static_cast<size_t>(i)].value);
        } else {
            text.valueLine(ConfigText::prefix("set", row->variable), value());
        }
        break;
    case LineForm::Info:
        text.infoLine(row->variable, value());
        break;
    case LineForm::Contact:
        break;
    }
}

void RowControls::reset() const {
    if (include)
        include->setChecked(row->included);
    switch (*row->control) {
    case Control::Edit:
        edit->SetText(latin(row->text));
        break;
    case Control::List:
        if (list->text() != latin(row->text)) {
            list->setCurrentIndex(-1);
            list->setEditText(latin(row->text));
            list->lineEdit()->setCursorPosition(0);
        }
        break;
    case Control::Check:
        check->setChecked(row->checkedAtStart);
        break;
    case Control::Radios:
        buttons[row->checked]->setChecked(true);
        break;
    }
}

void RowControls::leaveOut() const {
    if (include)
        include->setChecked(false);
    else if (check)
        check->setChecked(row->checkedAtStart);
}

bool RowControls::take(const QString& value) const {
    switch (*row->control) {
    case Control::Edit:
        edit->SetText(value);
        break;
    case Control::List:
        if (list->text() != value) {
            list->setEditText(value);
            list->lineEdit()->setCursorPosition(0);
        }
        break;
    case Control::Check:
        if (value != QLatin1String("1") && value != QLatin1String("0"))
            return false;
        check->setChecked(value == QLatin1String("1"));
        break;
    case Control::Radios: {
        qsizetype chosen = -1;
        for (size_t i = 0; i < row->buttons.size(); ++i)
            if (value == QLatin1String(row->buttons[i].value))
                chosen = static_cast<qsizetype>(i);
        if (chosen < 0)
            return false;
        buttons[chosen]->setChecked(true);
        break;
    }
    }
    if (include)
        include->setChecked(true);
    return true;
}

RowColumn::RowColumn(SettingsPage* page, const Geometry& geometry)
    : m_page(page)
    , m_geometry(geometry)
    , m_y(geometry.top) {}

void RowColumn::add(int column) {
    QList<std::pair<int, const SettingRow*>> rows; // by slot
    for (const SettingRow& row : m_page->table())
        if (const Place place = m_page->placeOf(row); place.column == column)
            rows.append({place.slot, &row});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // The captions stand in a column as wide as the widest of them needs (another language, a
    // wider font), at least as wide as the page gives it; the values take the rest.
    QLabel probe(m_page);
    for (const auto& [slot, row] : std::as_const(rows)) {
        probe.setText(settingText(row->label));
        m_geometry.labelWidth = qMax(m_geometry.labelWidth, probe.sizeHint().width());
    }
    int next = 0;
    for (const auto& [slot, row] : std::as_const(rows)) {
        m_y += (slot - next) * m_geometry.pitch;
        add(*row);
        next = slot + 1;
    }
}

void RowColumn::add(const SettingRow& row) {
    const Geometry& g = m_geometry;
    RowControls controls;
    controls.row = &row;

    const QString label = settingText(row.label);
    QString hint = settingText(row.hint);
    QString valueHint = row.valueHint ? settingText(row.valueHint) : hint;
    if (row.kind == ValueKind::Number) {
        for (QString* said : {&hint, &valueHint})
            if (!said->isEmpty())
                *said += QLatin1Char(' ') +
                         QCoreApplication::translate("RowColumn",
                                                     "Left empty, no line is written: the server "
                                                     "keeps its own value.");
    }

    auto* caption = new QLabel(label, m_page);
    controls.caption = caption;
    if (row.labelName)
        caption->setObjectName(latin(row.labelName));
    caption->setStatusTip(hint);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int labelHeight = lineCount(row.label) * caption->fontMetrics().height() + kGap;

    const int buttonRows = row.stacked ? static_cast<int>(row.buttons.size()) : 1;
    const bool radios = *row.control == Control::Radios;
    const int contentHeight =
        qMax(labelHeight, radios ? buttonRows * kRadioHeight : kControlHeight);
    const int height = qMax(g.pitch, contentHeight + (g.pitch - kControlHeight));
    const int top = m_y + (g.pitch - kControlHeight) / 2;

    if (row.include) {
        auto* box = new QCheckBox(m_page);
        describe(box, row.include, label,
                 QCoreApplication::translate("RowColumn", "Add this line to the cfg?"));
        box->setChecked(row.included);
        box->setGeometry(g.x + kGap, top + (kControlHeight - kBoxSize) / 2, kBoxSize + 2, kBoxSize);
        controls.include = box;
    }

    const int labelX = g.x + kGap + kBoxSize + kGap;
    caption->setGeometry(labelX, top, g.labelWidth, qMax(kControlHeight, labelHeight));

    const int valueX = labelX + g.labelWidth + kGap + 2;
    const int valueWidth = g.valueWidth > 0 ? g.valueWidth : g.x + g.width - kGap - 2 - valueX;
    controls.valueArea = QRect(valueX, top, valueWidth, kControlHeight);
    const QRect strip =
        controls.valueArea.adjusted(-kStripMargin, -kStripMargin, kStripMargin, kStripMargin);

    switch (*row.control) {
    case Control::Edit: {
        auto* edit = new TLMDEdit(m_page);
        describe(edit, row.name, label, valueHint);
        edit->setText(latin(row.text));
        edit->setCursorPosition(0);
        if (row.kind == ValueKind::Number)
            edit->setPlaceholderText(QCoreApplication::translate("RowColumn", "server default"));
        edit->setGeometry(controls.valueArea);
        m_page->addStrip(strip);
        controls.edit = edit;
        break;
    }
    case Control::List: {
        auto* list = new TLMDListComboBox(m_page);
        describe(list, row.name, label, valueHint);
        list->setGeometry(controls.valueArea);
        m_page->addStrip(strip);
        controls.list = list;
        break;
    }
    case Control::Check: {
        // Only the box shows: the caption lies outside the control's area.
        auto* check = new QCheckBox(latin(row.name), m_page);
        describe(check, row.name, label, valueHint);
        check->setChecked(row.checkedAtStart);
        PageSheet::sheetBackground(check);
        check->setGeometry(valueX, top + (kControlHeight - kBoxSize) / 2, kBoxSize + 2, kBoxSize);
        m_page->addStrip(strip);
        controls.check = check;
        break;
    }
    case Control::Radios:
        addRadioPanel(row, controls, valueX, top, valueWidth);
        break;
    }

    m_page->bind(row, controls);
    m_y += height;
}

void RowColumn::addRadioPanel(const SettingRow& row, RowControls& controls, int x, int y,
                              int width) {
    auto* panel = new QWidget(m_page);
    describe(panel, row.name, settingText(row.label), QString());
    PageSheet::sheetBackground(panel);

    const int count = static_cast<int>(row.buttons.size());
    const int height = row.stacked ? count * kRadioHeight : kControlHeight;
    panel->setGeometry(x, y, width, height);

    for (int i = 0; i < count; ++i) {
        const RadioChoice& choice = row.buttons[static_cast<size_t>(i)];
        auto* button = new QRadioButton(settingText(choice.caption), panel);
        const QString hint =
            row.valueInHints ? radioHint(row.hint, choice.value) : settingText(row.hint);
        // Read with its row, as "Pure Server: Yes".
        describe(button, choice.name,
                 settingText(row.label) + QLatin1Char(' ') + settingText(choice.caption), hint);
        PageSheet::colour(button, choice.background, choice.textColour);
        button->setChecked(i == row.checked);
        controls.buttons.append(button);
    }
    // Side by side, each a little wider than its caption needs where the panel has room for it.
    int captions = 0;
    for (const QRadioButton* button : std::as_const(controls.buttons))
        captions += button->sizeHint().width() + 2;
    const int padding = qBound(0, (width - captions) / qMax(1, count), 6);
    int bx = 0;
    for (int i = 0; i < count; ++i) {
        QRadioButton* button = controls.buttons[i];
        const int w = button->sizeHint().width() + padding;
        if (row.stacked)
            button->setGeometry(2, i * kRadioHeight, width - 4, kRadioHeight);
        else
            button->setGeometry(bx, 1, w, kControlHeight - 2);
        bx += w + 2;
    }
    controls.panel = panel;
}

QCheckBox* addCaptionedCheck(SettingsPage* page, const SettingRow& row, const QRect& geometry) {
    auto* box = new QCheckBox(settingText(row.label), page);
    describe(box, row.name, settingText(row.label),
             settingText(row.valueHint ? row.valueHint : row.hint));
    box->setChecked(row.checkedAtStart);
    PageSheet::sheetBackground(box);
    box->setGeometry(geometry);
    RowControls controls;
    controls.row = &row;
    controls.check = box;
    controls.valueArea = geometry;
    page->bind(row, controls);
    return box;
}
