#pragma once

#include "pages/SettingsPage.h"

class TLMDEdit;

// The map rotation: gametype, map and extra buttons append their tokens to one edit, which the
// user may also type into; the whole text becomes the sv_mapRotation line.
class MapRotationPage : public SettingsPage {
    Q_OBJECT
public:
    explicit MapRotationPage(QWidget* parent = nullptr);

public slots:
    // The click of every token button (LMDTextButton1 … LMDTextButton22): its token goes at the
    // end of the rotation, wherever the caret stands.
    void appendToken(const char* token);

private:
    TLMDEdit* edRotation = nullptr;
};
