#include "common/Configuracao.h"
#include "common/Funcoes.h"
#include "common/IniFile.h"
#include "tests/TestDb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestConfig : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ConfigPaths paths{dir.path()};

private slots:
    void init() { QFile::remove(paths.iniFile()); }

    void versionText_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("program's") << QList<int>{1, 0, 2, 6} << "01.00.02.06";
        QTest::newRow("two digits") << QList<int>{12, 34, 56, 78} << "12.34.56.78";
        QTest::newRow("three digits kept") << QList<int>{100, 0, 0, 1} << "100.00.00.01";
    }
    void versionText()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, text);
        QCOMPARE(formatVersion(numbers[0], numbers[1], numbers[2], numbers[3]), text);
    }
    void programVersionHasFourTwoDigitNumbers()
    {
        QVERIFY(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d\\d\\.\\d\\d$").match(VersaoPrograma()).hasMatch());
    }

    void loadReadsEveryKeyAndWritesBackupDefaults()
    {
        spit(paths.iniFile(), "[REDE]\r\nCAMINHO=/srv/bd/\r\nORIGEM_BACKUP=   \r\n[opcoes]\r\niniciaraberto=T\r\n"
                              "CAMPOCOR= T \r\nCAMPODATA=t\r\nPROTOCOLO_AUTOMATICO=T\r\nUM_NOVO_APOS_SALVAR=F\r\n"
                              "[DADOS]\r\nVERSAO=00.09.00.01\r\n");
        Configuracao c;
        QVERIFY(config::loadAtStartup(paths, c));
        QCOMPARE(c.Caminho, "/srv/bd/");
        QCOMPARE(c.OrigemBackup, paths.defaultOrigin());
        QCOMPARE(c.DestinoBackup, paths.defaultDestination());
        QCOMPARE(c.IniciarAberto, "T");
        QCOMPARE(c.CampoCor, "T");
        QCOMPARE(c.CampoData, "t");
        QVERIFY(!Configuracao::on(c.CampoData));
        QCOMPARE(c.ProtocoloAutomatico, "T");
        QCOMPARE(c.UmNovoAposSalvar, "F");
        QCOMPARE(c.CampoEscritorio, QString()); // never saved: empty, not "F"
        QCOMPARE(c.CampoServico, QString());
        QCOMPARE(c.Versao, "00.09.00.01");
        // The empty origin got its default in place; the destination was added to REDE.
        QCOMPARE(slurp(paths.iniFile()),
                 "[REDE]\r\nCAMINHO=/srv/bd/\r\nORIGEM_BACKUP=" + paths.defaultOrigin().toLatin1() +
                     "\r\nDESTINO_BACKUP=" + paths.defaultDestination().toLatin1() +
                     "\r\n[opcoes]\r\niniciaraberto=T\r\nCAMPOCOR= T \r\nCAMPODATA=t\r\nPROTOCOLO_AUTOMATICO=T\r\n"
                     "UM_NOVO_APOS_SALVAR=F\r\n[DADOS]\r\nVERSAO=00.09.00.01\r\n");
    }

    void loadWithoutFileReadsNothing()
    {
        Configuracao c;
        QVERIFY(!config::loadAtStartup(paths, c));
        QVERIFY(c.Caminho.isEmpty() && c.OrigemBackup.isEmpty() && c.Versao.isEmpty());
        QVERIFY(!QFile::exists(paths.iniFile()));
    }

    void sameVersionAndBothBackupKeysWriteNothing()
    {
        const QByteArray content = "[REDE]\nORIGEM_BACKUP=/a/\nDESTINO_BACKUP=/b/\n[DADOS]\nVERSAO=" +
                                   VersaoPrograma().toLatin1() + "\n";
        spit(paths.iniFile(), content);
        QFile::setPermissions(paths.iniFile(), QFile::ReadOwner);
        Configuracao c;
        config::loadAtStartup(paths, c);
        config::stampVersion(paths, c, VersaoPrograma());
        QFile::setPermissions(paths.iniFile(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(slurp(paths.iniFile()), content);
    }

    void stampOfAMissingFileCreatesOnlyTheVersion()
    {
        Configuracao c;
        config::loadAtStartup(paths, c);
        config::stampVersion(paths, c, "01.00.02.06");
        QCOMPARE(c.Versao, "01.00.02.06");
        QCOMPARE(slurp(paths.iniFile()), "[DADOS]\r\nVERSAO=01.00.02.06\r\n");
    }

    void stampFailsWhenTheFolderIsMissing()
    {
        ConfigPaths gone(dir.path() + "/missing");
        Configuracao c;
        QVERIFY_THROWS_EXCEPTION(ini::WriteError, config::stampVersion(gone, c, "01.00.02.06"));
        QVERIFY(!QFile::exists(gone.iniFile()));
        QCOMPARE(c.Versao, QString());
    }

    void locationIsStoredAsTypedAndReadBackTrimmed()
    {
        config::saveLocation(paths, "/srv/dados/  ");
        QVERIFY(slurp(paths.iniFile()).contains("CAMINHO=/srv/dados/  \r\n"));
        Configuracao c;
        config::loadAtStartup(paths, c);
        QCOMPARE(c.Caminho, "/srv/dados/");
    }

    void optionsSaveWritesFlagsAndOnlyValidFolders()
    {
        spit(paths.iniFile(), "[REDE]\r\nCAMINHO=/x/\r\nORIGEM_BACKUP=/old/\r\nDESTINO_BACKUP=/old2/\r\n");
        Configuracao c;
        c.Caminho = "kept";
        c.Versao = "kept too";
        config::OptionsInput in;
        in.iniciarAberto = true;
        in.campoServico = true;
        in.origem = "  /novo/origem/  ";
        in.destino = "/sem/separador";
        QVERIFY(config::saveOptions(paths, in, c));
        QCOMPARE(c.IniciarAberto, "T");
        QCOMPARE(c.CampoCor, "F");
        QCOMPARE(c.CampoServico, "T");
        QCOMPARE(c.UmNovoAposSalvar, "F");
        QCOMPARE(c.OrigemBackup, "/novo/origem/");
        QCOMPARE(c.DestinoBackup, "/old2/");
        QCOMPARE(c.Caminho, "kept");
        QCOMPARE(c.Versao, "kept too");
        QVERIFY(slurp(paths.iniFile()).contains("[OPCOES]\r\nINICIARABERTO=T\r\nCAMPOCOR=F\r\nCAMPODATA=F\r\n"
                                                 "CAMPOESCRITORIO=F\r\nCAMPOSERVICO=T\r\nPROTOCOLO_AUTOMATICO=F\r\n"
                                                 "UM_NOVO_APOS_SALVAR=F\r\n"));
    }

    void folderCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("passes");
        QTest::newRow("slash") << "/opt/x/" << true;
        QTest::newRow("backslash") << "C:\\bck\\" << true;
        QTest::newRow("trailing blanks") << "/opt/x/   " << true;
        QTest::newRow("no separator") << "/opt/x" << false;
        QTest::newRow("empty") << "" << false;
    }
    void folderCheck()
    {
        QFETCH(QString, text);
        QFETCH(bool, passes);
        QCOMPARE(config::isFolderText(text), passes);
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "test_config.moc"
