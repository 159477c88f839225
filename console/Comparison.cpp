#include "console/Comparison.h"

#include <QCoreApplication>
#include <QHash>

namespace Comparison {

QList<Setting> documentSettings(QStringView text) {
    const ServerScript::Script script = ServerScript::read(text);
    QList<Setting> all;
    QHash<QString, qsizetype> last; // by lower-case name
    for (const ServerScript::Command& command : script.commands) {
        const std::optional<ServerScript::Assignment> assignment =
            ServerScript::assignment(command);
        if (!assignment || assignment->verb == ServerScript::Verb::Bare)
            continue;
        last.insert(assignment->name.toLower(), all.size());
        all.append({assignment->name, assignment->value, assignment->verb, command.line});
    }
    QList<Setting> settings;
    for (qsizetype i = 0; i < all.size(); ++i)
        if (last.value(all[i].name.toLower()) == i)
            settings.append(all[i]);
    return settings;
}

QString stateName(State state) {
    switch (state) {
    case State::Same:
        return QCoreApplication::translate("Comparison", "Same");
    case State::Differs:
        return QCoreApplication::translate("Comparison", "Differs");
    case State::AfterRestart:
        return QCoreApplication::translate("Comparison", "After restart");
    case State::NotOnServer:
        return QCoreApplication::translate("Comparison", "Not on the server");
    case State::ReadOnly:
        return QCoreApplication::translate("Comparison", "Read-only");
    case State::OnlyByFile:
        return QCoreApplication::translate("Comparison", "Only by the file");
    }
    return {};
}

bool Row::sendable() const {
    return ConsoleText::sendableWord(name) && ConsoleText::sendableValue(document) &&
           !ConsoleText::onlyByFile(document);
}

QString Row::setCommand() const {
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(serverInfo ? QStringLiteral("sets") : QStringLiteral("set"), name, document);
}

Row compare(const Setting& setting, const ConsoleText::Listed* listed,
            const std::optional<ConsoleText::Query>& query) {
    Row row;
    row.name = setting.name;
    row.document = setting.value;
    row.line = setting.line;
    row.serverInfo = setting.verb == ServerScript::Verb::Sets;
    if (!listed)
        return row;
    row.serverInfo = row.serverInfo || listed->serverInfo();
    row.server = query ? query->value : listed->value;
    if (query)
        row.latched = query->latched;
    const bool now = row.server == row.document;
    const bool waiting = row.latched.has_value();
    if (now && (!waiting || *row.latched == row.document))
        row.state = State::Same;
    else if (waiting && *row.latched == row.document)
        row.state = State::AfterRestart;
    else if (listed->readOnly())
        row.state = State::ReadOnly;
    // What the server holds then (its '.' for such a character, after an earlier "set", or an
    // older value) is no difference the console could make good.
    else if (ConsoleText::onlyByFile(row.document))
        row.state = State::OnlyByFile;
    else
        row.state = State::Differs;
    return row;
}

bool isPassword(QStringView name) {
    for (const char* password : {"rconpassword", "g_password", "sv_privatepassword"})
        if (name.compare(QLatin1String(password), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace Comparison
