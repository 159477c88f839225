#include "pages/VotesPage.h"

VotesPage::VotesPage(QWidget* parent)
    : PageSheet("tabVotes", "Allowed Votes", "Allowed Votes", parent) {}
