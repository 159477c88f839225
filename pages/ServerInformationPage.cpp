#include "pages/ServerInformationPage.h"

#include "controls/TLMDTextButton.h"

ServerInformationPage::ServerInformationPage(QWidget* parent)
    : SettingsPage("tabMain", "Server Information", "Server Information", parent, "Label2") {
    auto* colours = new TLMDTextButton(QStringLiteral("Click here to test colors"), this);
    colours->setObjectName(QStringLiteral("LMDTextButton29"));
    colours->setGeometry(200, 28, 170, 20);
    connect(colours, &TLMDTextButton::clicked, this, &ServerInformationPage::colourTestRequested);
    addCornerPicture(":/pic-network.png");
}

void ServerInformationPage::writeSection(Section, ConfigText&) const {}
