#include "window/TForm1.h"

#include "cli/CheckCommand.h"
#include "config/CfgFile.h"
#include "config/CharacterNames.h"
#include "config/ConfigText.h"
#include "config/Opening.h"
#include "controls/MarkStyle.h"
#include "controls/MessageBox.h"
#include "controls/TLMDTextButton.h"
#include "controls/TLMDTextCheckBox.h"
#include "controls/TLMDTextCheckGroup.h"
#include "document/SavedSettings.h"
#include "pages/CustomLinesPage.h"
#include "pages/PageSheet.h"
#include "pages/Pages.h"
#include "pages/SettingsPage.h"
#include "remote/History.h"
#include "window/Accessibility.h"
#include "window/EditorPage.h"
#include "window/PageControl.h"
#include "window/SaveDialog.h"
#include "window/console/ServerConsole.h"
#include "window/remote/HistoryDialog.h"
#include "window/remote/RemoteOpenDialog.h"
#include "window/remote/RemoteSession.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kSite = QStringLiteral("https://www.kestrane.example");

constexpr int kClientWidth = 770;
constexpr int kClientHeight = 497;
constexpr int kBannerHeight = 57;
constexpr int kPagesHeight = 384;
constexpr int kStatusHeight = 19;
constexpr int kStripHeight = kClientHeight - kBannerHeight - kPagesHeight - kStatusHeight;
constexpr QPoint kStoredPlace(405, 334);

// The banner: the title, the author under it, the emblem at the right end.
constexpr QRect kTitleArea(10, 3, 400, 30);
constexpr int kTitlePixels = 24;
constexpr QRect kAuthorArea(12, 35, 200, 14);
constexpr int kEmblemSize = 48;
constexpr int kEmblemMargin = 10;

// The bottom strip, left to right: the maker, the comment-lines frame, the workflow buttons. Each
// caption gets at least the width given here, more where its text needs it (another language,
// a wider font); the frame takes what is left between the maker and the buttons.
constexpr int kStripMargin = 10;
constexpr QRect kMakerArea(kStripMargin, 12, 56, 14);
constexpr int kFrameGap = 12;
constexpr QRect kSlashesArea(8, 16, 0, 18); // in the frame, under its caption; as wide as the frame
constexpr int kButtonTop = 6;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
constexpr int kCustomWidth = 84;
constexpr int kSaveWidth = 94;
constexpr int kFinishWidth = 94; // "Clear Cfg" stands there too
constexpr int kRecentFiles = 5;

const char* const kSlashesHint = QT_TRANSLATE_NOOP(
    "TForm1", "Check this if you want to add slashes in the cfg to organize. '//' and "
              "'//Description'");
const char* const kOpenedSlashesHint = QT_TRANSLATE_NOOP(
    "TForm1", "An opened file keeps its own comments: the slashes are for new CFGs.");

// Grey on white, darker than mid grey so that it reads at 4.5:1 and more.
constexpr QRgb kMakerGrey = 0xff6e6e6e;

// The window's fonts are those of its original platform; map them to fonts Debian installs.
void substituteFonts() {
    static const bool once = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    Q_UNUSED(once);
}

QFont windowFont(int pixelSize = 11) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* picture(const QString& resource, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(resource));
    return label;
}

// Menus whose greyed items can be highlighted too, so that their hints show like any other's.
class GreyedItemsHighlight : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                  const char* icon) {
    QAction* action = menu->addAction(icon ? QIcon(QLatin1String(icon)) : QIcon(), caption);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(hint);
    return action;
}

// A button that a page makes for the window to answer.
QAbstractButton* pageButton(const QWidget* window, const char* name) {
    auto* button = window->findChild<QAbstractButton*>(QLatin1String(name));
    if (!button)
        qFatal("no page has the button %s", name);
    return button;
}

// An operating system's description of an error, without the trailing blanks, line breaks and
// full stops that would clash with the message around it.
QString trimmedReason(QString reason) {
    while (!reason.isEmpty() && (reason.back().isSpace() || reason.back() == QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint) {
    QGuiApplication::setApplicationDisplayName(applicationTitle());
    substituteFonts();
    setObjectName(QStringLiteral("Form1"));
    updateTitle();
    setWindowIcon(QIcon(QStringLiteral(":/ledgerwick.png")));
    // Menus and dialogs are windows of their own; let them take the window's font too.
    setAttribute(Qt::WA_WindowPropagation);
    setFont(windowFont());

    createMenu();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createBanner());
    createPages(client);
    layout->addWidget(PageControl1);
    layout->addWidget(createBottomStrip());
    setCentralWidget(client);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusHeight);
    setStatusBar(StatusBar1);

    saveDialog = new SaveDialog(this);
    m_serverConsole = new ServerConsole(
        this, [this] { return documentText(); }, [this] { return m_remoteAddress.host(); });
    setAcceptDrops(true);

    // Boxes, circles and focus frames that stand out on every background of the window.
    MarkStyle::applyTo(this);
    // Screen readers read each hint as its control's description.
    Accessibility::describeByHints(this);
    Accessibility::describeMenuItemsByHints();
    Accessibility::offerShownTabsOnly();

    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    // The stored place, moved in where a small screen would cut the window off.
    QPoint place = kStoredPlace;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        place.setX(qBound(free.left(), place.x(), qMax(free.left(), free.right() - width())));
        place.setY(qBound(free.top(), place.y(), qMax(free.top(), free.bottom() - height())));
    }
    move(place);

    FormCreate();
}

