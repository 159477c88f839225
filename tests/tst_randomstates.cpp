// Randomised states: every control of every page set at random, seed after seed, and what must
// hold for any state checked on the generated text. A failure names its seed; set
// LEDGERWICK_SEED=<seed> to run that seed alone.
#include "config/CfgFile.h"
#include "config/TextCheck.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDListComboBox.h"
#include "settings/PageCatalogue.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

// The vote lines and the weapon lines, in their order, with the box that sets each.
const QList<std::pair<const char*, const char*>> kVotes = {
    {"g_allowVoteKick", "chkKick"},          {"g_allowVoteMap", "chkMap"},
    {"g_allowVoteMapRestart", "chkRestart"}, {"g_allowVoteMapRotate", "chkRotate"},
    {"g_allowVoteTempBanUser", "chkBan"},    {"g_allowVoteTypeMap", "chkGG"},
    {"g_allowVoteDrawFriend", "chkTeam"},    {"g_allowVoteFriendlyFire", "chkFF"},
    {"g_allowVoteKillCam", "chkKK"}};
const QList<std::pair<const char*, const char*>> kWeapons = {
    {"scr_allow_m1carbine", "chkCarbine"},
    {"scr_allow_m1garand", "chkGarand"},
    {"scr_allow_thompson", "chkThompson"},
    {"scr_allow_bar", "chkBar"},
    {"scr_allow_enfield", "chkEnfield"},
    {"scr_allow_sten", "chkSten"},
    {"scr_allow_bren", "chkBren"},
    {"scr_allow_springfield", "chkSpringfield"},
    {"scr_allow_kar98k", "chkKar"},
    {"scr_allow_mp40", "chkMp40"},
    {"scr_allow_mp44", "chkMp44"},
    {"scr_allow_kar98ksniper", "chkSkar"},
    {"scr_allow_nagant", "chkNagant"},
    {"scr_allow_ppsh", "chkPPsh"},
    {"scr_allow_nagantsniper", "chkSnagant"},
    {"scr_allow_fg42", "chkFg"},
    {"scr_allow_panzerfaust", "chkPanzer"}};

// Every line that is not a comment: a value line, a switch line or an info line, the value
// being whatever lies between the first double quote and the last character, a double quote.
const QRegularExpression
    kLineForm(QStringLiteral(R"re(^(?:set [A-Za-z_]\w*|sets \.\w+|[A-Za-z_]\w*) "(.*)"$)re"));

// A text setting of the window, the box that includes its row, and the text it was given.
struct Setting {
    QWidget* control = nullptr;
    QCheckBox* include = nullptr;
    QString text;
};

// The include box of a value control: the check box on its row, nearest to its left.
QCheckBox* includeBoxOf(QWidget* control) {
    QCheckBox* found = nullptr;
    const QRect area = control->geometry();
    for (auto* box :
         control->parentWidget()->findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly)) {
        const QRect b = box->geometry();
        if (b.right() < area.left() && qAbs(b.center().y() - area.center().y()) <= 4 &&
            (!found || b.left() > found->geometry().left()))
            found = box;
    }
    return found;
}

// Blanks, quotes and every other printable ASCII character; sometimes nothing at all. Without
// double quotes, for a text the server reads as it shows.
QString randomText(QRandomGenerator& random, bool quotes) {
    static const QString alphabet = [] {
        QString all;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            all.append(QChar(c));
        return all + QStringLiteral("    \"\"\"");
    }();
    static const QString withoutQuotes = QString(alphabet).remove(QLatin1Char('"'));
    const QString& letters = quotes ? alphabet : withoutQuotes;
    const int length = random.bounded(10) == 0 ? 0 : random.bounded(1, 24);
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(letters.at(random.bounded(static_cast<int>(letters.size()))));
    return text;
}

