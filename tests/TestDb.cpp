#include "tests/TestDb.h"

#include <QFile>

TestDb::TestDb(int vehicles)
{
    m_path = m_dir.path() + QStringLiteral("/BD.GDB");
    schema::createDatabase(m_path, QStringLiteral(QX_SCHEMA_FILE));
    if (vehicles >= 0) {
        schema::DemoSize s;
        s.vehicles = vehicles;
        schema::fillDemo(m_path, s);
    }
}

std::unique_ptr<TDM> connectedDM(const QString& path)
{
    auto dm = std::make_unique<TDM>(path);
    dm->IBDatabase1.connect();
    dm->IBTransaction1.start();
    return dm;
}

void execOnOtherConnection(const QString& path, const QString& sql)
{
    schema::Session s(path);
    db::executeImmediate(&s.transaction, sql);
    s.transaction.commit();
    s.database.close();
}

QString readOnOtherConnection(const QString& path, const QString& sql)
{
    schema::Session s(path);
    db::Statement st;
    st.prepare(&s.transaction, sql);
    Firebird::IResultSet* rs = st.openCursor(&s.transaction, {});
    std::vector<unsigned char> row(st.output().length);
    db::Status status;
    const bool found = db::guarded([&] { return rs->fetchNext(&status, row.data()) == Firebird::IStatus::RESULT_OK; });
    db::guarded([&] { rs->close(&status); });
    const db::Value v = found ? db::decode(st.output().columns.at(0), row.data()) : db::Value::ofText("<none>");
    st.release();
    s.transaction.commit();
    s.database.close();
    return v.isNull() ? QStringLiteral("<null>") : v.kind == db::Value::Date ? v.date.toString(Qt::ISODate) : v.asText();
}

QByteArray slurp(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void spit(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}
