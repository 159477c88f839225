#pragma once

#include "pages/SettingsPage.h"

// The general game rules. The allowed votes live on a page of their own, which "Allowed Votes"
// (LMDTextButton30, in the voting row) brings up through the window; their body stands between
// the voting line and the game rules.
class GameOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit GameOptionsPage(QWidget* parent = nullptr);
};
