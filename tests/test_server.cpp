#include "app/QX.h"
#include "app/U_Principal.h"
#include "common/Funcoes.h"
#include "data/U_DM.h"
#include "tests/ScriptedPrompter.h"
#include "tests/TestDb.h"
#include "tests/TestServer.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using ui::Prompt;

namespace {
// Counts rows through the server on a connection of its own.
int countThrough(const QString& name, const QString& table)
{
    TDM dm(name);
    dm.IBDatabase1.connect();
    db::Dataset& ds = table == u"CARROS" ? dm.IB_CARROS : dm.IB_GERAIS;
    ds.open();
    ds.fetchAll();
    const int n = table == u"GERAIS" ? int(dm.IB_GERAISPROTOCOLO->asInteger()) : ds.recordCount();
    dm.IBTransaction1.commit();
    return n;
}
} // namespace

class TestServerConnection : public QObject {
    Q_OBJECT

private slots:
    void init() { ui::setEnding(false); }

    void workstationsShareADatabaseThroughTheServer()
    {
        TestDb tdb(5);
        TestServer server;
        QVERIFY2(server.started(), qPrintable(server.error()));
        const QString name = server.prefix() + tdb.path();
        TDM a(name), b(name);
        a.IBDatabase1.connect();
        b.IBDatabase1.connect();
        a.IB_CARROS.open();
        b.IB_CARROS.open();
        QCOMPARE(a.IB_CARROS.recordCount(), 5);
        a.IB_CARROS.append();
        a.IB_CARROSPROTOCOLO->setAsInteger(6);
        a.IB_CARROS.post();
        a.IBTransaction1.commitRetaining();
        b.IB_CARROS.close();
        b.IB_CARROS.open();
        QCOMPARE(b.IB_CARROS.recordCount(), 6); // the other workstation's committed row
        // Both draw from the counter; the second write of the same reading is refused.
        a.IB_GERAIS.open();
        b.IB_GERAIS.open();
        a.IB_GERAIS.edit();
        a.IB_GERAISPROTOCOLO->setAsInteger(6);
        a.IB_GERAIS.post();
        b.IB_GERAIS.edit();
        b.IB_GERAISPROTOCOLO->setAsInteger(6);
        QVERIFY_THROWS_EXCEPTION(db::Error, b.IB_GERAIS.post()); // nowait: held by a's uncommitted write
        a.IBTransaction1.commitRetaining();
        QVERIFY_THROWS_EXCEPTION(db::Error, b.IB_GERAIS.post()); // committed: the row read is gone
        b.IB_GERAIS.cancel();
        QCOMPARE(b.GravarProximoProtocolo(), 7);
    }

    void unreachableServerFailsWithTheEngineMessage()
    {
        db::Database d;
        d.databaseName = "127.0.0.1/1:/tmp/BD.GDB";
        d.params = schema::connectParams();
        try {
            d.connect();
            QFAIL("connected to nothing");
        } catch (const db::Error& e) {
            QVERIFY2(e.text().contains("network") || e.text().contains("connect"), e.what());
        }
    }

    void lostConnectionTakesTheSaveFailurePathAndLosesNothingCommitted()
    {
        TestDb tdb(5);
        TestServer server;
        QVERIFY2(server.started(), qPrintable(server.error()));
        QTemporaryDir dir;
        QFile ini(dir.path() + "/corvantaCFG.ini");
        ini.open(QIODevice::WriteOnly);
        ini.write("[REDE]\r\nCAMINHO=" + (server.prefix() + tdb.folder()).toLatin1() +
                  "\r\nORIGEM_BACKUP=/o/\r\nDESTINO_BACKUP=/d/\r\n[OPCOES]\r\nINICIARABERTO=T\r\nPROTOCOLO_AUTOMATICO=T\r\n"
                  "UM_NOVO_APOS_SALVAR=F\r\n[DADOS]\r\nVERSAO=" + VersaoPrograma().toLatin1() + "\r\n");
        ini.close();
        ScriptedPrompter script;
        Programa p(dir.path());
        p.F_Principal->show();
        QVERIFY(p.DM->IBDatabase1.connected());
        TF_Principal& w = *p.F_Principal;

        w.BitBtn1->click();
        p.DM->IB_CARROSNOME->setAsString("PRIMEIRO");
        w.BitBtn5->click();
        QCOMPARE(p.DM->IB_CARROS.recordCount(), 6);
        QVERIFY(script.shown.isEmpty());

        w.BitBtn1->click();
        p.DM->IB_CARROSNOME->setAsString("PERDIDO");
        server.kill();
        script.then(Prompt::Message).then(Prompt::Error);
        w.BitBtn5->click();
        QCOMPARE(script.shown.value(0).text, "Ocorreu um erro na gravação dos dados");
        QCOMPARE(p.DM->IB_CARROS.state(), db::State::Inactive);
        QVERIFY(w.BitBtn1->isEnabled() && !w.BitBtn5->isEnabled());

        QVERIFY(server.start());
        const QString name = server.prefix() + tdb.path();
        QCOMPARE(countThrough(name, "CARROS"), 6);
        QCOMPARE(countThrough(name, "GERAIS"), 6);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    TestServerConnection t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_server.moc"
