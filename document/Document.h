#pragma once

#include "config/CfgFile.h"
#include "config/FileFormat.h"
#include "config/FileLines.h"
#include "config/Opening.h"
#include "remote/RemoteAddress.h"
#include "remote/RemoteClient.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// Where a document lives: nowhere yet (a new one), a file on this computer, or a file on a server.
struct Location {
    QString path;          // a file on this computer, absolute
    RemoteAddress address; // a file on a server

    static Location local(const QString& path);
    static Location remote(const RemoteAddress& address) { return {QString(), address}; }

    bool isNone() const { return path.isEmpty() && !address.isValid(); }
    bool isRemote() const { return address.isValid(); }
    // What titles and notes call it: the file's name, or "host:/path/name" for an address.
    QString name() const;
    // All of it: the path, or the address without a password.
    QString text() const;
    // Where its earlier versions are kept: the account of a file on a server (empty for a file
    // here), and its path there.
    QString historyAccount() const;
    QString historyPath() const;

    bool operator==(const Location& other) const;
};

// The open document, without widgets: where it lives, the bytes it was opened or last saved with,
// the format and layout of that file, and whether anything of it changed since. It opens and
// saves itself, on this computer or on a server, keeping the bytes it replaces in History first.
// A window that shows it gives it the text it shows (setTextSource) and says when its values
// change (setModified); the settings themselves live in the window's controls.
class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(QObject* parent = nullptr);

    const Location& place() const { return m_place; }

    // A file's bytes as text, or why they are not: what every way of opening goes through.
    struct Read {
        Location place;
        QByteArray bytes; // as a file on a server held them
        CfgFile::ReadResult text;
        bool cancelled = false;
        bool folder = false; // the address names a folder
        // What went wrong: in words that name the file, and the reason alone.
        QString error;
        QString reason;
        bool ok() const { return !cancelled && !folder && error.isEmpty(); }
    };
    // Reads a file here, a file at an address (sftp://, ftps://, ftp://) or, for "-", standard
    // input, without changing the document. A file at an address is fetched through
    // remoteClient(), which asks its questions of whoever answers them.
    Read read(const QString& name);
    // Bytes at hand (an earlier version) read the same way.
    static Read fromBytes(const QByteArray& bytes, const Location& place = Location());
    // Why a file could not be read, in words: the system's for a file it could not open or read.
    static QString readFailureReason(const CfgFile::ReadResult& read);

    // What was read becomes the document: from its place, which it then saves to and which is
    // not modified; or, with no place, a new document holding it, which is.
    void open(const Read& read);
    // A new document: no file, no layout, nothing changed.
    void clear();

    // The opened file's text and layout; none for a document that was generated, not opened.
    const std::optional<Opening>& layout() const { return m_layout; }
    Opening* layout() { return m_layout ? &*m_layout : nullptr; }
    // The format the text is saved in: the opened file's, else a new file's.
    FileFormat format() const { return m_layout ? m_layout->format() : FileFormat(); }
    // The setting lines the pages wrote when the file was opened or last saved, so that
    // rewritten() changes only what changed since.
    void setOpenedLines(const QList<Opening::Line>& lines) { m_openedLines = lines; }
    // The opened file with the settings' changes made in place and `own` lines at its end, with
    // its own line breaks; `loose` settings of variables no page writes as Opening::rewritten()
    // places them. Null for a document that has no layout.
    QString rewritten(const QList<Opening::Line>& settings, const QStringList& own,
                      const QList<Opening::Line>& loose = {}) const;
    // `fileText` (from rewritten()) as an editor shows it, with LF line breaks; a save of the
    // editor's text then gives each line that stayed its own line break again.
    QString showInEditor(const QString& fileText);

    // The text a save of `shown` writes (see save()), before it is encoded.
    QString savedText(const QString& shown, bool edited) const;
    // The text the document was opened or last saved with, which a save is compared with; none
    // for a new document that was never saved.
    std::optional<QString> baseText() const;

    // The text of the document now: as its window shows it, when it has one; else the text it
    // was opened or saved with.
    QString text() const;
    void setTextSource(std::function<QString()> source) { m_textSource = std::move(source); }

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    struct Saved {
        bool ok = false;
        bool cancelled = false;
        QString error; // in words, naming the file
        QString note;  // anything else worth knowing (the server set its own permissions)
        qsizetype bytes = 0;
        // The lines that differ from the text before (baseText()); -1 when there was none.
        int changedLines = -1;
    };
    // Saves `shown`, the text as the editor shows it (`edited` when the user changed it since it
    // was generated), to `to`, else to the document's own place, keeping the bytes it replaces
    // first. An opened file keeps its encoding, byte order mark and each unchanged line's line
    // break. Once saved, the text is the document, as if just opened from there.
    Saved save(const QString& shown, bool edited, const std::optional<Location>& to = std::nullopt);
    // Writes an earlier version's bytes over the document's file as a save does (what it
    // replaces becomes a version in turn), then opens them.
    Saved restore(const QByteArray& bytes);

    // Transfers of files on servers; their questions and progress are signals of its own.
    RemoteClient* remoteClient();

signals:
    void modifiedChanged(bool modified);
    // baseText() is another: the document was opened, cleared, saved or restored.
    void baseChanged();

private:
    Saved write(const Location& to, const QByteArray& bytes, const QByteArray& expected);

    Location m_place;
    QByteArray m_bytes; // as opened or last saved
    std::optional<Opening> m_layout;
    QList<Opening::Line> m_openedLines;
    FileLines m_fileLines; // the rewritten text shown, beside its file's line breaks
    bool m_modified = false;
    std::function<QString()> m_textSource;
    RemoteClient* m_remote = nullptr;
};
