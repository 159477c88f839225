#include "app/CheckCommand.h"

#include "config/TextCheck.h"
#include "pages/settings/PageCatalogue.h"

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

int checkFile(const QString& path, QTextStream& out, QTextStream& errors) {
    const CfgFile::ReadResult read = CfgFile::read(path);
    if (!read.ok()) {
        errors << "ledgerwick: cannot read " << path << ": " << readFailureReason(read) << Qt::endl;
        return 2;
    }
    const QList<Problem> problems = checkText(read.text, knownVariables());
    for (const Problem& problem : problems) {
        out << path << ':' << problem.line << ": ";
        if (!problem.variable.isEmpty())
            out << problem.variable << ": ";
        out << problem.message << '\n';
    }
    out.flush();
    return problems.isEmpty() ? 0 : 1;
}
