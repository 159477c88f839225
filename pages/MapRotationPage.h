#pragma once

#include "pages/SettingsPage.h"

class MapRotationPage : public SettingsPage {
    Q_OBJECT
public:
    explicit MapRotationPage(QWidget* parent = nullptr);

    void writeSection(Section section, ConfigText& text) const override;
};
