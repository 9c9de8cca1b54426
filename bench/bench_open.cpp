// qx-bench DATABASE: how fast the vehicle grid's dataset fills, against the limits
// of the engine's own client loop and of isql-fb, on a database made by qx-mkdb.
#include "app/QX.h"
#include "app/U_Principal.h"
#include "data/Schema.h"
#include "data/U_DM.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Firebird;

namespace {

const char* kSelect = "select * from CARROS order by PROTOCOLO";

struct Run {
    double seconds = 1e9;
    long rows = 0;
    double bytesPerRow = 0;
    unsigned rowLength = 0;
};

Run datasetOpen(const QString& path)
{
    Run r;
    TDM dm(path);
    dm.IBDatabase1.connect();
    dm.IBTransaction1.start();
    QElapsedTimer t;
    t.start();
    dm.IB_CARROS.open(); // its after-open handler reads every row
    r.seconds = double(t.nsecsElapsed()) / 1e9;
    r.rows = dm.IB_CARROS.recordCount();
    r.rowLength = dm.IB_CARROS.rowLength();
    r.bytesPerRow = double(dm.IB_CARROS.bufferBytes()) / double(std::max(1L, r.rows));
    return r;
}

Run bareLoop(const QString& path)
{
    Run r;
    schema::Session session(path);
    db::Database& d = session.database;
    db::Transaction& tr = session.transaction;
    db::Status st;
    db::guarded([&] {
        QElapsedTimer t;
        t.start();
        IStatement* stmt = d.attachment()->prepare(&st, tr.handle(), 0, kSelect, 3, IStatement::PREPARE_PREFETCH_METADATA);
        IMessageMetadata* meta = stmt->getOutputMetadata(&st);
        std::vector<unsigned char> buf(meta->getMessageLength(&st));
        IResultSet* rs = stmt->openCursor(&st, tr.handle(), nullptr, nullptr, meta, 0);
        while (rs->fetchNext(&st, buf.data()) == IStatus::RESULT_OK) ++r.rows;
        rs->close(&st);
        r.seconds = double(t.nsecsElapsed()) / 1e9;
        r.rowLength = meta->getMessageLength(&st);
        meta->release();
        stmt->free(&st);
    });
    tr.commit();
    d.close();
    return r;
}

Run isql(const QString& path)
{
    Run r;
    QTemporaryFile script;
    script.open();
    script.write(QByteArray("SET HEADING OFF;\n") + kSelect + ";\n");
    script.flush();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-u"), QStringLiteral("SYSDBA"),
                                         QStringLiteral("-p"), QStringLiteral("plumbagot"), QStringLiteral("-ch"),
                                         QStringLiteral("ISO8859_1"), QStringLiteral("-i"), script.fileName(), path});
    p.waitForFinished(-1);
    r.seconds = double(t.nsecsElapsed()) / 1e9;
    if (p.exitCode() != 0) std::fprintf(stderr, "isql-fb: %s\n", p.readAllStandardError().constData());
    return r;
}

struct Gui {
    double startSeconds = 0;
    double scrollSeconds = 0;
    int steps = 0;
    int rows = 0;
};

// The program started over the database with the vehicle grid filled at start,
// then its grid scrolled from the top to the bottom, painting at every step.
Gui startAndScroll(const QString& path)
{
    Gui g;
    QTemporaryDir dir;
    QFile ini(dir.path() + QStringLiteral("/corvantaCFG.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("[REDE]\r\nCAMINHO=" + (QFileInfo(path).absolutePath() + u'/').toLatin1() +
              "\r\nORIGEM_BACKUP=/o/\r\nDESTINO_BACKUP=/d/\r\n[OPCOES]\r\nINICIARABERTO=T\r\nCAMPOCOR=T\r\n"
              "CAMPODATA=T\r\nCAMPOESCRITORIO=T\r\nCAMPOSERVICO=T\r\n");
    ini.close();
    QElapsedTimer t;
    t.start();
    Programa program(dir.path());
    program.F_Principal->show();
    QCoreApplication::processEvents();
    g.startSeconds = double(t.nsecsElapsed()) / 1e9;
    ui::DBGrid* grid = program.F_Principal->DBGrid1;
    g.rows = grid->model()->rowCount();
    if (!program.F_Principal->GroupBox1->title().startsWith(QStringLiteral("Registros Visualizados: ")))
        std::fprintf(stderr, "the record counter was not written\n");
    QScrollBar* bar = grid->verticalScrollBar();
    g.steps = 2000;
    t.restart();
    for (int i = 0; i <= g.steps; ++i) {
        bar->setValue(int(qint64(bar->maximum()) * i / g.steps));
        grid->viewport()->repaint();
    }
    g.scrollSeconds = double(t.nsecsElapsed()) / 1e9;
    return g;
}

template <class F>
Run best(int times, F f)
{
    Run b;
    for (int i = 0; i < times; ++i) {
        Run r = f();
        if (r.seconds < b.seconds) b = r;
    }
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: qx-bench DATABASE\n");
        return 2;
    }
    const QString path = app.arguments().at(1);
    try {
        bareLoop(path); // brings the file into the cache for every run alike
        const Run a = best(3, [&] { return datasetOpen(path); });
        const Run b = best(3, [&] { return bareLoop(path); });
        const Run c = best(2, [&] { return isql(path); });
        std::printf("rows                                   %ld\n", a.rows);
        std::printf("(a) IB_CARROS open + fetch all         %.3f s\n", a.seconds);
        std::printf("(b) bare fbclient fetch loop           %.3f s\n", b.seconds);
        std::printf("(c) isql-fb to /dev/null               %.3f s\n", c.seconds);
        std::printf("(a)/(b)                                %.2f   (goal <= 1.30)\n", a.seconds / b.seconds);
        std::printf("(a)/(c)                                %.2f   (goal < 1.00)\n", a.seconds / c.seconds);
        std::printf("engine row message                     %u bytes\n", b.rowLength);
        std::printf("buffered bytes per row                 %.1f (%.2f x the message; goal <= 1.50)\n", a.bytesPerRow,
                    a.bytesPerRow / b.rowLength);
        const Gui g = startAndScroll(path);
        std::printf("program start to main window with counter %.3f s (%d rows in the grid)\n", g.startSeconds, g.rows);
        std::printf("grid scrolled top to bottom            %.3f s in %d painted steps (%.2f ms a step)\n",
                    g.scrollSeconds, g.steps, 1000.0 * g.scrollSeconds / g.steps);
        if (a.rows != b.rows) {
            std::fprintf(stderr, "row counts differ: %ld against %ld\n", a.rows, b.rows);
            return 1;
        }
    } catch (const db::Error& e) {
        std::fprintf(stderr, "qx-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
