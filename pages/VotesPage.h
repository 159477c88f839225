#pragma once

#include "pages/PageSheet.h"

class ConfigText;
class QCheckBox;

// The allowed votes. The page has no tab of its own: "Allowed Votes" on the Game Options page
// shows it, and the Game Options section writes its lines.
class VotesPage : public PageSheet {
    Q_OBJECT
public:
    explicit VotesPage(QWidget* parent = nullptr);

    // One switch line per vote, "1" for an allowed one; written whatever the voting row says.
    void writeLines(ConfigText& text) const;

private:
    QList<QCheckBox*> m_boxes;
};
