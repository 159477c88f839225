#pragma once

#include "pages/SettingsPage.h"

class ServerOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ServerOptionsPage(QWidget* parent = nullptr);

    // The page's settings, as it declares them.
    static std::span<const SettingRow> settings();
};
