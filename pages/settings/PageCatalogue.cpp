#include "pages/settings/PageCatalogue.h"

#include "config/TextCheck.h"
#include "pages/settings/GameOptionsSettings.h"
#include "pages/settings/GametypesSettings.h"
#include "pages/settings/MapRotationSettings.h"
#include "pages/settings/NetworkOptionsSettings.h"
#include "pages/settings/ServerInformationSettings.h"
#include "pages/settings/ServerOptionsSettings.h"
#include "pages/settings/VotesSettings.h"
#include "pages/settings/WeaponsSettings.h"

#include <QString>

namespace {

using namespace settings;

constexpr const char* customKeyboard[] = {"memCustom"};

// clang-format off
constexpr PageDeclaration catalogue[] = {
    {PageId::ServerInformation, "tabMain", "Server Information", "Server Information", "Label2",
     "Server Information", ":/tab1.png", true, Section::ServerInformation,
     serverInformation::information, serverInformation::keyboard},
    {PageId::ServerOptions, "TabSheet2", "Server Options", "Server Options", nullptr,
     "Server Options", ":/tab2.png", true, Section::ServerOptions,
     serverOptions::options, serverOptions::keyboard},
    {PageId::NetworkOptions, "TabSheet3", "Network Options", "Network Options", nullptr,
     "Network Options", ":/tab3.png", true, Section::NetworkOptions,
     networkOptions::network, networkOptions::keyboard},
    {PageId::GameOptions, "TabSheet4", "Game Options", "Game Options", nullptr,
     "Game Options", ":/tab4.png", true, Section::GameRules,
     gameOptions::gameRules, gameOptions::keyboard},
    {PageId::Gametypes, "TabSheet5", "Gametypes Configuration", "Gametypes", nullptr,
     "Gametypes", ":/tab5.png", true, Section::Deathmatch,
     gametypes::limits, gametypes::keyboard},
    {PageId::MapRotation, "TabSheet6", "Map Rotation", "Map Rotation", nullptr,
     "Map Rotation", ":/tab6.png", true, Section::MapRotation,
     mapRotation::rotation, mapRotation::keyboard},
    // Shown once "Finish!" has made the text.
    {PageId::Editor, "tabEditor", "Your CFG", "Your CFG", "Label3",
     "editor", ":/tab0.png", false, Section::CustomLines},
    {PageId::Weapons, "TabSheet1", "Allowed Weapons", "Allowed weapons", nullptr,
     "Weapons", ":/tab7.png", true, Section::Weapons,
     weapons::weapons, weapons::keyboard},
    // No tab of its own: "Allowed Votes" on the Game Options page shows it.
    {PageId::Votes, "tabVotes", "Allowed Votes", "Allowed Votes", nullptr,
     "Votes", ":/tab8.png", false, Section::AllowedVotes,
     votes::votes, votes::keyboard},
    // "Custom Lines" in the bottom strip shows it.
    {PageId::CustomLines, "tabCustom", "Custom Lines", "Custom Lines", nullptr,
     "Custom Lines", ":/tab0.png", false, Section::CustomLines, {}, customKeyboard},
};
// clang-format on

// Each page once, in the order of its id, so that a page is found by its id.
constexpr bool inIdOrder() {
    for (size_t i = 0; i < std::size(catalogue); ++i)
        if (catalogue[i].id != static_cast<PageId>(i))
            return false;
    return true;
}
static_assert(inIdOrder(), "the catalogue lists the pages in the order of their ids");

} // namespace

std::span<const PageDeclaration> pageCatalogue() {
    return catalogue;
}

const PageDeclaration& declarationOf(PageId id) {
    return catalogue[static_cast<size_t>(id)];
}

void learn(Vocabulary& known, std::span<const SettingRow> rows) {
    for (const SettingRow& row : rows) {
        const QString name = QString::fromLatin1(row.variable);
        known.add(name, *row.kind);
        if (row.form == LineForm::Contact) {
            known.add(name + QLatin1Char('1'), *row.kind);
            known.add(name + QLatin1Char('2'), *row.kind);
        }
    }
}

Vocabulary knownVariables() {
    Vocabulary known;
    for (const PageDeclaration& page : catalogue)
        learn(known, page.settings);
    return known;
}