// Whether a line of the text breaks one of the server's reading rules, judged on its own: a
// double quote inside its value, a line the server cuts, a game variable too long to load, a
// server-info value it leaves out, a number setting it reads as something else.
bool breaksARule(const QString& line, const Vocabulary& known) {
    static const QRegularExpression form(QStringLiteral(R"re(^(set|sets) (\S+) "(.*)"$)re"));
    const QRegularExpressionMatch match = form.match(line);
    if (line.size() > 1024 || !match.hasMatch())
        return line.size() > 1024 || line.count(QLatin1Char('"')) % 2 == 1;
    const QString name = match.captured(2);
    const QString value = match.captured(3);
    if (value.contains(QLatin1Char('"')))
        return true;
    if ((name.startsWith(QLatin1String("g_")) || name.startsWith(QLatin1String("scr_"))) &&
        value.size() >= 256)
        return true;
    if ((match.captured(1) == QLatin1String("sets") || name == QLatin1String("sv_hostname")) &&
        (value.contains(QLatin1Char('\\')) || value.contains(QLatin1Char(';'))))
        return true;
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
    return known.kind(name) == ValueKind::Number && !whole.match(value).hasMatch();
}

bool chance(QRandomGenerator& random, int percent) {
    return random.bounded(100) < percent;
}

} // namespace

class RandomStatesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void anyStateGivesAWellFormedText();
    void anyStateOpensAsItWasSaved();

private:
    QList<quint32> seeds() const;
    void randomise(QRandomGenerator& random);
    // Empty when the text holds; otherwise what is wrong with it.
    QString verify(const QStringList& lines) const;

    std::unique_ptr<TForm1> m_form;
    QList<QCheckBox*> m_boxes;
    QList<QList<QRadioButton*>> m_groups;
    QList<Setting> m_settings;
    QList<QAbstractButton*> m_presets;
    QList<QAbstractButton*> m_tokens;
    QStringList m_tokenTexts; // what each token button appends
    QList<QCheckBox*> m_weaponBoxes;
    bool m_quotes = true;
};

void RandomStatesTest::initTestCase() {
    m_form = std::make_unique<TForm1>();
    m_form->show();
    // Every control a user can change, found by walking the window.
    // Radio groups in the order the window holds them, so that a seed means the same state in
    // every run.
    QList<QWidget*> panels;
    QHash<QWidget*, QList<QRadioButton*>> groups;
    for (auto* button : m_form->findChildren<QAbstractButton*>()) {
        if (!button->isEnabled())
            continue; // e.g. the spare weapon box, which the user cannot check
        if (auto* radio = qobject_cast<QRadioButton*>(button)) {
            if (!groups.contains(radio->parentWidget()))
                panels.append(radio->parentWidget());
            groups[radio->parentWidget()].append(radio);
        } else if (auto* box = qobject_cast<QCheckBox*>(button))
            m_boxes.append(box);
        else if (child<QWidget>(m_form.get(), "TabSheet1")->isAncestorOf(button))
            m_presets.append(button);
        else if (child<QWidget>(m_form.get(), "TabSheet6")->isAncestorOf(button))
            m_tokens.append(button);
    }
    for (QWidget* panel : std::as_const(panels))
        m_groups.append(groups.value(panel));
    for (auto* edit : m_form->findChildren<TLMDEdit*>())
        if (!qobject_cast<QComboBox*>(edit->parentWidget())) // the location box's typing field
            m_settings.append({edit, includeBoxOf(edit), {}});
    for (auto* box : m_form->findChildren<TLMDListComboBox*>())
        m_settings.append({box, includeBoxOf(box), {}});
    for (Setting& setting : m_settings) {
        // The rotation's box stands below it, its caption telling what it does.
        if (setting.control->objectName() == QLatin1String("edRotation"))
            setting.include = child<QCheckBox>(m_form.get(), "chkMpr");
        QVERIFY2(setting.include, qPrintable(setting.control->objectName()));
    }
    for (const auto& weapon : kWeapons)
        m_weaponBoxes.append(child<QCheckBox>(m_form.get(), weapon.second));
    // What each token button appends, as the rotation edit shows it.
    auto* rotation = child<QLineEdit>(m_form.get(), "edRotation");
    for (QAbstractButton* token : std::as_const(m_tokens)) {
        rotation->clear();
        token->click();
        QCoreApplication::processEvents();
        m_tokenTexts.append(rotation->text());
        QVERIFY(!m_tokenTexts.last().isEmpty());
    }

    // The window as this test knows it; a page that gains controls shows up here.
    QVERIFY(m_boxes.size() >= 90);
    QVERIFY(m_groups.size() >= 17);
    QCOMPARE(m_settings.size(), 50);
    QCOMPARE(m_presets.size(), 6);
    QCOMPARE(m_tokens.size(), 22);
}

