#include "pages/Pages.h"

#include "pages/CustomLinesPage.h"
#include "pages/GameOptionsPage.h"
#include "pages/GametypesPage.h"
#include "pages/MapRotationPage.h"
#include "pages/NetworkOptionsPage.h"
#include "pages/ServerInformationPage.h"
#include "pages/ServerOptionsPage.h"
#include "pages/VotesPage.h"
#include "pages/WeaponsPage.h"

SettingsPage* makePage(PageId id, QWidget* parent) {
    // Without a default, the compiler names a page that is declared but never made.
    switch (id) {
    case PageId::ServerInformation:
        return new ServerInformationPage(parent);
    case PageId::ServerOptions:
        return new ServerOptionsPage(parent);
    case PageId::NetworkOptions:
        return new NetworkOptionsPage(parent);
    case PageId::GameOptions:
        return new GameOptionsPage(parent);
    case PageId::Gametypes:
        return new GametypesPage(parent);
    case PageId::MapRotation:
        return new MapRotationPage(parent);
    case PageId::Editor:
        return nullptr;
    case PageId::Weapons:
        return new WeaponsPage(parent);
    case PageId::Votes:
        return new VotesPage(parent);
    case PageId::CustomLines:
        return new CustomLinesPage(parent);
    }
    return nullptr;
}
