// qx-mkdb PATH [VEHICLES]: creates a database file from the schema script,
// with demo offices, service types and VEHICLES generated vehicles when asked.
#include "data/Engine.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: qx-mkdb PATH [VEHICLES]\n");
        return 2;
    }
    const QString path = QFileInfo(args[1]).absoluteFilePath();
    if (QFileInfo::exists(path)) {
        std::fprintf(stderr, "qx-mkdb: %s exists already; nothing done\n", qPrintable(path));
        return 1;
    }
    try {
        schema::createDatabase(path, QStringLiteral(QX_SCHEMA_FILE));
        if (args.size() == 3) {
            schema::DemoSize size;
            size.vehicles = args[2].toInt();
            schema::fillDemo(path, size);
        }
    } catch (const db::Error& e) {
        std::fprintf(stderr, "qx-mkdb: %s\n", e.what());
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}
