#include "config/CharacterNames.h"

#include <algorithm>
#include <iterator>

namespace {

struct Named {
    char32_t code;
    const char* name;
};

// Generated at build time from Unicode's character data, in code point order.
constexpr Named kNames[] = {
#include "CharacterNameTable.inc"
};

} // namespace

QString characterName(char32_t code) {
    // CJK ideographs are named by their code point.
    if (code >= 0x4E00 && code <= 0x9FFF)
        return QStringLiteral("CJK UNIFIED IDEOGRAPH-%1").arg(code, 4, 16).toUpper();
    const auto found = std::lower_bound(std::begin(kNames), std::end(kNames), code,
                                        [](const Named& n, char32_t c) { return n.code < c; });
    if (found == std::end(kNames) || found->code != code)
        return {};
    return QLatin1String(found->name);
}

QString describeCharacter(const QString& character) {
    if (character.isEmpty())
        return {};
    const char32_t code = character.size() == 2 && character[0].isHighSurrogate()
                              ? QChar::surrogateToUcs4(character[0], character[1])
                              : character[0].unicode();
    const QString point = QStringLiteral("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
    const QChar::Category category = QChar::category(code);
    if (category == QChar::Other_Surrogate || category == QChar::Other_Control ||
        category == QChar::Other_Format || category == QChar::Other_NotAssigned)
        return point;
    const QString name = characterName(code);
    return QStringLiteral("\"%1\" (%2%3)")
        .arg(character, point, name.isEmpty() ? QString() : QLatin1Char(' ') + name);
}
