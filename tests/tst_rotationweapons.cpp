// The Map Rotation and Weapons pages: token buttons, the rotation line and its place, the weapon
// boxes, the presets and the weapon lines that end the configuration text.
#include "controls/TLMDEdit.h"
#include "support/TestSupport.h"
#include "window/PageControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace TestSupport;

namespace {

// The weapon lines' variables, in the order the section writes them.
const char* const weaponKeys[] = {
    "m1carbine", "m1garand",    "thompson",     "bar",  "enfield",    "sten",
    "bren",      "springfield", "kar98k",       "mp40", "mp44",       "kar98ksniper",
    "nagant",    "ppsh",        "nagantsniper", "fg42", "panzerfaust"};

// The Weapons section with exactly the weapons in `allowed` set to "1".
QStringList weaponLines(const QSet<QString>& allowed) {
    QStringList lines;
    for (const char* key : weaponKeys)
        lines.append(QStringLiteral("set scr_allow_%1 \"%2\"")
                         .arg(QLatin1String(key), allowed.contains(QLatin1String(key))
                                                      ? QStringLiteral("1")
                                                      : QStringLiteral("0")));
    return lines;
}

QSet<QString> keys(const QString& spaceSeparated) {
    const QStringList list = spaceSeparated.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return {list.begin(), list.end()};
}

void showPage(TForm1& form, const char* page) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    child<QTabWidget>(&form, "PageControl1")->setCurrentWidget(child<QWidget>(&form, page));
}

// The weapon boxes: every check box of the page but the spare, disabled Springfield.
QList<QCheckBox*> weaponBoxes(const TForm1& form) {
    QList<QCheckBox*> boxes = child<QWidget>(&form, "TabSheet1")->findChildren<QCheckBox*>();
    boxes.removeOne(child<QCheckBox>(&form, "CheckBox1"));
    return boxes;
}

// The document generated from a fresh window in the given state.
QStringList generate(bool slashes, bool mpr, const QString& rotation = QString()) {
    TForm1 form;
    setChecked(form, "chkNewSlashes", slashes);
    setChecked(form, "chkMpr", mpr);
    setText(form, "edRotation", rotation);
    return finish(form);
}

const QString kRotationPrefix = QStringLiteral("set sv_mapRotation \"");

} // namespace

class RotationWeaponsTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsAppendTheirTokens_data();
    void buttonsAppendTheirTokens();
    void typingAfterAPressGoesInFront();
    void rotationLineHasItsPlace_data();
    void rotationLineHasItsPlace();
    void rotationIsWrittenVerbatim();
    void weaponsAtTheirDefaultsEndTheText();
    void presetsSetEveryBox_data();
    void presetsSetEveryBox();
    void manualChangesAfterAPresetAreWritten();
    void spareSpringfieldStaysOut();
    void captionsAreWholeAndRotationHasNoHints();
};

void RotationWeaponsTest::buttonsAppendTheirTokens_data() {
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("text");
    auto buttons = [](std::initializer_list<int> numbers) {
        QStringList names;
        for (int n : numbers)
            names.append(QStringLiteral("LMDTextButton%1").arg(n));
        return names;
    };
    QTest::newRow("gametype then map")
        << buttons({1, 9}) << QStringLiteral("gametype dm map mp_carentan ");
    QTest::newRow("extras between tokens: two blanks")
        << buttons({1, 21, 3, 20, 22})
        << QStringLiteral("gametype dm  map gametype sd  gametype  map mp_ ");
    QTest::newRow("same button twice")
        << buttons({17, 17}) << QStringLiteral("map mp_dawnville map mp_dawnville ");
    QTest::newRow("every button in page order")
        << buttons({1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22})
        << QStringLiteral("gametype dm gametype tdm gametype sd gametype bel gametype re "
                          "gametype hq map mp_bocage map mp_brecourt map mp_carentan "
                          "map mp_dawnville map mp_depot map mp_harbor map mp_hurtgen "
                          "map mp_neuville map mp_pavlov map mp_railyard map mp_rocket "
                          "map mp_stalingrad map mp_tigertown  gametype  map  map mp_ ");
}

void RotationWeaponsTest::buttonsAppendTheirTokens() {
    QFETCH(QStringList, buttons);
    QFETCH(QString, text);
    TForm1 form;
    showPage(form, "TabSheet6");
    auto* rotation = child<TLMDEdit>(&form, "edRotation");
    for (const QString& name : buttons)
        click(form, name.toLatin1().constData());
    QCOMPARE(rotation->text(), text);
    QCOMPARE(rotation->cursorPosition(), 0);
    QVERIFY(!rotation->hasSelectedText());

    const QStringList lines = finish(form);
    QVERIFY(lines.contains(kRotationPrefix + text + QLatin1Char('"')));
}

