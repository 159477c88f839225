#include "window/Questions.h"

#include "config/Program.h"
#include "controls/MessageBox.h"

Questions::Answer Questions::askToSave(QWidget* parent, const QString& what) {
    switch (MessageBox::ask(
        parent,
        {QMessageBox::Warning, Program::title(), what, tr("Do you want to save them?"), QString()},
        {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}, 0)) {
    case 0:
        return Answer::Save;
    case 1:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

bool Questions::saveDespiteProblems(QWidget* parent, const QList<Problem>& problems) {
    if (problems.isEmpty())
        return true;
    constexpr qsizetype kListed = 10;
    QStringList lines;
    for (qsizetype i = 0; i < qMin(problems.size(), kListed); ++i)
        lines.append(problems[i].text());
    if (problems.size() > kListed)
        lines.append(tr("and %1 more.").arg(problems.size() - kListed));
    const QString text = tr("The server would read this text otherwise than it shows:\n\n%1\n\n"
                            "Save it anyway?")
                             .arg(lines.join(QLatin1Char('\n')));
    return MessageBox::ask(parent, {QMessageBox::Warning, Program::title(), text, {}, {}},
                           {tr("Save anyway"), QMessageBox::Cancel}, 1) == 0;
}

Questions::Where Questions::whereToSave(QWidget* parent) {
    switch (MessageBox::ask(
        parent,
        {QMessageBox::Question,
         Program::title(),
         tr("Where do you want to save the text?"),
         {},
         QStringLiteral("SaveAsQuestion")},
        {tr("&File on this Computer..."), tr("File on a &Server..."), QMessageBox::Cancel}, 0)) {
    case 0:
        return Where::Here;
    case 1:
        return Where::Server;
    default:
        return Where::Nowhere;
    }
}
