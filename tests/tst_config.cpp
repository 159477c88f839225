// The configuration text on its own: line forms, the document order and the saved bytes.
#include "config/CfgFile.h"
#include "config/ConfigText.h"
#include "config/DocumentOrder.h"
#include "support/Files.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

class ConfigTest : public QObject {
    Q_OBJECT
private slots:
    void lineForms_data();
    void lineForms();
    void commentsFollowTheSwitch();
    void encoding_data();
    void encoding();
    void unencodableCharacter_data();
    void unencodableCharacter();
    void decoding_data();
    void decoding();
    void fileNamesKeepTheirBytes();
    void reading_data();
    void reading();
};

using Write = std::function<void(ConfigText&)>;
Q_DECLARE_METATYPE(Write)

void ConfigTest::lineForms_data() {
    QTest::addColumn<Write>("write");
    QTest::addColumn<QString>("line");
    QTest::newRow("value") << Write([](ConfigText& t) {
        t.valueLine("set sv_hostname \"", QStringLiteral("BrantholmHost"));
    }) << QStringLiteral("set sv_hostname \"BrantholmHost\"");
    QTest::newRow("value, empty") << Write([](ConfigText& t) {
        t.valueLine("set sv_hostname \"", QString());
    }) << QStringLiteral("set sv_hostname \"\"");
    QTest::newRow("value, verbatim")
        << Write([](ConfigText& t) { t.valueLine("set g_log \"", QStringLiteral(" a \"b\" ")); })
        << QStringLiteral("set g_log \" a \"b\" \"");
    QTest::newRow("value without set")
        << Write([](ConfigText& t) { t.valueLine("scr_hq_scorelimit \"", QStringLiteral("450")); })
        << QStringLiteral("scr_hq_scorelimit \"450\"");
    QTest::newRow("switch") << Write([](ConfigText& t) { t.switchLine("g_gametype", "bel"); })
                            << QStringLiteral("set g_gametype \"bel\"");
    QTest::newRow("switch, checked") << Write([](ConfigText& t) { t.switchLine("sv_pure", true); })
                                     << QStringLiteral("set sv_pure \"1\"");
    QTest::newRow("switch, unchecked")
        << Write([](ConfigText& t) { t.switchLine("sv_pure", false); })
        << QStringLiteral("set sv_pure \"0\"");
    QTest::newRow("info") << Write([](ConfigText& t) {
        t.infoLine(".Admin", QStringLiteral("Ann"));
    }) << QStringLiteral("sets .Admin \"Ann\"");
    QTest::newRow("header") << Write([](ConfigText& t) { t.header("Server Options"); })
                            << QStringLiteral("//Server Options");
    QTest::newRow("sub-header") << Write([](ConfigText& t) { t.subHeader("Retrieval"); })
                                << QStringLiteral("//-- Retrieval");
    QTest::newRow("separator") << Write([](ConfigText& t) { t.separator(); })
                               << QStringLiteral("//");
}

void ConfigTest::lineForms() {
    QFETCH(Write, write);
    QFETCH(QString, line);
    ConfigText text;
    write(text);
    QCOMPARE(text.lines(), QStringList{line});
}

void ConfigTest::commentsFollowTheSwitch() {
    ConfigText text(false);
    text.header("Weapons");
    text.subHeader("Deathmatch");
    text.separator();
    text.switchLine("scr_allow_bar", true);
    QCOMPARE(text.lines(), QStringList{QStringLiteral("set scr_allow_bar \"1\"")});
}

void ConfigTest::encoding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("one line gets its line break")
        << QStringLiteral("set a \"1\"") << QByteArray("set a \"1\"\r\n");
    QTest::newRow("lines") << QStringLiteral("//\nset a \"1\"")
                           << QByteArray("//\r\nset a \"1\"\r\n");
    QTest::newRow("a final line break is not doubled")
        << QStringLiteral("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty lines stay")
        << QStringLiteral("a\n\n\nb") << QByteArray("a\r\n\r\n\r\nb\r\n");
    QTest::newRow("only a line break") << QStringLiteral("\n") << QByteArray("\r\n");
    QTest::newRow("CR LF and CR are line breaks too")
        << QStringLiteral("a\r\nb\rc") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("Windows-1252") << QStringLiteral("é € “ Œ ÿ")
                                  << QByteArray("\xE9 \x80 \x93 \x8C \xFF\r\n");
    QTest::newRow("no byte order mark, no conversion of blanks")
        << QStringLiteral("\u00A0 x\t") << QByteArray("\xA0 x\t\r\n");
}

void ConfigTest::encoding() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const CfgFile::Encoded encoded = CfgFile::encode(text);
    QVERIFY(encoded.ok());
    QCOMPARE(encoded.bytes, bytes);
}

void ConfigTest::unencodableCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("character");
    QTest::newRow("first line") << QStringLiteral("set sv_hostname \"Ω\"") << 1
                                << QStringLiteral("Ω");
    QTest::newRow("third line, first of two")
        << QStringLiteral("a\nb\nc ж д") << 3 << QStringLiteral("ж");
    QTest::newRow("outside the basic plane")
        << QStringLiteral("a\r\nb \U0001F600") << 2 << QStringLiteral("\U0001F600");
    QTest::newRow("after CR line breaks")
        << QStringLiteral("a\rb\r\nc\rΩ") << 4 << QStringLiteral("Ω");
    QTest::newRow("a lone surrogate")
        << QStringLiteral("é\n") + QChar(0xD800) << 2 << QString(QChar(0xD800));
}

