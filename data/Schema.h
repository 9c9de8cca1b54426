#pragma once
// Preparing database files: a new one from the schema script, and demo content.
#include "data/Engine.h"

#include <QString>
#include <QStringList>

namespace schema {

// SYSDBA with the program's password, as the program connects.
QStringList connectParams();

// A connection of its own with its one transaction started, as tools and tests open one.
struct Session {
    explicit Session(const QString& path);
    db::Database database;
    db::Transaction transaction{&database};
};

// The statements of a script: split at ";", comments and blank lines dropped.
QStringList statements(const QString& scriptText);

// Creates path (it must not exist) and runs the script in it.
void createDatabase(const QString& path, const QString& scriptFile);

struct DemoSize {
    int vehicles = 0;
    int offices = 6;
    int services = 8;
};
// Fills a new database with generated offices, service types and vehicles,
// the counter in GERAIS and the generators set past the rows written.
void fillDemo(const QString& path, const DemoSize& size, unsigned seed = 20261211);

} // namespace schema
