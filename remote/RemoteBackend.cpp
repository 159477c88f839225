#include "remote/RemoteBackend.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

#include <mutex>

const RemoteBackend* RemoteBackend::get(QString* error) {
    static std::once_flag once;
    static const RemoteBackend* backend = nullptr;
    static QString failure;
    std::call_once(once, [] {
        // Where the package installs it beside the program's folder, else in the build tree.
        const QString name = QStringLiteral("ledgerwick-remote");
        const QString here = QCoreApplication::applicationDirPath();
        const QStringList places{here + QStringLiteral("/../" LEDGERWICK_BACKEND_DIR "/") + name,
                                 here + QLatin1Char('/') + name,
                                 here + QStringLiteral("/../") + name};
        QStringList reasons;
        for (const QString& place : std::as_const(places)) {
            QLibrary library(place);
            using Entry = const RemoteBackend* (*)();
            if (auto entry =
                    reinterpret_cast<Entry>(library.resolve("ledgerwick_remote_backend"))) {
                backend = entry();
                return;
            }
            reasons << library.errorString();
        }
        failure = QCoreApplication::translate(
                      "Remote", "The part of Ledgerwick that reaches servers could not be "
                                "loaded (%1). Reinstall the program.")
                      .arg(reasons.join(QStringLiteral("; ")));
    });
    if (!backend && error)
        *error = failure;
    return backend;
}
