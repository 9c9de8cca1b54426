#include "tests/TestServer.h"

#include "data/Engine.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <unistd.h>

namespace {
const QString kLib = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");

bool isql(const QProcessEnvironment& env, const QStringList& args, const QByteArray& input, QString* error)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("isql-fb"), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    const QByteArray err = p.readAllStandardError();
    if (p.exitCode() != 0 || !err.trimmed().isEmpty()) {
        *error = QString::fromLocal8Bit(err + p.readAllStandardOutput());
        return false;
    }
    return true;
}
} // namespace

TestServer::TestServer()
{
    const QString r = m_root.path();
    QDir().mkpath(r + "/lock");
    QDir().mkpath(r + "/intl");
    QFile::link(kLib + "/plugins", r + "/plugins");
    // The character sets are found only from a real copy of their module under the root.
    QFile::copy(kLib + "/intl/libfbintl.so", r + "/intl/libfbintl.so");
    QFile::copy(QStringLiteral("/etc/firebird/3.0/fbintl.conf"), r + "/intl/fbintl.conf");
    QFile::copy(kLib + "/firebird.msg", r + "/firebird.msg");
    QFile::copy(QStringLiteral("/etc/firebird/3.0/plugins.conf"), r + "/plugins.conf");
    m_port = 20000 + int(getpid() % 20000);
    QFile conf(r + "/firebird.conf");
    conf.open(QIODevice::WriteOnly);
    conf.write(QStringLiteral("RemoteServicePort = %1\nRemoteBindAddress = 127.0.0.1\nSecurityDatabase = %2/security3.fdb\n"
                              "AuthServer = Srp\nUserManager = Srp\n")
                   .arg(m_port).arg(r).toUtf8());
    conf.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FIREBIRD", r);
    env.insert("FIREBIRD_LOCK", r + "/lock");
    const QString sec = r + "/security3.fdb";
    QFile script(QStringLiteral("/usr/share/firebird/3.0/security.sql"));
    if (!script.open(QIODevice::ReadOnly)) {
        m_error = "no security.sql: is firebird3.0-server installed?";
        return;
    }
    if (!isql(env, {"-q"}, "create database '" + sec.toUtf8() + "';\n", &m_error)) return;
    if (!isql(env, {"-q", sec}, script.readAll(), &m_error)) return;
    if (!isql(env, {"-q", "-user", "SYSDBA", sec}, "create user SYSDBA password 'plumbagot' using plugin Srp;\ncommit;\n", &m_error))
        return;
    m_server.setProcessEnvironment(env);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    start();
}

bool TestServer::start()
{
    m_server.start(QStringLiteral("/usr/sbin/firebird"), {});
    if (!m_server.waitForStarted(10000)) {
        m_error = m_server.errorString();
        return m_started = false;
    }
    // Up once it answers: a login to a missing file is refused by the server itself.
    for (int i = 0; i < 100; ++i) {
        db::Database d;
        d.databaseName = prefix() + m_root.path() + "/none.fdb";
        d.params = {"user_name=SYSDBA", "password=plumbagot"};
        try {
            d.connect();
        } catch (const db::Error& e) {
            if (!e.text().contains("connect") && !e.text().contains("network")) return m_started = true;
            m_error = e.text();
        }
        QThread::msleep(100);
    }
    return m_started = false;
}

void TestServer::kill()
{
    m_server.kill();
    m_server.waitForFinished(10000);
    m_started = false;
}

TestServer::~TestServer()
{
    if (m_server.state() != QProcess::NotRunning) kill();
}
