#pragma once

#include "config/CfgFile.h"

#include <QString>

class QTextStream;

// Why a file could not be read, in words: the system's for a file it could not open or read.
QString readFailureReason(const CfgFile::ReadResult& read);

// `ledgerwick --check FILE`: prints each place where the server would read FILE otherwise than it
// shows, as "FILE:LINE: message", to `out`. Returns 0 when there is none, 1 when there is any, and
// 2 when FILE cannot be read (saying why on `errors`). Needs no display. FILE may be the address
// of a file on a server (sftp://, ftps://, ftp://); nothing is asked then, and an unknown host key
// or a missing password is status 2 with what to do.
int checkFile(const QString& path, QTextStream& out, QTextStream& errors);