void TForm1::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    // Each title and item with its access letter: Alt+F opens File, then X exits.
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("este1"));
    New1 = menuItem(file, "New1", tr("&New"),
                    tr("Start a new CFG: every setting at its start value"), "");
    New1->setShortcut(QKeySequence::New);
    // The desktop's icon, looked up when the menu first opens: finding a themed icon searches the
    // desktop's icon folders, which would slow the window's start.
    connect(file, &QMenu::aboutToShow, this, [this] {
        if (New1->icon().isNull())
            New1->setIcon(QIcon::fromTheme(QStringLiteral("document-new"),
                                           style()->standardIcon(QStyle::SP_FileIcon)));
    });
    Open1 =
        menuItem(file, "Open1", tr("&Open..."), tr("Open a CFG to change it"), ":/menu-open.png");
    Open1->setShortcut(QKeySequence::Open);
    OpenFromServer1 = menuItem(
        file, "OpenFromServer1", tr("Open from Ser&ver..."),
        tr("Open a CFG on the game server's host, at its sftp://, ftps:// or ftp:// address"),
        nullptr);
    OpenFromServer1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    OpenRecent1 = file->addMenu(tr("Open &Recent"));
    OpenRecent1->setObjectName(QStringLiteral("OpenRecent1"));
    fillRecentMenu();
    // Files come and go while the program runs: each look at the menu says how they are now.
    connect(OpenRecent1, &QMenu::aboutToShow, this, &TForm1::fillRecentMenu);
    Save1 = menuItem(file, "Save1", tr("&Save"), tr("Save CFG"), ":/menu-save.png");
    Save1->setShortcut(QKeySequence::Save);
    SaveAs1 = menuItem(file, "SaveAs1", tr("Save &As..."),
                       tr("Save CFG to another file: on this computer or on a server"), nullptr);
    SaveAs1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // There is something to save exactly when there is for Save.
    connect(Save1, &QAction::enabledChanged, SaveAs1, &QAction::setEnabled);
    History1 = menuItem(file, "History1", tr("&History..."),
                        tr("Earlier versions of this CFG, kept at each save: open or restore one"),
                        nullptr);
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    Exit1 = menuItem(file, "Exit1", tr("E&xit"), tr("Exit Program"), ":/menu-exit.png");
    // Not QKeySequence::Quit, which some desktops leave without a key.
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* server = createServerMenu();

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("este21"));
    Support1 = menuItem(help, "Support1", tr("&Support Forum"), tr("Support Forums"),
                        ":/menu-support.png");
    help->addSeparator();
    AboutLedgerwick1 = menuItem(help, "AboutLedgerwick1", tr("&About Ledgerwick"),
                                tr("Version, licence and what Ledgerwick does"), nullptr);
    AboutQt1 = menuItem(help, "AboutQt1", tr("About &Qt"),
                        tr("The Qt toolkit Ledgerwick is built with"), nullptr);

    QMenu* about = bar->addMenu(tr("&About"));
    about->setObjectName(QStringLiteral("About1"));
    Kestrane1 = menuItem(about, "Kestrane1", tr("&Kestrane"), tr("Visit Kestrane website"),
                         ":/menu-kestrane.png");

    auto* menuStyle = new GreyedItemsHighlight;
    menuStyle->setParent(this);
    for (QMenu* menu : {file, OpenRecent1, server, help, about})
        menu->setStyle(menuStyle);

    connect(New1, &QAction::triggered, this, &TForm1::New1Click);
    connect(Open1, &QAction::triggered, this, &TForm1::Open1Click);
    connect(OpenFromServer1, &QAction::triggered, this, &TForm1::OpenFromServer1Click);
    connect(Save1, &QAction::triggered, this, &TForm1::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &TForm1::SaveAs1Click);
    connect(History1, &QAction::triggered, this, &TForm1::History1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Support1, &QAction::triggered, this, &TForm1::Support1Click);
    connect(Kestrane1, &QAction::triggered, this, &TForm1::Kestrane1Click);
    connect(AboutLedgerwick1, &QAction::triggered, this, &TForm1::AboutLedgerwick1Click);
    connect(AboutQt1, &QAction::triggered, qApp, &QApplication::aboutQt);
}

QMenu* TForm1::createServerMenu() {
    QMenu* server = menuBar()->addMenu(tr("&Server"));
    server->setObjectName(QStringLiteral("Server1"));
    Connect1 = menuItem(server, "Connect1", tr("&Connect..."),
                        tr("Connect to a running server over its remote console"), "");
    Compare1 =
        menuItem(server, "Compare1", tr("Co&mpare"),
                 tr("Compare the document's settings with what the running server holds"), "");
    ApplyDifferences1 =
        menuItem(server, "ApplyDifferences1", tr("&Apply differences"),
                 tr("Send the document's value of every setting that differs to the server"), "");
    server->addSeparator();
    MapRestart1 =
        menuItem(server, "MapRestart1", QStringLiteral("map_&restart"),
                 tr("Restart the map, so that values waiting for a restart take effect"), "");
    connect(Connect1, &QAction::triggered, this, &TForm1::Connect1Click);
    connect(Compare1, &QAction::triggered, this, &TForm1::Compare1Click);
    connect(ApplyDifferences1, &QAction::triggered, this, &TForm1::ApplyDifferences1Click);
    connect(MapRestart1, &QAction::triggered, this, &TForm1::MapRestart1Click);
    return server;
}

