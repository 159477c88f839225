#include "cli/CheckCommand.h"

#include "config/TextCheck.h"
#include "document/Document.h"
#include "settings/PageCatalogue.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>

QByteArray printableName(const QByteArray& name) {
    const bool plain = std::none_of(name.cbegin(), name.cend(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (plain && !name.startsWith('"'))
        return name;
    QByteArray quoted = "\"";
    for (const char c : name) {
        switch (c) {
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '"':
        case '\\':
            quoted += '\\';
            quoted += c;
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                quoted +=
                    "\\x" +
                    QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            else
                quoted += c;
        }
    }
    return quoted + '"';
}

QByteArray shownAddress(const Location& place) {
    return place.isRemote() ? place.address.toString().toUtf8() : QByteArray("the address");
}

namespace {

bool isAddress(const QByteArray& name) {
    return name != "-" && RemoteAddress::looksLikeAddress(QString::fromUtf8(name));
}

} // namespace

Document::Read readGiven(Document& document, const QByteArray& name) {
    return document.read(isAddress(name) ? QString::fromUtf8(name)
                                         : CfgFile::fileNameFromBytes(name));
}

QByteArray shownName(const QByteArray& name, const Document::Read& read) {
    if (name == "-")
        return "<stdin>";
    return isAddress(name) ? shownAddress(read.place) : printableName(name);
}

QByteArray cannotRead(const QByteArray& name, const Document::Read& read) {
    return "ledgerwick: cannot read " +
           (name == "-" ? QByteArray("standard input") : shownName(name, read)) + ": " +
           read.reason.toUtf8() + '\n';
}

int checkFiles(const QList<QByteArray>& names, QIODevice& out, QIODevice& errors) {
    const Vocabulary known = knownVariables();
    // Nothing is asked: what only a user could answer fails with what to do.
    Document document;
    document.remoteClient()->setInteractive(false);
    int worst = 0;
    for (const QByteArray& name : names) {
        const Document::Read read = readGiven(document, name);
        const QByteArray shown = shownName(name, read);
        if (!read.ok()) {
            errors.write(cannotRead(name, read));
            worst = 2;
            continue;
        }
        const QList<Problem> problems = checkText(read.text.text, known, read.text.format);
        QByteArray lines;
        for (const Problem& problem : problems) {
            lines += shown + ':' + QByteArray::number(problem.line) + ": ";
            if (!problem.variable.isEmpty())
                lines += problem.variable.toUtf8() + ": ";
            lines += problem.message.toUtf8() + '\n';
        }
        out.write(lines);
        if (!problems.isEmpty())
            worst = std::max(worst, 1);
    }
    return worst;
}
