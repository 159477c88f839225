#pragma once

#include <QString>

// A character named for the user: `"С" (U+0421 CYRILLIC CAPITAL LETTER ES)`. The name is
// Unicode's, for the characters most often pasted by mistake (letters that look like Latin ones,
// punctuation, symbols, emoji); other characters get their code point alone. A character that
// cannot be shown (half a surrogate pair, a control character) is named by its code point only.
QString describeCharacter(const QString& character);

// Unicode's name of a character, or an empty string when the program does not know it.
QString characterName(char32_t code);
