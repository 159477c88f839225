#include "config/CfgFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CfgFile {

namespace {

constexpr qsizetype kMostBytes = 1024 * 1024;

// Windows-1252's characters for the bytes 0x80 to 0x9F. The five bytes it leaves undefined stand
// for the control characters of the same number, as Latin-1 has them, so that any byte reads and
// writes back as it was.
constexpr char16_t kHighBytes[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1 when the code page has none.
int windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHighBytes[i] == c)
            return 0x80 + i;
    return -1;
}

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? kHighBytes[byte - 0x80] : char16_t(byte);
    }
    return text;
}

// The bytes of `text`, or the first character (a surrogate pair whole) the code page cannot hold
// with its line, counted from 1 at every LF, CR LF or CR.
Encoded toWindows1252(QStringView text) {
    Encoded result;
    result.bytes.resize(text.size());
    char* out = result.bytes.data();
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++line;
        const int byte = windows1252Byte(c);
        if (byte < 0) {
            const qsizetype length =
                QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()
                    ? 2
                    : 1;
            result.bytes.clear();
            result.badLine = line;
            result.badCharacter = text.mid(i, length).toString();
            return result;
        }
        *out++ = static_cast<char>(byte);
    }
    return result;
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
    // One kind of line break, each CR LF once encoded, also after the last line. Most texts hold
    // LF only: they are encoded as they stand.
    QString lines = text;
    if (lines.contains(QLatin1Char('\r'))) {
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    Encoded encoded = toWindows1252(lines);
    if (!encoded.ok())
        return encoded;
    QByteArray& bytes = encoded.bytes;
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

Encoded encodeAsIs(const QString& text, const FileFormat& format) {
    if (format.encoding == FileFormat::Encoding::Windows1252)
        return toWindows1252(text);
    Encoded result;
    if (format.byteOrderMark)
        result.bytes = QByteArray("\xEF\xBB\xBF");
    // A lone surrogate has no UTF-8 form: it is named like any character a file cannot hold.
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n'))))
            ++line;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            result.bytes.clear();
            result.badLine = line;
            result.badCharacter = c;
            return result;
        }
    }
    result.bytes += text.toUtf8();
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
    result.text = decode(bytes, &result.format);
    return result;
}

QString decode(const QByteArray& bytes, FileFormat* format) {
    // Stateless: a sequence cut off at the end is an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes); // drops a byte order mark
    const bool isUtf8 = !utf8.hasError();
    if (!isUtf8)
        text = fromWindows1252(bytes);
    if (format) {
        *format = FileFormat{};
        const bool mark = isUtf8 && bytes.startsWith("\xEF\xBB\xBF");
        const bool beyondAscii =
            std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return c & 0x80; });
        format->encoding = isUtf8 && (mark || beyondAscii) ? FileFormat::Encoding::Utf8
                                                           : FileFormat::Encoding::Windows1252;
        format->byteOrderMark = mark;
        qsizetype crlf = 0, lf = 0, cr = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else if (bytes[i] == '\n') {
                ++lf;
            } else if (bytes[i] == '\r') {
                ++cr;
            }
        }
        // The most common; on a tie the form a new document has, then LF.
        if (lf > crlf && lf >= cr)
            format->lineBreak = QStringLiteral("\n");
        else if (cr > crlf && cr > lf)
            format->lineBreak = QStringLiteral("\r");
        format->finalLineBreak = bytes.isEmpty() || bytes.endsWith('\n') || bytes.endsWith('\r');
    }
    return text;
}

} // namespace CfgFile
