#pragma once

#include "pages/SettingsPage.h"

// The allowed weapons: one box per weapon, in five columns by army, and presets that set every
// box at once. Every weapon's switch line is written, "1" or "0".
class WeaponsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit WeaponsPage(QWidget* parent = nullptr);

public slots:
    // The click of every preset (LMDTextButton23 … LMDTextButton28): each weapon box is checked
    // exactly when the weapon is of one of the given kinds.
    void applyPreset(unsigned kinds);
};
