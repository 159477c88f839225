#include "config/CfgFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

constexpr char kTemporaryPrefix[] = ".ledgerwick-";
constexpr char kTemporarySuffix[] = ".tmp";
// Younger temporary files may be another save's that has not locked its file yet.
constexpr time_t kStaleSeconds = 5;

// A temporary file beside the target, created exclusively and locked while it is written; its
// name does not depend on the target's, so a long target name cannot make it too long.
int createTemporary(const QByteArray& folder, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '/' + kTemporaryPrefix +
               QByteArray::number(QRandomGenerator::global()->generate(), 36) + kTemporarySuffix;
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            ::flock(fd, LOCK_EX);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool isTemporaryName(const char* name) {
    const std::string_view n(name);
    const std::string_view prefix(kTemporaryPrefix);
    const std::string_view suffix(kTemporarySuffix);
    if (n.size() <= prefix.size() + suffix.size() || !n.starts_with(prefix) || !n.ends_with(suffix))
        return false;
    const std::string_view number =
        n.substr(prefix.size(), n.size() - prefix.size() - suffix.size());
    return std::all_of(number.begin(), number.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
}

// Removes what a save cut short (a crash, a kill) left in the folder: our own temporary files,
// regular files of this user that no running save holds locked, and not just made.
void removeStaleTemporaries(const QByteArray& folder) {
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name))
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            now - status.st_mtime >= kStaleSeconds && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(dir);
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

    removeStaleTemporaries(folder);
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

ReadResult read(const QString& path) {
    auto refused = [](ReadFailure failure, QString reason = {}) {
        ReadResult result;
        result.failure = failure;
        result.reason = std::move(reason);
        return result;
    };
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return refused(ReadFailure::Open, reasonOf(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return refused(ReadFailure::Open, reasonOf(errno));
    // A folder opens for reading; reading it fails.
    if (S_ISDIR(status.st_mode))
        return refused(ReadFailure::Open, reasonOf(EISDIR));
    // A large file is refused by its size, before its bytes are read; what has no size (a pipe)
    // is read up to one byte over the limit.
    if (S_ISREG(status.st_mode) && status.st_size > kMostBytes)
        return refused(ReadFailure::TooLarge);

    QByteArray bytes;
    bytes.resize(S_ISREG(status.st_mode) ? qsizetype(status.st_size) + 1 : 64 * 1024);
    qsizetype size = 0;
    for (;;) {
        if (size == bytes.size())
            bytes.resize(std::min(bytes.size() * 2, kMostBytes + 1));
        const ssize_t got =
            ::read(fd, bytes.data() + size, static_cast<size_t>(bytes.size() - size));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return refused(ReadFailure::Open, reasonOf(errno));
        }
        if (got == 0)
            break;
        size += got;
        if (size > kMostBytes)
            return refused(ReadFailure::TooLarge);
    }
    bytes.truncate(size);
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
