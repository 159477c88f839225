#pragma once

#include "config/Document.h"
#include "pages/PageSheet.h"

// A page whose controls contribute to the configuration text.
class SettingsPage : public PageSheet {
    Q_OBJECT
public:
    using PageSheet::PageSheet;

    // Appends the body of `section` (one that this page owns), reading the controls as they are.
    virtual void writeSection(Section section, ConfigText& text) const = 0;
};
