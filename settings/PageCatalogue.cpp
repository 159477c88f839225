#include "settings/PageCatalogue.h"

#include "config/TextCheck.h"
#include "settings/GameOptionsSettings.h"
#include "settings/GametypesSettings.h"
#include "settings/MapRotationSettings.h"
#include "settings/NetworkOptionsSettings.h"
#include "settings/ServerInformationSettings.h"
#include "settings/ServerOptionsSettings.h"
#include "settings/VotesSettings.h"
#include "settings/WeaponsSettings.h"

#include <QString>

#include <algorithm>

namespace {

using namespace settings;

constexpr const char* customKeyboard[] = {"memCustom"};

// clang-format off
constexpr PageDeclaration catalogue[] = {
    {PageId::ServerInformation, "tabMain",
     QT_TRANSLATE_NOOP("Pages", "Server Information"),
     QT_TRANSLATE_NOOP("Pages", "Server Information"), "Label2",
     QT_TRANSLATE_NOOP("Pages", "Server Information"), ":/tab1.png", true,
     Section::ServerInformation,
     serverInformation::information, serverInformation::keyboard},
    {PageId::ServerOptions, "TabSheet2",
     QT_TRANSLATE_NOOP("Pages", "Server Options"),
     QT_TRANSLATE_NOOP("Pages", "Server Options"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Server Options"), ":/tab2.png", true, Section::ServerOptions,
     serverOptions::options, serverOptions::keyboard},
    {PageId::NetworkOptions, "TabSheet3",
     QT_TRANSLATE_NOOP("Pages", "Network Options"),
     QT_TRANSLATE_NOOP("Pages", "Network Options"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Network Options"), ":/tab3.png", true, Section::NetworkOptions,
     networkOptions::network, networkOptions::keyboard},
    {PageId::GameOptions, "TabSheet4",
     QT_TRANSLATE_NOOP("Pages", "Game Options"),
     QT_TRANSLATE_NOOP("Pages", "Game Options"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Game Options"), ":/tab4.png", true, Section::GameRules,
     gameOptions::gameRules, gameOptions::keyboard},
    {PageId::Gametypes, "TabSheet5",
     QT_TRANSLATE_NOOP("Pages", "Gametypes Configuration"),
     QT_TRANSLATE_NOOP("Pages", "Gametypes"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Gametypes"), ":/tab5.png", true, Section::Deathmatch,
     gametypes::limits, gametypes::keyboard},
    {PageId::MapRotation, "TabSheet6",
     QT_TRANSLATE_NOOP("Pages", "Map Rotation"),
     QT_TRANSLATE_NOOP("Pages", "Map Rotation"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Map Rotation"), ":/tab6.png", true, Section::MapRotation,
     mapRotation::rotation, mapRotation::keyboard},
    // Shown once "Finish!" has made the text.
    {PageId::Editor, "tabEditor",
     QT_TRANSLATE_NOOP("Pages", "Your CFG"),
     QT_TRANSLATE_NOOP("Pages", "Your CFG"), "Label3",
     QT_TRANSLATE_NOOP("Pages", "editor"), ":/tab0.png", false, Section::CustomLines},
    {PageId::Weapons, "TabSheet1",
     QT_TRANSLATE_NOOP("Pages", "Allowed Weapons"),
     QT_TRANSLATE_NOOP("Pages", "Allowed weapons"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Weapons"), ":/tab7.png", true, Section::Weapons,
     weapons::weapons, weapons::keyboard},
    // No tab of its own: "Allowed Votes" on the Game Options page shows it.
    {PageId::Votes, "tabVotes",
     QT_TRANSLATE_NOOP("Pages", "Allowed Votes"),
     QT_TRANSLATE_NOOP("Pages", "Allowed Votes"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Votes"), ":/tab8.png", false, Section::AllowedVotes,
     votes::votes, votes::keyboard},
    // "Custom Lines" in the bottom strip shows it.
    {PageId::CustomLines, "tabCustom",
     QT_TRANSLATE_NOOP("Pages", "Custom Lines"),
     QT_TRANSLATE_NOOP("Pages", "Custom Lines"), nullptr,
     QT_TRANSLATE_NOOP("Pages", "Custom Lines"), ":/tab0.png", false, Section::CustomLines, {},
     customKeyboard},
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

QList<SettingEdits::Written> writtenVariables() {
    QList<SettingEdits::Written> written;
    const QString set = QStringLiteral("set");
    const QString sets = QStringLiteral("sets");
    ConfigText text(false);
    // Section by section, each page's rows of it in the order of its table, as the pages write.
    writeDocument(text, [&](Section section, ConfigText&) {
        for (const PageDeclaration& page : catalogue) {
            const std::span<const SettingRow> rows = page.settings;
            for (size_t i = 0; i < rows.size(); ++i) {
                const SettingRow& row = rows[i];
                if (row.section.value_or(page.section) != section)
                    continue;
                const QString name = QString::fromLatin1(row.variable);
                const bool number = row.kind != ValueKind::Text &&
                                    std::all_of(row.buttons.begin(), row.buttons.end(),
                                                [](const RadioChoice& choice) {
                                                    bool whole = false;
                                                    QByteArray(choice.value).toInt(&whole);
                                                    return whole;
                                                });
                switch (row.form) {
                case LineForm::Set:
                    written.append({name, set, number});
                    break;
                case LineForm::Info:
                    written.append({name, sets});
                    break;
                case LineForm::Contact:
                    if (i > 0 && declaration::same(rows[i - 1].variable, row.variable)) {
                        written.append({name + QLatin1Char('2'), sets});
                    } else {
                        written.append({name, sets});
                        written.append({name + QLatin1Char('1'), sets});
                    }
                    break;
                }
            }
        }
    });
    return written;
}
