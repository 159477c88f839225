#include "pages/NetworkOptionsPage.h"

NetworkOptionsPage::NetworkOptionsPage(QWidget* parent)
    : SettingsPage("TabSheet3", "Network Options", "Network Options", parent) {
    addCornerPicture(":/pic-globe.png");
}

void NetworkOptionsPage::writeSection(Section, ConfigText&) const {}
