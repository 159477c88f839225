#include "window/console/PasswordKeyring.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace PasswordKeyring {

namespace {

const QString kService = QStringLiteral("Ledgerwick remote console");

// Runs a job to its end; the job deletes itself afterwards.
PasswordKeyring::Result run(QKeychain::Job* job) {
    Result result;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job*) {
        if (job->error() == QKeychain::EntryNotFound)
            result.password.reset();
        else if (job->error() != QKeychain::NoError)
            result.error = job->errorString();
        else if (auto* reading = qobject_cast<QKeychain::ReadPasswordJob*>(job))
            result.password = reading->textData();
        loop.quit();
    });
    job->setAutoDelete(true);
    job->start();
    loop.exec();
    return result;
}

} // namespace

Result read(const QString& server) {
    auto* job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(server);
    return run(job);
}

Result remember(const QString& server, const QString& password) {
    auto* job = new QKeychain::WritePasswordJob(kService);
    // Only in the Secret Service: never a plain-text file beside the settings.
    job->setInsecureFallback(false);
    job->setKey(server);
    job->setTextData(password);
    return run(job);
}

Result forget(const QString& server) {
    auto* job = new QKeychain::DeletePasswordJob(kService);
    job->setKey(server);
    return run(job);
}

} // namespace PasswordKeyring
