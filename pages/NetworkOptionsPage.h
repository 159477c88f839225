#pragma once

#include "pages/SettingsPage.h"

class NetworkOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit NetworkOptionsPage(QWidget* parent = nullptr);

    void writeSection(Section section, ConfigText& text) const override;
};
