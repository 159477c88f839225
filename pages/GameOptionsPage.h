#pragma once

#include "pages/SettingsPage.h"

class VotesPage;

// The general game rules. The allowed votes live on a page of their own, which this page makes
// and whose body stands between the voting line and the game rules.
class GameOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit GameOptionsPage(QWidget* parent = nullptr);

    // The page's settings, as it declares them.
    static std::span<const SettingRow> settings();

    VotesPage* votesPage() const { return m_votes; }

signals:
    // "Allowed Votes" was pressed.
    void votesRequested();

private:
    VotesPage* m_votes;
};
