#pragma once
// A fresh database file in a temporary folder, made from the project's schema script.
#include "data/Schema.h"

#include <QTemporaryDir>

class TestDb {
public:
    explicit TestDb(int vehicles = -1); // -1: empty tables; otherwise demo rows
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path() + u'/'; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

#include "data/U_DM.h"
#include <memory>

// A data module connected to a test database, as start-up leaves it.
std::unique_ptr<TDM> connectedDM(const QString& path);

// Runs one statement in its own committed transaction on a separate connection.
void execOnOtherConnection(const QString& path, const QString& sql);
// The first column of the first row, read on a separate connection as another workstation
// sees it: "<none>" for no row, "<null>" for a null, dates as yyyy-mm-dd.
QString readOnOtherConnection(const QString& path, const QString& sql);

// A whole file's bytes (empty when it cannot be read), and a file written whole.
QByteArray slurp(const QString& path);
void spit(const QString& path, const QByteArray& bytes);
