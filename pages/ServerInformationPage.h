#pragma once

#include "pages/SettingsPage.h"

class ServerInformationPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ServerInformationPage(QWidget* parent = nullptr);

    void writeSection(Section section, ConfigText& text) const override;
    void take(Opening& opening) override;

private:
    static void writeContact(ConfigText& text, const RowControls& first, const RowControls& second);
};
