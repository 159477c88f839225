#pragma once

#include "config/ConfigText.h"

#include <functional>

// The bodies of a configuration text, in the order they are written. The six gametype blocks are
// bodies of their own because each stands under its own sub-header; the Game Options section is
// three bodies, since the allowed votes stand between its voting line and the game rules.
enum class Section {
    ServerInformation,
    ServerOptions,
    NetworkOptions,
    GameOptions,
    AllowedVotes,
    GameRules,
    Deathmatch,
    Headquarters,
    TeamDeathmatch,
    BehindEnemyLines,
    Retrieval,
    SearchAndDestroy,
    MapRotation,
    Weapons,
    // Lines of the user's own, after everything else; under a header of their own when there are
    // any and comment lines are written.
    CustomLines,
};

// The header the custom lines stand under.
inline constexpr const char* kCustomLinesTitle = "Custom Lines";

using SectionWriter = std::function<void(Section, ConfigText&)>;

// Writes the whole document: headers, sub-headers and separators in their fixed places, and each
// body through `body` at its place.
void writeDocument(ConfigText& text, const SectionWriter& body);