void ConfigTest::unencodableCharacter() {
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(QString, character);
    const CfgFile::Encoded encoded = CfgFile::encode(text);
    QVERIFY(!encoded.ok());
    QCOMPARE(encoded.badLine, line);
    QCOMPARE(encoded.badCharacter, character);
}

void ConfigTest::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII, line breaks as they are")
        << QByteArray("a\r\nb\rc\n") << QStringLiteral("a\r\nb\rc\n");
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << QStringLiteral("Café €");
    QTest::newRow("UTF-8, byte order mark dropped") << QByteArray("\xEF\xBB\xBF"
                                                                  "Caf\xC3\xA9")
                                                    << QStringLiteral("Café");
    QTest::newRow("Windows-1252") << QByteArray("caf\xE9 \x80 \x93\x81")
                                  << QStringLiteral("café € “\u0081");
    QTest::newRow("invalid UTF-8 is all Windows-1252")
        << QByteArray("\xC3\xA9 \xE9") << QStringLiteral("Ã© é");
    QTest::newRow("UTF-8 cut off at the end") << QByteArray("ab\xC3") << QStringLiteral("abÃ");
    QTest::newRow("a byte order mark before Windows-1252 stays")
        << QByteArray("\xEF\xBB\xBF\xE9") << QStringLiteral("ï»¿é");
}

void ConfigTest::decoding() {
    QFETCH(QByteArray, bytes);
    QTEST(CfgFile::decode(bytes), "text");
}

// Each row writes server.cfg, then reads `name` in the same folder.
void ConfigTest::reading_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("permissions");
    QTest::addColumn<CfgFile::ReadFailure>("failure");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("text");
    using F = CfgFile::ReadFailure;
    const QString cfg = QStringLiteral("server.cfg");
    const int readable = QFile::ReadOwner | QFile::WriteOwner;
    const QByteArray mebibyte(1024 * 1024, 'x');
    QTest::newRow("text") << cfg << QByteArray("set a \"\xE9\"\r\n") << readable << F::None
                          << QString() << QStringLiteral("set a \"é\"\r\n");
    QTest::newRow("1 MiB") << cfg << mebibyte << readable << F::None << QString()
                           << QString::fromLatin1(mebibyte);
    QTest::newRow("missing") << QStringLiteral("none.cfg") << QByteArray() << readable << F::Open
                             << QStringLiteral("No such file or directory") << QString();
    QTest::newRow("a folder") << QString() << QByteArray() << readable << F::NotRegular
                              << QStringLiteral("a folder") << QString();
    QTest::newRow("no permission") << cfg << QByteArray("x") << 0 << F::Open
                                   << QStringLiteral("Permission denied") << QString();
    QTest::newRow("a NUL byte") << cfg << QByteArray("set a 1\n\0", 9) << readable << F::NotText
                                << QString() << QString();
    QTest::newRow("UTF-16 with its mark") << cfg << QByteArray("\xFE\xFF\0s\0e\0t", 8) << readable
                                          << F::Utf16 << QString() << QString();
    QTest::newRow("UTF-16 without") << cfg << QByteArray("s\0e\0t\0 \0a\0", 10) << readable
                                    << F::Utf16 << QString() << QString();
    QTest::newRow("1 MiB and a byte")
        << cfg << mebibyte + 'x' << readable << F::TooLarge << QString() << QString();
}

void ConfigTest::reading() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, permissions);
    if (permissions == 0 && TestFiles::ranWithoutRootPowers())
        return;
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("server.cfg")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QVERIFY(file.setPermissions(QFile::Permissions(permissions)));
    const CfgFile::ReadResult result = CfgFile::read(folder.filePath(name));
    QTEST(result.failure, "failure");
    QTEST(result.reason, "reason");
    QTEST(result.text, "text");
}

// Any bytes, UTF-8 or not, make a name that gives back the same bytes; UTF-8 reads as itself.
void ConfigTest::fileNamesKeepTheirBytes() {
    QCOMPARE(CfgFile::fileNameFromBytes("caf\xC3\xA9 \xF0\x9F\x98\x80.cfg"),
             QStringLiteral("caf\u00E9 \U0001F600.cfg"));
    QCOMPARE(CfgFile::fileNameFromBytes("caf\xE9.cfg"),
             QStringLiteral("caf") + QChar(0xDCE9) + QStringLiteral(".cfg"));
    QRandomGenerator random(20261209);
    // Mostly bytes around the edges of UTF-8: lead bytes, continuation bytes, surrogates' forms.
    const char pieces[] = "a/\x80\xBF\xC0\xC3\xE0\xED\xA0\xF0\xF4\x90\xF8\xFF";
    for (int round = 0; round < 20000; ++round) {
        QByteArray name;
        for (int i = random.bounded(12); i > 0; --i)
            name += random.bounded(3) == 0 ? char(random.bounded(1, 256))
                                           : pieces[random.bounded(int(sizeof pieces) - 1)];
        const QString text = CfgFile::fileNameFromBytes(name);
        QCOMPARE(CfgFile::fileNameBytes(text), name);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = utf8.decode(name);
        if (!utf8.hasError())
            QCOMPARE(text, decoded);
    }
}

QTEST_GUILESS_MAIN(ConfigTest)
#include "tst_config.moc"
