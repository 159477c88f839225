#include "config/DocumentOrder.h"

namespace {

enum class Kind { Header, SubHeader, Separator, Body };

struct Step {
    Kind kind;
    const char* text;
    Section section;
};

constexpr Step header(const char* title) {
    return {Kind::Header, title, Section::ServerInformation};
}
constexpr Step subHeader(const char* name) {
    return {Kind::SubHeader, name, Section::ServerInformation};
}
constexpr Step separator() {
    return {Kind::Separator, nullptr, Section::ServerInformation};
}
constexpr Step body(Section section) {
    return {Kind::Body, nullptr, section};
}

constexpr Step document[] = {
    header("Server Information"),
    body(Section::ServerInformation),
    separator(),
    header("Server Options"),
    body(Section::ServerOptions),
    separator(),
    header("Network Options"),
    body(Section::NetworkOptions),
    separator(),
    header("Game Options"),
    body(Section::GameOptions),
    body(Section::AllowedVotes),
    body(Section::GameRules),
    separator(),
    header("Gametypes Configuration"),
    subHeader("Deathmatch"),
    body(Section::Deathmatch),
    subHeader("Headquarters"),
    body(Section::Headquarters),
    subHeader("Team Deathmatch"),
    body(Section::TeamDeathmatch),
    subHeader("Behind Enemy Lines"),
    body(Section::BehindEnemyLines),
    subHeader("Retrieval"),
    body(Section::Retrieval),
    subHeader("Search and Destroy"),
    body(Section::SearchAndDestroy),
    separator(),
    // The map rotation line has no header: it follows the separator directly, and the weapons
    // header follows it with no separator of its own.
    body(Section::MapRotation),
    header("Weapons"),
    body(Section::Weapons),
    body(Section::CustomLines),
};

} // namespace

void writeDocument(ConfigText& text, const SectionWriter& bodyWriter) {
    for (const Step& step : document) {
        switch (step.kind) {
        case Kind::Header:
            text.header(step.text);
            break;
        case Kind::SubHeader:
            text.subHeader(step.text);
            break;
        case Kind::Separator:
            text.separator();
            break;
        case Kind::Body:
            bodyWriter(step.section, text);
            break;
        }
    }
}
