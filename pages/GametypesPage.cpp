#include "pages/GametypesPage.h"

GametypesPage::GametypesPage(QWidget* parent)
    : SettingsPage("TabSheet5", "Gametypes Configuration", "Gametypes", parent) {
    addCornerPicture(":/pic-star-dark.png");
}

void GametypesPage::writeSection(Section, ConfigText&) const {}
