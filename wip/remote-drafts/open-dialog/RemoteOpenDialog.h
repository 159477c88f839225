#pragma once

#include "remote/RemoteAddress.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class RemoteSession;

// File > Open from Server…: the address of a file on a server (the last ten in its list). An
// address that ends in '/' lists that folder, so that the user can walk to the file and pick it.
class RemoteOpenDialog : public QDialog {
    Q_OBJECT
public:
    RemoteOpenDialog(RemoteSession* session, QWidget* parent = nullptr);

    // The file chosen. Its password, if one was typed, is in typedAddress() only, which is for
    // opening it at once and is kept nowhere.
    RemoteAddress address() const { return m_address; }
    QString typedAddress() const { return m_typed; }

    // The addresses offered, newest first; an address is added (without its password) when a
    // file at it was opened.
    static QStringList recentAddresses();
    static void rememberAddress(const RemoteAddress& address);

    void accept() override;

private:
    void addressChanged(const QString& text);
    void showFolder(const RemoteAddress& folder);
    void itemActivated(QListWidgetItem* item);

    RemoteSession* m_session;
    QComboBox* cmbAddress;
    QLabel* lblPlainFtp;
    QLabel* lblError;
    QListWidget* lstFolder;
    RemoteAddress m_address;
    QString m_typed;
};
