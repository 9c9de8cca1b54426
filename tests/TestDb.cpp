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
