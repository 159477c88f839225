#include "config/CfgFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace CfgFile {

namespace {

constexpr qsizetype kMostBytes = 1024 * 1024;

// Finds the first character the code page cannot hold, once encoding has failed: a file the
// server can run is small, so character by character.
void findBadCharacter(const QString& text, Encoded& result) {
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n'))
            ++line;
        if (c.unicode() < 0x80)
            continue;
        const qsizetype length =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        // Stateless: a lone high surrogate is an error, not a character held back for a later
        // call (which would drop it and report success).
        QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(character); // it works when its result is taken
        if (encoder.hasError()) {
            result.badLine = line;
            result.badCharacter = character;
            return;
        }
        i += length - 1;
    }
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

WriteResult failed(Failure failure, QString reason) {
    return {failure, std::move(reason)};
}

} // namespace

Encoded encode(const QString& text) {
    Encoded result;
    if (text.isEmpty())
        return result;
    // One kind of line break, each CR LF once encoded, also after the last line. Most texts hold
    // LF only: they are encoded as they stand.
    QString lines = text;
    if (lines.contains(QLatin1Char('\r'))) {
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(lines);
    if (encoder.hasError()) {
        findBadCharacter(lines, result);
        return result;
    }
    if (!bytes.endsWith('\n'))
        bytes.append('\n');
    // A CR before every LF, in one pass (QByteArray::replace searches for each one anew).
    result.bytes.resize(bytes.size() + bytes.count('\n'));
    char* out = result.bytes.data();
    for (const char c : std::as_const(bytes)) {
        if (c == '\n')
            *out++ = '\r';
        *out++ = c;
    }
    return result;
}

WriteResult write(const QString& path, const QByteArray& bytes) {
    const QFileInfo existing(path);
    if (existing.exists()) {
        if (existing.isDir())
            return failed(Failure::Create, reasonOf(EISDIR));
        // A file nobody may write to is left alone, also by a user whom the system would let.
        if (!(existing.permissions() &
              (QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther)) ||
            !existing.isWritable())
            return failed(Failure::Create, reasonOf(EACCES));
    }

    // QSaveFile writes beside the target (the target of a link) and renames over it on commit,
    // keeping the replaced file's permissions; it never writes into the file itself.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(Failure::Create, file.errorString());
#ifdef Q_OS_UNIX
    // The replaced file's owner too, where we may (only root may give a file away).
    if (existing.exists() && ::fchown(file.handle(), existing.ownerId(), existing.groupId()) != 0) {
        // Not permitted for other users' files: the new file keeps our ownership.
    }
#endif
    // Flushed and checked before the commit: on a full disk a small write may fail only here,
    // and a commit after it would replace the old file with an empty one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(Failure::Write, reason);
    }
#ifdef Q_OS_UNIX
    // The data must be on the disk before the old file goes; the commit syncs too, but does not
    // say when that fails.
    if (::fsync(file.handle()) != 0) {
        const QString reason = reasonOf(errno);
        file.cancelWriting();
        return failed(Failure::Write, reason);
    }
#endif
    if (!file.commit())
        return failed(Failure::Write, file.errorString());
    return {};
}

ReadResult read(const QString& path) {
    auto refused = [](ReadFailure failure, QString reason = {}) {
        ReadResult result;
        result.failure = failure;
        result.reason = std::move(reason);
        return result;
    };
    // A folder would open, with Qt's words for it; the system's are those of the rest.
    if (QFileInfo(path).isDir())
        return refused(ReadFailure::Open, reasonOf(EISDIR));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(ReadFailure::Open, file.errorString());
    // A large file is refused by its size, before its bytes are read; what has no size (a pipe)
    // is read up to one byte over the limit.
    if (!file.isSequential() && file.size() > kMostBytes)
        return refused(ReadFailure::TooLarge);
    const QByteArray bytes = file.read(kMostBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(ReadFailure::Open, file.errorString());
    if (bytes.size() > kMostBytes)
        return refused(ReadFailure::TooLarge);
    if (bytes.contains('\0'))
        return refused(ReadFailure::NotText);
    ReadResult result;
    result.text = decode(bytes);
    return result;
}

QString decode(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end is an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes); // drops a byte order mark
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    return windows1252.decode(bytes);
}

} // namespace CfgFile
