#include "tests/TestDb.h"

#include <QSignalSpy>
#include <QTest>

#include <cstring>

using db::State;

class TestDataset : public QObject {
    Q_OBJECT

private slots:
    void openReadsRowsInOrderAndFields()
    {
        TestDb tdb(25);
        auto dm = connectedDM(tdb.path());
        dm->IB_CARROS.open();
        QCOMPARE(dm->IB_CARROS.state(), State::Browse);
        QCOMPARE(dm->IB_CARROS.recordCount(), 25); // the after-open handler fetched all
        QCOMPARE(dm->IB_CARROS.currentRow(), 0);
        QCOMPARE(dm->IB_CARROSPROTOCOLO->asInteger(), 1);
        QCOMPARE(dm->IB_CARROSNOME->name(), "IB_CARROSNOME");
        QVERIFY(dm->IB_CARROSDATA_PROTOCOLO->asDate().isValid());
        QStringList names;
        for (int i = 0; i < dm->IB_CARROS.fieldCount(); ++i) names << dm->IB_CARROS.field(i)->fieldName();
        QCOMPARE(names, QStringList({"ID", "NOME", "PROTOCOLO", "VEICULO", "PLACA", "COR", "ANO", "DATA", "ESCRITORIO",
                                     "DATACADASTRO", "DATA_PROTOCOLO", "TIPOSERVICO"}));
        dm->IB_DESPACHANTES.open();
        QCOMPARE(dm->IB_DESPACHANTES.fetchedAll(), false); // read as needed, not all at once
        dm->IB_DESPACHANTES.last();
        QCOMPARE(dm->IB_DESPACHANTES.recordCount(), 6);
    }

    void stateChangesAreReportedOncePerChange()
    {
        TestDb tdb(2);
        auto dm = connectedDM(tdb.path());
        QList<State> seen;
        connect(&dm->DS_DESPACHANTES, &db::DataSource::stateChanged, this,
                [&](db::DataSource* s) { seen << s->dataSet()->state(); });
        db::Dataset& d = dm->IB_DESPACHANTES;
        d.open();
        d.open(); // no change, no report
        d.edit();
        d.edit();
        d.cancel();
        d.append();
        d.close();
        QCOMPARE(seen, QList<State>({State::Browse, State::Edit, State::Browse, State::Insert, State::Inactive}));
    }

    void postDrawsTheKeyAndAnAppendedRowStaysLast()
    {
        TestDb tdb(5);
        auto dm = connectedDM(tdb.path());
        db::Dataset& s = dm->IB_SERVICOS; // ordered by SERVICO
        s.open();
        s.append();
        QCOMPARE(s.rowCount(), 9);
        dm->IB_SERVICOSSERVICO->setAsString("AAA PRIMEIRO NA ORDEM");
        s.post();
        QCOMPARE(s.state(), State::Browse);
        QCOMPARE(dm->IB_SERVICOSID->asInteger(), 9); // the generator stood at 8
        QCOMPARE(s.currentRow(), 8);
        QVERIFY(dm->IB_SERVICOSVALOR->isNull());
        QCOMPARE(s.valueAt(8, 1).text, "AAA PRIMEIRO NA ORDEM");
        dm->IBTransaction1.commitRetaining();
        s.close();
        s.open();
        QCOMPARE(dm->IB_SERVICOSSERVICO->asString(), "AAA PRIMEIRO NA ORDEM"); // reopened: in the select's order
    }

    void alterationWritesTheDecimalBackUnchanged()
    {
        TestDb tdb(0);
        auto dm = connectedDM(tdb.path());
        db::Dataset& s = dm->IB_SERVICOS;
        s.open();
        const QString before = dm->IB_SERVICOSVALOR->asString();
        QVERIFY(!before.isEmpty());
        s.edit();
        dm->IB_SERVICOSSERVICO->setAsString("OUTRO NOME");
        s.post();
        dm->IBTransaction1.commitRetaining();
        s.close();
        s.open();
        s.last();
        bool found = false;
        for (int r = 0; r < s.recordCount(); ++r)
            if (s.valueAt(r, 1).text == "OUTRO NOME") found = s.valueAt(r, 2).asText() == before;
        QVERIFY(found);
    }