void RandomStatesTest::cleanupTestCase() {
    m_form.reset();
}

void RandomStatesTest::randomise(QRandomGenerator& random) {
    for (QCheckBox* box : std::as_const(m_boxes))
        box->setChecked(chance(random, 50));
    for (const QList<QRadioButton*>& group : std::as_const(m_groups))
        group.at(random.bounded(static_cast<int>(group.size())))->setChecked(true);
    Setting* rotation = nullptr;
    for (Setting& setting : m_settings) {
        if (auto* edit = qobject_cast<QLineEdit*>(setting.control)) {
            setting.text = randomText(random, m_quotes);
            edit->setText(setting.text);
            if (edit->objectName() == QLatin1String("edRotation"))
                rotation = &setting;
            continue;
        }
        auto* box = static_cast<QComboBox*>(setting.control);
        if (chance(random, 50)) {
            const int item = random.bounded(box->count());
            box->setCurrentIndex(item);
            setting.text = box->itemText(item);
        } else {
            setting.text = randomText(random, m_quotes);
            box->setEditText(setting.text);
        }
    }
    // A preset, then perhaps a box changed by hand after it.
    if (chance(random, 50))
        m_presets.at(random.bounded(static_cast<int>(m_presets.size())))->click();
    if (chance(random, 30))
        m_weaponBoxes.at(random.bounded(static_cast<int>(m_weaponBoxes.size())))->toggle();
    // Rotation presses after whatever the rotation edit holds.
    const int presses = chance(random, 30) ? 0 : random.bounded(1, 40);
    for (int i = 0; i < presses; ++i) {
        const int token = random.bounded(static_cast<int>(m_tokens.size()));
        m_tokens.at(token)->click();
        rotation->text += m_tokenTexts.at(token);
    }
    if (chance(random, 50))
        QCoreApplication::processEvents();
}

QString RandomStatesTest::verify(const QStringList& lines) const {
    // Every problem the editor lists names a line that breaks a rule.
    static const Vocabulary known = knownVariables();
    const auto* problems = child<QListWidget>(m_form.get(), "lstProblems");
    static const QRegularExpression lineNumber(QStringLiteral("^Line (\\d+)"));
    for (int i = 0; i < problems->count(); ++i) {
        const QString item = problems->item(i)->text();
        const int number = lineNumber.match(item).captured(1).toInt();
        if (number < 1 || number > lines.size() || !breaksARule(lines[number - 1], known))
            return QStringLiteral("listed, yet the line breaks no rule: %1").arg(item);
    }
    const bool slashes = child<QCheckBox>(m_form.get(), "chkNewSlashes")->isChecked();
    QStringList comments;
    QStringList values;
    QList<qsizetype> valueLines;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.startsWith(QLatin1String("//"))) {
            comments.append(line);
            continue;
        }
        const QRegularExpressionMatch match = kLineForm.match(line);
        if (!match.hasMatch())
            return QStringLiteral("line %1 has no line form: %2").arg(i + 1).arg(line);
        values.append(match.captured(1));
        valueLines.append(i);
    }
    if (comments != (slashes ? kCommentLines : QStringList()))
        return QStringLiteral("comment lines: %1").arg(comments.join(QLatin1Char('|')));

    auto switchLine = [](const char* name, const QCheckBox* box) {
        return QStringLiteral("set %1 \"%2\"")
            .arg(QLatin1String(name), box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    };
    QStringList votes;
    for (const auto& vote : kVotes)
        votes.append(switchLine(vote.first, child<QCheckBox>(m_form.get(), vote.second)));
    const qsizetype firstVote = lines.indexOf(votes.first());
    if (firstVote < 0 || lines.mid(firstVote, votes.size()) != votes)
        return QStringLiteral("the nine vote lines are not there in their order");
    QStringList weapons;
    for (const auto& weapon : kWeapons)
        weapons.append(switchLine(weapon.first, child<QCheckBox>(m_form.get(), weapon.second)));
    if (lines.size() < weapons.size() || lines.mid(lines.size() - weapons.size()) != weapons)
        return QStringLiteral("the text does not end with the seventeen weapon lines");

    // Each included row's text is a whole value, as often as included rows hold it; a text no
    // switch line could have (a switch writes a digit or a gametype code) is nowhere else.
    const QRegularExpression switchValue(QStringLiteral("^[a-z0-9]{0,3}$"));
    QHash<QString, int> included;
    for (const Setting& setting : m_settings) {
        // An empty number is not written (its edit says the server keeps its own value).
        const auto* edit = qobject_cast<const QLineEdit*>(setting.control);
        const bool unwritten = setting.text.isEmpty() && edit &&
                               edit->placeholderText() == QLatin1String("server default");
        included[setting.text] += setting.include->isChecked() && !unwritten ? 1 : 0;
    }
    // Without a problem listed, no line breaks a rule, and every value is a control's text whole.
    if (problems->count() == 0)
        for (const QString& line : lines)
            if (breaksARule(line, known))
                return QStringLiteral("no problem listed, yet this line breaks a rule: %1")
                    .arg(line);
    for (auto it = included.cbegin(); it != included.cend(); ++it) {
        const auto found = values.count(it.key());
        if (switchValue.match(it.key()).hasMatch() ? found < it.value() : found != it.value())
            return QStringLiteral("the value \"%1\" is written %2 times, included %3 times")
                .arg(it.key())
                .arg(found)
                .arg(it.value());
    }
    return {};
}