void TForm1::Connect1Click() {
    m_serverConsole->connectToServer();
}

void TForm1::Compare1Click() {
    m_serverConsole->compare();
}

void TForm1::ApplyDifferences1Click() {
    m_serverConsole->applyDifferences();
}

void TForm1::MapRestart1Click() {
    m_serverConsole->restartMap();
}

QString TForm1::documentText() const {
    // After "Finish!" the editor's text is what would be saved, whichever page is in front.
    if (PageControl1->isTabShown(tabEditor))
        return tabEditor->text();
    // As "Finish!" would write it: an opened file with the changes made in place.
    if (m_layout)
        return m_layout->rewritten(m_openedLines, settingLines(),
                                   qobject_cast<CustomLinesPage*>(tabCustom)->lines());
    ConfigText text(chkNewSlashes->isChecked());
    writeDocument(text, [this](Section section, ConfigText& t) { writeBody(section, t); });
    return text.lines().join(QLatin1Char('\n'));
}

QWidget* TForm1::createBanner() {
    auto* banner = new QWidget;
    banner->setObjectName(QStringLiteral("Panel1"));
    banner->setFixedSize(kClientWidth, kBannerHeight);

    auto* background = picture(QStringLiteral(":/banner.jpg"), banner);
    background->setScaledContents(true);
    background->setGeometry(0, 0, kClientWidth, kBannerHeight);

    const QString hint = tr("Ledgerwick v%1 by Orvanel - Kestrane").arg(Program::kVersion);
    auto* title =
        new QLabel(QStringLiteral("%1 v%2").arg(Program::kName, Program::kVersion), banner);
    title->setObjectName(QStringLiteral("Label38"));
    title->setFont(windowFont(kTitlePixels));
    title->setGeometry(kTitleArea);
    auto* author = new QLabel(tr("by Orvanel"), banner);
    author->setObjectName(QStringLiteral("Label39"));
    author->setGeometry(kAuthorArea);
    for (QLabel* label : {title, author}) {
        PageSheet::colour(label, 0, 0xffffffff);
        label->setStatusTip(hint);
    }

    auto* emblem = picture(QStringLiteral(":/emblem.png"), banner);
    emblem->setObjectName(QStringLiteral("Image35"));
    emblem->setStatusTip(QStringLiteral("Brantholm"));
    emblem->setGeometry(kClientWidth - kEmblemSize - kEmblemMargin,
                        (kBannerHeight - kEmblemSize) / 2, kEmblemSize, kEmblemSize);
    return banner;
}

