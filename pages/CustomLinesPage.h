#pragma once

#include "pages/SettingsPage.h"

class QPlainTextEdit;

// Lines of the user's own, written as they stand after the weapons: settings the pages have no row
// for, commands such as map or exec, comments. Opening a file puts here whatever of it the pages
// cannot hold. The page has no tab of its own: "Custom Lines" below the pages shows it.
class CustomLinesPage : public SettingsPage {
    Q_OBJECT
public:
    explicit CustomLinesPage(QWidget* parent = nullptr);

    // Its lines, blank ones at the end left out.
    QStringList lines() const;

    void writeSection(Section section, ConfigText& text) const override;
    void take(Opening& opening) override;
    void reset() override;

private:
    QPlainTextEdit* memCustom;
};
