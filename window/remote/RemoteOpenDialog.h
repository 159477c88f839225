#pragma once

#include "document/Document.h"
#include "remote/RemoteAddress.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class RemoteSession;

// The address of a file on a server, for File > Open from Server… and for saving to a server:
// the last ten addresses in its list; an address that ends in '/' lists that folder (folders and
// .cfg files, with size and time), so that the user can walk to the file and pick it. (The window
// lists a folder whose address it was given without the '/'.)
class RemoteOpenDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Open, Save };

    RemoteOpenDialog(Purpose purpose, RemoteSession* session, QWidget* parent = nullptr);

    // The file chosen. A password typed in the address is in it for reaching the file at once;
    // the list and the field show the address without it.
    RemoteAddress address() const { return m_address; }
    // Lists `folder` in the dialog.
    void showFolder(const RemoteAddress& folder);

    // Asks for a file on a server, listing `folder` first when it is one, and reads the file
    // chosen into `document`'s hands. A read the user cancelled brings the dialog back as it was
    // typed; the address of a folder lists that folder. Nothing when the dialog is closed.
    static std::optional<Document::Read> chooseFile(Document& document, RemoteSession* session,
                                                    QWidget* parent,
                                                    const RemoteAddress& folder = {});

    void accept() override;

private:
    void addressChanged(const QString& text);
    void itemActivated(QTreeWidgetItem* item);
    void showError(const QString& text);

    RemoteSession* m_session;
    QComboBox* cmbAddress;
    QLabel* lblPlainFtp;
    QLabel* lblError;
    QTreeWidget* lstFolder;
    // The folder listed, and the file chosen at the end.
    RemoteAddress m_folder;
    RemoteAddress m_address;
};
