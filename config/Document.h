#pragma once

#include "config/ConfigText.h"

#include <functional>

// The bodies of a configuration text, in the order they are written. The six gametype blocks are
// bodies of their own because each stands under its own sub-header.
enum class Section {
    ServerInformation,
    ServerOptions,
    NetworkOptions,
    GameOptions,
    Deathmatch,
    Headquarters,
    TeamDeathmatch,
    BehindEnemyLines,
    Retrieval,
    SearchAndDestroy,
    MapRotation,
    Weapons,
};

using SectionWriter = std::function<void(Section, ConfigText&)>;

// Writes the whole document: headers, sub-headers and separators in their fixed places, and each
// body through `body` at its place.
void writeDocument(ConfigText& text, const SectionWriter& body);