QList<quint32> RandomStatesTest::seeds() const {
    QList<quint32> seeds;
    bool one = false;
    const quint32 only = qEnvironmentVariable("LEDGERWICK_SEED").toUInt(&one);
    if (one)
        seeds.append(only);
    else
        for (quint32 seed = 1; seed <= 500; ++seed)
            seeds.append(seed);
    return seeds;
}

void RandomStatesTest::anyStateGivesAWellFormedText() {
    m_quotes = true;
    for (const quint32 seed : seeds()) {
        QRandomGenerator random(seed);
        randomise(random);
        const QStringList lines = finish(*m_form);
        const QString wrong = verify(lines);
        QVERIFY2(
            wrong.isEmpty(),
            qPrintable(QStringLiteral("seed %1 (LEDGERWICK_SEED=%1): %2").arg(seed).arg(wrong)));
        click(*m_form, "btnClear");
    }
}

// Finish, save, open the file in a fresh window, finish: the same bytes, for any state whose text
// the server reads as it shows (no double quote inside a value).
void RandomStatesTest::anyStateOpensAsItWasSaved() {
    m_quotes = false;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("server.cfg"));
    for (const quint32 seed : seeds()) {
        QRandomGenerator random(seed);
        randomise(random);
        const CfgFile::Encoded saved = CfgFile::encode(finish(*m_form).join(QLatin1Char('\n')));
        QVERIFY(saved.ok());
        QVERIFY(CfgFile::write(path, saved.bytes).ok());
        click(*m_form, "btnClear");

        TForm1 fresh;
        QVERIFY(fresh.openFile(path));
        const CfgFile::Encoded again = CfgFile::encode(finish(fresh).join(QLatin1Char('\n')));
        if (again.bytes != saved.bytes) {
            const QStringList before =
                QString::fromLatin1(saved.bytes).split(QLatin1String("\r\n"));
            const QStringList after = QString::fromLatin1(again.bytes).split(QLatin1String("\r\n"));
            qsizetype at = 0;
            while (at < before.size() && at < after.size() && before[at] == after[at])
                ++at;
            QFAIL(qPrintable(QStringLiteral("seed %1 (LEDGERWICK_SEED=%1): line %2 was %3, is %4")
                                 .arg(seed)
                                 .arg(at + 1)
                                 .arg(before.value(at), after.value(at))));
        }
    }
}

QTEST_MAIN(RandomStatesTest)
#include "tst_randomstates.moc"
