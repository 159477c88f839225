#pragma once

#include "pages/RowColumn.h"
#include "pages/SettingsPage.h"

class VotesPage;

// The general game rules. The allowed votes live on a page of their own, which this page makes
// and whose boxes its section reads.
class GameOptionsPage : public SettingsPage {
    Q_OBJECT
public:
    explicit GameOptionsPage(QWidget* parent = nullptr);

    VotesPage* votesPage() const { return m_votes; }

    void writeSection(Section section, ConfigText& text) const override;

signals:
    // "Allowed Votes" was pressed.
    void votesRequested();

private:
    VotesPage* m_votes;
    QList<RowControls> m_left;
    QList<RowControls> m_right;
};
