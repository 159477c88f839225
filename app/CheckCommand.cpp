#include "app/CheckCommand.h"

#include "config/TextCheck.h"
#include "pages/settings/PageCatalogue.h"
#include "remote/RemoteClient.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>

QString readFailureReason(const CfgFile::ReadResult& read) {
    switch (read.failure) {
    case CfgFile::ReadFailure::None:
        break;
    case CfgFile::ReadFailure::Open:
        return read.reason;
    case CfgFile::ReadFailure::NotRegular:
        return QCoreApplication::translate("CheckCommand", "It is not a regular file but %1")
            .arg(read.reason);
    case CfgFile::ReadFailure::NotText:
        return QCoreApplication::translate("CheckCommand",
                                           "It is not a text file: it holds NUL bytes");
    case CfgFile::ReadFailure::Utf16:
        return QCoreApplication::translate("CheckCommand",
                                           "It is UTF-16 text: save it as UTF-8 or Windows-1252");
    case CfgFile::ReadFailure::TooLarge:
        return QCoreApplication::translate(
            "CheckCommand", "It is larger than 1 MiB, far more than a .cfg file holds");
    }
    return {};
}

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

CfgFile::ReadResult readAddress(const RemoteAddress& address, const QString& invalid) {
    CfgFile::ReadResult read;
    if (!address.isValid()) {
        read.failure = CfgFile::ReadFailure::Open;
        read.reason = invalid;
        return read;
    }
    RemoteClient client;
    client.setInteractive(false);
    client.fetch(address);
    const RemoteClient::Result fetched = client.waitForFinished();
    if (!fetched.ok) {
        read.failure = fetched.failure == RemoteTransfer::Failure::TooLarge
                           ? CfgFile::ReadFailure::TooLarge
                           : CfgFile::ReadFailure::Open;
        read.reason = fetched.reason;
    } else if (fetched.bytes.contains('\0')) {
        read.failure = CfgFile::ReadFailure::NotText;
    } else {
        read.text = CfgFile::decode(fetched.bytes, &read.format);
    }
    return read;
}

int checkFiles(const QList<QByteArray>& names, QIODevice& out, QIODevice& errors) {
    const Vocabulary known = knownVariables();
    int worst = 0;
    for (const QByteArray& name : names) {
        const bool standardInput = name == "-";
        // An address is shown without a password typed in it.
        const bool remote =
            !standardInput && RemoteAddress::looksLikeAddress(QString::fromUtf8(name));
        QString invalid;
        const RemoteAddress address =
            remote ? RemoteAddress::parse(QString::fromUtf8(name), &invalid) : RemoteAddress();
        const CfgFile::ReadResult read = standardInput ? CfgFile::readStandardInput()
                                         : remote      ? readAddress(address, invalid)
                                                  : CfgFile::read(CfgFile::fileNameFromBytes(name));
        const QByteArray shown =
            standardInput ? QByteArray("<stdin>")
            : remote ? (address.isValid() ? address.toString().toUtf8() : QByteArray("the address"))
                     : printableName(name);
        if (!read.ok()) {
            errors.write("ledgerwick: cannot read " +
                         (standardInput ? QByteArray("standard input") : shown) + ": " +
                         readFailureReason(read).toUtf8() + '\n');
            worst = 2;
            continue;
        }
        const QList<Problem> problems = checkText(read.text, known, read.format);
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
