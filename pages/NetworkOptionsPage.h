#pragma once

#include "pages/SettingsPage.h"

class NetworkOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit NetworkOptionsPage(QWidget* parent = nullptr);
};
