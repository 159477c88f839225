#include "pages/ServerOptionsPage.h"

ServerOptionsPage::ServerOptionsPage(QWidget* parent)
    : SettingsPage("TabSheet2", "Server Options", "Server Options", parent) {
    addCornerPicture(":/pic-gear.png");
}

void ServerOptionsPage::writeSection(Section, ConfigText&) const {}
