#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What `ledgerwick` was asked to do, read from its arguments by one parser for every form: the
// window, --check, --compare, --set. Its usage and --help are made from the same table of options.
struct CommandLine {
    enum class Action { Window, Check, Compare, Set, Help, Version };
    Action action = Action::Window;
    // File names as given (file names are bytes) or addresses: the window's file, those to check
    // or to change.
    QList<QByteArray> files;

    // --compare FILE --server HOST[:PORT], as many pairs as given, each file with its server.
    struct Comparison {
        QByteArray file;
        QString server;
    };
    QList<Comparison> comparisons;
    bool apply = false;

    // --set NAME=VALUE and --unset NAME, in the order given.
    QList<QPair<QString, QString>> assignments;
    QStringList unsets;
    bool dryRun = false;
    bool force = false;

    QByteArray error; // a usage error, said in one sentence

    static CommandLine parse(int argc, char* argv[]);
    // The forms the program takes, one a line.
    static QByteArray usage();
    // The usage, then what each option does and the environment the program reads.
    static QByteArray help();
};