void RotationWeaponsTest::typingAfterAPressGoesInFront() {
    TForm1 form;
    showPage(form, "TabSheet6");
    auto* rotation = child<TLMDEdit>(&form, "edRotation");

    click(form, "LMDTextButton1");
    rotation->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(rotation->hasFocus());
    QTest::keyClicks(rotation, QStringLiteral("x"));
    QCOMPARE(rotation->text(), QStringLiteral("xgametype dm "));

    // A press goes to the end whatever the caret and the selection.
    rotation->setSelection(2, 4);
    click(form, "LMDTextButton19");
    QCOMPARE(rotation->text(), QStringLiteral("xgametype dm map mp_tigertown "));
    QCOMPARE(rotation->cursorPosition(), 0);
    QVERIFY(!rotation->hasSelectedText());
    rotation->setFocus();
    QTest::keyClicks(rotation, QStringLiteral("y"));
    QCOMPARE(rotation->text(), QStringLiteral("yxgametype dm map mp_tigertown "));
}

void RotationWeaponsTest::rotationLineHasItsPlace_data() {
    QTest::addColumn<bool>("slashes");
    QTest::addColumn<bool>("mpr");
    QTest::newRow("slashes, rotation") << true << true;
    QTest::newRow("slashes, no rotation") << true << false;
    QTest::newRow("no slashes, rotation") << false << true;
    QTest::newRow("no slashes, no rotation") << false << false;
}

void RotationWeaponsTest::rotationLineHasItsPlace() {
    QFETCH(bool, slashes);
    QFETCH(bool, mpr);
    const QString rotation = QStringLiteral("gametype dm map mp_bocage ");
    const QString line = kRotationPrefix + rotation + QLatin1Char('"');
    const QString firstWeapon = QStringLiteral("set scr_allow_m1carbine \"1\"");

    // With everything written, the rotation line stands between the separator closing the
    // gametypes and the weapons header.
    const QStringList full = generate(true, true, rotation);
    const qsizetype at = full.indexOf(line);
    QVERIFY(at > 0);
    QCOMPARE(full.count(line), 1);
    QCOMPARE(full[at - 1], QStringLiteral("//"));
    QCOMPARE(full.lastIndexOf(QStringLiteral("//")), at - 1);
    QVERIFY(full.indexOf(QStringLiteral("//-- Search and Destroy")) < at - 1);
    QCOMPARE(full[at + 1], QStringLiteral("//Weapons"));
    QCOMPARE(full[at + 2], firstWeapon);

    // Every other state is the same text without the comment lines and/or the rotation line.
    QStringList expected;
    for (const QString& l : full)
        if ((slashes || !l.startsWith(QLatin1String("//"))) && (mpr || l != line))
            expected.append(l);
    const QStringList lines = generate(slashes, mpr, rotation);
    QCOMPARE(lines, expected);

    // Named neighbours: with neither, the first weapon line follows the last line written before
    // the separator that closes the gametypes (whichever section wrote it).
    if (!slashes && !mpr) {
        qsizetype before = at - 1;
        while (before >= 0 && full[before].startsWith(QLatin1String("//")))
            --before;
        QVERIFY(before >= 0);
        QCOMPARE(lines[lines.lastIndexOf(full[before]) + 1], firstWeapon);
    }
    if (slashes && !mpr)
        QCOMPARE(lines[lines.indexOf(QStringLiteral("//Weapons")) - 1], QStringLiteral("//"));
    if (!slashes && mpr)
        QCOMPARE(lines[lines.indexOf(line) + 1], firstWeapon);
}

void RotationWeaponsTest::rotationIsWrittenVerbatim() {
    // Empty, the line ends in two quotes.
    QVERIFY(generate(true, true).contains(kRotationPrefix + QLatin1Char('"')));

    TForm1 form;
    showPage(form, "TabSheet6");
    auto* rotation = child<TLMDEdit>(&form, "edRotation");
    // Typed, a double quote is refused; set by the program, it is written as it stands.
    rotation->setFocus();
    QTest::keyClicks(rotation, QStringLiteral(" say \"hi\"  "));
    QVERIFY(finish(form).contains(QStringLiteral("set sv_mapRotation \" say hi  \"")));
    click(form, "btnClear");
    rotation->SetText(QStringLiteral(" say \"hi\"  "));
    QVERIFY(finish(form).contains(QStringLiteral("set sv_mapRotation \" say \"hi\"  \"")));
}

void RotationWeaponsTest::weaponsAtTheirDefaultsEndTheText() {
    for (bool slashes : {true, false}) {
        const QStringList lines = generate(slashes, true);
        const QStringList expected =
            weaponLines(keys(QStringLiteral("m1carbine m1garand thompson bar enfield sten bren "
                                            "springfield kar98k mp40 mp44 kar98ksniper nagant "
                                            "ppsh nagantsniper")));
        QVERIFY(lines.size() > expected.size());
        QCOMPARE(lines.mid(lines.size() - expected.size()), expected);
        QVERIFY(lines[lines.size() - expected.size() - 1].startsWith(
            slashes ? QStringLiteral("//Weapons") : kRotationPrefix));
    }
}

