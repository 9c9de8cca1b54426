#include "data/Engine.h"
#include "tests/TestDb.h"

#include <QElapsedTimer>
#include <QTest>

using db::Value;

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("none") << "select * from CARROS order by PROTOCOLO" << "select * from CARROS order by PROTOCOLO"
                              << QStringList{};
        QTest::newRow("case ignored, repeated once")
            << "where ID = :old_id or X = :Old_Id" << "where ID = ? or X = ?" << QStringList{"OLD_ID"};
        QTest::newRow("LIKE pattern widened")
            << "Where NOME LIKE   :pNOME1\r\nor    NOME LIKE   :pNOME2"
            << "Where NOME LIKE   CAST(? AS VARCHAR(1024))\r\nor    NOME LIKE   CAST(? AS VARCHAR(1024))"
            << QStringList{"PNOME1", "PNOME2"};
        QTest::newRow("equality not widened") << "Where PLACA = :pNOME1" << "Where PLACA = ?" << QStringList{"PNOME1"};
        QTest::newRow("word ending in like is no LIKE")
            << "where UNLIKE = :a" << "where UNLIKE = ?" << QStringList{"A"};
        QTest::newRow("colons in literals and comments stay")
            << "select ':x', \":y\" /* :z */ from T -- :w\nwhere A = :b" << "select ':x', \":y\" /* :z */ from T -- :w\nwhere A = ?"
            << QStringList{"B"};
        QTest::newRow("quote doubled inside literal") << "where A = 'it''s :no' and B = :yes"
                                                      << "where A = 'it''s :no' and B = ?" << QStringList{"YES"};
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, sql);
        QFETCH(QStringList, names);
        const db::ParsedSql p = db::parseSql(text);
        QCOMPARE(QString::fromLatin1(p.sql), sql);
        QCOMPARE(QStringList(p.names.begin(), p.names.end()), names);
    }

    void dateText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: null
        QTest::addColumn<bool>("fails");
        QTest::newRow("dd/mm/yyyy") << "05/03/2024" << QDate(2024, 3, 5) << false;
        QTest::newRow("empty is null") << "" << QDate() << false;
        QTest::newRow("blank mask is null") << "  /  /    " << QDate() << false;
        QTest::newRow("mask placeholders null") << "__/__/____" << QDate() << false;
        QTest::newRow("31 February") << "31/02/2024" << QDate() << true;
        QTest::newRow("month 13") << "01/13/2024" << QDate() << true;
        QTest::newRow("half typed") << "12/0 /2024" << QDate() << true;
        QTest::newRow("words") << "ontem" << QDate() << true;
    }
    void dateText()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(bool, fails);
        if (fails) {
            QVERIFY_THROWS_EXCEPTION(db::Error, db::dateFromText(text));
            return;
        }
        const Value v = db::dateFromText(text);
        QCOMPARE(v.isNull(), !date.isValid());
        if (date.isValid()) {
            QCOMPARE(v.date, date);
            QCOMPARE(v.asText(), text); // read back, it sets the same value again
        }
    }

    void encodeRejectsWhatAColumnCannotHold()
    {
        db::Column c;
        c.name = "PLACA";
        c.type = SQL_VARYING;
        c.length = 7;
        c.offset = 0;
        c.nullOffset = 10;
        unsigned char msg[12] = {};
        db::encode(c, msg, Value::ofText("ABC1234"));
        QCOMPARE(db::decode(c, msg).text, "ABC1234");
        QVERIFY_THROWS_EXCEPTION(db::Error, db::encode(c, msg, Value::ofText("ABC12345")));
        c.type = SQL_LONG;
        c.length = 4;
        QVERIFY_THROWS_EXCEPTION(db::Error, db::encode(c, msg, Value::ofText("12a")));
        QVERIFY_THROWS_EXCEPTION(db::Error, db::encode(c, msg, Value::ofInt(qint64(1) << 40)));
        db::encode(c, msg, Value::ofText(" 42 "));
        QCOMPARE(db::decode(c, msg).asInteger(), 42);
        db::encode(c, msg, Value::ofText(""));
        QVERIFY(db::decode(c, msg).isNull());
    }

    void decimalKeepsItsScale()
    {
        db::Column c;
        c.type = SQL_INT64;
        c.scale = -2;
        c.length = 8;
        c.nullOffset = 8;
        unsigned char msg[10] = {};
        db::encode(c, msg, Value::ofText("12,5"));
        QCOMPARE(db::decode(c, msg).asText(), "12.50");
        db::encode(c, msg, Value::ofInt(-7, 0));
        QCOMPARE(db::decode(c, msg).asText(), "-7.00");
    }

    void connectFailureCarriesTheEngineMessage()
    {
        QTemporaryDir dir;
        db::Database d;
        d.databaseName = dir.path() + "/nada/BD.GDB";
        d.params = schema::connectParams();
        try {
            d.connect();
            QFAIL("connected to a missing file");
        } catch (const db::Error& e) {
            QVERIFY2(e.text().contains("BD.GDB") || e.text().contains("No such file"), e.what());
        }
        QVERIFY(!d.connected());
    }

    void likeAcceptsPatternsLongerThanTheColumn()
    {
        TestDb tdb;
        execOnOtherConnection(tdb.path(), "insert into CARROS (ID, PROTOCOLO, VEICULO, ESCRITORIO) values "
                                          "(1, 4217, 'FIAT UNO MILLE FIRE 1.0 QUATRO PORTAS XX', '0042')");
        auto dm = connectedDM(tdb.path());
        db::Dataset& ds = dm->IB_CARROS;
        const QString term40 = "FIAT UNO MILLE FIRE 1.0 QUATRO PORTAS XX";
        QCOMPARE(term40.size(), 40);
        struct Case {
            QString lines;
            QString value;
            int rows;
        };
        const Case cases[] = {
            {"Where VEICULO LIKE   :pNOME2", "%" + term40 + "%", 1},         // 42 against 40
            {"Where ESCRITORIO LIKE   :pNOME2", "%0042%", 1},               // 6 against 4
            {"Where PROTOCOLO LIKE   :pPROTOCOLO", "42%", 1},              // integer by its decimal text
            {"Where PROTOCOLO LIKE   :pPROTOCOLO", "%17", 1},
            {"Where PROTOCOLO LIKE   :pPROTOCOLO", "5%", 0},
            {"Where VEICULO LIKE   :pNOME2", "%fiat%", 0},                    // case matters
        };
        for (const Case& c : cases) {
            ds.close();
            ds.setSelectSQL({"Select * from CARROS", c.lines, "order by PROTOCOLO"});
            ds.setParamText(0, c.value);
            ds.open();
            QVERIFY2(ds.recordCount() == c.rows, qPrintable(c.lines + " " + c.value));
        }
    }

    void conflictingUpdateFailsAtOnce()
    {
        TestDb tdb(3);
        auto a = connectedDM(tdb.path());
        auto b = connectedDM(tdb.path());
        db::executeImmediate(&a->IBTransaction1, "update CARROS set NOME = 'A' where ID = 1");
        QElapsedTimer t;
        t.start();
        QVERIFY_THROWS_EXCEPTION(db::Error, db::executeImmediate(&b->IBTransaction1, "update CARROS set NOME = 'B' where ID = 1"));
        QVERIFY(t.elapsed() < 2000); // nowait: no waiting for the other transaction to end
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
