#pragma once

#include "pages/PageSheet.h"

// The allowed votes. The page has no tab of its own: "Allowed Votes" on the Game Options page
// shows it, and the Game Options section writes its lines.
class VotesPage : public PageSheet {
    Q_OBJECT
public:
    explicit VotesPage(QWidget* parent = nullptr);
};
