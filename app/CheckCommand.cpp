#include "app/CheckCommand.h"

#include "app/TForm1.h"
#include "config/CfgFile.h"

#include <QTextStream>

int checkFile(const QString& path, QTextStream& out, QTextStream& errors) {
    const CfgFile::ReadResult read = CfgFile::read(path);
    if (!read.ok()) {
        errors << "ledgerwick: cannot read " << path << ": " << read.reason << Qt::endl;
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
