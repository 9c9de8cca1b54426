#include "common/IniFile.h"
#include "tests/TestDb.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray contentOrMissing(const QString& p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestIni : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file() const { return dir.path() + QStringLiteral("/cfg.ini"); }

private slots:
    void init() { QFile::remove(file()); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QByteArray("[REDE]\r\nCAMINHO=/dados/\r\n") << "REDE" << "CAMINHO" << "/dados/";
        QTest::newRow("names in lower case") << QByteArray("[opcoes]\r\ncampocor=T\r\n") << "OPCOES" << "CAMPOCOR" << "T";
        QTest::newRow("blanks around value removed") << QByteArray("[OPCOES]\nCAMPOCOR=   T  \n") << "OPCOES" << "CAMPOCOR" << "T";
        QTest::newRow("blanks around key") << QByteArray("[OPCOES]\n  CAMPOCOR  =T\n") << "OPCOES" << "CAMPOCOR" << "T";
        QTest::newRow("lower-case t kept") << QByteArray("[OPCOES]\nCAMPOCOR=t\n") << "OPCOES" << "CAMPOCOR" << "t";
        QTest::newRow("only blanks is empty") << QByteArray("[REDE]\nORIGEM_BACKUP=    \n") << "REDE" << "ORIGEM_BACKUP" << "";
        QTest::newRow("after the first equals sign") << QByteArray("[A]\nK=x=y\n") << "A" << "K" << "x=y";
        QTest::newRow("key absent") << QByteArray("[A]\nK=1\n") << "A" << "J" << "";
        QTest::newRow("section absent") << QByteArray("[A]\nK=1\n") << "B" << "K" << "";
        QTest::newRow("key of another section") << QByteArray("[A]\nK=1\n[B]\nJ=2\n") << "B" << "K" << "";
        QTest::newRow("last line without ending") << QByteArray("[A]\nK=1") << "A" << "K" << "1";
        QTest::newRow("Windows-1252 text") << QByteArray("[A]\nK=Jo\xe3o \x80\n") << "A" << "K" << QString::fromUtf8("João €");
        QTest::newRow("2047 characters kept") << QByteArray("[A]\nK=") + QByteArray(2047, 'x') << "A" << "K" << QString(2047, u'x');
        QTest::newRow("longer value cut to 2047")
            << QByteArray("[A]\nK=") + QByteArray(2047, 'x') + "yz" << "A" << "K" << QString(2047, u'x');
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        spit(file(), content);
        QCOMPARE(ini::read(file(), section, key), expected);
    }

    void readMissingFileIsEmpty()
    {
        QVERIFY(!ini::exists(file()));
        QCOMPARE(ini::read(file(), "REDE", "CAMINHO"), QString());
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<missing>" for no file
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray("<missing>") << "DADOS" << "VERSAO" << "01.00.02.06"
                                  << QByteArray("[DADOS]\r\nVERSAO=01.00.02.06\r\n");
        QTest::newRow("replaced in place, other lines untouched")
            << QByteArray("; note\r\n[REDE]\r\nA=1\r\ncaminho = old \r\nB=2\r\n") << "REDE" << "CAMINHO" << "/novo/"
            << QByteArray("; note\r\n[REDE]\r\nA=1\r\nCAMINHO=/novo/\r\nB=2\r\n");
        QTest::newRow("added at the end of its section")
            << QByteArray("[REDE]\r\nA=1\r\n\r\n[OPCOES]\r\nX=T\r\n") << "REDE" << "CAMINHO" << "c:\\"
            << QByteArray("[REDE]\r\nA=1\r\nCAMINHO=c:\\\r\n\r\n[OPCOES]\r\nX=T\r\n");
        QTest::newRow("section added at the end of the file")
            << QByteArray("[DADOS]\r\nVERSAO=1") << "REDE" << "ORIGEM_BACKUP" << "/b/"
            << QByteArray("[DADOS]\r\nVERSAO=1\r\n[REDE]\r\nORIGEM_BACKUP=/b/\r\n");
        QTest::newRow("section matched without case")
            << QByteArray("[rede]\nx=1\n") << "REDE" << "Y" << "2" << QByteArray("[rede]\nx=1\nY=2\n");
        QTest::newRow("blanks of the value written as given")
            << QByteArray("<missing>") << "REDE" << "CAMINHO" << "/d/  " << QByteArray("[REDE]\r\nCAMINHO=/d/  \r\n");
        QTest::newRow("empty value") << QByteArray("[REDE]\nCAMINHO=/d/\n") << "REDE" << "CAMINHO" << ""
                                     << QByteArray("[REDE]\nCAMINHO=\n");
        QTest::newRow("Windows-1252 written") << QByteArray("<missing>") << "A" << "K" << QString::fromUtf8("ação")
                                              << QByteArray("[A]\r\nK=a\xe7\xe3o\r\n");
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (before != "<missing>") spit(file(), before);
        ini::write(file(), section, key, value);
        QCOMPARE(contentOrMissing(file()), after);
        QCOMPARE(ini::read(file(), section, key), value.trimmed());
    }

    void writeFailsWhenFolderMissingAndNamesTheFile()
    {
        const QString p = dir.path() + QStringLiteral("/no/such/folder/cfg.ini");
        try {
            ini::write(p, "DADOS", "VERSAO", "1");
            QFAIL("write into a missing folder passed");
        } catch (const ini::WriteError& e) {
            QVERIFY2(QString::fromStdString(e.what()).contains(p), e.what());
        }
        QVERIFY(!QFile::exists(p));
    }

    void earlierWritesStayAfterAFailure()
    {
        ini::write(file(), "OPCOES", "CAMPOCOR", "T");
        QVERIFY_THROWS_EXCEPTION(ini::WriteError, ini::write(dir.path() + "/x/y.ini", "A", "B", "C"));
        QCOMPARE(ini::read(file(), "OPCOES", "CAMPOCOR"), QStringLiteral("T"));
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "test_ini.moc"