void TForm1::createPages(QWidget* client) {
    // Every page is made inside the page control, so that the focus order each page sets stays
    // as it is when the page joins the window.
    PageControl1 = new PageControl(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setFixedSize(kClientWidth, kPagesHeight);

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
                setModified(true);
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
    tabCustom = m_pages.value(PageId::CustomLines);
    connect(editor->document(), &QTextDocument::modificationChanged, this, [this](bool changed) {
        if (changed && !m_quiet)
            setModified(true);
    });

    // Ctrl+Tab and Ctrl+Shift+Tab change page wherever the focus is, not only inside the pages.
    auto* nextPage = new QShortcut(this);
    nextPage->setKey(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(nextPage, &QShortcut::activated, this, [this] { PageControl1->showNeighbour(1); });
    auto* previousPage = new QShortcut(this);
    previousPage->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    connect(previousPage, &QShortcut::activated, this, [this] { PageControl1->showNeighbour(-1); });

    // The pages' buttons that lead elsewhere are the window's to answer.
    connect(pageButton(this, "LMDTextButton29"), &QAbstractButton::clicked, this,
            &TForm1::LMDTextButton29Click);
    connect(pageButton(this, "LMDTextButton30"), &QAbstractButton::clicked, this,
            &TForm1::LMDTextButton30Click);
}

QWidget* TForm1::createBottomStrip() {
    // Made in the window, so that its captions are measured in the window's font.
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("bottomStrip"));
    strip->setFixedSize(kClientWidth, kStripHeight);
    // The strip's light picture under a light palette; under a dark one, the window's colour.
    const bool dark = PageSheet::isDark(palette());
    auto* background = picture(QStringLiteral(":/strip.jpg"), strip);
    background->setObjectName(QStringLiteral("Image2"));
    background->setScaledContents(true);
    background->setGeometry(0, 0, kClientWidth, kStripHeight);
    background->setVisible(!dark);

    auto* maker = new QLabel(QStringLiteral("Kestrane"), strip);
    maker->setObjectName(QStringLiteral("Label97"));
    maker->setStatusTip(tr("Kestrane - www.kestrane.example - tools for Brantholm servers"));
    if (!dark)
        PageSheet::colour(maker, 0xffffffff, 0);
    PageSheet::readableText(maker, kMakerGrey);
    maker->setGeometry(
        kMakerArea.adjusted(0, 0, qMax(0, maker->sizeHint().width() - kMakerArea.width()), 0));

    // On the light picture the frame's and the box's text is black whatever the desktop's
    // colours are.
    auto* frame = new TLMDTextCheckGroup(tr("CFG Configuration"), strip);
    frame->setObjectName(QStringLiteral("LMDTextCheckGroup1"));
    if (!dark) {
        PageSheet::colour(frame, 0, 0xff000000);
        // Greyed (once a text is made or a file is open), the box's caption reads fainter.
        QPalette palette = frame->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
        frame->setPalette(palette);
    }
    chkNewSlashes = new TLMDTextCheckBox(
        tr("Check this if you want to add slashes in the cfg to organize."), frame);
    chkNewSlashes->setObjectName(QStringLiteral("chkNewSlashes"));
    chkNewSlashes->setStatusTip(tr(kSlashesHint));
    chkNewSlashes->setChecked(true);

    auto button = [strip](const char* name, const QString& caption, const QString& hint) {
        auto* b = new TLMDTextButton(caption, strip);
        b->setObjectName(QLatin1String(name));
        b->setStatusTip(hint);
        return b;
    };
    btnCustom = button(
        "btnCustom", tr("Custom Lines"),
        tr("Lines of your own for the cfg: settings and commands the pages have no place for"));
    btnSave = button("btnSave", tr("Save CFG"), tr("Save CFG to hard drive..."));
    btnFinish = button("btnFinish", tr("Finish!"), tr("Create CFG"));
    btnClear = button("btnClear", tr("Clear Cfg"), tr("Clear CFG to make changes..."));
    btnClear->hide();

    // From the right edge leftwards.
    int right = kClientWidth - kStripMargin;
    auto place = [&right](std::initializer_list<TLMDTextButton*> buttons, int width) {
        for (const TLMDTextButton* b : buttons)
            width = qMax(width, b->captionWidth());
        right -= width;
        for (TLMDTextButton* b : buttons)
            b->setGeometry(right, kButtonTop, width, kButtonHeight);
        right -= kButtonGap;
    };
    place({btnFinish, btnClear}, kFinishWidth);
    place({btnSave}, kSaveWidth);
    place({btnCustom}, kCustomWidth);
    const int frameLeft = maker->geometry().right() + 1 + kFrameGap;
    frame->setGeometry(frameLeft, 0, right - frameLeft, kStripHeight - 1);
    chkNewSlashes->setGeometry(kSlashesArea.adjusted(0, 0, frame->width() - 14, 0));

    connect(btnSave, &QPushButton::clicked, this, &TForm1::btnSaveClick);
    connect(btnFinish, &QPushButton::clicked, this, &TForm1::btnFinishClick);
    connect(btnClear, &QPushButton::clicked, this, &TForm1::btnClearClick);
    connect(btnCustom, &QPushButton::clicked, this, &TForm1::btnCustomClick);
    return strip;
}

void TForm1::FormCreate() {
    PageControl1->setCurrentWidget(tabMain);
    Save1->setEnabled(false);
    btnSave->setEnabled(false);
    btnSave->hide();
    // A new document has no file, so no earlier versions.
    History1->setEnabled(false);
}

void TForm1::writeBody(Section section, ConfigText& text) const {
    for (const SettingsPage* page : m_settingsPages)
        if (page->sections().contains(section))
            page->writeSection(section, text);
}

QList<Opening::Line> TForm1::settingLines() const {
    ConfigText text(false);
    writeDocument(text, [this](Section section, ConfigText& t) {
        if (section != Section::CustomLines)
            writeBody(section, t);
    });
    return Opening::settingLines(text.lines());
}

void TForm1::btnFinishClick() {
    const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
    PageControl1->setTabShown(tabEditor, true);
    Save1->setEnabled(false);
    PageControl1->setCurrentWidget(tabEditor);

    QString shown;
    if (m_layout) {
        // An opened file: its own text with the changes made in place, the own lines at its end.
        m_fileLines =
            FileLines(m_layout->rewritten(m_openedLines, settingLines(),
                                          qobject_cast<CustomLinesPage*>(tabCustom)->lines()),
                      m_layout->format());
        shown = m_fileLines.shown();
    } else {
        ConfigText text(chkNewSlashes->isChecked());
        writeDocument(text, [this](Section section, ConfigText& t) { writeBody(section, t); });
        shown = text.lines().join(QLatin1Char('\n'));
    }
    // The memo is empty here. The generated text is where its undo history begins, it counts as
    // unchanged (it can be generated again), and it shows from its first line.
    editor->setPlainText(shown);
    editor->document()->clearUndoRedoStacks();
    editor->document()->setModified(false);
    editor->moveCursor(QTextCursor::Start);
    tabEditor->setSettingsChanged(false);
    // The problems show with the text, in a list on the page: never a box to close first.
    // Bytes and characters are counted as the file will hold them.
    tabEditor->setFormat(m_layout ? m_layout->format() : FileFormat());
    tabEditor->check();

    btnFinish->setEnabled(false);
    btnFinish->hide();
    chkNewSlashes->setEnabled(false);
    Save1->setEnabled(true);
    btnSave->show();
    btnSave->setEnabled(true);
    btnClear->show();
}

void TForm1::btnSaveClick() {
    saveConfiguration();
}

void TForm1::Save1Click() {
    saveConfiguration();
}

bool TForm1::saveConfiguration(const std::optional<Destination>& chosen) {
    const QString memo = tabEditor->text();
    if (!saveDespiteProblems(tabEditor->check()))
        return false;
    std::optional<Destination> destination = chosen;
    // A file from a server goes back to where it came from.
    if (!destination && m_remoteAddress.isValid())
        destination = currentDestination();
    if (!destination) {
        if (!saveDialog->execute(this))
            return false;
        destination = Destination{saveDialog->fileName(), {}, {}};
    }
    const bool remote = destination->address.isValid();

    // An opened file is written as it was: its encoding, and each line that stayed with its own
    // line break.
    const std::optional<FileFormat> format =
        m_layout ? std::optional(m_layout->format()) : std::nullopt;
    // A text nobody edited is saved as it was made: the editor shows some characters (line and
    // paragraph separators) as line breaks of its own.
    const QString fileText =
        !format ? QString()
                : m_fileLines.text(editor->document()->isModified() ? memo : m_fileLines.shown());
    const CfgFile::Encoded encoded =
        format ? CfgFile::encodeAsIs(fileText, *format) : CfgFile::encode(memo);
    if (!encoded.ok()) {
        showError(tr("Line %1: the character %2 cannot be stored in a Windows-1252 file.")
                      .arg(encoded.badLine)
                      .arg(describeCharacter(encoded.badCharacter)));
        return false;
    }
    QString note;
    if (!writeBytes(*destination, encoded.bytes, &note))
        return false;

    const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
    editor->document()->setModified(false);
    m_documentPath =
        remote ? destination->address.toString() : QFileInfo(destination->path).absoluteFilePath();
    m_remoteAddress = destination->address;
    m_remoteBytes = remote ? encoded.bytes : QByteArray();
    if (format) {
        // What was saved is the document now, as if it had just been opened: a value edited
        // in the text is not undone by the next "Finish!".
        takeIn(fileText, *format);
        m_fileLines = FileLines(fileText, *format);
        tabEditor->setSettingsChanged(false);
    }
    setModified(false);
    updateTitle();
    rememberFile(m_documentPath);
    if (remote)
        RemoteOpenDialog::rememberAddress(destination->address);
    // Numbers are grouped as the language of the message groups them ("2,334", "2.334").
    const QLocale numbers(tr("en_US", "the locale whose digit grouping messages use"));
    showNote(tr("Saved %1 (%2 bytes).")
                 .arg(remote ? destination->address.shortName()
                             : QFileInfo(destination->path).fileName(),
                      numbers.toString(encoded.bytes.size())) +
             (note.isEmpty() ? QString() : QLatin1Char(' ') + note));
    return true;
}

bool TForm1::writeBytes(const Destination& destination, const QByteArray& bytes, QString* note) {
    if (destination.address.isValid()) {
        const RemoteClient::Result stored =
            remoteSession()->store(destination.address, bytes, destination.expected);
        if (!stored.ok && !stored.cancelled)
            showError(stored.message);
        if (stored.ok && note)
            *note = stored.message;
        return stored.ok;
    }
    const QString& path = destination.path;
    // The bytes about to be replaced are kept first, as those of a file on a server are.
    const QFileInfo existing(path);
    if (existing.isFile() && existing.size() <= RemoteTransfer::kMaxFileSize) {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly)) {
            const QString kept =
                History().keep(QString(), existing.absoluteFilePath(), old.readAll());
            if (!kept.isEmpty()) {
                showError(tr("Cannot save \"%1\". %2").arg(path, kept));
                return false;
            }
        }
    }
    const CfgFile::WriteResult written = CfgFile::write(path, bytes);
    switch (written.failure) {
    case CfgFile::Failure::None:
        return true;
    case CfgFile::Failure::Create:
        showError(tr("Cannot create file \"%1\". %2").arg(path, trimmedReason(written.reason)));
        break;
    case CfgFile::Failure::Write:
        // The file as it was stays; say why the new one could not be written.
        showError(tr("Cannot write file \"%1\". %2").arg(path, trimmedReason(written.reason)));
        break;
    }
    return false;
}

