#include "window/TForm1.h"

#include "controls/MarkStyle.h"
#include "controls/MessageBox.h"
#include "controls/TLMDTextButton.h"
#include "controls/TLMDTextCheckBox.h"
#include "document/RecentFiles.h"
#include "pages/CustomLinesPage.h"
#include "pages/Pages.h"
#include "pages/SettingsPage.h"
#include "window/Accessibility.h"
#include "window/Banner.h"
#include "window/BottomStrip.h"
#include "window/ChangeMarks.h"
#include "window/EditorPage.h"
#include "window/FileDrop.h"
#include "window/Help.h"
#include "window/MainMenu.h"
#include "window/PageControl.h"
#include "window/Questions.h"
#include "window/SaveDialog.h"
#include "window/StatusNote.h"
#include "window/WindowLook.h"
#include "window/console/ServerConsole.h"
#include "window/remote/HistoryDialog.h"
#include "window/remote/RemoteOpenDialog.h"
#include "window/remote/RemoteSession.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kPagesHeight = 384;
constexpr int kStatusHeight = 19;
constexpr int kClientHeight = Banner::kHeight + kPagesHeight + BottomStrip::kHeight + kStatusHeight;

// A button that a page makes for the window to answer.
QAbstractButton* pageButton(const QWidget* window, const char* name) {
    auto* button = window->findChild<QAbstractButton*>(QLatin1String(name));
    if (!button)
        qFatal("no page has the button %s", name);
    return button;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
    , m_document(new Document(this)) {
    QGuiApplication::setApplicationDisplayName(applicationTitle());
    WindowLook::substituteFonts();
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/ledgerwick.png")));
    // Menus and dialogs are windows of their own; let them take the window's font too.
    setAttribute(Qt::WA_WindowPropagation);
    setFont(WindowLook::font());

    m_menu = new MainMenu(this);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new Banner);
    createPages(client);
    layout->addWidget(PageControl1);
    m_strip = new BottomStrip(this);
    layout->addWidget(m_strip);
    chkNewSlashes = m_strip->chkNewSlashes;
    btnSave = m_strip->btnSave;
    btnFinish = m_strip->btnFinish;
    btnClear = m_strip->btnClear;
    btnCustom = m_strip->btnCustom;
    setCentralWidget(client);

    m_note = new StatusNote(this, kStatusHeight);
    StatusBar1 = statusBar();

    saveDialog = new SaveDialog(this);
    // Transfers of files on servers show their progress and ask their questions here; an open
    // from the window tidies the file's folder of what cut saves left there.
    RemoteTransfer::Settings transfers;
    transfers.tidyOnOpen = true;
    m_document->remoteClient()->setSettings(transfers);
    m_remote = new RemoteSession(this, m_document->remoteClient());
    connect(m_remote, &RemoteSession::note, m_note, &StatusNote::show);
    m_document->setTextSource([this] { return documentText(); });
    connect(m_document, &Document::modifiedChanged, this, &QWidget::setWindowModified);
    m_serverConsole = new ServerConsole(this, m_document);
    // What a save would change: marks beside the editor's lines, File > Changes...
    auto* changes = new ChangeMarks(tabEditor, m_document);
    connect(changes, &ChangeMarks::note, m_note, &StatusNote::show);
    connect(changes, &ChangeMarks::comparable, m_menu->Changes1, &QAction::setEnabled);
    connect(m_menu->Changes1, &QAction::triggered, changes, &ChangeMarks::showChanges);
    connectMenu();
    connect(new FileDrop(this), &FileDrop::dropped, this, &TForm1::openFile);

    // Boxes, circles and focus frames that stand out on every background of the window.
    MarkStyle::applyTo(this);
    // Screen readers read each hint as its control's description.
    Accessibility::describeByHints(this);
    Accessibility::describeMenuItemsByHints();
    Accessibility::offerShownTabsOnly();

    setFixedSize(WindowLook::kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    WindowLook::placeOnScreen(this);

    updateTitle();
    FormCreate();
}

void TForm1::connectMenu() {
    const std::pair<QAction*, void (TForm1::*)()> handlers[] = {
        {m_menu->New1, &TForm1::New1Click},
        {m_menu->Open1, &TForm1::Open1Click},
        {m_menu->OpenFromServer1, &TForm1::OpenFromServer1Click},
        {m_menu->Save1, &TForm1::Save1Click},
        {m_menu->SaveAs1, &TForm1::SaveAs1Click},
        {m_menu->History1, &TForm1::History1Click},
        {m_menu->Exit1, &TForm1::Exit1Click},
        {m_menu->Support1, &TForm1::Support1Click},
        {m_menu->Kestrane1, &TForm1::Kestrane1Click},
        {m_menu->AboutLedgerwick1, &TForm1::AboutLedgerwick1Click}};
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
    connect(m_menu, &MainMenu::openRecent, this, &TForm1::openFile);
    const std::pair<QAction*, void (ServerConsole::*)()> server[] = {
        {m_menu->Connect1, &ServerConsole::connectToServer},
        {m_menu->Compare1, &ServerConsole::compare},
        {m_menu->ApplyDifferences1, &ServerConsole::applyDifferences},
        {m_menu->MapRestart1, &ServerConsole::restartMap}};
    for (const auto& [action, handler] : server)
        connect(action, &QAction::triggered, m_serverConsole, handler);
    connect(btnSave, &QPushButton::clicked, this, &TForm1::btnSaveClick);
    connect(btnFinish, &QPushButton::clicked, this, &TForm1::btnFinishClick);
    connect(btnClear, &QPushButton::clicked, this, &TForm1::btnClearClick);
    connect(btnCustom, &QPushButton::clicked, this, &TForm1::btnCustomClick);
}

void TForm1::createPages(QWidget* client) {
    // Every page is made inside the page control, so that the focus order each page sets stays
    // as it is when the page joins the window.
    PageControl1 = new PageControl(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setFixedSize(WindowLook::kClientWidth, kPagesHeight);

    for (const PageDeclaration& declaration : pageCatalogue()) {
        QWidget* page = nullptr;
        if (declaration.id == PageId::Editor) {
            tabEditor = new EditorPage(knownVariables(), PageControl1);
            editor = tabEditor->editor();
            page = tabEditor;
        } else {
            SettingsPage* settings = makePage(declaration.id, PageControl1);
            // A setting changed after "Finish!" does not reach the text: the editor page says so.
            connect(settings, &SettingsPage::settingChanged, this, [this] {
                if (m_quiet)
                    return;
                m_document->setModified(true);
                if (!btnClear->isHidden())
                    tabEditor->setSettingsChanged(true);
            });
            m_settingsPages.append(settings);
            page = settings;
        }
        m_pages.insert(declaration.id, page);
        PageControl1->addPage(page, QCoreApplication::translate("Pages", declaration.tab),
                              QIcon(QLatin1String(declaration.icon)), declaration.tabShown);
    }
    tabMain = m_pages.value(PageId::ServerInformation);
    tabVotes = m_pages.value(PageId::Votes);
    tabCustom = qobject_cast<CustomLinesPage*>(m_pages.value(PageId::CustomLines));
    connect(editor->document(), &QTextDocument::modificationChanged, this, [this](bool changed) {
        if (changed && !m_quiet)
            m_document->setModified(true);
    });

    PageControl1->addShortcuts(this);

    // The pages' buttons that lead elsewhere are the window's to answer.
    connect(pageButton(this, "LMDTextButton29"), &QAbstractButton::clicked, this,
            &TForm1::LMDTextButton29Click);
    connect(pageButton(this, "LMDTextButton30"), &QAbstractButton::clicked, this,
            &TForm1::LMDTextButton30Click);
}

void TForm1::FormCreate() {
    PageControl1->setCurrentWidget(tabMain);
    m_menu->Save1->setEnabled(false);
    btnSave->setEnabled(false);
    btnSave->hide();
    // A new document has no file, so no earlier versions.
    m_menu->History1->setEnabled(false);
}

QString TForm1::generatedText() const {
    // An opened file: its own text with the changes made in place, the own lines at its end.
    if (m_document->layout())
        return m_document->rewritten(m_settingsPages.settingLines(), tabCustom->lines());
    return m_settingsPages.newText(chkNewSlashes->isChecked());
}

QString TForm1::documentText() const {
    // After "Finish!" the editor's text is what would be saved, whichever page is in front.
    return PageControl1->isTabShown(tabEditor) ? tabEditor->text() : generatedText();
}

void TForm1::btnFinishClick() {
    const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
    PageControl1->setTabShown(tabEditor, true);
    PageControl1->setCurrentWidget(tabEditor);
    // The problems show with the text, in a list on the page: never a box to close first.
    // Bytes and characters are counted as the file will hold them.
    const QString text = generatedText();
    tabEditor->showText(m_document->layout() ? m_document->showInEditor(text) : text,
                        m_document->format());

    chkNewSlashes->setEnabled(false);
    m_menu->Save1->setEnabled(true);
    m_strip->showFinished(true);
}

void TForm1::btnSaveClick() {
    saveConfiguration();
}

void TForm1::Save1Click() {
    saveConfiguration();
}

bool TForm1::saveConfiguration(const std::optional<Location>& to) {
    if (!Questions::saveDespiteProblems(this, tabEditor->check()))
        return false;
    std::optional<Location> destination = to;
    // A file from a server goes back to where it came from; a new one goes where the user says.
    if (!destination && !m_document->place().isRemote()) {
        if (!saveDialog->execute(this))
            return false;
        destination = Location::local(saveDialog->fileName());
    }
    const Document::Saved saved =
        m_document->save(tabEditor->text(), editor->document()->isModified(), destination);
    if (!saved.ok) {
        if (!saved.cancelled)
            showError(saved.error);
        return false;
    }
    {
        const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
        editor->document()->setModified(false);
        // What was saved is the document now, as if it had just been opened.
        if (m_document->layout()) {
            takeIn();
            tabEditor->setSettingsChanged(false);
        }
    }
    updateTitle();
    RecentFiles::add(m_document->place());
    m_menu->fillRecent();
    m_note->showSaved(m_document->place().name(), saved.bytes, saved.changedLines, saved.note);
    return true;
}

void TForm1::SaveAs1Click() {
    switch (Questions::whereToSave(this)) {
    case Questions::Where::Here:
        if (saveDialog->execute(this))
            saveConfiguration(Location::local(saveDialog->fileName()));
        break;
    case Questions::Where::Server: {
        RemoteOpenDialog dialog(RemoteOpenDialog::Purpose::Save, m_remote, this);
        if (dialog.exec() == QDialog::Accepted)
            saveConfiguration(Location::remote(dialog.address()));
        break;
    }
    case Questions::Where::Nowhere:
        break;
    }
}

void TForm1::History1Click() {
    const Location place = m_document->place();
    const auto version = HistoryDialog::chooseVersion(place, this);
    if (!version)
        return;
    if (!version->error.isEmpty()) {
        showError(version->error);
        return;
    }
    if (!maybeSaveDocument())
        return;
    const QString& when = version->when;
    if (version->choice == HistoryDialog::Choice::Open) {
        m_document->open(Document::fromBytes(version->bytes));
        showDocument();
        m_note->show(tr("The version of %1 is open as a new document.").arg(when));
        return;
    }
    // Restored through the same path as a save: the bytes it replaces become a version too.
    const Document::Saved restored = m_document->restore(version->bytes);
    if (!restored.ok) {
        if (!restored.cancelled)
            showError(restored.error);
        return;
    }
    showDocument();
    m_note->show(tr("The version of %1 is restored to %2.")
                     .arg(when, place.isRemote() ? place.name() : place.path));
}

void TForm1::showError(QString message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        message.append(QLatin1Char('.'));
    MessageBox::critical(this, applicationTitle(), message);
}

void TForm1::btnClearClick() {
    if (!maybeSave())
        return;
    showSettings();
}

void TForm1::showSettings() {
    {
        const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
        tabEditor->clearText();
    }
    PageControl1->setTabShown(tabEditor, false);
    // An opened file keeps its own comments: the box is for new documents.
    chkNewSlashes->setEnabled(!m_document->layout());
    m_menu->Save1->setEnabled(false);
    PageControl1->setCurrentWidget(tabMain);
    m_strip->showFinished(false);
}

void TForm1::Exit1Click() {
    // Through the window's closing, which asks about unsaved edits first.
    if (close())
        QCoreApplication::quit();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (maybeSaveDocument())
        event->accept();
    else
        event->ignore();
}

bool TForm1::maybeSave() {
    return !editor->document()->isModified() ||
           askThenSave(tr("The text in the editor has changes that are not saved."));
}

bool TForm1::maybeSaveDocument() {
    return !m_document->isModified() ||
           askThenSave(editor->document()->isModified()
                           ? tr("The text in the editor has changes that are not saved.")
                           : tr("The settings have changes that are not saved."));
}

bool TForm1::askThenSave(const QString& what) {
    switch (Questions::askToSave(this, what)) {
    case Questions::Answer::Save:
        // Settings not yet written make their text first.
        if (btnClear->isHidden())
            btnFinishClick();
        return saveConfiguration();
    case Questions::Answer::Discard:
        return true;
    case Questions::Answer::Cancel:
        break;
    }
    return false;
}

void TForm1::updateTitle() {
    // The desktop's way: the file's name, marked while the document has unsaved changes.
    const QString name =
        m_document->place().name().replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(name.isEmpty() ? QStringLiteral("Brantholm[*] - ") + Program::title()
                                  : name + QStringLiteral("[*] - Brantholm - ") + Program::title());
    setWindowModified(m_document->isModified());
    // Versions are kept of a document that has a file.
    m_menu->History1->setEnabled(!m_document->place().isNone());
}

void TForm1::New1Click() {
    if (!maybeSaveDocument())
        return;
    {
        const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
        m_document->clear();
        m_settingsPages.reset();
        chkNewSlashes->setChecked(true);
        m_strip->describeSlashes(false);
        showSettings();
    }
    saveDialog->setFileName(QStringLiteral("servercfg"));
    StatusBar1->clearMessage();
    updateTitle();
}

void TForm1::takeIn() {
    const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
    m_settingsPages.take(*m_document->layout(), m_document->format());
    m_document->setOpenedLines(m_settingsPages.settingLines());
    chkNewSlashes->setEnabled(false);
    m_strip->describeSlashes(true);
}

void TForm1::showDocument() {
    {
        const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
        showSettings();
        takeIn();
    }
    updateTitle();
    const Location& place = m_document->place();
    if (place.isNone())
        saveDialog->setFileName(QStringLiteral("servercfg"));
    else if (!place.isRemote())
        saveDialog->setFileName(place.path);
    RecentFiles::add(place);
    m_menu->fillRecent();
}

void TForm1::Open1Click() {
    const QString path = SaveDialog::chooseFileToOpen(this);
    if (!path.isEmpty())
        openFile(path);
}

bool TForm1::openFile(const QString& path) {
    // The whole file first: a file that cannot be read replaces nothing, so nothing is asked.
    return openRead(m_document->read(path));
}

bool TForm1::openRead(const Document::Read& read) {
    // The address of a folder lists it, to choose a file there.
    if (read.folder) {
        const auto chosen =
            RemoteOpenDialog::chooseFile(*m_document, m_remote, this, read.place.address);
        return chosen && openRead(*chosen);
    }
    if (!read.ok()) {
        if (!read.cancelled)
            showError(read.error);
        return false;
    }
    if (!maybeSaveDocument())
        return false;
    m_document->open(read);
    showDocument();
    m_note->showOpened(read.place.name(), m_document->layout()->takenCount(),
                       m_document->layout()->otherLineCount());
    return true;
}

void TForm1::OpenFromServer1Click() {
    if (const auto chosen = RemoteOpenDialog::chooseFile(*m_document, m_remote, this))
        openRead(*chosen);
}

void TForm1::btnCustomClick() {
    PageControl1->setCurrentWidget(tabCustom);
    tabCustom->setFocus(Qt::OtherFocusReason);
}

void TForm1::Support1Click() {
    Help::openWebPage(this, QStringLiteral("/forums/"));
}

void TForm1::Kestrane1Click() {
    Help::openWebPage(this, QString());
}

void TForm1::LMDTextButton29Click() {
    Help::openWebPage(this, QStringLiteral("/ncs/"));
}

void TForm1::LMDTextButton30Click() {
    PageControl1->setCurrentWidget(tabVotes);
}

void TForm1::AboutLedgerwick1Click() {
    Help::about(this);
}
