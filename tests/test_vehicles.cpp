#include "app/QX.h"
#include "app/U_Principal.h"
#include "common/Clock.h"
#include "common/Funcoes.h"
#include "data/U_DM.h"
#include "tests/ScriptedPrompter.h"
#include "tests/TestDb.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QThread>

using db::State;
using ui::Prompt;

namespace {

class FixedClock : public Clock {
public:
    QDate today() const override { return QDate(2026, 12, 11); }
};

QString readOther(const QString& path, const QString& sql) { return readOnOtherConnection(path, sql); }

const QString kRebase = QStringLiteral("Deseja que o novo valor seja assumido\rcomo BASE para os  NOVOS protocolos ?");

} // namespace

class TestVehicles : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestDb> db;
    FixedClock clock;

    // A fresh database with `vehicles` demo vehicles (its counter at that number; empty for 0).
    std::unique_ptr<Programa> start(int vehicles, const QStringList& options)
    {
        dir = std::make_unique<QTemporaryDir>();
        db = std::make_unique<TestDb>(vehicles);
        QByteArray t = "[REDE]\r\nCAMINHO=" + db->folder().toLatin1() + "\r\nORIGEM_BACKUP=/o/\r\nDESTINO_BACKUP=/d/\r\n[OPCOES]\r\n";
        for (const QString& o : options) t += o.toLatin1() + "\r\n";
        t += "[DADOS]\r\nVERSAO=" + VersaoPrograma().toLatin1() + "\r\n";
        QFile f(dir->path() + "/corvantaCFG.ini");
        f.open(QIODevice::WriteOnly);
        f.write(t);
        f.close();
        auto p = std::make_unique<Programa>(dir->path());
        p->F_Principal->show();
        if (!QTest::qWaitForWindowActive(p->F_Principal.get())) qWarning("window not active");
        return p;
    }
    QString counter() { return readOther(db->path(), "select PROTOCOLO from GERAIS"); }
    QString other(const QString& sql) { return readOther(db->path(), sql); }

    static QWidget* focus() { return QApplication::focusWidget(); }
    // Types text into the focused control, accented letters included, then Enter.
    static void type(const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown),
                            Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(focus(), &press);
            QApplication::sendEvent(focus(), &release);
        }
        QTest::keyClick(focus(), Qt::Key_Return);
    }

