#pragma once

#include "config/Opening.h"
#include "config/Program.h"
#include "document/Document.h"
#include "pages/Pages.h"
#include "settings/PageCatalogue.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

#include <optional>

class BottomStrip;
class CustomLinesPage;
class EditorPage;
class MainMenu;
class PageControl;
class QPlainTextEdit;
class QStatusBar;
class RemoteOpenDialog;
class RemoteSession;
class SaveDialog;
class ServerConsole;
class SettingsPage;
class StatusNote;
class TLMDTextButton;
class TLMDTextCheckBox;

// The main window: menu, banner, page control with the settings pages and the editor page, the
// bottom strip with the workflow buttons, and the status bar that shows every hint. The workflow
// state is the visibility and enabled state of the workflow controls; every setting's value lives
// in its control; the rest of the document (its file, format, layout, modified state) is the
// Document's, which the window shows and asks.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    static QString applicationTitle() { return Program::title(); }

    // Opens a .cfg file into the pages, after asking about unsaved changes of the document;
    // shows an error box and changes nothing when the file cannot be read. True when it was
    // opened. From then on the file is the document's layout: "Finish!" writes it with only the
    // user's changes. `path` may be the address of a file on a server (sftp://, ftps://, ftp://):
    // the document then saves back to it.
    bool openFile(const QString& path);

    // The text of the document now: the editor's text while the editor page is shown, else the
    // text "Finish!" would write from the pages.
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages(QWidget* client);
    void connectMenu();
    // The text "Finish!" writes: an opened file with the settings' changes made in place, else
    // a new text from the pages, in the document's order.
    QString generatedText() const;
    // True when the text was saved: to `to`, else to where the document came from (a file on a
    // server) or to the file the save dialog asks for.
    bool saveConfiguration(const std::optional<Location>& to = std::nullopt);
    void showError(QString message);
    // Before the text is dropped: when the user changed it since "Finish!" or the last save, asks
    // whether to save it. False when the user chose to keep it (or saving failed).
    bool maybeSave();
    // Before the document is dropped (closing, New, Open): when anything of it changed since it
    // was started, opened or saved, asks whether to save it, generating the text first when none
    // is shown. False when the user chose to keep it (or saving failed).
    bool maybeSaveDocument();
    // Asks Save / Discard / Cancel about the unsaved changes `what` says: false on Cancel, or
    // when saving failed.
    bool askThenSave(const QString& what);
    // Opens what was read, or says why not; an address of a folder lists it in the address
    // dialog, to choose a file there.
    bool openRead(const Document::Read& read);
    // Puts every row at its start value, then takes into the pages what the document's layout
    // sets.
    void takeIn();
    // After the document became another: the settings shown, the title, the recent files.
    void showDocument();
    void updateTitle();
    // The settings state, as after "Clear Cfg": the text gone, the settings shown.
    void showSettings();

    Document* m_document;
    MainMenu* m_menu;
    StatusNote* m_note;
    ServerConsole* m_serverConsole;
    RemoteSession* m_remote;

    PageControl* PageControl1 = nullptr;
    // Every page by its id; a few by their component names.
    QHash<PageId, QWidget*> m_pages;
    QWidget* tabMain = nullptr;
    EditorPage* tabEditor = nullptr;
    QWidget* tabVotes = nullptr;
    CustomLinesPage* tabCustom = nullptr;
    QPlainTextEdit* editor = nullptr;
    // Every page whose controls are settings: they write the document's sections.
    SettingsPages m_settingsPages;

    BottomStrip* m_strip;
    TLMDTextCheckBox* chkNewSlashes;
    TLMDTextButton* btnSave;
    TLMDTextButton* btnFinish;
    TLMDTextButton* btnClear;
    TLMDTextButton* btnCustom;
    QStatusBar* StatusBar1;
    SaveDialog* saveDialog;

    // While the program itself changes settings or the text: no change of the user's.
    int m_quiet = 0;
};
