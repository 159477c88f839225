#include "document/Document.h"

#include "config/CharacterNames.h"
#include "config/LineDiff.h"
#include "remote/History.h"

#include <QFile>
#include <QFileInfo>

namespace {

// An operating system's description of an error, without the trailing blanks, line breaks and
// full stops that would clash with the message around it.
QString trimmedReason(QString reason) {
    while (!reason.isEmpty() && (reason.back().isSpace() || reason.back() == QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

} // namespace

Location Location::local(const QString& path) {
    return {path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath(), {}};
}

QString Location::name() const {
    return isRemote() ? address.shortName() : QFileInfo(path).fileName();
}

QString Location::text() const {
    return isRemote() ? address.toString() : path;
}

QString Location::historyAccount() const {
    return isRemote() ? address.userAtHostPort() : QString();
}

QString Location::historyPath() const {
    return isRemote() ? address.path() : path;
}

bool Location::operator==(const Location& other) const {
    return path == other.path && address.toString() == other.address.toString();
}

QString Document::readFailureReason(const CfgFile::ReadResult& read) {
    switch (read.failure) {
    case CfgFile::ReadFailure::None:
        break;
    case CfgFile::ReadFailure::Open:
        return read.reason;
    case CfgFile::ReadFailure::NotRegular:
        return tr("It is not a regular file but %1").arg(read.reason);
    case CfgFile::ReadFailure::NotText:
        return tr("It is not a text file: it holds NUL bytes");
    case CfgFile::ReadFailure::Utf16:
        return tr("It is UTF-16 text: save it as UTF-8 or Windows-1252");
    case CfgFile::ReadFailure::TooLarge:
        return tr("It is larger than 1 MiB, far more than a .cfg file holds");
    }
    return {};
}

Document::Document(QObject* parent)
    : QObject(parent) {}

RemoteClient* Document::remoteClient() {
    if (!m_remote)
        m_remote = new RemoteClient(this);
    return m_remote;
}

Document::Read Document::read(const QString& name) {
    Read read;
    if (name == QLatin1String("-")) {
        read.text = CfgFile::readStandardInput();
    } else if (!RemoteAddress::looksLikeAddress(name)) {
        read.place = Location::local(name);
        read.text = CfgFile::read(name);
    } else {
        QString invalid;
        read.place = Location::remote(RemoteAddress::parse(name, &invalid));
        if (!read.place.isRemote()) {
            // The text as typed may hold a password: it is not shown.
            read.reason = invalid;
            read.error = tr("Cannot open the address. %1").arg(invalid);
            return read;
        }
        RemoteClient* client = remoteClient();
        client->fetch(read.place.address);
        const RemoteClient::Result fetched = client->waitForFinished();
        read.cancelled = fetched.cancelled;
        read.folder = fetched.failure == RemoteTransfer::Failure::IsFolder;
        if (!fetched.ok) {
            read.reason = fetched.reason;
            read.error = fetched.message;
            return read;
        }
        read.bytes = fetched.bytes;
        read.text = CfgFile::readBytes(fetched.bytes);
    }
    if (!read.text.ok()) {
        read.reason = trimmedReason(readFailureReason(read.text));
        read.error = tr("Cannot open file \"%1\". %2").arg(read.place.text(), read.reason);
    }
    return read;
}

Document::Read Document::fromBytes(const QByteArray& bytes, const Location& place) {
    Read read;
    read.place = place;
    read.bytes = bytes;
    read.text = CfgFile::readBytes(bytes);
    return read;
}

void Document::open(const Read& read) {
    m_layout.emplace(read.text.text, read.text.format);
    m_openedLines.clear();
    m_fileLines = FileLines();
    m_place = read.place;
    m_bytes = read.bytes;
    // A document with no file has something to save.
    setModified(read.place.isNone());
    emit baseChanged();
}

void Document::clear() {
    m_layout.reset();
    m_openedLines.clear();
    m_fileLines = FileLines();
    m_place = Location();
    m_bytes.clear();
    setModified(false);
    emit baseChanged();
}

QString Document::rewritten(const QList<Opening::Line>& settings, const QStringList& own,
                            const QList<Opening::Line>& loose) const {
    return m_layout ? m_layout->rewritten(m_openedLines, settings, own, loose) : QString();
}

QString Document::showInEditor(const QString& fileText) {
    m_fileLines = FileLines(fileText, format());
    return m_fileLines.shown();
}

QString Document::savedText(const QString& shown, bool edited) const {
    // An opened file: each line that stayed keeps its line break, as save() writes it. A new
    // text: each line with one.
    if (m_layout)
        return m_fileLines.text(edited ? shown : m_fileLines.shown());
    return shown.isEmpty() || shown.endsWith(QLatin1Char('\n')) ? shown : shown + QLatin1Char('\n');
}

std::optional<QString> Document::baseText() const {
    if (m_layout)
        return m_layout->text();
    // A new document has its place once saved.
    if (!m_place.isNone())
        return CfgFile::decode(m_bytes);
    return std::nullopt;
}

QString Document::text() const {
    if (m_textSource)
        return m_textSource();
    return m_layout ? m_layout->text() : QString();
}

void Document::setModified(bool modified) {
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

Document::Saved Document::save(const QString& shown, bool edited,
                               const std::optional<Location>& to) {
    const Location destination = to.value_or(m_place);
    // An opened file is written as it was: its encoding, and each line that stayed with its own
    // line break. A text nobody edited is saved as it was made: the editor shows some characters
    // (line and paragraph separators) as line breaks of its own.
    const std::optional<FileFormat> format =
        m_layout ? std::optional(m_layout->format()) : std::nullopt;
    const QString fileText = format ? savedText(shown, edited) : QString();
    const CfgFile::Encoded encoded =
        format ? CfgFile::encodeAsIs(fileText, *format) : CfgFile::encode(shown);
    if (!encoded.ok()) {
        Saved saved;
        saved.error = tr("Line %1: the character %2 cannot be stored in a Windows-1252 file.")
                          .arg(encoded.badLine)
                          .arg(describeCharacter(encoded.badCharacter));
        return saved;
    }
    // Another file on a server holds, as far as the document knows, nothing yet: one that is
    // there already is overwritten only when the user says so.
    const std::optional<QString> before = baseText();
    Saved saved =
        write(destination, encoded.bytes, destination == m_place ? m_bytes : QByteArray());
    if (!saved.ok)
        return saved;
    if (before)
        saved.changedLines = LineDiff(*before, savedText(shown, edited)).count();
    m_place = destination;
    m_bytes = encoded.bytes;
    if (format) {
        // What was saved is the document now, as if it had just been opened: a value edited in
        // the text is not undone by the next "Finish!".
        m_layout.emplace(fileText, *format);
        m_fileLines = FileLines(fileText, *format);
    }
    setModified(false);
    emit baseChanged();
    return saved;
}

Document::Saved Document::restore(const QByteArray& bytes) {
    Saved saved = write(m_place, bytes, m_bytes);
    if (saved.ok)
        open(fromBytes(bytes, m_place));
    return saved;
}

Document::Saved Document::write(const Location& to, const QByteArray& bytes,
                                const QByteArray& expected) {
    Saved saved;
    saved.bytes = bytes.size();
    if (to.isRemote()) {
        RemoteClient* client = remoteClient();
        client->store(to.address, bytes, expected);
        const RemoteClient::Result stored = client->waitForFinished();
        saved.ok = stored.ok;
        saved.cancelled = stored.cancelled;
        (stored.ok ? saved.note : saved.error) = stored.cancelled ? QString() : stored.message;
        return saved;
    }
    const QString& path = to.path;
    // The bytes about to be replaced are kept first, as those of a file on a server are.
    const QFileInfo existing(path);
    if (existing.isFile() && existing.size() <= RemoteTransfer::kMaxFileSize) {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly)) {
            const QString kept =
                History().keep(QString(), existing.absoluteFilePath(), old.readAll());
            if (!kept.isEmpty()) {
                saved.error = tr("Cannot save \"%1\". %2").arg(path, kept);
                return saved;
            }
        }
    }
    const CfgFile::WriteResult written = CfgFile::write(path, bytes);
    switch (written.failure) {
    case CfgFile::Failure::None:
        saved.ok = true;
        break;
    case CfgFile::Failure::Create:
        saved.error = tr("Cannot create file \"%1\". %2").arg(path, trimmedReason(written.reason));
        break;
    case CfgFile::Failure::Write:
        // The file as it was stays; say why the new one could not be written.
        saved.error = tr("Cannot write file \"%1\". %2").arg(path, trimmedReason(written.reason));
        break;
    }
    return saved;
}
