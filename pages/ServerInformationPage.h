#pragma once

#include "pages/SettingsPage.h"

class ServerInformationPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ServerInformationPage(QWidget* parent = nullptr);

    // The page's settings, as it declares them.
    static std::span<const SettingRow> settings();

    void writeSection(Section section, ConfigText& text) const override;
    void take(Opening& opening) override;

signals:
    // "Click here to test colors" was pressed.
    void colourTestRequested();

private:
    static void writeContact(ConfigText& text, const RowControls& first, const RowControls& second);
};
