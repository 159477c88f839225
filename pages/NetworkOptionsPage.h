#pragma once

#include "pages/SettingsPage.h"

class NetworkOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit NetworkOptionsPage(QWidget* parent = nullptr);

    // The page's settings, as it declares them.
    static std::span<const SettingRow> settings();
};