private slots:
    void init()
    {
        ui::setEnding(false);
        Clock::setInstance(&clock);
    }
    void cleanup() { Clock::setInstance(nullptr); }

    void roadOfOneEvent()
    {
        auto p = start(0, {"INICIARABERTO=T", "PROTOCOLO_AUTOMATICO=T", "CAMPOESCRITORIO=T", "CAMPOSERVICO=T", "CAMPOCOR=T",
                           "UM_NOVO_APOS_SALVAR=F"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        TDM& dm = *p->DM;
        QCOMPARE(counter(), "<none>");

        w.BitBtn1->click(); // Novo
        QCOMPARE(w.Edit6->text(), "1"); // an empty counter reads 0
        QVERIFY(w.Edit6->isVisible() && !w.DBEdit3->isVisible());
        QCOMPARE(dm.IB_CARROS.state(), State::Insert);
        QVERIFY(!w.BitBtn1->isEnabled() && !w.DBGrid1->isEnabled() && !w.BitBtn4->isEnabled() && !w.BitBtn7->isEnabled());
        QVERIFY(w.BitBtn5->isEnabled() && w.BitBtn6->isEnabled());
        QCOMPARE(focus(), w.DBEdit9);

        type("03122026");
        QCOMPARE(focus(), w.DBEdit1);
        type(QStringLiteral("joão da silva"));
        QCOMPARE(focus(), w.DBLookupComboBox1);
        QTest::keyClick(focus(), Qt::Key_Down);
        QTest::keyClick(focus(), Qt::Key_Down); // the second office
        const QString office = w.DBLookupComboBox1->shownText();
        QCOMPARE(office, "108");
        QTest::keyClick(focus(), Qt::Key_Return);
        type("fiat uno");
        type("abc1d23");
        type("2011");
        type("prata");
        QCOMPARE(focus(), w.DBLookupComboBox2);
        QTest::keyClick(focus(), Qt::Key_Down);
        const QString service = w.DBLookupComboBox2->shownText();
        QVERIFY(!service.isEmpty());
        QTest::keyClick(focus(), Qt::Key_Return);
        QCOMPARE(focus(), w.BitBtn5);
        QTest::keyClick(focus(), Qt::Key_Return); // Enter on Salvar saves
        QVERIFY2(script.shown.isEmpty(), qPrintable(script.unexpected.join(" | ")));

        QCOMPARE(dm.IB_CARROS.state(), State::Browse);
        QCOMPARE(counter(), "1");
        QCOMPARE(other("select NOME || '|' || PROTOCOLO || '|' || VEICULO || '|' || PLACA || '|' || ANO || '|' || COR || '|' ||"
                       " ESCRITORIO || '|' || TIPOSERVICO || '|' || DATACADASTRO || '|' || DATA_PROTOCOLO from CARROS"),
                 QStringLiteral("JOÃO DA SILVA|1|FIAT UNO|ABC1D23|2011|PRATA|%1|%2|2026-12-11|2026-12-03").arg(office, service));
        QCOMPARE(w.GroupBox1->title(), "Registros Visualizados: 0000000001");
        QCOMPARE(w.DBGrid1->model()->rowCount(), 1);
        QCOMPARE(w.DBGrid1->model()->index(0, 0).data().toString(), "1");
        QVERIFY(w.DBEdit3->isVisible() && !w.Edit6->isVisible());
        QCOMPARE(w.DBText1->text(), "11/12/2026");

        w.BitBtn1->click();
        QCOMPARE(w.Edit6->text(), "2");
    }

    void savesWithTheCounterAsItIsWhenSaving()
    {
        auto p = start(12, {"INICIARABERTO=T", "PROTOCOLO_AUTOMATICO=T", "UM_NOVO_APOS_SALVAR=F"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        w.BitBtn1->click();
        QCOMPARE(w.Edit6->text(), "13");
        execOnOtherConnection(db->path(), "update GERAIS set PROTOCOLO = 20"); // another workstation saved
        w.BitBtn5->click();
        QCOMPARE(counter(), "21");
        QCOMPARE(p->DM->IB_CARROSPROTOCOLO->asInteger(), 21); // "F": the list stands on its last row
        QCOMPARE(p->DM->IB_CARROS.currentRow(), 12);
        QVERIFY(script.shown.isEmpty());
    }

    void rebasingTheCounter_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("counterAfterLeaving");
        QTest::addColumn<QString>("protocol"); // of the saved vehicle; empty: none saved
        QTest::addColumn<QString>("counterAtEnd");
        QTest::newRow("Sim, Salvar") << 1 << true << "499" << "500" << "500";
        QTest::newRow("Sim, Cancelar") << 1 << false << "499" << "" << "499";
        QTest::newRow("Não, Salvar") << 0 << true << "123" << "124" << "124";
    }
    void rebasingTheCounter()
    {
        QFETCH(int, answer);
        QFETCH(bool, save);
        QFETCH(QString, counterAfterLeaving);
        QFETCH(QString, protocol);
        QFETCH(QString, counterAtEnd);
        auto p = start(3, {"INICIARABERTO=T", "PROTOCOLO_AUTOMATICO=T", "UM_NOVO_APOS_SALVAR=F"});
        execOnOtherConnection(db->path(), "update GERAIS set PROTOCOLO = 123");
        ScriptedPrompter script;
        script.then(Prompt::Confirm, answer);
        TF_Principal& w = *p->F_Principal;
        w.BitBtn1->click();
        QCOMPARE(w.Edit6->text(), "124");
        w.Edit6->setFocus();
        w.Edit6->setText("500");
        QTest::keyClick(w.Edit6, Qt::Key_Return); // leaves the editor
        QCOMPARE(script.shown.size(), 1);
        QCOMPARE(script.shown[0].text, kRebase);
        QCOMPARE(script.shown[0].caption, QStringLiteral("Confirmação"));
        QCOMPARE(counter(), counterAfterLeaving);
        (save ? w.BitBtn5 : w.BitBtn6)->click();
        QCOMPARE(counter(), counterAtEnd);
        QCOMPARE(other("select max(PROTOCOLO) from CARROS"), protocol.isEmpty() ? "3" : protocol);
        QCOMPARE(script.shown.size(), 1);
    }

    void leavingTheEditorUnchangedAsksNothing()
    {
        auto p = start(3, {"INICIARABERTO=T", "PROTOCOLO_AUTOMATICO=T", "UM_NOVO_APOS_SALVAR=T"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        w.BitBtn1->click();
        w.Edit6->setFocus();
        QTest::keyClick(w.Edit6, Qt::Key_Return);
        w.BitBtn5->click();
        // "T": the next new record started at once, with its own proposed number.
        QCOMPARE(p->DM->IB_CARROS.state(), State::Insert);
        QCOMPARE(w.Edit6->text(), "5");
        w.Edit6->setFocus();
        QTest::keyClick(w.Edit6, Qt::Key_Return);
        QVERIFY2(script.shown.isEmpty(), qPrintable(script.unexpected.join(" | ")));
        QCOMPARE(counter(), "4");
    }

    void editorTextNotANumberChangesNothing()
    {
        auto p = start(3, {"INICIARABERTO=T", "PROTOCOLO_AUTOMATICO=T"});
        ScriptedPrompter script;
        script.then(Prompt::Error);
        TF_Principal& w = *p->F_Principal;
        w.BitBtn1->click();
        w.Edit6->setFocus();
        w.Edit6->setText("12a");
        QTest::keyClick(w.Edit6, Qt::Key_Return);
        QCOMPARE(script.shown.size(), 1);
        QCOMPARE(script.shown[0].text, "'12a' não é um valor inteiro válido");
        QCOMPARE(counter(), "3");
        QCOMPARE(p->DM->IB_CARROS.state(), State::Insert);
    }

    void numberingOffNeverTouchesTheCounter()
    {
        auto p = start(0, {"INICIARABERTO=T", "PROTOCOLO_AUTOMATICO=F"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        w.BitBtn1->click();
        QVERIFY(w.DBEdit3->isVisible() && !w.Edit6->isVisible());
        QCOMPARE(focus(), w.DBEdit3);
        type("777");
        w.BitBtn5->click();
        QCOMPARE(other("select PROTOCOLO from CARROS"), "777");
        QCOMPARE(counter(), "<none>");
    }

    void afterSaving_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("row"); // -1: a new record started
        QTest::newRow("T") << "T" << -1;
        QTest::newRow("F") << "F" << 5;
        QTest::newRow("empty") << "" << 0;
    }
    void afterSaving()
    {
        QFETCH(QString, flag);
        QFETCH(int, row);
        auto p = start(5, {"INICIARABERTO=T", "UM_NOVO_APOS_SALVAR=" + flag});
        ScriptedPrompter script;
        p->F_Principal->BitBtn1->click();
        p->DM->IB_CARROSPROTOCOLO->setAsInteger(900);
        p->F_Principal->BitBtn5->click();
        QCOMPARE(other("select count(*) from CARROS"), "6");
        if (row < 0) {
            QCOMPARE(p->DM->IB_CARROS.state(), State::Insert);
        } else {
            QCOMPARE(p->DM->IB_CARROS.state(), State::Browse);
            QCOMPARE(p->DM->IB_CARROS.currentRow(), row);
        }
    }

    void alterationStampsTodayAndComesBackToItsRow()
    {
        auto p = start(8, {"INICIARABERTO=T", "CAMPOESCRITORIO=T", "CAMPOSERVICO=T"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        TDM& dm = *p->DM;
        w.DBGrid1->selectRow(5);
        const QString id = dm.IB_CARROSID->asString();
        const QString office = dm.IB_CARROSESCRITORIO->asString();
        w.BitBtn2->click(); // Alterar
        QCOMPARE(dm.IB_CARROS.state(), State::Edit);
        QCOMPARE(focus(), w.DBEdit3);
        w.DBEdit1->setFocus();
        w.DBEdit1->selectAll();
        QTest::keyClicks(w.DBEdit1, "novo dono");
        w.BitBtn5->click();
        QCOMPARE(dm.IB_CARROS.currentRow(), 5);
        QCOMPARE(dm.IB_CARROSID->asString(), id);
        QCOMPARE(other("select NOME || '|' || DATACADASTRO || '|' || ESCRITORIO from CARROS where ID = " + id),
                 "NOVO DONO|2026-12-11|" + office);
    }

    void officeNoLongerInTheRegisterIsEmptied()
    {
        auto p = start(4, {"INICIARABERTO=T", "CAMPOESCRITORIO=T"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        TDM& dm = *p->DM;
        const QString code = dm.IB_CARROSESCRITORIO->asString();
        const QString id = dm.IB_CARROSID->asString();
        execOnOtherConnection(db->path(), "delete from DESPACHANTES where CODIGO = '" + code + "'");
        dm.IB_DESPACHANTES.close();
        dm.IB_DESPACHANTES.open(); // the register as it now is
        QCOMPARE(w.DBLookupComboBox1->shownText(), QString());
        w.BitBtn2->click();
        w.BitBtn5->click();
        QCOMPARE(other("select coalesce(ESCRITORIO, '<null>') from CARROS where ID = " + id), "<null>");
    }

    void alterationTypedAfterCancelarKeepsOfficeAndService()
    {
        auto p = start(4, {"INICIARABERTO=T", "CAMPOESCRITORIO=T", "CAMPOSERVICO=T"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        TDM& dm = *p->DM;
        const QString id = dm.IB_CARROSID->asString();
        const QString before = other("select ESCRITORIO || '|' || TIPOSERVICO from CARROS where ID = " + id);
        w.BitBtn2->click();
        w.BitBtn6->click(); // Cancelar: the rollback closes the two lists' datasets
        QVERIFY(!dm.IB_DESPACHANTES.isOpen() && !dm.IB_SERVICOS.isOpen());
        QCOMPARE(dm.IB_CARROS.currentRow(), 0);
        w.DBEdit2->setFocus();
        QTest::keyClicks(w.DBEdit2, "x"); // typing starts the alteration
        QCOMPARE(dm.IB_CARROS.state(), State::Edit);
        w.BitBtn5->click();
        QCOMPARE(other("select ESCRITORIO || '|' || TIPOSERVICO from CARROS where ID = " + id), before);
    }

    void searchKeptAcrossSalvarAndCancelar()
    {
        auto p = start(30, {"INICIARABERTO=T"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        TDM& dm = *p->DM;
        const QStringList search = {"Select * from CARROS", "Where PROTOCOLO LIKE   :pPROTOCOLO", "ORDER BY PROTOCOLO desc"};
        dm.IB_CARROS.close();
        dm.IB_CARROS.setSelectSQL(search);
        dm.IB_CARROS.setParamText("pPROTOCOLO", "2%");
        dm.IB_CARROS.open();
        QCOMPARE(dm.IB_CARROS.recordCount(), 11);
        w.DBGrid1->selectRow(3);
        w.BitBtn2->click();
        w.BitBtn5->click();
        QCOMPARE(dm.IB_CARROS.selectSQL(), search);
        QCOMPARE(dm.IB_CARROS.recordCount(), 11);
        QCOMPARE(dm.IB_CARROS.currentRow(), 3);
        w.BitBtn2->click();
        w.BitBtn6->click();
        QCOMPARE(dm.IB_CARROS.selectSQL(), search);
        QCOMPARE(dm.IB_CARROS.paramText(0), "2%");
        QCOMPARE(dm.IB_CARROS.recordCount(), 11);
        QCOMPARE(dm.IB_CARROS.currentRow(), 3);
        QCOMPARE(w.GroupBox1->title(), "Registros Visualizados: 0000000011");
    }

    void enterFromTheYearSavesWithColourAndServiceHidden()
    {
        auto p = start(2, {"INICIARABERTO=T"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        w.BitBtn2->click();
        w.DBEdit4->setFocus();
        w.DBEdit4->selectAll();
        QTest::keyClicks(w.DBEdit4, "1999");
        QTest::keyClick(w.DBEdit4, Qt::Key_Return);
        QCOMPARE(focus(), w.BitBtn5);
        QTest::keyClick(w.BitBtn5, Qt::Key_Return);
        QCOMPARE(p->DM->IB_CARROS.state(), State::Browse);
        QCOMPARE(other("select ANO from CARROS where PROTOCOLO = 1"), "1999");
    }

    void enterInAnOpenListOnlyChooses()
    {
        auto p = start(2, {"INICIARABERTO=T", "CAMPOESCRITORIO=T"});
        ScriptedPrompter script;
        TF_Principal& w = *p->F_Principal;
        w.BitBtn2->click();
        ui::DBLookupComboBox* list = w.DBLookupComboBox1;
        QCOMPARE(list->count(), 6); // each office once
        list->setFocus();
        p->DM->IB_CARROSESCRITORIO->setAsString("101");
        const int before = list->currentIndex();
        QCOMPARE(before, 0);
        list->showPopup();
        QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_VERIFY(!list->view()->isVisible());
        QCOMPARE(focus(), list); // chosen, not moved on
        QCOMPARE(list->currentIndex(), before + 1);
        QCOMPARE(p->DM->IB_CARROSESCRITORIO->asString(), list->shownText());
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(focus(), w.DBEdit2); // the next Enter moves on
    }

    void buttonsAnswerTheirAltShortcuts()
    {
        auto p = start(2, {"INICIARABERTO=T", "CAMPOESCRITORIO=T", "CAMPOSERVICO=T"});
        ScriptedPrompter script;
        // A shortcut presses its button as a click would, a moment later.
        QTest::keyClick(focus(), Qt::Key_N, Qt::AltModifier); // &Novo of the shown tab only
        QTRY_COMPARE(p->DM->IB_CARROS.state(), State::Insert);
        QCOMPARE(p->DM->IB_DESPACHANTES.state(), State::Browse);
        QTest::keyClick(focus(), Qt::Key_C, Qt::AltModifier); // &Cancelar
        QTRY_COMPARE(p->DM->IB_CARROS.state(), State::Browse);
        QTest::keyClick(focus(), Qt::Key_A, Qt::AltModifier); // &Alterar
        QTRY_COMPARE(p->DM->IB_CARROS.state(), State::Edit);
    }

    void wrongDateIsRefusedOnLeavingTheField()
    {
        auto p = start(2, {"INICIARABERTO=T", "CAMPODATA=T"});
        ScriptedPrompter script;
        script.then(Prompt::Error);
        TF_Principal& w = *p->F_Principal;
        w.BitBtn2->click();
        w.DBEdit9->setFocus();
        type("31022024");
        QCOMPARE(script.shown.size(), 1);
        QCOMPARE(script.shown[0].text, "'31/02/2024' não é uma data válida");
        QCOMPARE(focus(), w.DBEdit9); // back for correcting
        type("29022024");
        QCOMPARE(focus(), w.DBEdit8);
        QCOMPARE(p->DM->IB_CARROSDATA_PROTOCOLO->asDate(), QDate(2024, 2, 29));
    }

    void excluir()
    {
        auto p = start(3, {"INICIARABERTO=T"});
        ScriptedPrompter script;
        script.then(Prompt::Confirm, 0).then(Prompt::Confirm, 1);
        TF_Principal& w = *p->F_Principal;
        w.BitBtn3->click();
        QCOMPARE(script.shown.value(0).text, "Deseja Apagar este Cliente?");
        QCOMPARE(other("select count(*) from CARROS"), "3");
        w.BitBtn3->click();
        QCOMPARE(other("select count(*) from CARROS"), "2"); // committed at once
        QCOMPARE(p->DM->IB_CARROSPROTOCOLO->asInteger(), 2);
        QCOMPARE(w.GroupBox1->title(), "Registros Visualizados: 0000000003"); // not re-read
    }

    void excluirOnAnEmptyRegister()
    {
        auto p = start(0, {"INICIARABERTO=T"});
        ScriptedPrompter script;
        script.then(Prompt::Confirm, 1).then(Prompt::Error);
        TF_Principal& w = *p->F_Principal;
        w.BitBtn3->setEnabled(true); // an empty result enables it (browsing)
        w.BitBtn3->click();
        QCOMPARE(script.shown.value(1).text, "IB_CARROS: Não é possível realizar esta operação em um arquivo vazio");
        QCOMPARE(script.shown.value(1).kind, Prompt::Error);
    }

    void refusedSaveTakesTheFailurePathAndLosesNothingCommitted()
    {
        auto p = start(3, {"INICIARABERTO=T", "PROTOCOLO_AUTOMATICO=T"});
        execOnOtherConnection(db->path(), "create exception RECUSA 'recusado'");
        execOnOtherConnection(db->path(), "create trigger CARROS_RECUSA for CARROS before insert as begin "
                                          "if (new.NOME = 'RECUSADO') then exception RECUSA; end");
        ScriptedPrompter script;
        script.then(Prompt::Message);
        TF_Principal& w = *p->F_Principal;
        TDM& dm = *p->DM;
        w.BitBtn1->click();
        dm.IB_CARROSNOME->setAsString("RECUSADO");
        w.BitBtn5->click();
        QCOMPARE(script.shown.value(0).text, "Ocorreu um erro na gravação dos dados");
        for (db::Dataset* ds : {&dm.IB_CARROS, &dm.IB_DESPACHANTES, &dm.IB_SERVICOS, &dm.IB_GERAIS})
            QCOMPARE(ds->state(), State::Inactive);
        QVERIFY(w.BitBtn1->isEnabled() && !w.BitBtn5->isEnabled() && !w.BitBtn2->isEnabled());
        QCOMPARE(other("select count(*) from CARROS"), "3");
        QCOMPARE(counter(), "4"); // the counter was written before the vehicle, and stays
        w.BitBtn1->click(); // Novo opens what it needs again
        QCOMPARE(dm.IB_CARROS.recordCount(), 3);
        QCOMPARE(w.Edit6->text(), "5");
    }

    void twoWorkstationsNeverShareAProtocolNumber()
    {
        TestDb tdb(0);
        constexpr int perStation = 300;
        std::atomic<int> saved{0}, failed{0};
        auto station = [&] {
            TDM dm(tdb.path());
            dm.IBDatabase1.connect();
            dm.IBTransaction1.start();
            dm.IB_CARROS.open();
            for (int i = 0; i < perStation; ++i) {
                try {
                    const int n = dm.GravarProximoProtocolo();
                    dm.IB_CARROS.append();
                    dm.IB_CARROSPROTOCOLO->setAsInteger(n);
                    dm.IB_CARROS.post();
                    dm.IBTransaction1.commitRetaining();
                    ++saved;
                } catch (const db::Error&) {
                    ++failed; // the failure path: nothing handed out twice
                    dm.IBTransaction1.rollback();
                    dm.IB_CARROS.open();
                }
            }
        };
        std::unique_ptr<QThread> a(QThread::create(station)), b(QThread::create(station));
        a->start();
        b->start();
        QVERIFY(a->wait(300000) && b->wait(300000));
        QCOMPARE(saved + failed, 2 * perStation);
        QVERIFY2(failed <= perStation / 10, qPrintable(QString::number(failed)));
        QCOMPARE(readOther(tdb.path(), "select count(distinct PROTOCOLO) from CARROS"), QString::number(saved));
        QCOMPARE(readOther(tdb.path(), "select count(*) from CARROS"), QString::number(saved));
        QCOMPARE(readOther(tdb.path(), "select max(PROTOCOLO) from CARROS"), readOther(tdb.path(), "select PROTOCOLO from GERAIS"));
        QCOMPARE(readOther(tdb.path(), "select count(*) from GERAIS"), "1");
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    TestVehicles t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_vehicles.moc"
