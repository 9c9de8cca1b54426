#include "app/QX.h"
#include "app/U_Principal.h"
#include "common/Funcoes.h"
#include "data/U_DM.h"
#include "tests/ScriptedPrompter.h"
#include "tests/TestDb.h"
#include "windows/U_Rede.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTest>

using ui::Prompt;

namespace {

// A configuration with the database folder and the given option lines (KEY=VALUE).
QByteArray iniText(const QString& caminho, const QStringList& options, const QString& versao = VersaoPrograma())
{
    QByteArray t = "[REDE]\r\nCAMINHO=" + caminho.toLatin1() + "\r\nORIGEM_BACKUP=/o/\r\nDESTINO_BACKUP=/d/\r\n[OPCOES]\r\n";
    for (const QString& o : options) t += o.toLatin1() + "\r\n";
    return t + "[DADOS]\r\nVERSAO=" + versao.toLatin1() + "\r\n";
}

const QStringList kAllOn = {"INICIARABERTO=T", "CAMPOCOR=T", "CAMPODATA=T", "CAMPOESCRITORIO=T", "CAMPOSERVICO=T"};

QStringList tabTitles(const TF_Principal& w)
{
    QStringList t;
    for (int i = 0; i < w.PageControl1->count(); ++i) t << w.PageControl1->tabText(i);
    return t;
}

QStringList visibleColumns(ui::DBGrid* g)
{
    QStringList t;
    for (int i = 0; i < g->model()->columnCount(); ++i)
        if (!g->isColumnHidden(i)) t << g->model()->headerData(i, Qt::Horizontal).toString();
    return t;
}

QStringList comboItems(QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
    return t;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestDb> db;
    QString folder() const { return dir->path() + u'/'; }
    QString iniPath() const { return folder() + "corvantaCFG.ini"; }

    std::unique_ptr<Programa> start()
    {
        auto p = std::make_unique<Programa>(folder());
        p->F_Principal->show();
        return p;
    }

private slots:
    void initTestCase() { db = std::make_unique<TestDb>(12); }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        ui::setEnding(false);
    }

    void startsOverTheDatabaseWithEverythingOn()
    {
        spit(iniPath(), iniText(db->folder(), kAllOn));
        ScriptedPrompter script;
        auto p = start();
        TF_Principal& w = *p->F_Principal;
        QVERIFY2(script.shown.isEmpty(), qPrintable(script.unexpected.join(", ")));
        QCOMPARE(w.windowTitle(), "corvanta QX - versão " + VersaoPrograma());
        QCOMPARE(w.StatusPanels[1]->text(), TF_Principal::contactLine());
        QCOMPARE(w.StatusPanels[0]->text(), QString());
        QCOMPARE(w.PageControl1->currentIndex(), 0);
        QCOMPARE(tabTitles(w), QStringList({QStringLiteral("Veículos"), "Despachantes", QStringLiteral("Serviços")}));
        QCOMPARE(w.Edit6->geometry(), w.DBEdit3->geometry()); // the protocol editor lies over the field
        QVERIFY(w.Edit6->isHidden());
        QCOMPARE(w.DBGrid1->model()->rowCount(), 12);
        QCOMPARE(w.GroupBox1->title(), "Registros Visualizados: 0000000012");
        QCOMPARE(visibleColumns(w.DBGrid1), QStringList({"PROT", QStringLiteral("NOME DO PROPRIETÁRIO"), "TIPO DE SERVICO",
                                                          "VEICULO", "PLACA", "ANO", "COR", "DATA", "ESCRITORIO",
                                                          "DATACADASTRO", "DATA_PROTOCOLO"}));
        QCOMPARE(w.DBGrid1->columnWidth(0), 42);
        QCOMPARE(comboItems(w.ComboBox1),
                 QStringList({"NOME", "PROTOCOLO", "VEICULO", "PLACA", "ANO", "ESCRITORIO", "TIPOSERVICO"}));
        QCOMPARE(w.ComboBox1->currentText(), "NOME");
        // The form shows the first vehicle, its office code and service from the lists.
        QCOMPARE(w.DBEdit3->text(), "1");
        QCOMPARE(w.DBLookupComboBox1->shownText(), p->DM->IB_CARROSESCRITORIO->asString());
        QCOMPARE(w.DBLookupComboBox2->shownText(), p->DM->IB_CARROSTIPOSERVICO->asString());
        QVERIFY(!w.DBLookupComboBox1->shownText().isEmpty());
        QCOMPARE(w.DBText1->text(), p->DM->IB_CARROSDATACADASTRO->asString());
        QVERIFY(!w.closeRequested());
    }

