#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The save-file dialog's settings, kept between runs of the dialog: the name it proposes is the
// full path chosen last time ("servercfg" at first, in the folder last used).
class SaveDialog : public QObject {
    Q_OBJECT
public:
    explicit SaveDialog(QObject* parent = nullptr);

    QString fileName() const { return m_fileName; }
    // What the dialog proposes next, e.g. the file just opened.
    void setFileName(const QString& path) { m_fileName = path; }

    // Runs the dialog modally; true when the user chose a file.
    bool execute(QWidget* owner);

    // File > Open…'s dialog, in the folder of the file opened last: the file chosen, or nothing.
    static QString chooseFileToOpen(QWidget* owner);

private:
    QString m_fileName = QStringLiteral("servercfg");
};
