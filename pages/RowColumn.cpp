#include "pages/RowColumn.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "pages/PageSheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int kBoxSize = 16;
constexpr int kControlHeight = 20;
constexpr int kRadioHeight = 17;
constexpr int kGap = 4;

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

QPalette coloured(QPalette palette, QRgb background, QRgb text) {
    if (qAlpha(background) != 0) {
        palette.setColor(QPalette::Window, QColor::fromRgba(background));
        palette.setColor(QPalette::Button, QColor::fromRgba(background));
    }
    palette.setColor(QPalette::WindowText, QColor::fromRgba(text));
    palette.setColor(QPalette::ButtonText, QColor::fromRgba(text));
    return palette;
}

int lineCount(const char* text) {
    int lines = 1;
    for (const char* c = text; *c; ++c)
        lines += *c == '\n';
    return lines;
}

} // namespace

QString radioHint(const char* rowHint, const char* value) {
    QString hint = latin(rowHint);
    const qsizetype close = hint.lastIndexOf(QLatin1Char(')'));
    const QString quoted = QLatin1String(" \"") + latin(value) + QLatin1Char('"');
    if (close < 0)
        return hint + quoted;
    return hint.insert(close, quoted);
}

void RowControls::write(ConfigText& text) const {
    if (include && !include->isChecked())
        return;
    if (edit) {
        text.valueLine(row->prefix, edit->text());
    } else if (check) {
        text.switchLine(row->name, check->isChecked());
    } else {
        // Each checked button writes its own line; a group has exactly one checked.
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                text.switchLine(row->name, row->buttons[i].value);
    }
}

RowColumn::RowColumn(PageSheet* page, const Geometry& geometry)
    : m_page(page)
    , m_geometry(geometry)
    , m_y(geometry.top) {}

QList<RowControls> RowColumn::add(std::span<const SettingRow> rows) {
    QList<RowControls> built;
    built.reserve(static_cast<qsizetype>(rows.size()));
    for (const SettingRow& row : rows)
        built.append(add(row));
    return built;
}

RowControls RowColumn::add(const SettingRow& row) {
    const Geometry& g = m_geometry;
    m_y += row.skip * g.pitch;
    RowControls controls;
    controls.row = &row;

    const QString label = latin(row.label);
    const QString hint = latin(row.hint);
    const int labelLines = lineCount(row.label);
    const int stackedButtons = row.stacked ? static_cast<int>(row.buttons.size()) : 1;
    const int contentHeight =
        qMax(labelLines * 13 + 4, row.panel ? stackedButtons * kRadioHeight : kControlHeight);
    const int height = qMax(g.pitch, contentHeight + (g.pitch - kControlHeight));
    const int top = m_y + (g.pitch - kControlHeight) / 2;

    if (row.include) {
        auto* box = new QCheckBox(m_page);
        describe(box, row.include, label, QStringLiteral("Add this line to the cfg?"));
        box->setChecked(row.included);
        box->setGeometry(g.x + kGap, top + (kControlHeight - kBoxSize) / 2, kBoxSize + 2, kBoxSize);
        controls.include = box;
    }

    const int labelX = g.x + kGap + kBoxSize + kGap;
    auto* caption = new QLabel(label, m_page);
    if (row.labelName)
        caption->setObjectName(latin(row.labelName));
    caption->setStatusTip(hint);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setGeometry(labelX, top, g.labelWidth, qMax(kControlHeight, labelLines * 13 + 4));

    const int valueX = labelX + g.labelWidth + kGap + 2;
    const int valueWidth = g.valueWidth > 0 ? g.valueWidth : g.x + g.width - kGap - 2 - valueX;
    controls.valueArea = QRect(valueX, top, valueWidth, kControlHeight);

    if (row.edit) {
        auto* edit = new TLMDEdit(m_page);
        const QString editHint = row.editHint ? latin(row.editHint) : hint;
        describe(edit, row.edit, label, editHint);
        edit->setText(latin(row.text));
        edit->setCursorPosition(0);
        edit->setGeometry(valueX, top, valueWidth, kControlHeight);
        m_page->addStrip(edit->geometry().adjusted(-2, -2, 2, 2));
        controls.edit = edit;
    } else if (row.check) {
        // Only the box shows: the caption lies outside the control's area.
        auto* check = new QCheckBox(latin(row.check), m_page);
        describe(check, row.check, label, hint);
        check->setChecked(row.checkedAtStart);
        // It lies on the row's white strip.
        check->setAutoFillBackground(true);
        QPalette white = check->palette();
        white.setColor(check->backgroundRole(), Qt::white);
        check->setPalette(white);
        check->setGeometry(valueX, top + (kControlHeight - kBoxSize) / 2, kBoxSize + 2, kBoxSize);
        m_page->addStrip(QRect(valueX - 2, top - 2, valueWidth + 4, kControlHeight + 4));
        controls.check = check;
    } else if (row.panel) {
        addRadioPanel(row, controls, valueX, top, valueWidth);
    }

    m_y += height;
    return controls;
}

QWidget* RowColumn::addRadioPanel(const SettingRow& row, RowControls& controls, int x, int y,
                                  int width) {
    auto* panel = new QWidget(m_page);
    describe(panel, row.panel, latin(row.label), QString());
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    const int count = static_cast<int>(row.buttons.size());
    const int height = row.stacked ? count * kRadioHeight : kControlHeight;
    panel->setGeometry(x, y, width, height);

    int bx = 0;
    for (int i = 0; i < count; ++i) {
        const RadioChoice& choice = row.buttons[static_cast<size_t>(i)];
        auto* button = new QRadioButton(latin(choice.caption), panel);
        const QString hint = row.valueInHints ? radioHint(row.hint, choice.value) : latin(row.hint);
        describe(button, choice.name, latin(choice.caption), hint);
        if (qAlpha(choice.background) != 0)
            button->setAutoFillBackground(true);
        button->setPalette(coloured(button->palette(), choice.background, choice.textColour));
        button->setChecked(i == row.checked);
        const int w = button->sizeHint().width() + 6;
        if (row.stacked)
            button->setGeometry(2, i * kRadioHeight, width - 4, kRadioHeight);
        else
            button->setGeometry(bx, 1, w, kControlHeight - 2);
        bx += w + 2;
        controls.buttons.append(button);
    }
    return panel;
}
