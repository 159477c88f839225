#pragma once

#include "config/ServerScript.h"
#include "console/ConsoleText.h"

#include <QList>
#include <QString>

#include <optional>

// The settings of a document set against the values a running server holds.
namespace Comparison {

// What a document sets: every set, sets and seta of its text, the last of a name winning, in the
// order of those last assignments (the order in which the server takes them).
struct Setting {
    QString name;
    QString value;
    ServerScript::Verb verb = ServerScript::Verb::Set;
    int line = 0;
};

QList<Setting> documentSettings(QStringView text);

// OnlyByFile: the value holds what the console turns into '.' (a byte above 127, a '%'); the
// server takes it from the file, at its next start or exec, and never over the console.
enum class State { Same, Differs, AfterRestart, NotOnServer, ReadOnly, OnlyByFile };
QString stateName(State state);

// A variable that holds a password (rconpassword, g_password, sv_privatepassword), whose value is
// shown only when the user asks for it and printed never.
bool isPassword(QStringView name);

struct Row {
    QString name; // as the document writes it
    QString document;
    QString server;                 // the value the server holds now
    std::optional<QString> latched; // a value waiting for a restart
    State state = State::NotOnServer;
    bool serverInfo = false; // set with "sets"
    int line = 0;
    // Whether "set" can carry the value; a value holding '"', ';' or a line break cannot go, nor
    // one that the console would change.
    bool sendable() const;
    // The command that gives the server the document's value.
    QString setCommand() const;
};

// A row from what the list of variables shows of a setting (nothing: the server does not know it)
// and, for a latched one, the reply to its name.
Row compare(const Setting& setting, const ConsoleText::Listed* listed,
            const std::optional<ConsoleText::Query>& query);

} // namespace Comparison
