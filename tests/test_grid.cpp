#include "tests/ScriptedPrompter.h"
#include "tests/TestDb.h"
#include "toolkit/DBGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>

// The grid's model over a dataset read as needed: every change of rows must reach the
// view in step with the dataset.
class TestGrid : public QObject {
    Q_OBJECT

private slots:
    void modelStaysInStepWithTheDataset()
    {
        TestDb tdb(2500);
        auto dm = connectedDM(tdb.path());
        disconnect(&dm->IB_CARROS, &db::Dataset::afterOpen, dm.get(), &TDM::IB_CARROSAfterOpen); // stay lazy
        db::Dataset& c = dm->IB_CARROS;
        ui::DatasetModel model(&c, nullptr);
        model.setColumns({{"PROTOCOLO", "PROT", 42}, {"NOME", {}, -1}});
        auto inStep = [&] { QCOMPARE(model.rowCount(), c.rowCount()); };

        c.open();
        inStep();
        QVERIFY(model.canFetchMore({}));
        c.setCurrentRow(1700); // reading on to a row the model was not told of yet
        inStep();
        QCOMPARE(model.index(1700, 0).data().toString(), "1701");
        QCOMPARE(model.headerData(1700, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("\u25B6"));
        c.deleteRow();
        inStep();
        QCOMPARE(model.index(1700, 0).data().toString(), "1702");
        while (model.canFetchMore({})) model.fetchMore({});
        inStep();
        QCOMPARE(c.recordCount(), 2499);
        c.append();
        inStep();
        QCOMPARE(model.headerData(2499, Qt::Vertical, Qt::DisplayRole).toString(), "*");
        c.cancel();
        inStep();
        c.append();
        dm->IB_CARROSPROTOCOLO->setAsInteger(9999);
        c.post();
        inStep();
        QCOMPARE(model.index(2499, 0).data().toString(), "9999");
        dm->IBTransaction1.rollback();
        inStep();
        QCOMPARE(model.rowCount(), 0);
    }

    void gridReadsOnlyWhatItShowsAndFollowsTheCurrentRow()
    {
        TestDb tdb(2500);
        auto dm = connectedDM(tdb.path());
        disconnect(&dm->IB_CARROS, &db::Dataset::afterOpen, dm.get(), &TDM::IB_CARROSAfterOpen);
        db::Dataset& c = dm->IB_CARROS;
        ui::DBGrid grid("DBGrid1", nullptr);
        grid.resize(353, 297);
        grid.bind(&dm->DS_CARROS, {{"PROTOCOLO", "PROT", 42}, {"NOME", {}, -1}});
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        c.open();
        QCoreApplication::processEvents();
        QVERIFY(c.recordCount() < 2500);
        c.setCurrentRow(1700);
        QCOMPARE(grid.currentIndex().row(), 1700);
        c.deleteRow();
        QCOMPARE(grid.currentIndex().row(), 1700);
        QCOMPARE(grid.model()->rowCount(), c.rowCount());
        grid.selectRow(10); // a click on a row makes it current
        QCOMPARE(c.currentRow(), 10);
    }

    void titleClickNamesTheColumnsField()
    {
        TestDb tdb(3);
        auto dm = connectedDM(tdb.path());
        ui::DBGrid grid("DBGrid1", nullptr);
        grid.bind(&dm->DS_CARROS, {{"PROTOCOLO", "PROT", 42}, {"NOME", {}, -1}, {"COR", {}, 64}});
        grid.setColumnVisible(1, false);
        QStringList clicked;
        connect(&grid, &ui::DBGrid::titleClick, this, [&](int, const QString& f) { clicked << f; });
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QHeaderView* h = grid.horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(2) + 5, 5));
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(0) + 5, 5));
        QCOMPARE(clicked, QStringList({"COR", "PROTOCOLO"})); // also with the dataset closed
        QCOMPARE(h->visualIndex(2), 2); // the hidden column kept its place
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestGrid t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_grid.moc"
