#include "tests/TestDb.h"

#include <QTest>

using db::State;

namespace {
// Records what the rules switch, role by role.
struct Panel {
    QMap<QString, bool> on;
    EditControls controls()
    {
        EditControls c;
        auto sw = [this](const QString& n) { return [this, n](bool v) { on[n] = v; }; };
        c.novo = sw("novo");
        c.grid = sw("grid");
        c.alterar = sw("alterar");
        c.excluir = sw("excluir");
        c.salvar = sw("salvar");
        c.cancelar = sw("cancelar");
        c.whileNotEditing = {sw("pesquisar"), sw("filtros")};
        c.whileBrowsing = {sw("relatorio")};
        return c;
    }
    QString enabled() const
    {
        QStringList l;
        for (auto it = on.begin(); it != on.end(); ++it)
            if (it.value()) l << it.key();
        return l.join(u' ');
    }
};
} // namespace

class TestDM : public QObject {
    Q_OBJECT

private slots:
    void enablingFollowsEachState()
    {
        TestDb tdb(3);
        auto dm = connectedDM(tdb.path());
        Panel carros, desp;
        dm->carrosControls = carros.controls();
        dm->despachantesControls = desp.controls();
        dm->despachantesControls.whileNotEditing.clear(); // no Pesquisar, Filtros or Relatório there
        dm->despachantesControls.whileBrowsing.clear();
        // The services tab was removed: no switches, and nothing may fail.
        const QString idle = "filtros grid novo pesquisar";
        const QString browsing = "alterar excluir filtros grid novo pesquisar relatorio";
        const QString editing = "cancelar salvar";

        dm->IB_CARROS.open();
        QCOMPARE(carros.enabled(), browsing);
        dm->IB_CARROS.append();
        QCOMPARE(carros.enabled(), editing);
        dm->IB_CARROS.cancel();
        dm->IB_CARROS.edit();
        QCOMPARE(carros.enabled(), editing);
        QVERIFY(desp.on.isEmpty()); // another tab's rules did not run

        dm->IB_DESPACHANTES.open();
        QVERIFY(dm->DS_DESPACHANTES.startEdit()); // typing into a bound edit
        QCOMPARE(desp.enabled(), editing);
        dm->IB_SERVICOS.open();
        dm->IB_SERVICOS.append();

        dm->IBTransaction1.rollback();
        QCOMPARE(carros.enabled(), idle);
        QCOMPARE(desp.enabled(), "grid novo");
    }

    void counterIsWrittenOnEveryOpening()
    {
        TestDb tdb(12);
        auto dm = connectedDM(tdb.path());
        QStringList captions;
        dm->setRecordCounter = [&](const QString& t) { captions << t; };
        dm->IB_CARROS.open();
        dm->IB_CARROS.deleteRow(); // deleting leaves the count as it was
        dm->IB_CARROS.close();
        dm->IB_CARROS.setSelectSQL({"select * from CARROS where ID < 0"});
        dm->IB_CARROS.open();
        QCOMPARE(captions, QStringList({"Registros Visualizados: 0000000012", "Registros Visualizados: 0000000000"}));
    }

    void emptyCounterTableReadsZeroAndEditInsertsItsRow()
    {
        TestDb tdb;
        auto dm = connectedDM(tdb.path());
        db::Dataset& g = dm->IB_GERAIS;
        g.open();
        QCOMPARE(dm->IB_GERAISPROTOCOLO->asInteger(), 0);
        g.edit();
        QCOMPARE(g.state(), State::Insert);
        dm->IB_GERAISPROTOCOLO->setAsInteger(1);
        g.post();
        dm->IBTransaction1.commitRetaining();
        g.close();
        g.open();
        QCOMPARE(g.recordCount(), 1);
        QCOMPARE(dm->IB_GERAISPROTOCOLO->asInteger(), 1);
    }

