#include "pages/WeaponsPage.h"

WeaponsPage::WeaponsPage(QWidget* parent)
    : SettingsPage("TabSheet1", "Allowed Weapons", "Allowed weapons", parent) {
    addCornerPicture(":/pic-pistol.png");
}

void WeaponsPage::writeSection(Section, ConfigText&) const {}
