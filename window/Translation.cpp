#include "window/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translation::Translation(const QLocale& locale) {
    // Built into the program; Qt's own come with Qt, where the system has them.
    m_programLoaded = m_program.load(locale, QStringLiteral("ledgerwick"), QStringLiteral("_"),
                                     QStringLiteral(":/translations"));
    if (m_programLoaded)
        QCoreApplication::installTranslator(&m_program);
    m_qtLoaded = m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
}

Translation::~Translation() {
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
}