void RotationWeaponsTest::presetsSetEveryBox_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("allowed");
    QTest::newRow("Rifles Only") << "LMDTextButton23"
                                 << "m1carbine m1garand enfield springfield kar98k kar98ksniper "
                                    "nagant nagantsniper";
    QTest::newRow("Machine Guns only") << "LMDTextButton24"
                                       << "thompson bar sten bren mp40 mp44 ppsh fg42";
    QTest::newRow("Pistols Only") << "LMDTextButton25"
                                  << "";
    QTest::newRow("Snipers Only") << "LMDTextButton28"
                                  << "springfield kar98ksniper nagantsniper";
    QTest::newRow("Unselect All") << "LMDTextButton26"
                                  << "";
    QTest::newRow("Select All") << "LMDTextButton27"
                                << "m1carbine m1garand thompson bar enfield sten bren "
                                   "springfield kar98k mp40 mp44 kar98ksniper nagant ppsh "
                                   "nagantsniper fg42 panzerfaust";
}

void RotationWeaponsTest::presetsSetEveryBox() {
    QFETCH(QString, preset);
    QFETCH(QString, allowed);
    // From every box on and from every box off, so that a box the preset forgets shows.
    for (bool before : {true, false}) {
        TForm1 form;
        showPage(form, "TabSheet1");
        const QList<QCheckBox*> boxes = weaponBoxes(form);
        QCOMPARE(boxes.size(), 17);
        for (QCheckBox* box : boxes)
            box->setChecked(before);
        click(form, preset.toLatin1().constData());
        QCOMPARE(body(finish(form), QStringLiteral("//Weapons")), weaponLines(keys(allowed)));
    }
}

void RotationWeaponsTest::manualChangesAfterAPresetAreWritten() {
    TForm1 form;
    showPage(form, "TabSheet1");
    click(form, "LMDTextButton28");
    click(form, "chkSkar");
    click(form, "chkPanzer");
    QCOMPARE(body(finish(form), QStringLiteral("//Weapons")),
             weaponLines(keys(QStringLiteral("springfield nagantsniper panzerfaust"))));
}

void RotationWeaponsTest::spareSpringfieldStaysOut() {
    TForm1 form;
    showPage(form, "TabSheet1");
    auto* spare = child<QCheckBox>(&form, "CheckBox1");
    QCOMPARE(spare->text(), QStringLiteral("Springfield"));
    QVERIFY(!spare->isEnabled());
    QCOMPARE(spare->focusPolicy(), Qt::NoFocus);
    click(form, "CheckBox1");
    click(form, "LMDTextButton27");
    QVERIFY(!spare->isChecked());
    const QStringList lines = finish(form);
    QCOMPARE(lines.filter(QStringLiteral("springfield")),
             QStringList{QStringLiteral("set scr_allow_springfield \"1\"")});
}

void RotationWeaponsTest::captionsAreWholeAndRotationHasNoHints() {
    TForm1 form;
    for (const char* pageName : {"TabSheet6", "TabSheet1"}) {
        showPage(form, pageName);
        auto* page = child<QWidget>(&form, pageName);
        const QRect area = page->rect();
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const QString what = w->objectName() + QLatin1Char(' ') + w->metaObject()->className();
            // An edit's warning mark shows only while there is something to warn of.
            if (qobject_cast<QLineEdit*>(w->parentWidget()))
                continue;
            QVERIFY2(w->isVisible(), qPrintable(what));
            const QRect onPage(w->mapTo(page, QPoint(0, 0)), w->size());
            QVERIFY2(area.contains(onPage), qPrintable(what));
            // A push button's size hint has a minimum width of its own: measure its caption.
            if (auto* button = qobject_cast<QPushButton*>(w))
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <=
                             button->width(),
                         qPrintable(what));
            auto* label = qobject_cast<QLabel*>(w);
            // A line that wraps is whole when it has the height its lines need.
            if (label && label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(what));
            else if (qobject_cast<QCheckBox*>(w) || (label && !label->text().isEmpty()))
                QVERIFY2(w->sizeHint().width() <= w->width() &&
                             w->sizeHint().height() <= w->height() + 2,
                         qPrintable(what));
            if (qstrcmp(pageName, "TabSheet6") == 0 && w->focusPolicy() != Qt::NoFocus)
                QVERIFY2(w->statusTip().isEmpty(), qPrintable(what));
        }
    }
    auto* extras = child<QGroupBox>(&form, "GroupBox2");
    QCOMPARE(extras->title(), QStringLiteral("Extras"));
    QVERIFY(extras->minimumSizeHint().width() <= extras->width());
}

QTEST_MAIN(RotationWeaponsTest)
#include "tst_rotationweapons.moc"
