#include "remote/Keyring.h"
#include "remote/RemoteBackend.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace {

// Runs a job to its end; returns its error in words, empty when it succeeded or found no entry.
QString run(QKeychain::Job& job) {
    job.setAutoDelete(false);
    // Never the insecure fallback: a password goes to a keyring or nowhere.
    job.setInsecureFallback(false);
    QEventLoop loop;
    bool done = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        done = true;
        loop.quit();
    });
    job.start();
    if (!done)
        loop.exec();
    if (job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound)
        return {};
    return QCoreApplication::translate("Remote", "The system keyring: %1").arg(job.errorString());
}

} // namespace

void keyringRead(const QString& service, const QString& key, Keyring::Read* result) {
    QKeychain::ReadPasswordJob job(service);
    job.setKey(key);
    result->error = run(job);
    result->found = job.error() == QKeychain::NoError;
    if (result->found)
        result->secret = job.textData();
}

void keyringWrite(const QString& service, const QString& key, const QString& secret,
                  QString* error) {
    QKeychain::WritePasswordJob job(service);
    job.setKey(key);
    job.setTextData(secret);
    *error = run(job);
}

void keyringRemove(const QString& service, const QString& key, QString* error) {
    QKeychain::DeletePasswordJob job(service);
    job.setKey(key);
    *error = run(job);
}