    void failedPostKeepsStateAndValues()
    {
        TestDb tdb(3);
        auto dm = connectedDM(tdb.path());
        db::Dataset& c = dm->IB_CARROS;
        c.open();
        c.append();
        dm->IB_CARROSNOME->setAsString("FULANO");
        dm->IB_CARROSID->setAsInteger(1); // taken: the primary key refuses it
        QVERIFY_THROWS_EXCEPTION(db::Error, c.post());
        QCOMPARE(c.state(), State::Insert);
        QCOMPARE(dm->IB_CARROSNOME->asString(), "FULANO");
        QCOMPARE(c.rowCount(), 4);
        dm->IB_CARROSID->setAsInteger(99);
        c.post();
        QCOMPARE(c.recordCount(), 4);
    }

    void fieldsRefuseWhatTheyCannotHold()
    {
        TestDb tdb(1);
        auto dm = connectedDM(tdb.path());
        db::Dataset& c = dm->IB_CARROS;
        c.open();
        QVERIFY_THROWS_EXCEPTION(db::Error, dm->IB_CARROSNOME->setAsString("NOT EDITING"));
        c.edit();
        QVERIFY_THROWS_EXCEPTION(db::Error, dm->IB_CARROSPLACA->setAsString("ABC12345"));
        QVERIFY_THROWS_EXCEPTION(db::Error, dm->IB_CARROSDATA->setAsString("31/02/2024"));
        dm->IB_CARROSDATA->setAsString("29/02/2024");
        QCOMPARE(dm->IB_CARROSDATA->asDate(), QDate(2024, 2, 29));
    }

    void commitRetainingKeepsCursorAndRollbackClosesEverything()
    {
        TestDb tdb(2500); // more rows than the first read brings
        auto dm = connectedDM(tdb.path());
        db::Dataset& d = dm->IB_DESPACHANTES;
        d.open();
        d.setCurrentRow(3);
        dm->IB_CARROS.setSelectSQL({"select * from CARROS where PROTOCOLO > :p order by PROTOCOLO"});
        dm->IB_CARROS.setParamText("p", "10");
        QSignalSpy afterOpen(&dm->IB_CARROS, &db::Dataset::afterOpen);
        disconnect(&dm->IB_CARROS, &db::Dataset::afterOpen, dm.get(), &TDM::IB_CARROSAfterOpen); // keep it lazy
        dm->IB_CARROS.open();
        QVERIFY(!dm->IB_CARROS.fetchedAll());
        dm->IB_SERVICOS.open();
        dm->IB_SERVICOS.edit();

        dm->IBTransaction1.commitRetaining();
        QCOMPARE(d.currentRow(), 3);
        QCOMPARE(dm->IB_SERVICOS.state(), State::Edit);
        dm->IB_CARROS.fetchAll(); // the cursor survived the commit
        QCOMPARE(dm->IB_CARROS.recordCount(), 2490);

        dm->IB_GERAIS.open();
        dm->IBTransaction1.rollback();
        for (db::Dataset* ds : {&dm->IB_CARROS, &dm->IB_DESPACHANTES, &dm->IB_SERVICOS, &dm->IB_GERAIS})
            QCOMPARE(ds->state(), State::Inactive);
        QVERIFY(!dm->IBTransaction1.active());
        QCOMPARE(dm->IB_CARROS.paramText(0), QString()); // parameter values are gone with it
        dm->IB_CARROS.setParamText(0, "2400");
        dm->IB_CARROS.open(); // and a new transaction starts on opening
        QVERIFY(dm->IBTransaction1.active());
        dm->IB_CARROS.fetchAll();
        QCOMPARE(dm->IB_CARROS.recordCount(), 100);
    }

    void endOfRunCommitsWhatWasPostedAndDropsWhatWasNot()
    {
        TestDb tdb(2);
        {
            auto dm = connectedDM(tdb.path());
            dm->IB_CARROS.open();
            dm->IB_CARROS.append();
            dm->IB_CARROSNOME->setAsString("POSTADO");
            dm->IB_CARROS.post(); // no commit follows
            dm->IB_CARROS.append();
            dm->IB_CARROSNOME->setAsString("NAO POSTADO");
        } // the program ends
        QCOMPARE(readOnOtherConnection(tdb.path(), "select count(*) from CARROS"), "3");
        QCOMPARE(readOnOtherConnection(tdb.path(), "select count(*) from CARROS where NOME = 'POSTADO'"), "1");
    }

