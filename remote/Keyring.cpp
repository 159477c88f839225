#include "remote/Keyring.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace {

// Runs a job to its end; returns its error in words, empty when it succeeded.
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
    if (job.error() == QKeychain::NoError)
        return {};
    return QStringLiteral("The system keyring: %1").arg(job.errorString());
}

} // namespace

Keyring::Keyring(const QString& service)
    : m_service(service) {}

Keyring::Read Keyring::read(const QString& key) const {
    QKeychain::ReadPasswordJob job(m_service);
    job.setKey(key);
    Read result;
    result.error = run(job);
    result.found = result.error.isEmpty();
    if (result.found)
        result.secret = job.textData();
    return result;
}

QString Keyring::write(const QString& key, const QString& secret) const {
    QKeychain::WritePasswordJob job(m_service);
    job.setKey(key);
    job.setTextData(secret);
    return run(job);
}

QString Keyring::remove(const QString& key) const {
    QKeychain::DeletePasswordJob job(m_service);
    job.setKey(key);
    return run(job);
}
