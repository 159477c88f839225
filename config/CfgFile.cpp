#include "config/CfgFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

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

// Windows-1252's characters for the bytes 0x80 to 0x9F. The five bytes it leaves undefined stand
// for the control characters of the same number, as Latin-1 has them, so that any byte reads and
// writes back as it was.
constexpr char16_t kHighBytes[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

WriteResult failed(Failure failure, QString reason) {
    return {failure, std::move(reason)};
}

// Temporary files of earlier saves that a crash cut short: named so, owned by us, not locked by a
// save still writing, and not younger than a few seconds.
constexpr char kTemporaryPrefix[] = ".ledgerwick-";
constexpr char kTemporarySuffix[] = ".tmp";
constexpr time_t kStaleSeconds = 5;

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

int windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHighBytes[i] == c)
            return 0x80 + i;
    return -1;
}

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
    // A name whose bytes are not UTF-8 reaches Qt's file classes as another name: saving there
    // would leave the file itself as it was and write a new one beside it.
    if (QFile::encodeName(path) != fileNameBytes(path))
        return failed(Failure::Create, QCoreApplication::translate(
                                           "CfgFile", "Its name holds bytes that are not UTF-8: "
                                                      "save it under another name"));
    const QFileInfo existing(path);
    if (existing.exists()) {
        if (existing.isDir())
            return failed(Failure::Create, reasonOf(EISDIR));
        if (!existing.isWritable())
            return failed(Failure::Create, reasonOf(EACCES));
#ifdef Q_OS_UNIX
        // A file nobody may write to is left alone, also by root, whom the system would let:
        // by its mode (WriteUser says what the system lets us do).
        if (!(existing.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)))
            return failed(Failure::Create, reasonOf(EACCES));
#endif
    }

    // What a save cut short by a crash left in the folder goes first.
    removeStaleTemporaries(fileNameBytes(QFileInfo(path).absolutePath()));

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
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // The system's own words ("No space left on device"): Qt's are often "Unknown error".
        const QString reason = errno ? reasonOf(errno) : file.errorString();
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
    errno = 0;
    if (!file.commit())
        return failed(Failure::Write, errno ? reasonOf(errno) : file.errorString());
    return {};
}

namespace {

ReadResult refused(ReadFailure failure, QString reason = {}) {
    ReadResult result;
    result.failure = failure;
    result.reason = std::move(reason);
    return result;
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("CfgFile", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("CfgFile", "a named pipe");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("CfgFile", "a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("CfgFile", "a device");
    return S_ISREG(mode) ? QString() : QCoreApplication::translate("CfgFile", "not a file");
}

// UTF-16 text has a byte order mark of its own, or, mostly ASCII, a NUL in every other byte.
bool isUtf16(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    if (bytes.size() % 2 != 0)
        return false;
    qsizetype even = 0, odd = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0')
            ++(i % 2 ? odd : even);
    return (even == 0) != (odd == 0) && 4 * (even + odd) >= bytes.size();
}

// Reads to the end: what has no size (a pipe) up to one byte over the limit.
ReadResult readDescriptor(int fd, const struct stat& status) {
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
    return readBytes(bytes);
}

} // namespace

ReadResult readBytes(const QByteArray& bytes) {
    if (bytes.size() > kMostBytes)
        return refused(ReadFailure::TooLarge);
    if (isUtf16(bytes))
        return refused(ReadFailure::Utf16);
    if (bytes.contains('\0'))
        return refused(ReadFailure::NotText);
    ReadResult result;
    result.text = decode(bytes, &result.format);
    return result;
}

ReadResult read(const QString& path) {
    const QByteArray name = fileNameBytes(path);
    // Without blocking: opening a named pipe would otherwise wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all.
        struct stat status {};
        if (error == ENXIO && ::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
            return refused(ReadFailure::NotRegular, kindOf(status.st_mode));
        return refused(ReadFailure::Open, reasonOf(error));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return refused(ReadFailure::Open, reasonOf(errno));
    if (!S_ISREG(status.st_mode))
        return refused(ReadFailure::NotRegular, kindOf(status.st_mode));
    // A large file is refused by its size, before its bytes are read.
    if (status.st_size > kMostBytes)
        return refused(ReadFailure::TooLarge);
    return readDescriptor(fd, status);
}

ReadResult readStandardInput() {
    struct stat status {};
    if (::fstat(STDIN_FILENO, &status) != 0)
        return refused(ReadFailure::Open, reasonOf(errno));
    if (S_ISDIR(status.st_mode))
        return refused(ReadFailure::NotRegular, kindOf(status.st_mode));
    if (S_ISREG(status.st_mode) && status.st_size > kMostBytes)
        return refused(ReadFailure::TooLarge);
    return readDescriptor(STDIN_FILENO, status);
}

Found lookAt(const QString& path) {
    struct stat status {};
    if (::stat(fileNameBytes(path).constData(), &status) != 0)
        return {errno == ENOENT ? Found::Kind::Nothing : Found::Kind::Unknown, reasonOf(errno)};
    if (S_ISREG(status.st_mode))
        return {Found::Kind::RegularFile, {}};
    return {Found::Kind::Other, kindOf(status.st_mode)};
}

QString fileNameFromBytes(const QByteArray& name) {
    QString text;
    text.reserve(name.size());
    const auto* b = reinterpret_cast<const unsigned char*>(name.constData());
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size;) {
        // The length and smallest value of a sequence from its first byte; anything else is a
        // byte of its own.
        const unsigned char lead = b[i];
        int length = lead < 0x80             ? 1
                     : (lead & 0xE0) == 0xC0 ? 2
                     : (lead & 0xF0) == 0xE0 ? 3
                     : (lead & 0xF8) == 0xF0 ? 4
                                             : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        for (int k = 1; k < length; ++k) {
            if (i + k >= size || (b[i + k] & 0xC0) != 0x80) {
                length = 0;
                break;
            }
            code = (code << 6) | (b[i + k] & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (length == 0 || code < kSmallest[length] || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF)) {
            text.append(QChar(char16_t(0xDC00 | lead)));
            ++i;
            continue;
        }
        const char32_t one[] = {code};
        text.append(QString::fromUcs4(one, 1));
        i += length;
    }
    return text;
}

QByteArray fileNameBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const bool kept = i < name.size() && name[i].unicode() >= 0xDC80 &&
                          name[i].unicode() <= 0xDCFF && !(i > 0 && name[i - 1].isHighSurrogate());
        if (i < name.size() && !kept)
            continue;
        bytes += QStringView(name).sliced(from, i - from).toUtf8();
        if (kept)
            bytes += char(name[i].unicode() & 0xFF);
        from = i + 1;
    }
    return bytes;
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
