#pragma once

#include "config/Document.h"
#include "config/TextCheck.h"

#include <QList>
#include <QMainWindow>

class EditorPage;
class GameOptionsPage;
class PageControl;
class QAction;
class QPlainTextEdit;
class QStatusBar;
class SaveDialog;
class SettingsPage;
class TLMDTextButton;
class TLMDTextCheckBox;
class QWidget;

// The main window: menu, banner, page control with the settings pages and the editor page,
// the bottom strip with the workflow buttons, and the status bar that shows every hint.
// The workflow state is the visibility and enabled state of the workflow controls.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    static QString applicationTitle() { return QStringLiteral("Ledgerwick 1.1"); }
    // What the checks of a text know of the variables the pages write.
    static Vocabulary knownVariables();

public slots:
    void FormCreate();
    void btnFinishClick();
    void btnSaveClick();
    void Save1Click();
    void btnClearClick();
    void Exit1Click();
    void Support1Click();
    void Kestrane1Click();
    void LMDTextButton29Click();
    void LMDTextButton30Click();

private:
    void createMenu();
    QWidget* createBanner();
    void createPages(QWidget* client);
    QWidget* createBottomStrip();

    void writeBody(Section section, ConfigText& text) const;
    // True when the text was saved.
    bool saveConfiguration();
    // Asks, when there are problems, whether to save all the same.
    bool saveDespiteProblems(const QList<Problem>& problems);
    void showError(QString message);

    QAction* Save1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Support1 = nullptr;
    QAction* Kestrane1 = nullptr;

    PageControl* PageControl1 = nullptr;
    SettingsPage* tabMain = nullptr;
    SettingsPage* serverOptions = nullptr;
    SettingsPage* networkOptions = nullptr;
    GameOptionsPage* gameOptions = nullptr;
    SettingsPage* gametypes = nullptr;
    SettingsPage* mapRotation = nullptr;
    EditorPage* tabEditor = nullptr;
    SettingsPage* weapons = nullptr;
    QWidget* tabVotes = nullptr;
    QPlainTextEdit* editor = nullptr;

    TLMDTextCheckBox* chkNewSlashes = nullptr;
    TLMDTextButton* btnSave = nullptr;
    TLMDTextButton* btnFinish = nullptr;
    TLMDTextButton* btnClear = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    SaveDialog* saveDialog = nullptr;
    // Every page whose controls are settings; the document asks them for its sections.
    QList<SettingsPage*> m_settingsPages;
};
