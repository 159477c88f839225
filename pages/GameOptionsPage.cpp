#include "pages/GameOptionsPage.h"

#include "controls/TLMDTextButton.h"
#include "pages/VotesPage.h"

GameOptionsPage::GameOptionsPage(QWidget* parent)
    : SettingsPage("TabSheet4", "Game Options", "Game Options", parent)
    , m_votes(new VotesPage(this)) {
    // Until the window puts it into its page control.
    m_votes->hide();
    auto* votes = new TLMDTextButton(QStringLiteral("Allowed Votes"), this);
    votes->setObjectName(QStringLiteral("LMDTextButton30"));
    votes->setStatusTip(QStringLiteral("Select allowed votes"));
    votes->setGeometry(250, 60, 100, 20);
    connect(votes, &TLMDTextButton::clicked, this, &GameOptionsPage::votesRequested);
    addCornerPicture(":/pic-star.png");
}

void GameOptionsPage::writeSection(Section, ConfigText&) const {}
