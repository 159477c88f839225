#include "pages/Pages.h"

#include "pages/CustomLinesPage.h"
#include "pages/GameOptionsPage.h"
#include "pages/GametypesPage.h"
#include "pages/MapRotationPage.h"
#include "pages/NetworkOptionsPage.h"
#include "pages/ServerInformationPage.h"
#include "pages/ServerOptionsPage.h"
#include "pages/VotesPage.h"
#include "pages/WeaponsPage.h"

#include "config/DocumentOrder.h"

SettingsPage* makePage(PageId id, QWidget* parent) {
    // Without a default, the compiler names a page that is declared but never made.
    switch (id) {
    case PageId::ServerInformation:
        return new ServerInformationPage(parent);
    case PageId::ServerOptions:
        return new ServerOptionsPage(parent);
    case PageId::NetworkOptions:
        return new NetworkOptionsPage(parent);
    case PageId::GameOptions:
        return new GameOptionsPage(parent);
    case PageId::Gametypes:
        return new GametypesPage(parent);
    case PageId::MapRotation:
        return new MapRotationPage(parent);
    case PageId::Editor:
        return nullptr;
    case PageId::Weapons:
        return new WeaponsPage(parent);
    case PageId::Votes:
        return new VotesPage(parent);
    case PageId::CustomLines:
        return new CustomLinesPage(parent);
    }
    return nullptr;
}

void SettingsPages::write(ConfigText& text, bool customLines) const {
    writeDocument(text, [this, customLines](Section section, ConfigText& t) {
        if (section == Section::CustomLines && !customLines)
            return;
        for (const SettingsPage* page : m_pages)
            if (page->sections().contains(section))
                page->writeSection(section, t);
    });
}

QString SettingsPages::newText(bool slashes) const {
    ConfigText text(slashes);
    write(text, true);
    return text.lines().join(QLatin1Char('\n'));
}

QList<Opening::Line> SettingsPages::settingLines() const {
    ConfigText text(false);
    write(text, false);
    return Opening::settingLines(text.lines());
}

void SettingsPages::take(Opening& opening, const FileFormat& format) {
    for (SettingsPage* page : std::as_const(m_pages)) {
        page->setFormat(format);
        page->take(opening);
    }
}

void SettingsPages::reset() {
    for (SettingsPage* page : std::as_const(m_pages)) {
        page->setFormat(FileFormat());
        page->reset();
    }
}
