#include "app/CheckCommand.h"

#include "app/TForm1.h"
#include "remote/RemoteClient.h"

#include <QTextStream>

QString readFailureReason(const CfgFile::ReadResult& read) {
    switch (read.failure) {
    case CfgFile::ReadFailure::None:
        break;
    case CfgFile::ReadFailure::Open:
        return read.reason;
    case CfgFile::ReadFailure::NotText:
        return QStringLiteral("It is not a text file: it holds NUL bytes");
    case CfgFile::ReadFailure::TooLarge:
        return QStringLiteral("It is larger than 1 MiB, far more than a .cfg file holds");
    }
    return {};
}

namespace {

// A file on a server, read as a local one is, with no question asked: what only the user can
// answer (an unknown host key, a password not in the keyring) fails with what to do.
CfgFile::ReadResult readAddress(const RemoteAddress& address) {
    CfgFile::ReadResult read;
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

} // namespace

int checkFile(const QString& argument, QTextStream& out, QTextStream& errors) {
    QString path = argument;
    CfgFile::ReadResult read;
    if (RemoteAddress::looksLikeAddress(argument)) {
        QString error;
        const RemoteAddress address = RemoteAddress::parse(argument, &error);
        // A password typed in the address is shown nowhere.
        path = address.isValid() ? address.toString() : QStringLiteral("the address");
        if (address.isValid()) {
            read = readAddress(address);
        } else {
            read.failure = CfgFile::ReadFailure::Open;
            read.reason = error;
        }
    } else {
        read = CfgFile::read(path);
    }
    if (!read.ok()) {
        errors << "ledgerwick: cannot read " << path << ": " << readFailureReason(read) << Qt::endl;
        return 2;
    }
    const QList<Problem> problems = checkText(read.text, TForm1::knownVariables());
    for (const Problem& problem : problems) {
        out << path << ':' << problem.line << ": ";
        if (!problem.variable.isEmpty())
            out << problem.variable << ": ";
        out << problem.message << '\n';
    }
    out.flush();
    return problems.isEmpty() ? 0 : 1;
}
