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

bool encodable(QStringView text) {
    // Stateless: a lone high surrogate at the end is an error, not a character held back for a
    // later call (which would drop it and report success).
    QStringEncoder probe("windows-1252", QStringConverter::Flag::Stateless);
    // The encoder works when its result is taken, not when encode() is called.
    const QByteArray bytes = probe.encode(text);
    return !probe.hasError();
}

// Finds the first character the code page cannot hold; only called once encoding has failed.
// Pieces of the text are tried first, so that a large text is not probed character by character.
void findBadCharacter(const QString& text, Encoded& result) {
    constexpr qsizetype kPiece = 4096;
    int line = 1;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = qMin(start + kPiece, text.size());
        if (end < text.size() && text.at(end - 1).isHighSurrogate())
            ++end; // a surrogate pair stays whole
        const QStringView piece = QStringView(text).mid(start, end - start);
        if (encodable(piece)) {
            line += static_cast<int>(piece.count(QLatin1Char('\n')));
            start = end;
            continue;
        }
        for (qsizetype i = start; i < end; ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('\n')) {
                ++line;
                continue;
            }
            const qsizetype length =
                (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2
                                                                                                : 1;
            const QString character = text.mid(i, length);
            if (!encodable(character)) {
                result.badLine = line;
                result.badCharacter = character;
                return;
            }
            i += length - 1;
        }
        return;
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

// Copies the characters, each as one byte, with CR before every LF; without a branch, as an LF
// comes every few dozen characters.
template <class Unit> char* withCrLf(const Unit* in, const Unit* end, char* out) {
    for (; in != end; ++in) {
        *out = '\r';
        out += *in == Unit('\n');
        *out++ = static_cast<char>(*in);
    }
    return out;
}

} // namespace

Encoded encode(const QString& text) {
    Encoded result;
    if (text.isEmpty())
        return result;
    // Texts of many megabytes occur, so no step copies the text needlessly: most texts hold LF
    // line breaks only and need no replacing, and the final line break goes into the bytes.
    QString lines = text;
    if (lines.contains(QLatin1Char('\r'))) {
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    const bool finalBreak = !lines.endsWith(QLatin1Char('\n'));
    const auto* const begin = reinterpret_cast<const char16_t*>(lines.constData());
    const char16_t* const end = begin + lines.size();

    // Whether the text is ASCII only, and how many line breaks it has; in blocks of a fixed size,
    // which the compiler turns into vector instructions.
    char16_t any = 0;
    qsizetype breaks = finalBreak ? 1 : 0;
    constexpr qsizetype kBlock = 64;
    const char16_t* c = begin;
    for (; end - c >= kBlock; c += kBlock) {
        char16_t blockAny = 0;
        int blockBreaks = 0;
        for (qsizetype i = 0; i < kBlock; ++i) {
            blockAny |= c[i];
            blockBreaks += c[i] == u'\n';
        }
        any |= blockAny;
        breaks += blockBreaks;
    }
    for (; c != end; ++c) {
        any |= *c;
        breaks += *c == u'\n';
    }
    char* out = nullptr;
    if (any < 0x80) {
        // Every ASCII character is a byte of its own in Windows-1252: a text of ASCII only, the
        // usual case, goes into the bytes as it is.
        result.bytes.resize(lines.size() + breaks + (finalBreak ? 1 : 0));
        out = withCrLf(begin, end, result.bytes.data());
    } else {
        QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
        const QByteArray single = encoder.encode(lines);
        if (encoder.hasError()) {
            findBadCharacter(lines, result);
            return result;
        }
        breaks = single.count('\n') + (finalBreak ? 1 : 0);
        result.bytes.resize(single.size() + breaks + (finalBreak ? 1 : 0));
        out = withCrLf(single.cbegin(), single.cend(), result.bytes.data());
    }
    if (finalBreak) {
        *out++ = '\r';
        *out++ = '\n';
    }
    Q_ASSERT(out == result.bytes.constData() + result.bytes.size());
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
