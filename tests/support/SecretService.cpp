#include "support/SecretService.h"

#include <QDir>

SecretService::SecretService() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        const QString path = m_home.filePath(QLatin1String(folder));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QLatin1String(folder), path);
    }
    m_bus.setProcessEnvironment(environment);
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
    if (!m_bus.waitForStarted() || !m_bus.waitForReadyRead(5000))
        return;
    const QByteArray address = m_bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(address));

    // Unlocked with a password on its input, so that nothing asks for one.
    m_keyring.setProcessEnvironment(environment);
    m_keyring.start(QStringLiteral("gnome-keyring-daemon"),
                    {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                     QStringLiteral("--components=secrets")});
    if (!m_keyring.waitForStarted())
        return;
    m_keyring.write("test keyring");
    m_keyring.closeWriteChannel();
    m_running = true;
}

SecretService::~SecretService() {
    for (QProcess* process : {&m_keyring, &m_bus}) {
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(1000);
    }
}
