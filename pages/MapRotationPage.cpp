#include "pages/MapRotationPage.h"

MapRotationPage::MapRotationPage(QWidget* parent)
    : SettingsPage("TabSheet6", "Map Rotation", "Map Rotation", parent) {
    addCornerPicture(":/pic-arrows.png");
}

void MapRotationPage::writeSection(Section, ConfigText&) const {}
