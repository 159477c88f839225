#pragma once

#include "config/DocumentOrder.h"
#include "config/SettingEdits.h"
#include "settings/SettingRow.h"

class Vocabulary;

// The pages of the window.
enum class PageId {
    ServerInformation,
    ServerOptions,
    NetworkOptions,
    GameOptions,
    Gametypes,
    MapRotation,
    Editor,
    Weapons,
    Votes,
    CustomLines,
};

// A page as the window shows it and as its settings are declared.
struct PageDeclaration {
    PageId id;
    const char* name;  // the page's component name
    const char* title; // on its title strip ...
    const char* titleHint;
    const char* titleName; // ... and the title's component name, where it has one
    const char* tab;       // the tab's caption and icon
    const char* icon;
    bool tabShown = true;                   // at start
    Section section = Section::CustomLines; // what the page writes, unless a row says otherwise
    std::span<const SettingRow> settings = {};
    // The component names of the page's controls, in keyboard order.
    std::span<const char* const> keyboard = {};
};

// Every page, in the order of the tabs (a hidden tab stands behind the shown ones). The pages
// take an opened file's settings in this order: the custom lines, which take the rest, come last.
std::span<const PageDeclaration> pageCatalogue();
const PageDeclaration& declarationOf(PageId id);

// Adds what `rows` write to what the checks know: each variable or info key and its kind.
void learn(Vocabulary& known, std::span<const SettingRow> rows);
// What the checks of a text know of the variables the pages write.
Vocabulary knownVariables();
// Every variable and info key the pages write, as they write it, in the order of the document: a
// contact pair's first row as .Key and .Key1, its second as .Key2.
QList<SettingEdits::Written> writtenVariables();
