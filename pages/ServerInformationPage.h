#pragma once

#include "pages/RowColumn.h"
#include "pages/SettingsPage.h"

class TLMDListComboBox;

class ServerInformationPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ServerInformationPage(QWidget* parent = nullptr);

    void writeSection(Section section, ConfigText& text) const override;

signals:
    // "Click here to test colors" was pressed.
    void colourTestRequested();

private:
    // A first contact (left column) and its second (right column).
    struct Contact {
        RowControls first;
        RowControls second;
    };
    // The first contact's key alone and numbered, and the second's.
    struct ContactKeys {
        const char* alone;
        const char* numbered;
        const char* second;
    };
    static void writeContact(ConfigText& text, const Contact& contact, const ContactKeys& keys);

    RowControls m_serverName;
    RowControls m_motd;
    Contact m_admin;
    Contact m_mail;
    Contact m_irc;
    Contact m_website;
    QCheckBox* m_location = nullptr;
    TLMDListComboBox* lbLocation = nullptr;
    RowControls m_teamSpeak;
};
