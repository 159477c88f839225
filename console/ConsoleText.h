#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The bytes of the server's remote console: out-of-band packets (four 0xFF bytes first) of
// Windows-1252 text, and the replies the console prints, read defensively: whatever does not have
// the expected shape is nothing rather than a guess.
namespace ConsoleText {

// The four bytes every packet starts with.
QByteArray marker();

// A request packet; nothing when the text holds a character Windows-1252 cannot carry.
std::optional<QByteArray> request(const QString& text);

QString decode(QByteArrayView bytes);

// The text a "print" packet carries; nothing for any other packet.
std::optional<QString> printText(const QByteArray& packet);

struct Status {
    QList<std::pair<QString, QString>> info; // the serverinfo keys and values, in their order
    QStringList players;                     // one line per player
    QString value(const QString& key) const; // key not case-sensitive; empty when missing
};

// The reply to "getstatus"; nothing for any other packet.
std::optional<Status> status(const QByteArray& packet);

// A line of "cvarlist".
struct Listed {
    QString name;
    QString value;
    QString flags; // the flag columns before the name, as printed
    bool serverInfo() const { return flags.contains(QLatin1Char('S')); }
    // The server takes no new value over the console: read-only or set only at start-up.
    bool readOnly() const {
        return flags.contains(QLatin1Char('R')) || flags.contains(QLatin1Char('I'));
    }
    bool latched() const { return flags.contains(QLatin1Char('L')); }
};

struct Listing {
    QList<Listed> variables;
    // From the closing "N total cvars" line; -1 when the reply ends without it.
    int total = -1;
    // The lines that are not a variable's, as they came.
    QStringList unread;
    // Every line arrived: the closing line came and counts the variables listed.
    bool complete() const { return total == variables.size(); }
};

// The reply to a "cvarlist" without a prefix, the text of all its packets joined: a packet can
// end anywhere in a line. The flag columns are whatever stands before the name, letters this
// program does not know included: servers print different columns.
Listing listing(QStringView text);

// The reply to a variable's bare name.
struct Query {
    QString name;
    QString value;                  // without the colour code the console adds
    std::optional<QString> latched; // the value waiting for a restart
};

std::optional<Query> query(QStringView text);

// What a value or a word looks like without its colour codes ("^" and a digit), for showing.
QString withoutColours(QString text);

// A value the console can carry inside double quotes of a command.
bool sendableValue(QStringView value);
// The console turns every byte above 127 and every '%' of a request into '.': such a value reaches
// the server only through a file it runs (at start-up, or by exec).
bool onlyByFile(QStringView value);
// The value as the console would set it.
QString asConsoleCarries(QString value);
// A name, or a password, that travels as one word of a command.
bool sendableWord(QStringView word);

} // namespace ConsoleText
