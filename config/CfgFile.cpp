#include "config/CfgFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CfgFile {

namespace {

// Finds the first character the code page cannot hold; only called once encoding has failed.
void findBadCharacter(const QString& text, Encoded& result) {
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            ++line;
            continue;
        }
        const qsizetype length =
            (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString character = text.mid(i, length);
        QStringEncoder probe("windows-1252");
        // The encoder works when its result is taken, not when encode() is called.
        const QByteArray bytes = probe.encode(character);
        if (probe.hasError()) {
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

WriteResult failed(Failure failure, int error) {
    return {failure, reasonOf(error)};
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A temporary file beside the target, created exclusively; its name does not depend on the
// target's, so a long target name cannot make it too long.
int createTemporary(const QByteArray& folder, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.ledgerwick-" +
               QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

Encoded encode(const QString& text) {
    Encoded result;
    if (text.isEmpty())
        return result;
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!lines.endsWith(QLatin1Char('\n')))
        lines.append(QLatin1Char('\n'));

    QStringEncoder encoder("windows-1252");
    const QByteArray single = encoder.encode(lines);
    if (encoder.hasError()) {
        findBadCharacter(lines, result);
        return result;
    }
    result.bytes.reserve(single.size() + lines.count(QLatin1Char('\n')));
    for (const char byte : single) {
        if (byte == '\n')
            result.bytes.append('\r');
        result.bytes.append(byte);
    }
    return result;
}

WriteResult write(const QString& path, const QByteArray& bytes) {
    QByteArray target = QFile::encodeName(path);

    struct stat existing {};
    const bool replacing = ::stat(target.constData(), &existing) == 0;
    if (replacing) {
        if (S_ISDIR(existing.st_mode))
            return failed(Failure::Create, EISDIR);
        if (::access(target.constData(), W_OK) != 0)
            return failed(Failure::Create, errno);
        // A file nobody may write to is left alone, also when running as root.
        if ((existing.st_mode & 0222) == 0)
            return failed(Failure::Create, EACCES);
        // Replace what a link points to, not the link.
        if (char* resolved = ::realpath(target.constData(), nullptr)) {
            target = resolved;
            ::free(resolved);
        }
    } else if (errno != ENOENT) {
        return failed(Failure::Create, errno);
    }

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(qMax<qsizetype>(slash, 1));

    QByteArray temporary;
    const int fd = createTemporary(folder, temporary);
    if (fd < 0)
        return failed(Failure::Create, errno);

    auto abandon = [&](Failure failure, int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return failed(failure, error);
    };

    if (replacing) {
        // Keep the replaced file's permissions (and owner, where we may).
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // Not permitted for other users' files: the new file keeps our ownership.
        }
        ::fchmod(fd, existing.st_mode & 07777);
    }
    if (!writeAll(fd, bytes))
        return abandon(Failure::Write, errno);
    // The data must be on the disk before the old file goes: a full disk may only show here.
    if (::fsync(fd) != 0)
        return abandon(Failure::Write, errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return failed(Failure::Write, error);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return failed(Failure::Create, error);
    }
    return {};
}

} // namespace CfgFile
