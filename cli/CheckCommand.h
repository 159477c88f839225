#pragma once

#include "config/CfgFile.h"
#include "document/Document.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// A file name as `--check` prints it: as it is, or, when it holds a control character such as a
// line break, in double quotes with C escapes, so that one problem stays one line.
QByteArray printableName(const QByteArray& name);

// An address as the command line shows it: without a password typed into it.
QByteArray shownAddress(const Location& place);

// A file named on the command line ("-": standard input), or the file at an address, read with
// nothing asked; how messages name it (printable, an address without a password typed into it,
// "<stdin>"); and the line that says it could not be read.
Document::Read readGiven(Document& document, const QByteArray& name);
QByteArray shownName(const QByteArray& name, const Document::Read& read);
QByteArray cannotRead(const QByteArray& name, const Document::Read& read);

// `ledgerwick --check FILE...`: checks each file in turn ("-" is standard input) and prints each
// place where the server would read it otherwise than it shows, as "FILE:LINE: variable: message"
// (without "variable: " where none is concerned), to `out`; a file it cannot read it names on
// `errors`, saying why. Returns the worst result: 0 when nothing was found, 1 when there were
// problems, 2 when a file could not be read. Needs no display. A file may be given by the address
// of a file on a server (sftp://, ftps://, ftp://): nothing is asked then, and an unknown host key
// or a missing password is status 2 with what to do.
int checkFiles(const QList<QByteArray>& names, QIODevice& out, QIODevice& errors);
