#include "cli/SetCommand.h"

#include "cli/CheckCommand.h"
#include "config/LineDiff.h"
#include "config/SettingEdits.h"
#include "config/TextCheck.h"
#include "document/Document.h"
#include "settings/PageCatalogue.h"

#include <QHash>
#include <QIODevice>

#include <algorithm>
#include <optional>

namespace {

// A character of a variable name as the server reads one: no blank, quote, ';' or comment.
bool isNameCharacter(QChar c) {
    const char16_t u = c.unicode();
    return u > 0x20 && u < 0x7F && u != u'"' && u != u';' && u != u'/';
}

bool isName(const QString& name) {
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), isNameCharacter);
}

// An option as given, one line whatever it holds.
QByteArray shownOption(const QString& name, const std::optional<QString>& value) {
    return value ? "--set " + printableName((name + QLatin1Char('=') + *value).toUtf8())
                 : "--unset " + printableName(name.toUtf8());
}

// A problem as the same problem after lines moved: its variable and what it says, the figures in
// it (a line's or the file's bytes) aside.
QString problemKind(const Problem& problem) {
    QString message = problem.message;
    for (QChar& c : message)
        if (c.isDigit() || c == QLatin1Char(','))
            c = QLatin1Char('#');
    return problem.variable.toLower() + QChar(0x1F) + message;
}

// The problems of `after` that `before` did not have.
QList<Problem> newProblems(const QString& before, const QString& after, const Vocabulary& known,
                           const FileFormat& format) {
    QHash<QString, int> had;
    for (const Problem& problem : checkText(before, known, format))
        ++had[problemKind(problem)];
    QList<Problem> found;
    for (const Problem& problem : checkText(after, known, format))
        if (--had[problemKind(problem)] < 0)
            found.append(problem);
    return found;
}

// The unified diff of a file's text, its lines in the file's own encoding, as the file's bytes
// are (a Windows-1252 file's é is one byte), whatever the terminal shows.
QByteArray diffBytes(const QString& before, const QString& after, const QByteArray& name,
                     FileFormat format) {
    const QString diff = LineDiff(before, after).unified(QString(), QString());
    // The names as given, in no encoding but their own; the lines as the file holds them.
    const qsizetype body = diff.indexOf(QLatin1Char('\n'), diff.indexOf(QLatin1Char('\n')) + 1) + 1;
    format.byteOrderMark = false;
    return "--- " + name + "\n+++ " + name + '\n' +
           CfgFile::encodeAsIs(diff.mid(body), format).bytes;
}

} // namespace

int setFiles(const SetRequest& request, QIODevice& out, QIODevice& errors) {
    const Vocabulary known = knownVariables();
    const QList<SettingEdits::Written> pages = writtenVariables();
    SettingEdits edits(pages);
    // A value is checked as the server reads it: that of a check box, or of a choice between
    // numbers, is a number too.
    Vocabulary values = known;
    for (const SettingEdits::Written& variable : pages)
        if (variable.number)
            values.add(variable.name, ValueKind::Number);

    // Each variable once, with one outcome, and a command on one line, before any file is read.
    QList<std::pair<QString, std::optional<QString>>> wanted;
    QByteArray refused;
    auto want = [&](const QString& name, const std::optional<QString>& value) {
        const QByteArray option = "ledgerwick: " + shownOption(name, value) + ": ";
        if (!isName(name))
            refused += option + "not a variable name: a name holds no blank, double quote, ';', "
                                "'/' or character beyond ASCII.\n";
        else if (value &&
                 (value->contains(QLatin1Char('\n')) || value->contains(QLatin1Char('\r'))))
            refused += option + "the value holds a line break, which ends the command: the "
                                "server runs what follows it as a command.\n";
        for (const auto& [other, otherValue] : std::as_const(wanted))
            if (other.compare(name, Qt::CaseInsensitive) == 0) {
                if (otherValue != value)
                    refused += option + other.toUtf8() + " is also given another way.\n";
                return;
            }
        wanted.append({name, value});
        value ? edits.set(name, *value) : edits.unset(name);
    };
    for (const auto& [name, value] : request.assignments)
        want(name, value);
    for (const QString& name : request.unsets)
        want(name, std::nullopt);
    if (!refused.isEmpty()) {
        errors.write(refused + "ledgerwick: nothing was written\n");
        return 2;
    }

    // Nothing is asked: what only a user could answer fails with what to do.
    Document document;
    document.remoteClient()->setInteractive(false);
    document.remoteClient()->setOverwriteUnasked(request.force);
    int result = 0;
    for (const QByteArray& target : request.targets) {
        if (target == "-") {
            errors.write("ledgerwick: cannot set values in standard input: name a file\n");
            result = 2;
            continue;
        }
        const Document::Read read = readGiven(document, target);
        const QByteArray shown = shownName(target, read);
        if (!read.ok()) {
            errors.write(cannotRead(target, read));
            result = 2;
            continue;
        }
        const FileFormat& format = read.text.format;
        const QByteArray notWriting = "ledgerwick: not writing " + shown + ": ";
        // What the window warns of beside a value typed into a row, in this file's encoding.
        QByteArray said;
        for (const auto& [name, value] : std::as_const(wanted))
            if (value)
                for (const Problem& problem :
                     checkValueLine(edits.lineOf(name, *value), values, format))
                    said += notWriting + shownOption(name, value) + ": " +
                            problem.message.toUtf8() + '\n';

        document.open(read);
        const SettingEdits::Lines lines = edits.lines(*document.layout());
        document.setOpenedLines(lines.before);
        const QString text = document.rewritten(lines.after, {}, lines.loose);
        if (said.isEmpty() && text == read.text.text)
            continue;
        // Nor a problem that the file did not have.
        if (said.isEmpty())
            for (const Problem& problem : newProblems(read.text.text, text, known, format))
                said +=
                    notWriting + "line " + QByteArray::number(problem.line) + ": " +
                    (problem.variable.isEmpty() ? QByteArray() : problem.variable.toUtf8() + ": ") +
                    problem.message.toUtf8() + '\n';
        // And the server ends with what was asked: a line at the end of a file whose last
        // comment is never closed, say, would never run.
        if (said.isEmpty()) {
            const Opening changed(text, format);
            for (const auto& [name, value] : std::as_const(wanted)) {
                const Opening::Setting* held = changed.find(name);
                if (value ? !held || held->value != *value : held != nullptr)
                    said += notWriting + shownOption(name, value) +
                            ": the server would not read it so from the changed file.\n";
            }
        }
        if (!said.isEmpty()) {
            errors.write(said);
            result = 2;
            continue;
        }
        if (!request.dryRun) {
            // Saved as the window saves: the bytes it replaces kept first, in one rename, and on
            // a server only over what was read.
            document.showInEditor(text);
            const Document::Saved saved = document.save(QString(), false);
            if (!saved.ok) {
                errors.write("ledgerwick: " + saved.error.toUtf8() + '\n');
                result = 2;
                continue;
            }
            if (!saved.note.isEmpty())
                errors.write("ledgerwick: " + shown + ": " + saved.note.toUtf8() + '\n');
        }
        out.write(diffBytes(read.text.text, text, shown, format));
        result = std::max(result, 1);
    }
    return result;
}
