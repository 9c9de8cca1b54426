#include "tests/TestDb.h"

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
    db::Database d;
    d.databaseName = path;
    d.params = schema::connectParams();
    db::Transaction t(&d);
    d.defaultTransaction = &t;
    d.connect();
    t.start();
    db::executeImmediate(&t, sql);
    t.commit();
    d.close();
}
