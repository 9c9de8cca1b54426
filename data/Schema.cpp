#include "data/Schema.h"
#include "data/Engine.h"

#include <QFile>
#include <QRandomGenerator>

namespace schema {

QStringList connectParams()
{
    return {QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=plumbagot"), QStringLiteral("lc_ctype=ISO8859_1")};
}

Session::Session(const QString& path)
{
    database.databaseName = path;
    database.params = connectParams();
    database.defaultTransaction = &transaction;
    transaction.params = {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")};
    database.connect();
    transaction.start();
}

QStringList statements(const QString& scriptText)
{
    QString text = scriptText;
    // Comments first, so a ";" inside one does not split a statement.
    for (qsizetype a = text.indexOf(QStringLiteral("/*")); a >= 0; a = text.indexOf(QStringLiteral("/*"), a)) {
        const qsizetype b = text.indexOf(QStringLiteral("*/"), a + 2);
        text.remove(a, (b < 0 ? text.size() : b + 2) - a);
    }
    QStringList lines;
    for (const QString& l : text.split(u'\n'))
        if (!l.trimmed().startsWith(QStringLiteral("--"))) lines.append(l);
    QStringList out;
    for (const QString& s : lines.join(u'\n').split(u';')) {
        const QString t = s.trimmed();
        if (!t.isEmpty()) out.append(t);
    }
    return out;
}

void createDatabase(const QString& path, const QString& scriptFile)
{
    QFile f(scriptFile);
    if (!f.open(QIODevice::ReadOnly)) throw db::Error(QStringLiteral("Não foi possível ler %1").arg(scriptFile));
    const QStringList stmts = statements(QString::fromUtf8(f.readAll()));

    db::Database::create(path, connectParams(), QStringLiteral("ISO8859_1"));
    Session s(path);
    for (const QString& stmt : stmts) {
        s.transaction.start();
        db::executeImmediate(&s.transaction, stmt);
        s.transaction.commit(); // each object exists before the next one refers to it
    }
    s.database.close();
}

namespace {

const char* const kFirst[] = {"JOSÉ", "MARIA", "ANTÔNIO", "ANA", "JOÃO", "FRANCISCA", "CARLOS", "ANTÔNIA", "PAULO",
                              "ADRIANA", "PEDRO", "JULIANA", "LUCAS", "MÁRCIA", "LUIZ", "FERNANDA", "MARCOS",
                              "PATRÍCIA", "GABRIEL", "ALINE", "RAFAEL", "SANDRA", "DANIEL", "CAMILA", "MARCELO",
                              "AMANDA", "BRUNO", "BRUNA", "EDUARDO", "JÉSSICA", "FELIPE", "LETÍCIA", "RAIMUNDO",
                              "CONCEIÇÃO", "RODRIGO", "VANESSA", "SEBASTIÃO", "LÚCIA", "ANDRÉ", "VERÔNICA"};
const char* const kLast[] = {"SILVA", "SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA",
                             "LIMA", "GOMES", "COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "ALMEIDA", "LOPES",
                             "SOARES", "FERNANDES", "VIEIRA", "BARBOSA", "ROCHA", "DIAS", "NASCIMENTO", "ANDRADE",
                             "MOREIRA", "NUNES", "MARQUES", "MACHADO", "MENDES", "FREITAS", "CARDOSO", "RAMOS",
                             "GONÇALVES", "SANTANA", "TEIXEIRA", "ARAÚJO", "PINTO", "CAVALCANTI", "BATISTA"};
const char* const kVehicles[] = {"FIAT UNO MILLE FIRE", "VW GOL 1.0 CITY",     "CHEVROLET ONIX LT 1.0",
                                 "FORD KA SE 1.5",       "HYUNDAI HB20 COMFORT", "RENAULT SANDERO EXP",
                                 "TOYOTA COROLLA XEI",   "HONDA CIVIC LXR",     "VW FOX CONNECT 1.6",
                                 "FIAT STRADA WORKING",  "CHEVROLET CELTA LIFE", "FIAT PALIO ELX",
                                 "HONDA CG 160 FAN",     "YAMAHA FAZER 250",    "JEEP RENEGADE LONGITUDE",
                                 "NISSAN KICKS SV",      "VW SAVEIRO ROBUST",   "FORD FIESTA ROCAM",
                                 "CHEVROLET S10 LTZ",    "TOYOTA HILUX SRV",    "FIAT TORO FREEDOM",
                                 "RENAULT KWID ZEN",     "CITROËN C3 TENDANCE", "PEUGEOT 208 ACTIVE"};
const char* const kColours[] = {"PRATA", "PRETO", "BRANCO", "CINZA", "VERMELHO", "AZUL", "VERDE", "BEGE",
                                "MARROM", "AMARELO", "VINHO", "DOURADO"};
const char* const kOffices[] = {"DESPACHANTE CENTRAL LTDA", "AUTO DOCUMENTOS SÃO JOSÉ", "DESPACHANTE PAULISTA",
                                "RÁPIDO DOCUMENTAÇÃO VEICULAR", "DESPACHANTE BOA VISTA", "CONFIANÇA DESPACHOS",
                                "DESPACHANTE MINEIRO", "EXPRESSO DOCUMENTOS", "DESPACHANTE LIBERDADE",
                                "DESPACHANTE SANTA CRUZ"};
const char* const kServices[] = {"TRANSFERÊNCIA DE PROPRIEDADE", "LICENCIAMENTO ANUAL", "PRIMEIRO EMPLACAMENTO",
                                 "SEGUNDA VIA DO CRV", "BAIXA DE GRAVAME", "ALTERAÇÃO DE CARACTERÍSTICA",
                                 "MUDANÇA DE MUNICÍPIO", "INCLUSÃO DE GRAVAME", "REGULARIZAÇÃO DE MULTAS",
                                 "VISTORIA VEICULAR", "TROCA DE PLACA MERCOSUL", "BAIXA DEFINITIVA"};

template <size_t N>
QString pick(QRandomGenerator& r, const char* const (&list)[N])
{
    return QString::fromUtf8(list[r.bounded(int(N))]);
}

} // namespace

void fillDemo(const QString& path, const DemoSize& size, unsigned seed)
{
    QRandomGenerator rnd(seed);
    Session session(path);
    db::Transaction& t = session.transaction;

    const int offices = std::min<int>(size.offices, int(std::size(kOffices)));
    const int services = std::min<int>(size.services, int(std::size(kServices)));
    QStringList codes, serviceNames;
    {
        db::Statement ins;
        ins.prepare(&t, QStringLiteral("insert into DESPACHANTES (ID, DESPACHANTE, CODIGO, TELEFONE) values (:ID, :D, :C, :T)"));
        for (int i = 0; i < offices; ++i) {
            const QString code = QString::number(101 + i * 7);
            codes.append(code);
            const QString phone = QStringLiteral("(11) 3%1-%2").arg(rnd.bounded(100, 999)).arg(rnd.bounded(1000, 9999));
            ins.execute(&t, ins.inputMessage([&](const QString& n) {
                if (n == u"ID") return db::Value::ofInt(i + 1);
                if (n == u"D") return db::Value::ofText(QString::fromUtf8(kOffices[i]));
                if (n == u"C") return db::Value::ofText(code);
                return db::Value::ofText(phone);
            }));
        }
    }
    {
        db::Statement ins;
        ins.prepare(&t, QStringLiteral("insert into SERVICOS (ID, SERVICO, VALOR) values (:ID, :S, :V)"));
        for (int i = 0; i < services; ++i) {
            serviceNames.append(QString::fromUtf8(kServices[i]));
            const qint64 cents = 5000 + rnd.bounded(50000);
            ins.execute(&t, ins.inputMessage([&](const QString& n) {
                if (n == u"ID") return db::Value::ofInt(i + 1);
                if (n == u"S") return db::Value::ofText(serviceNames.last());
                return db::Value::ofInt(cents, -2);
            }));
        }
    }

    db::Statement ins;
    ins.prepare(&t, QStringLiteral("insert into CARROS (ID, NOME, PROTOCOLO, VEICULO, PLACA, COR, ANO, DATA, ESCRITORIO, "
                                   "DATACADASTRO, DATA_PROTOCOLO, TIPOSERVICO) values (:ID, :NOME, :PROTOCOLO, :VEICULO, "
                                   ":PLACA, :COR, :ANO, :DATA, :ESCRITORIO, :DATACADASTRO, :DATA_PROTOCOLO, :TIPOSERVICO)"));
    const QDate firstDay(2019, 1, 2);
    const int span = int(firstDay.daysTo(QDate(2026, 12, 10)));
    for (int i = 1; i <= size.vehicles; ++i) {
        // Protocols rise with their dates, as an office hands them out day after day.
        const QDate protocolDay = firstDay.addDays(qint64(i) * span / std::max(1, size.vehicles));
        const QDate entry = protocolDay.addDays(rnd.bounded(0, 4));
        const QDate saved = entry.addDays(rnd.bounded(0, 30));
        QString plate;
        for (int k = 0; k < 3; ++k) plate += QChar(u'A' + rnd.bounded(26));
        plate += QString::number(rnd.bounded(10000)).rightJustified(4, u'0');
        const QString name = pick(rnd, kFirst) + u' ' + pick(rnd, kLast) + u' ' + pick(rnd, kLast);
        const QString year = QString::number(rnd.bounded(1995, 2027));
        const QString office = codes.isEmpty() ? QString() : codes[rnd.bounded(int(codes.size()))];
        const QString service = serviceNames.isEmpty() ? QString() : serviceNames[rnd.bounded(int(serviceNames.size()))];
        const QString vehicle = pick(rnd, kVehicles);
        const QString colour = pick(rnd, kColours);
        ins.execute(&t, ins.inputMessage([&](const QString& n) -> db::Value {
            if (n == u"ID" || n == u"PROTOCOLO") return db::Value::ofInt(i);
            if (n == u"NOME") return db::Value::ofText(name);
            if (n == u"VEICULO") return db::Value::ofText(vehicle);
            if (n == u"PLACA") return db::Value::ofText(plate);
            if (n == u"COR") return db::Value::ofText(colour);
            if (n == u"ANO") return db::Value::ofText(year);
            if (n == u"DATA") return db::Value::ofDate(entry);
            if (n == u"ESCRITORIO") return db::Value::ofText(office);
            if (n == u"DATACADASTRO") return db::Value::ofDate(saved);
            if (n == u"DATA_PROTOCOLO") return db::Value::ofDate(protocolDay);
            return db::Value::ofText(service);
        }));
        if (i % 100000 == 0) t.commitRetaining();
    }
    if (size.vehicles > 0) {
        db::executeImmediate(&t, QStringLiteral("insert into GERAIS (PROTOCOLO) values (%1)").arg(size.vehicles));
    }
    db::executeImmediate(&t, QStringLiteral("SET GENERATOR CARROS_K TO %1").arg(size.vehicles));
    db::executeImmediate(&t, QStringLiteral("SET GENERATOR DESPACHANTE_K TO %1").arg(offices));
    db::executeImmediate(&t, QStringLiteral("SET GENERATOR SERVICOS_K TO %1").arg(services));
    t.commit();
    session.database.close();
}

} // namespace schema
