#pragma once
// A Firebird server of the tests' own, on a loopback port, with a security database
// in a temporary folder that knows SYSDBA with the program's password.
#include <QProcess>
#include <QTemporaryDir>

class TestServer {
public:
    TestServer();
    ~TestServer();
    bool started() const { return m_started; }
    QString error() const { return m_error; }
    // "127.0.0.1/PORT:" followed by a database file path reaches it.
    QString prefix() const { return QStringLiteral("127.0.0.1/%1:").arg(m_port); }
    void kill();  // as a crash or a cut cable would: at once
    bool start(); // again, on the same port

private:
    QTemporaryDir m_root;
    QProcess m_server;
    int m_port = 0;
    bool m_started = false;
    QString m_error;
};
