#include "config/EnglishNumber.h"

#include <QLocale>

QString englishNumber(qint64 number) {
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(number);
}
