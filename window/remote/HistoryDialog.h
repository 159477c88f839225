#pragma once

#include "document/Document.h"

#include <QDateTime>
#include <QDialog>

#include <optional>

class QTreeWidget;

// File > History…: the earlier versions of the open document, newest first, by time and size;
// one can be opened as a new document or restored over the document's file.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { None, Open, Restore };

    // `place`: the account of a file on a server, user@host:port; empty for a local file.
    HistoryDialog(const QString& place, const QString& path, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    // The file of the version chosen.
    QString versionFile() const { return m_file; }
    // When it was saved over, in UTC.
    QDateTime versionTime() const { return m_time; }

    // Runs the dialog for the file at `place` and reads the version chosen.
    struct Chosen {
        Choice choice = Choice::None;
        QByteArray bytes;
        QString when;  // when it was saved over, as the user's language writes it
        QString error; // why it could not be read, in words
    };
    static std::optional<Chosen> chooseVersion(const Location& place, QWidget* parent);

private:
    void choose(Choice choice);

    QTreeWidget* lstVersions;
    Choice m_choice = Choice::None;
    QString m_file;
    QDateTime m_time;
};