    void counterWriteFailsWhenAnotherStationMovedIt()
    {
        TestDb tdb(5); // counter at 5
        auto dm = connectedDM(tdb.path());
        db::Dataset& g = dm->IB_GERAIS;
        g.open();
        execOnOtherConnection(tdb.path(), "update GERAIS set PROTOCOLO = 6");
        g.edit();
        dm->IB_GERAISPROTOCOLO->setAsInteger(6);
        QVERIFY_THROWS_EXCEPTION(db::Error, g.post()); // it would hand out 6 twice
        g.cancel();
        g.close();
        g.open();
        QCOMPARE(dm->IB_GERAISPROTOCOLO->asInteger(), 6);
    }

    void keptQuerySurvivesARollback_data()
    {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("rows");
        QTest::newRow("one text parameter")
            << QStringList{"Select * from CARROS", "Where PROTOCOLO LIKE   :pPROTOCOLO", "order by PROTOCOLO"}
            << QStringList{"1%"} << 12; // 1, 10..19, 100
        QTest::newRow("two date parameters")
            << QStringList{"Select * from CARROS", "Where DATA_PROTOCOLO >= :pDATA1", "and DATA_PROTOCOLO <= :pDATA2",
                           "ORDER BY NOME desc"}
            << QStringList{"01/01/2019", "31/12/2020"} << -1;
    }
    void keptQuerySurvivesARollback()
    {
        QFETCH(QStringList, sql);
        QFETCH(QStringList, values);
        QFETCH(int, rows);
        TestDb tdb(100);
        auto dm = connectedDM(tdb.path());
        db::Dataset& c = dm->IB_CARROS;
        c.setSelectSQL(sql);
        for (int i = 0; i < values.size(); ++i) {
            if (values[i].contains(u'/')) c.setParamDate(c.paramName(i), db::dateFromText(values[i]).date);
            else c.setParamText(i, values[i]);
        }
        c.open();
        const int before = c.recordCount();
        if (rows >= 0) QCOMPARE(before, rows);
        QVERIFY(before > 0 && before < 100);

        const ConsultaCarros kept = dm->GuardarConsultaCarros();
        QCOMPARE(kept.n, values.size());
        QCOMPARE(kept.values, values); // dates travel as dd/mm/yyyy text
        QVERIFY(kept.open);
        dm->IBTransaction1.rollback();
        QVERIFY(!c.isOpen());
        dm->RestaurarConsultaCarros(kept);
        QVERIFY(c.isOpen());
        QCOMPARE(c.recordCount(), before);
        QCOMPARE(c.selectSQL(), sql);
    }

    void keptClosedQueryStaysClosed()
    {
        TestDb tdb(3);
        auto dm = connectedDM(tdb.path());
        const ConsultaCarros kept = dm->GuardarConsultaCarros();
        QVERIFY(!kept.open);
        QCOMPARE(kept.sql, QStringList{"select * from CARROS order by PROTOCOLO"});
        dm->IB_CARROS.setSelectSQL({"select * from CARROS where ID = 2"});
        dm->RestaurarConsultaCarros(kept);
        QVERIFY(!dm->IB_CARROS.isOpen());
        QCOMPARE(dm->IB_CARROS.selectSQL(), QStringList{"select * from CARROS where ID = 2"});
    }

    void restoreTrimsKeptValuesAndCanTakeAnotherText()
    {
        TestDb tdb(30);
        auto dm = connectedDM(tdb.path());
        ConsultaCarros k;
        k.open = true;
        k.n = 1;
        k.values = {"  2%  "};
        dm->RestaurarConsultaCarros(k, {"Select * from CARROS", "Where PROTOCOLO LIKE   :pPROTOCOLO", "ORDER BY PROTOCOLO desc"});
        QCOMPARE(dm->IB_CARROS.recordCount(), 11); // 2, 20..29
        QCOMPARE(dm->IB_CARROSPROTOCOLO->asInteger(), 29);
    }
};

QTEST_GUILESS_MAIN(TestDM)
#include "test_dm.moc"
