#pragma once

#include "pages/SettingsPage.h"

class GametypesPage : public SettingsPage {
    Q_OBJECT
public:
    explicit GametypesPage(QWidget* parent = nullptr);

    void writeSection(Section section, ConfigText& text) const override;
};
