#pragma once

#include "pages/SettingsPage.h"

class WeaponsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit WeaponsPage(QWidget* parent = nullptr);

    void writeSection(Section section, ConfigText& text) const override;
};
