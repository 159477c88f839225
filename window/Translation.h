#pragma once

#include <QLocale>
#include <QTranslator>

// The program's own texts and Qt's (standard buttons, file dialogs) in the language of `locale`,
// installed on the application while the object lives. Texts without a translation stay English;
// the settings on the pages are the server's words and stay English too.
class Translation {
public:
    explicit Translation(const QLocale& locale = QLocale::system());
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // True when the program's own texts were found in one of the locale's languages.
    bool hasProgramTexts() const { return m_programLoaded; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};
