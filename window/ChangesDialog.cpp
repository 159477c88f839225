#include "window/ChangesDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ChangesDialog::ChangesDialog(const QString& name, const QString& diff, QWidget* parent)
    : QDialog(parent)
    , lblChanges(new QLabel(this))
    , edChanges(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("ChangesDialog"));
    setWindowTitle(tr("Changes"));
    if (!diff.isEmpty())
        resize(640, 420);
    auto* layout = new QVBoxLayout(this);
    lblChanges->setObjectName(QStringLiteral("lblChanges"));
    lblChanges->setWordWrap(true);
    lblChanges->setText(
        diff.isEmpty()
            ? tr("Nothing would change: the text is the same as %1 as opened or last saved.")
                  .arg(name)
            : tr("What saving now would change in %1 as opened or last saved: lines taken out "
                 "start with \"-\", lines put in with \"+\".")
                  .arg(name));
    layout->addWidget(lblChanges);
    edChanges->setObjectName(QStringLiteral("edChanges"));
    edChanges->setReadOnly(true);
    // Columns line up as the command line prints them; long lines scroll rather than wrap.
    edChanges->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edChanges->setLineWrapMode(QPlainTextEdit::NoWrap);
    edChanges->setPlainText(diff);
    edChanges->setVisible(!diff.isEmpty());
    lblChanges->setBuddy(edChanges);
    edChanges->setAccessibleName(tr("Changes"));
    layout->addWidget(edChanges, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
