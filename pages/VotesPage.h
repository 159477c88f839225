#pragma once

#include "pages/SettingsPage.h"

// The allowed votes. The page has no tab of its own: "Allowed Votes" on the Game Options page
// shows it. One switch line per vote, "1" for an allowed one, written whatever the voting row says.
class VotesPage : public SettingsPage {
    Q_OBJECT
public:
    explicit VotesPage(QWidget* parent = nullptr);
};
