#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A session bus of the test's own with a keyring (the Secret Service) on it, unlocked, keeping
// its secrets in a temporary folder; the process talks to it from the moment this is made.
class SecretService {
public:
    SecretService();
    ~SecretService();
    // Both started; the keyring takes a moment more to be on the bus.
    bool running() const { return m_running; }

private:
    QTemporaryDir m_home;
    QProcess m_bus;
    QProcess m_keyring;
    bool m_running = false;
};
