#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// What tests of files share: a fresh folder per test, reading and writing bytes, the bytes a
// saved text is made of, and running a test without the powers of root.
namespace TestFiles {

// A temporary folder made anew by renew() (from a test's init()), so that no test function sees
// another's files; it goes with the next renew() or reset().
class FreshFolder {
public:
    void renew();
    void reset() { m_folder.reset(); }
    const QTemporaryDir* operator->() const { return m_folder.get(); }
    // A path in the folder.
    QString file(const char* name) const { return m_folder->filePath(QLatin1String(name)); }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

// A file's bytes ("<unreadable>" when it cannot be read), and writing some.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// The bytes of `lines` as a saved .cfg holds them: Windows-1252, CR LF after each line. The lines
// hold ASCII and the few other characters these tests use (é € “), each spelt out here.
QByteArray savedBytes(const QStringList& lines);

// For a test that needs the file permissions to hold (a file nobody may read stays unread): when
// the test program runs as root, runs the current test function (and data row) again in a child
// program without root's power over file permissions, reports its outcome, and returns true: the
// caller then returns at once. Returns false where the caller should go on itself.
bool ranWithoutRootPowers();

} // namespace TestFiles
