#pragma once

#include "config/DocumentOrder.h"
#include "config/FileLines.h"
#include "config/Opening.h"
#include "config/Program.h"
#include "config/TextCheck.h"
#include "remote/RemoteAddress.h"
#include "remote/RemoteClient.h"
#include "settings/PageCatalogue.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>

#include <optional>

class CustomLinesPage;
class EditorPage;
class PageControl;
class QAction;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QUrl;
class SaveDialog;
class ServerConsole;
class SettingsPage;
class TLMDTextButton;
class TLMDTextCheckBox;
class QWidget;
class RemoteOpenDialog;
class RemoteSession;

// The main window: menu, banner, page control with the settings pages and the editor page,
// the bottom strip with the workflow buttons, and the status bar that shows every hint.
// The workflow state is the visibility and enabled state of the workflow controls.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    static QString applicationTitle() { return Program::title(); }

    // Opens a .cfg file into the pages, after asking about unsaved changes of the document;
    // shows an error box and changes nothing when the file cannot be read. True when it was
    // opened. From then on the file is the document's layout: "Finish!" writes it with only the
    // user's changes.
    // `path` may be the address of a file on a server (sftp://, ftps://, ftp://): the document
    // then saves back to it.
    bool openFile(const QString& path);

    // The text of the document now: the editor's text while the editor page is shown, else the
    // text "Finish!" would generate from the pages.
    QString documentText() const;

public slots:
    void FormCreate();
    void New1Click();
    void btnFinishClick();
    void btnSaveClick();
    void Save1Click();
    void btnClearClick();
    void Exit1Click();
    void Support1Click();
    void Kestrane1Click();
    void LMDTextButton29Click();
    void AboutLedgerwick1Click();
    void LMDTextButton30Click();
    void Open1Click();
    void OpenFromServer1Click();
    void SaveAs1Click();
    void History1Click();
    void btnCustomClick();
    void Connect1Click();
    void Compare1Click();
    void ApplyDifferences1Click();
    void MapRestart1Click();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenu();
    QMenu* createServerMenu();
    QWidget* createBanner();
    void createPages(QWidget* client);
    QWidget* createBottomStrip();

    void writeBody(Section section, ConfigText& text) const;
    // Where a save goes: a local file, or a file on a server with the bytes it should hold still.
    struct Destination {
        QString path;
        RemoteAddress address;
        QByteArray expected;
    };
    // True when the text was saved: to `chosen`, else to where the document came from (a file
    // on a server) or to the file the save dialog asks for.
    bool saveConfiguration(const std::optional<Destination>& chosen = std::nullopt);
    // Writes `bytes` over the destination's file, keeping the bytes it held in the history first;
    // says what went wrong and returns false when it could not.
    // `note`: what the user should know of a save that succeeded.
    bool writeBytes(const Destination& destination, const QByteArray& bytes,
                    QString* note = nullptr);
    // The file the document was opened from or last saved to; nothing for a new document.
    std::optional<Destination> currentDestination() const;
    RemoteSession* remoteSession();
    // Asks, when there are problems, whether to save all the same.
    bool saveDespiteProblems(const QList<Problem>& problems);
    void showError(QString message);
    // A message in the status bar that stays until the user does something else (clicks, types),
    // while the mouse passing over controls would otherwise replace it with their hints.
    void showNote(const QString& text);
    // Hands a web address to the desktop's browser, or shows it to be copied when that fails.
    void openWebPage(const QUrl& address);
    // Before the text is dropped: when the user changed it since "Finish!" or the last save, asks
    // whether to save it. False when the user chose to keep it (or saving failed).
    bool maybeSave();
    // Before the document is dropped (closing, New, Open): when anything of it changed since it
    // was started, opened or saved, asks whether to save it, generating the text first when none
    // is shown. False when the user chose to keep it (or saving failed).
    bool maybeSaveDocument();
    // Asks Save / Discard / Cancel about the unsaved changes `what` says.
    QMessageBox::StandardButton askToSave(const QString& what);
    // The setting lines the pages write now, in the document's order.
    QList<Opening::Line> settingLines() const;
    // Puts every row at its start value, then takes into the pages what `text` (as its file
    // holds it) sets; the text becomes the document's layout.
    void takeIn(const QString& text, const FileFormat& format);
    bool openAddress(const QString& text);
    bool openAddress(const RemoteAddress& address);
    bool openFetched(const RemoteAddress& address, const RemoteClient::Result& fetched);
    // Opens the file chosen in the Open from Server dialog; false when none was opened.
    bool chooseOnServer(RemoteOpenDialog& dialog);
    // Opens `bytes` as the document: from `destination` (which it then saves to), or as a new
    // document with no file when there is none.
    void openBytes(const QByteArray& bytes, const std::optional<Destination>& destination);
    // The status bar's word on a file just opened.
    void showOpened(const QString& name);
    void setModified(bool modified);
    void updateTitle();
    // The settings state, as after "Clear Cfg": the text gone, the settings shown.
    void showSettings();
    // Notes a file opened or saved: the recent files, the folder both file dialogs start in.
    void rememberFile(const QString& path);
    void fillRecentMenu();

    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* OpenFromServer1 = nullptr;
    QMenu* OpenRecent1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* History1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Support1 = nullptr;
    QAction* Kestrane1 = nullptr;
    QAction* AboutLedgerwick1 = nullptr;
    QAction* AboutQt1 = nullptr;
    QAction* Connect1 = nullptr;
    QAction* Compare1 = nullptr;
    QAction* ApplyDifferences1 = nullptr;
    QAction* MapRestart1 = nullptr;
    ServerConsole* m_serverConsole = nullptr;

    PageControl* PageControl1 = nullptr;
    // Every page by its id; a few by their component names.
    QHash<PageId, QWidget*> m_pages;
    QWidget* tabMain = nullptr;
    EditorPage* tabEditor = nullptr;
    QWidget* tabVotes = nullptr;
    QWidget* tabCustom = nullptr;
    QPlainTextEdit* editor = nullptr;

    TLMDTextCheckBox* chkNewSlashes = nullptr;
    TLMDTextButton* btnSave = nullptr;
    TLMDTextButton* btnFinish = nullptr;
    TLMDTextButton* btnClear = nullptr;
    TLMDTextButton* btnCustom = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    SaveDialog* saveDialog = nullptr;
    // Every page whose controls are settings; the document asks them for its sections.
    QList<SettingsPage*> m_settingsPages;
    bool m_noteShown = false;

    // An opened file: its text, which "Finish!" writes again with the changes made in place, and
    // the setting lines the pages wrote when it was opened (or last saved).
    std::optional<Opening> m_layout;
    QList<Opening::Line> m_openedLines;
    // The text shown in the editor beside its file's line breaks, for an opened file.
    FileLines m_fileLines;
    // The file the document was opened from or last saved to; empty for a new one.
    QString m_documentPath;
    // A document opened from a server: its address and the bytes it had when opened or last
    // saved, which a save expects to find there still.
    RemoteAddress m_remoteAddress;
    QByteArray m_remoteBytes;
    RemoteSession* m_remote = nullptr;
    // While the program itself changes settings or the text: no change of the user's.
    int m_quiet = 0;
};
