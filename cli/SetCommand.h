#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QIODevice;

// `ledgerwick --set NAME=VALUE … --unset NAME … [--dry-run] [--force] FILE|ADDRESS…`, as parsed.
struct SetRequest {
    QList<QPair<QString, QString>> assignments; // --set NAME=VALUE, in the order given
    QStringList unsets;                         // --unset NAME
    bool dryRun = false;
    bool force = false;
    QList<QByteArray> targets; // files as given (bytes) or addresses
};

// Sets and leaves out variables in each file in place, as "Finish!" does on an opened file: a
// value changes where the server ends with it, a new line goes where the pages would put it, and
// every other byte stays. Prints a unified diff of each file it changes to `out`, in the file's
// encoding (nothing for a file that already holds the values); a file it cannot read, may not
// change or cannot save it names on `errors`, saying why. A value the server would read otherwise,
// or a change that gives the file a problem --check reports which it did not have, is refused and
// nothing is written. A file at an address (sftp://, ftps://, ftp://) is read and saved with
// nothing asked, and one that changed on the server since it was read is overwritten only with
// `force`. Returns 0 when every file already held the values, 1 when a file was changed (or would
// be, with `dryRun`), 2 on any error; the other files are done all the same. Needs no display.
int setFiles(const SetRequest& request, QIODevice& out, QIODevice& errors);