std::optional<TForm1::Destination> TForm1::currentDestination() const {
    if (m_remoteAddress.isValid())
        return Destination{m_remoteAddress.toString(), m_remoteAddress, m_remoteBytes};
    if (!m_documentPath.isEmpty())
        return Destination{m_documentPath, {}, {}};
    return std::nullopt;
}

RemoteSession* TForm1::remoteSession() {
    if (!m_remote) {
        m_remote = new RemoteSession(this);
        // An open from the window tidies the file's folder of what cut saves left there.
        RemoteTransfer::Settings settings;
        settings.tidyOnOpen = true;
        m_remote->client()->setSettings(settings);
        connect(m_remote, &RemoteSession::note, this, &TForm1::showNote);
    }
    return m_remote;
}

void TForm1::SaveAs1Click() {
    MessageBox question(QMessageBox::Question, applicationTitle(),
                        tr("Where do you want to save the text?"), QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("SaveAsQuestion"));
    QPushButton* local =
        question.addButton(tr("&File on this Computer..."), QMessageBox::AcceptRole);
    QPushButton* server = question.addButton(tr("File on a &Server..."), QMessageBox::AcceptRole);
    question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(local);
    question.exec();
    if (question.clickedButton() == local) {
        if (saveDialog->execute(this))
            saveConfiguration(Destination{saveDialog->fileName(), {}, {}});
    } else if (question.clickedButton() == server) {
        RemoteOpenDialog dialog(RemoteOpenDialog::Purpose::Save, remoteSession(), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const RemoteAddress address = dialog.address();
        // Another file on a server holds, as far as the document knows, nothing yet: one that is
        // there already is overwritten only when the user says so.
        const bool same =
            m_remoteAddress.isValid() && m_remoteAddress.toString() == address.toString();
        saveConfiguration(
            Destination{address.toString(), address, same ? m_remoteBytes : QByteArray()});
    }
}

void TForm1::History1Click() {
    const std::optional<Destination> current = currentDestination();
    if (!current)
        return;
    const bool remote = current->address.isValid();
    HistoryDialog dialog(remote ? current->address.userAtHostPort() : QString(),
                         remote ? current->address.path() : current->path, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QFile file(dialog.versionFile());
    if (!file.open(QIODevice::ReadOnly)) {
        showError(tr("Cannot read the earlier version \"%1\". %2")
                      .arg(dialog.versionFile(), file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (!maybeSaveDocument())
        return;
    const QString when =
        QLocale().toString(dialog.versionTime().toLocalTime(), QLocale::ShortFormat);
    if (dialog.choice() == HistoryDialog::Choice::Open) {
        openBytes(bytes, std::nullopt);
        showNote(tr("The version of %1 is open as a new document.").arg(when));
        return;
    }
    // Restored through the same path as a save: the bytes it replaces become a version too.
    Destination target = *current;
    if (remote && m_remoteAddress == current->address)
        target.expected = m_remoteBytes;
    if (!writeBytes(target, bytes))
        return;
    openBytes(bytes, target);
    showNote(tr("The version of %1 is restored to %2.")
                 .arg(when, remote ? target.address.shortName() : target.path));
}

bool TForm1::saveDespiteProblems(const QList<Problem>& problems) {
    if (problems.isEmpty())
        return true;
    constexpr qsizetype kListed = 10;
    QStringList lines;
    for (qsizetype i = 0; i < qMin(problems.size(), kListed); ++i)
        lines.append(problems[i].text());
    if (problems.size() > kListed)
        lines.append(tr("and %1 more.").arg(problems.size() - kListed));
    MessageBox question(QMessageBox::Warning, applicationTitle(),
                        tr("The server would read this text otherwise than it shows:\n\n%1\n\n"
                           "Save it anyway?")
                            .arg(lines.join(QLatin1Char('\n'))),
                        QMessageBox::NoButton, this);
    question.addButton(tr("Save anyway"), QMessageBox::AcceptRole);
    QPushButton* cancel = question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(cancel);
    question.setEscapeButton(cancel);
    question.exec();
    return question.clickedButton() != cancel;
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
        editor->clear();
    }
    tabEditor->setSettingsChanged(false);
    PageControl1->setTabShown(tabEditor, false);
    // An opened file keeps its own comments: the box is for new documents.
    chkNewSlashes->setEnabled(!m_layout);
    btnFinish->show();
    btnFinish->setEnabled(true);
    btnSave->setEnabled(false);
    Save1->setEnabled(false);
    PageControl1->setCurrentWidget(tabMain);
    btnClear->hide();
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

QMessageBox::StandardButton TForm1::askToSave(const QString& what) {
    MessageBox question(QMessageBox::Warning, applicationTitle(), what,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setInformativeText(tr("Do you want to save them?"));
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    return QMessageBox::StandardButton(question.exec());
}

bool TForm1::maybeSave() {
    if (!editor->document()->isModified())
        return true;
    switch (askToSave(tr("The text in the editor has changes that are not saved."))) {
    case QMessageBox::Save:
        return saveConfiguration();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool TForm1::maybeSaveDocument() {
    if (!isWindowModified())
        return true;
    switch (askToSave(editor->document()->isModified()
                          ? tr("The text in the editor has changes that are not saved.")
                          : tr("The settings have changes that are not saved."))) {
    case QMessageBox::Save:
        if (btnClear->isHidden())
            btnFinishClick();
        return saveConfiguration();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void TForm1::setModified(bool modified) {
    setWindowModified(modified);
}

void TForm1::updateTitle() {
    // The desktop's way: the file's name, marked while the document has unsaved changes.
    const QString name = (m_remoteAddress.isValid() ? m_remoteAddress.shortName()
                                                    : QFileInfo(m_documentPath).fileName())
                             .replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(name.isEmpty() ? QStringLiteral("Brantholm[*] - ") + Program::title()
                                  : name + QStringLiteral("[*] - Brantholm - ") + Program::title());
    // Versions are kept of a document that has a file.
    if (History1)
        History1->setEnabled(!m_documentPath.isEmpty());
}

void TForm1::New1Click() {
    if (!maybeSaveDocument())
        return;
    {
        const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
        m_layout.reset();
        m_openedLines.clear();
        m_fileLines = FileLines();
        m_documentPath.clear();
        m_remoteAddress = RemoteAddress();
        m_remoteBytes.clear();
        for (SettingsPage* page : std::as_const(m_settingsPages)) {
            page->setFormat(FileFormat());
            page->reset();
        }
        chkNewSlashes->setChecked(true);
        chkNewSlashes->setStatusTip(tr(kSlashesHint));
        showSettings();
    }
    saveDialog->setFileName(QStringLiteral("servercfg"));
    StatusBar1->clearMessage();
    setModified(false);
    updateTitle();
}

void TForm1::takeIn(const QString& text, const FileFormat& format) {
    const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
    m_layout.emplace(text, format);
    for (SettingsPage* page : std::as_const(m_settingsPages)) {
        page->setFormat(format);
        page->take(*m_layout);
    }
    m_openedLines = settingLines();
    chkNewSlashes->setEnabled(false);
    chkNewSlashes->setStatusTip(tr(kOpenedSlashesHint));
}

void TForm1::Open1Click() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral(".cfg (*.cfg)"), tr("All files (*)")});
    const QString folder = savedSettings().value(kLastFolderKey).toString();
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openFile(dialog.selectedFiles().first());
}

bool TForm1::openFile(const QString& path) {
    if (RemoteAddress::looksLikeAddress(path))
        return openAddress(path);
    // The whole file first: a file that cannot be read replaces nothing, so nothing is asked.
    const CfgFile::ReadResult read = CfgFile::read(path);
    if (!read.ok()) {
        showError(
            tr("Cannot open file \"%1\". %2").arg(path, trimmedReason(readFailureReason(read))));
        return false;
    }
    if (!maybeSaveDocument())
        return false;
    {
        const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
        m_layout.reset();
        showSettings();
        takeIn(read.text, read.format);
    }
    m_documentPath = QFileInfo(path).absoluteFilePath();
    m_remoteAddress = RemoteAddress();
    m_remoteBytes.clear();
    setModified(false);
    updateTitle();
    showOpened(QFileInfo(path).fileName());
    saveDialog->setFileName(m_documentPath);
    rememberFile(path);
    return true;
}

void TForm1::OpenFromServer1Click() {
    RemoteOpenDialog dialog(RemoteOpenDialog::Purpose::Open, remoteSession(), this);
    chooseOnServer(dialog);
}

bool TForm1::openAddress(const QString& text) {
    QString error;
    const RemoteAddress address = RemoteAddress::parse(text, &error);
    if (!address.isValid()) {
        // The text as typed may hold a password: it is not shown.
        showError(tr("Cannot open the address. %1").arg(error));
        return false;
    }
    return openAddress(address);
}

bool TForm1::chooseOnServer(RemoteOpenDialog& dialog) {
    // Cancelled on the way, the dialog comes back with the address as it was typed; the address
    // of a folder comes back listing the folder, for the user to choose a file in it.
    while (dialog.exec() == QDialog::Accepted) {
        const RemoteAddress address = dialog.address();
        const RemoteClient::Result fetched = remoteSession()->fetch(address);
        if (fetched.failure == RemoteTransfer::Failure::IsFolder) {
            dialog.showFolder(address.withPath(address.path() + QLatin1Char('/')));
            continue;
        }
        const bool opened = openFetched(address, fetched);
        if (opened || !remoteSession()->cancelled())
            return opened;
    }
    return false;
}

bool TForm1::openAddress(const RemoteAddress& address) {
    const RemoteClient::Result fetched = remoteSession()->fetch(address);
    if (fetched.failure == RemoteTransfer::Failure::IsFolder) {
        RemoteOpenDialog dialog(RemoteOpenDialog::Purpose::Open, remoteSession(), this);
        dialog.showFolder(address.isFolder() ? address
                                             : address.withPath(address.path() + QLatin1Char('/')));
        return chooseOnServer(dialog);
    }
    return openFetched(address, fetched);
}

bool TForm1::openFetched(const RemoteAddress& address, const RemoteClient::Result& fetched) {
    if (!fetched.ok) {
        if (!fetched.cancelled)
            showError(fetched.message);
        return false;
    }
    if (fetched.bytes.contains('\0')) {
        showError(tr("Cannot open %1: it is not a text file: it holds NUL bytes.")
                      .arg(address.toString()));
        return false;
    }
    if (!maybeSaveDocument())
        return false;
    openBytes(fetched.bytes, Destination{address.toString(), address, fetched.bytes});
    showOpened(address.shortName());
    rememberFile(m_documentPath);
    RemoteOpenDialog::rememberAddress(address);
    return true;
}

void TForm1::openBytes(const QByteArray& bytes, const std::optional<Destination>& destination) {
    FileFormat format;
    const QString fileText = CfgFile::decode(bytes, &format);
    {
        const QScopedValueRollback quiet(m_quiet, m_quiet + 1);
        m_layout.reset();
        showSettings();
        takeIn(fileText, format);
    }
    const bool remote = destination && destination->address.isValid();
    m_documentPath = !destination ? QString()
                     : remote     ? destination->address.toString()
                                  : QFileInfo(destination->path).absoluteFilePath();
    m_remoteAddress = remote ? destination->address : RemoteAddress();
    m_remoteBytes = remote ? bytes : QByteArray();
    if (!destination)
        saveDialog->setFileName(QStringLiteral("servercfg"));
    // A document with no file has something to save.
    setModified(!destination);
    updateTitle();
}

void TForm1::showOpened(const QString& name) {
    const int settings = m_layout->takenCount();
    const int others = m_layout->otherLineCount();
    showNote(tr("%1: %2 %3 on the pages, %4 %5 kept in place.")
                 .arg(name)
                 .arg(settings)
                 .arg(settings == 1 ? tr("setting") : tr("settings"))
                 .arg(others)
                 .arg(others == 1 ? tr("other line") : tr("other lines")));
}

void TForm1::rememberFile(const QString& path) {
    // An address stands in the list as it is (without a password); it has no local folder.
    const bool address = RemoteAddress::looksLikeAddress(path);
    const QString whole = address ? path : QFileInfo(path).absoluteFilePath();
    QSettings settings = savedSettings();
    QStringList recent = settings.value(kRecentFilesKey).toStringList();
    recent.removeAll(whole);
    recent.prepend(whole);
    while (recent.size() > kRecentFiles)
        recent.removeLast();
    settings.setValue(kRecentFilesKey, recent);
    if (!address)
        settings.setValue(kLastFolderKey, QFileInfo(whole).absolutePath());
    fillRecentMenu();
}

void TForm1::fillRecentMenu() {
    OpenRecent1->clear();
    const QStringList recent =
        savedSettings().value(kRecentFilesKey).toStringList().mid(0, kRecentFiles);
    for (const QString& path : recent) {
        QAction* item =
            OpenRecent1->addAction(QString(path).replace(QLatin1Char('&'), QLatin1String("&&")));
        item->setStatusTip(tr("Open %1").arg(path));
        connect(item, &QAction::triggered, this, [this, path] { openFile(path); });
        // A file on a server is looked at when it is opened.
        if (RemoteAddress::looksLikeAddress(path))
            continue;
        // Looked at without opening, so that a named pipe cannot hold up the menu.
        const CfgFile::Found found = CfgFile::lookAt(path);
        if (found.kind == CfgFile::Found::Kind::RegularFile)
            continue;
        item->setEnabled(false);
        item->setStatusTip(
            found.kind == CfgFile::Found::Kind::Nothing ? tr("%1 is no longer there.").arg(path)
            : found.kind == CfgFile::Found::Kind::Other
                ? tr("%1 is not a regular file but %2.").arg(path, found.words)
                : tr("%1 cannot be opened: %2.").arg(path, trimmedReason(found.words)));
    }
    OpenRecent1->setEnabled(!recent.isEmpty());
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that a question or an error box does not hold it up.
    const QString path = urls.first().toLocalFile();
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void TForm1::btnCustomClick() {
    PageControl1->setCurrentWidget(tabCustom);
    tabCustom->setFocus(Qt::OtherFocusReason);
}

void TForm1::Support1Click() {
    openWebPage(QUrl(kSite + QStringLiteral("/forums/")));
}

void TForm1::Kestrane1Click() {
    openWebPage(QUrl(kSite));
}

void TForm1::LMDTextButton29Click() {
    openWebPage(QUrl(kSite + QStringLiteral("/ncs/")));
}

void TForm1::openWebPage(const QUrl& address) {
    if (QDesktopServices::openUrl(address))
        return;
    // No browser, or none the desktop knows: the address, to be copied into one by hand.
    MessageBox box(QMessageBox::Information, applicationTitle(),
                   tr("No web browser could be started to show this page. Copy its address into a "
                      "browser:"),
                   QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("WebAddressBox"));
    box.setInformativeText(address.toString());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void TForm1::AboutLedgerwick1Click() {
    QMessageBox::about(
        this, tr("About Ledgerwick"),
        tr("<h3>Ledgerwick %1</h3>"
           "<p>Writes the configuration file of a Brantholm game server: fill in the "
           "pages, or open the file you have, and save it as the .cfg the server "
           "runs.</p>"
           "<p>%2</p>"
           "<p>Built with Qt %3, running on Qt %4.</p>")
            .arg(QLatin1String(Program::kVersion),
                 tr("Licence: freeware, free to use and to pass on unchanged, without any "
                    "warranty."),
                 QLatin1String(QT_VERSION_STR), QLatin1String(qVersion())));
}

void TForm1::showNote(const QString& text) {
    StatusBar1->showMessage(text);
    if (!m_noteShown)
        qApp->installEventFilter(this);
    m_noteShown = true;
}

bool TForm1::event(QEvent* event) {
    // While a note is shown, the hints of the controls the mouse passes over wait.
    if (event->type() == QEvent::StatusTip && m_noteShown)
        return true;
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        // The user does something else: the note has been seen.
        m_noteShown = false;
        qApp->removeEventFilter(this);
        StatusBar1->clearMessage();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::LMDTextButton30Click() {
    PageControl1->setCurrentWidget(tabVotes);
}
