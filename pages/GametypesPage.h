#pragma once

#include "pages/SettingsPage.h"

// The limits of the six gametypes, one block each. Each block is a section body of its own,
// since the text writes the blocks under their own sub-headers and in an order of their own.
class GametypesPage : public SettingsPage {
    Q_OBJECT
public:
    explicit GametypesPage(QWidget* parent = nullptr);
};