    void rollbackUndoesUncommittedWork()
    {
        TestDb tdb(3);
        auto dm = connectedDM(tdb.path());
        dm->IB_CARROS.open();
        dm->IB_CARROS.deleteRow();
        dm->IBTransaction1.rollback();
        dm->IB_CARROS.open();
        QCOMPARE(dm->IB_CARROS.recordCount(), 3);
    }

    void anotherConnectionsCommitShowsOnReopen()
    {
        TestDb tdb(3);
        auto dm = connectedDM(tdb.path());
        dm->IB_CARROS.open();
        execOnOtherConnection(tdb.path(), "update CARROS set NOME = 'OUTRA ESTACAO' where ID = 1");
        QVERIFY(dm->IB_CARROSNOME->asString() != "OUTRA ESTACAO"); // the buffer holds what was read
        dm->IB_CARROS.refresh();
        QCOMPARE(dm->IB_CARROSNOME->asString(), "OUTRA ESTACAO");
        execOnOtherConnection(tdb.path(), "insert into CARROS (ID, PROTOCOLO) values (50, 50)");
        dm->IB_CARROS.close();
        dm->IB_CARROS.open();
        QCOMPARE(dm->IB_CARROS.recordCount(), 4);
    }

    void writeThatFindsNoRowFails()
    {
        TestDb tdb(3);
        auto dm = connectedDM(tdb.path());
        db::Dataset& c = dm->IB_CARROS;
        c.open();
        execOnOtherConnection(tdb.path(), "delete from CARROS where ID = 1");
        c.edit();
        dm->IB_CARROSNOME->setAsString("PERDIDO");
        QVERIFY_THROWS_EXCEPTION(db::Error, c.post());
        QCOMPARE(c.state(), State::Edit);
        c.cancel();
        QVERIFY_THROWS_EXCEPTION(db::Error, c.deleteRow());
        QCOMPARE(c.recordCount(), 3);
    }

    void deleteOnEmptyDatasetNamesIt()
    {
        TestDb tdb;
        auto dm = connectedDM(tdb.path());
        dm->IB_DESPACHANTES.open();
        try {
            dm->IB_DESPACHANTES.deleteRow();
            QFAIL("deleted on an empty dataset");
        } catch (const db::Error& e) {
            QCOMPARE(e.text(), "IB_DESPACHANTES: Não é possível realizar esta operação em um arquivo vazio");
        }
    }

    void deleteRemovesTheRowAndKeepsAPlace()
    {
        TestDb tdb(4);
        auto dm = connectedDM(tdb.path());
        db::Dataset& c = dm->IB_CARROS;
        c.open();
        c.last();
        c.deleteRow();
        QCOMPARE(c.recordCount(), 3);
        QCOMPARE(c.currentRow(), 2);
        c.first();
        const auto mark = c.bookmark();
        c.setCurrentRow(1);
        c.deleteRow(); // rows before the marked one shift nothing
        c.last();
        c.gotoBookmark(mark);
        QCOMPARE(dm->IB_CARROSPROTOCOLO->asInteger(), 1);
    }

    void rowStoreKeepsRowsInPlaceAndCompact()
    {
        db::RowStore store;
        const unsigned len = 238;
        store.reset(len);
        std::vector<unsigned char*> where;
        for (quint32 i = 0; i < 50000; ++i) {
            const quint32 s = store.alloc();
            QCOMPARE(s, i);
            std::memset(store.at(s), int(i % 251), len);
            where.push_back(store.at(s));
        }
        for (quint32 i = 0; i < 50000; i += 997) {
            QCOMPARE(store.at(i), where[i]); // growing never moved a stored row
            QCOMPARE(int(store.at(i)[len - 1]), int(i % 251));
        }
        QVERIFY(store.bytes() <= size_t(1.5 * 50000 * len));
        store.unallocLast();
        QCOMPARE(store.count(), 49999u);
    }
};

QTEST_GUILESS_MAIN(TestDataset)
#include "test_dataset.moc"
