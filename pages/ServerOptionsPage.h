#pragma once

#include "pages/SettingsPage.h"

class ServerOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ServerOptionsPage(QWidget* parent = nullptr);
};