    void vehicleGridClosedUnlessAskedFor_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::newRow("empty") << "";
        QTest::newRow("F") << "F";
        QTest::newRow("lower-case t") << "t";
    }
    void vehicleGridClosedUnlessAskedFor()
    {
        QFETCH(QString, flag);
        spit(iniPath(), iniText(db->folder(), {"INICIARABERTO=" + flag, "CAMPOESCRITORIO=T", "CAMPOSERVICO=T"}));
        ScriptedPrompter script;
        auto p = start();
        TF_Principal& w = *p->F_Principal;
        QVERIFY(!p->DM->IB_CARROS.isOpen());
        QCOMPARE(w.DBGrid1->model()->rowCount(), 0);
        QCOMPARE(w.GroupBox1->title(), QString());
        QVERIFY(w.DBLookupComboBox1->count() > 0); // the two lists are filled all the same
        QVERIFY(w.DBLookupComboBox2->count() > 0);
        // Before the vehicle dataset ever changed state, the creation state holds.
        QVERIFY(w.BitBtn1->isEnabled() && w.BitBtn8->isEnabled() && w.BitBtn4->isEnabled());
        QVERIFY(!w.BitBtn2->isEnabled() && !w.BitBtn3->isEnabled() && !w.BitBtn5->isEnabled() && !w.BitBtn6->isEnabled());
    }

    void fieldOptionsShapeTheFormAndTheTabs_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("hiddenControls");
        QTest::newRow("all off") << QStringList{"INICIARABERTO=T"} << QStringList{QStringLiteral("Veículos")}
                                 << QStringList{"PROT", QStringLiteral("NOME DO PROPRIETÁRIO"), "VEICULO", "PLACA", "ANO",
                                                "DATACADASTRO", "DATA_PROTOCOLO"}
                                 << QStringList{"Label7", "DBEdit7", "Label8", "DBEdit8", "Label31", "DBLookupComboBox2",
                                                "Label5", "DBLookupComboBox1"};
        QTest::newRow("offices off, services on")
            << QStringList{"INICIARABERTO=T", "CAMPOSERVICO=T", "CAMPOCOR=T"}
            << QStringList{QStringLiteral("Veículos"), QStringLiteral("Serviços")}
            << QStringList{"PROT", QStringLiteral("NOME DO PROPRIETÁRIO"), "TIPO DE SERVICO", "VEICULO", "PLACA", "ANO",
                           "COR", "DATACADASTRO", "DATA_PROTOCOLO"}
            << QStringList{"Label8", "DBEdit8", "Label5", "DBLookupComboBox1"};
    }
    void fieldOptionsShapeTheFormAndTheTabs()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, tabs);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, hiddenControls);
        spit(iniPath(), iniText(db->folder(), options));
        ScriptedPrompter script;
        auto p = start();
        TF_Principal& w = *p->F_Principal;
        QCOMPARE(tabTitles(w), tabs);
        QCOMPARE(visibleColumns(w.DBGrid1), columns);
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->window() != &w) continue;
            if (!c->objectName().startsWith("Label") && !c->objectName().startsWith("DB")) continue;
            if (c->objectName() == "Label32" || !c->parentWidget() || c->parentWidget()->objectName() != "Panel2") continue;
            QVERIFY2(c->isHidden() == hiddenControls.contains(c->objectName()), qPrintable(c->objectName()));
        }
        if (!tabs.contains("Despachantes")) QVERIFY(!w.TabSheet3 && !w.DBGrid2 && !w.BitBtn11);
        // A removed page's dataset still changes state: the rules have nothing to set and must not fail.
        p->DM->IB_DESPACHANTES.edit();
        p->DM->IBTransaction1.rollback();
        QCOMPARE(p->DM->IB_CARROS.state(), db::State::Inactive);
        QVERIFY(w.BitBtn1->isEnabled() && !w.BitBtn2->isEnabled());
    }

    void missingFileEndsTheProgramAndCreatesIt()
    {
        ScriptedPrompter script;
        script.then(Prompt::Message);
        auto p = start();
        QCOMPARE(script.shown.value(0).text, "Não existe o arquivo " + iniPath() + " neste computador!");
        QCOMPARE(script.shown.value(0).caption, "corvanta QX");
        // The bare "BD.GDB" cannot connect, but the end was asked for: the location window returns at once.
        QCOMPARE(script.shown.size(), 1);
        QVERIFY(!p->DM->IBDatabase1.connected());
        QVERIFY(p->F_Principal->closeRequested());
        QCOMPARE(slurp(iniPath()), "[DADOS]\r\nVERSAO=" + VersaoPrograma().toLatin1() + "\r\n");
        QCOMPARE(comboItems(p->F_Principal->ComboBox1).size(), 7); // filled whatever the connection
        QCOMPARE(p->F_Principal->ComboBox1->currentText(), "NOME");
        QTRY_VERIFY(!p->F_Principal->isVisible()); // closed once the sequence returned
    }

    void versionStampThatCannotBeWrittenEndsTheSequence()
    {
        QVERIFY(QDir().mkpath(iniPath())); // a folder where the file should be: no file, and no writing it
        ScriptedPrompter script;
        script.then(Prompt::Message).then(Prompt::Error);
        auto p = start();
        QCOMPARE(script.shown.size(), 2);
        QCOMPARE(script.shown[1].kind, Prompt::Error);
        QVERIFY2(script.shown[1].text.contains(iniPath()), qPrintable(script.shown[1].text));
        QCOMPARE(p->F_Principal->ComboBox1->count(), 0); // the sequence ended at the stamp
        QVERIFY(!p->DM->IBDatabase1.connected());
        QVERIFY(p->F_Principal->closeRequested());
    }

    void folderWithoutSeparatorOpensTheLocationWindow()
    {
        QString caminho = db->folder();
        caminho.chop(1);
        spit(iniPath(), iniText(caminho, kAllOn));
        ScriptedPrompter script;
        QString shownPath;
        script.thenWindow([&](QDialog* d) {
            auto* r = static_cast<TF_Rede*>(d);
            shownPath = r->Edit1->text();
            r->Edit1->setText(db->folder() + "  ");
            r->BitBtn1->click(); // Salvar
        });
        script.then(Prompt::Message); // raised inside Salvar, before the window returns
        auto p = start();
        QCOMPARE(shownPath, caminho);
        QVERIFY(!p->DM->IBDatabase1.connected());
        QCOMPARE(script.shown.value(1).text,
                 "O Sistema será fechado para completar a operação!\rExecute novamente após o seu encerramento!");
        QVERIFY(slurp(iniPath()).contains(("CAMINHO=" + db->folder() + "  \r\n").toLatin1()));
        QVERIFY(p->F_Principal->closeRequested());
        QVERIFY(!p->DM->IB_DESPACHANTES.isOpen());
    }

    void locationWindowFechar()
    {
        const QByteArray before = iniText("/nao/existe/", kAllOn);
        spit(iniPath(), before);
        ScriptedPrompter script;
        script.thenWindow([](QDialog* d) { static_cast<TF_Rede*>(d)->BitBtn2->click(); });
        auto p = start();
        QCOMPARE(script.shown.size(), 1);
        QCOMPARE(slurp(iniPath()), before); // Fechar writes nothing
        QVERIFY(p->F_Principal->closeRequested());
    }

    void locationWindowStaysOpenWhenItsWriteFails()
    {
        QTemporaryDir d;
        TF_Rede rede(ConfigPaths(d.path() + "/sem/pasta"));
        bool closed = false;
        rede.closeMainWindow = [&] { closed = true; };
        ScriptedPrompter script;
        script.then(Prompt::Error);
        rede.Edit1->setText("/srv/bd/");
        rede.BitBtn1->click();
        QCOMPARE(script.shown.size(), 1);
        QCOMPARE(script.shown[0].kind, Prompt::Error);
        QVERIFY(script.shown[0].text.contains(d.path() + "/sem/pasta/corvantaCFG.ini"));
        QVERIFY(!closed);
        QCOMPARE(rede.result(), 0);
        QCOMPARE(rede.windowTitle(), "ZUL - Caminho da Rede");
    }

    void versionStampWrittenOnlyWhenItDiffers()
    {
        const QByteArray same = iniText(db->folder(), kAllOn);
        spit(iniPath(), same);
        {
            ScriptedPrompter script;
            auto p = start();
        }
        QCOMPARE(slurp(iniPath()), same);
        spit(iniPath(), iniText(db->folder(), kAllOn, "00.09.09.09"));
        {
            ScriptedPrompter script;
            auto p = start();
            QCOMPARE(p->F_Principal->Configuracao.Versao, VersaoPrograma());
        }
        QCOMPARE(slurp(iniPath()), same);
    }

    void enablingFollowsEachTabsState()
    {
        spit(iniPath(), iniText(db->folder(), kAllOn));
        ScriptedPrompter script;
        auto p = start();
        TF_Principal& w = *p->F_Principal;
        TDM& dm = *p->DM;
        auto vehicleTab = [&] {
            QString s;
            for (QWidget* b : std::initializer_list<QWidget*>{w.BitBtn1, w.DBGrid1, w.BitBtn2, w.BitBtn3, w.BitBtn5,
                                                              w.BitBtn6, w.BitBtn4, w.BitBtn7, w.BitBtn8})
                s += b->isEnabled() ? '1' : '0';
            return s;
        };
        auto officeTab = [&] {
            QString s;
            for (QWidget* b : std::initializer_list<QWidget*>{w.BitBtn11, w.DBGrid2, w.BitBtn12, w.BitBtn14, w.BitBtn15, w.BitBtn13})
                s += b->isEnabled() ? '1' : '0';
            return s;
        };
        auto serviceTab = [&] {
            QString s;
            for (QWidget* b : std::initializer_list<QWidget*>{w.BitBtn17, w.DBGrid3, w.BitBtn18, w.BitBtn20, w.BitBtn16, w.BitBtn19})
                s += b->isEnabled() ? '1' : '0';
            return s;
        };
        //                       Novo grid Alt Exc Sal Can Pes Fil Rel
        QCOMPARE(vehicleTab(), "111100111");
        dm.IB_CARROS.append();
        QCOMPARE(vehicleTab(), "000011000");
        dm.IB_CARROS.cancel();
        QCOMPARE(vehicleTab(), "111100111");
        // Typing into a bound edit starts an alteration, as Alterar would.
        w.DBEdit10->setFocus();
        QTest::keyClicks(w.DBEdit10, "x");
        QCOMPARE(dm.IB_DESPACHANTES.state(), db::State::Edit);
        QCOMPARE(w.DBEdit10->text().right(1), "X"); // turned to a capital as typed
        QCOMPARE(officeTab(), "000011");
        QCOMPARE(vehicleTab(), "111100111");
        QCOMPARE(serviceTab(), "111100");
        dm.IB_SERVICOS.append();
        QCOMPARE(serviceTab(), "000011");
        dm.IBTransaction1.rollback(); // closes all four datasets
        QCOMPARE(vehicleTab(), "110000110");
        QCOMPARE(officeTab(), "110000");
        QCOMPARE(serviceTab(), "110000");
        QCOMPARE(w.DBGrid1->model()->rowCount(), 0);
        QCOMPARE(w.DBLookupComboBox1->count(), 0);
        QCOMPARE(w.GroupBox1->title(), "Registros Visualizados: 0000000012"); // closing leaves the counter
    }

    void gridCtrlDeleteAsksAndDoesNotCommit()
    {
        spit(iniPath(), iniText(db->folder(), kAllOn));
        ScriptedPrompter script;
        script.then(Prompt::GridDelete, 0).then(Prompt::GridDelete, 1);
        auto p = start();
        ui::DBGrid* g = p->F_Principal->DBGrid1;
        g->setFocus();
        QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier); // Cancela
        QCOMPARE(p->DM->IB_CARROS.recordCount(), 12);
        QTest::keyClick(g, Qt::Key_Delete, Qt::ControlModifier); // OK
        QCOMPARE(script.shown.value(1).text, "Apaga registro?");
        QCOMPARE(p->DM->IB_CARROS.recordCount(), 11);
        QCOMPARE(g->model()->rowCount(), 11);
        p->DM->IBTransaction1.rollback(); // not committed: undone
        p->DM->IB_CARROS.open();
        QCOMPARE(p->DM->IB_CARROS.recordCount(), 12);
    }

    void gridAndFormFollowTheCurrentRow()
    {
        spit(iniPath(), iniText(db->folder(), kAllOn));
        ScriptedPrompter script;
        auto p = start();
        TF_Principal& w = *p->F_Principal;
        w.DBGrid1->selectRow(4);
        QCOMPARE(p->DM->IB_CARROS.currentRow(), 4);
        QCOMPARE(w.DBEdit3->text(), "5");
        p->DM->IB_CARROS.last();
        QCOMPARE(w.DBGrid1->currentIndex().row(), 11);
        QCOMPARE(w.DBGrid1->model()->headerData(11, Qt::Vertical).toString(), QStringLiteral("\u25B6"));
    }

    void hintLineFollowsThePointer()
    {
        spit(iniPath(), iniText(db->folder(), kAllOn));
        ScriptedPrompter script;
        auto p = start();
        TF_Principal& w = *p->F_Principal;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseMove(w.BitBtn5);
        QTRY_COMPARE(w.StatusPanels[2]->text(), "   Grava o registro");
        QTest::mouseMove(w.Panel1, QPoint(200, 20));
        QTRY_COMPARE(w.StatusPanels[2]->text(), QString());
        QTest::mouseMove(w.Label1);
        QTRY_COMPARE(w.StatusPanels[2]->text(), QStringLiteral("   Cadastro e ou Consulta de veículos"));
        QVERIFY(w.BitBtn5->toolTip().isEmpty());
        QCOMPARE(w.SpeedButton1->toolTip(), "Sobre");
        QCOMPARE(w.SpeedButton2->toolTip(), QStringLiteral("Configurações"));
        QVERIFY(w.SpeedButton4->toolTip().isEmpty());
    }

    void enterMovesThroughTheVisibleFields()
    {
        spit(iniPath(), iniText(db->folder(), {"INICIARABERTO=T", "CAMPOESCRITORIO=T"}));
        ScriptedPrompter script;
        auto p = start();
        TF_Principal& w = *p->F_Principal;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.DBEdit3->setFocus();
        QStringList path;
        for (int i = 0; i < 7; ++i) {
            path << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(path, QStringList({"DBEdit3", "DBEdit9", "DBEdit1", "DBLookupComboBox1", "DBEdit2", "DBEdit6", "DBEdit4"}));
        QCOMPARE(QApplication::focusWidget(), w.BitBtn1); // Salvar is disabled while only viewing
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    TestMainWindow t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_mainwindow.moc"
