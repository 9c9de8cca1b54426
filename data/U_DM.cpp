#include "data/U_DM.h"

#include <QThread>

using db::FieldType;

namespace {

void applyRules(const EditControls& c, db::State s)
{
    const bool editing = s == db::State::Edit || s == db::State::Insert;
    const bool browsing = s == db::State::Browse;
    auto set = [](const EditControls::Switch& sw, bool on) {
        if (sw) sw(on);
    };
    set(c.novo, !editing);
    set(c.grid, !editing);
    set(c.alterar, browsing);
    set(c.excluir, browsing);
    set(c.salvar, editing);
    set(c.cancelar, editing);
    for (const auto& sw : c.whileNotEditing) set(sw, !editing);
    for (const auto& sw : c.whileBrowsing) set(sw, browsing);
}

} // namespace

TDM::TDM(const QString& defaultDatabaseName, QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DM"));
    IBDatabase1.databaseName = defaultDatabaseName;
    IBDatabase1.params = {QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=plumbagot"),
                          QStringLiteral("lc_ctype=ISO8859_1")};
    IBDatabase1.sqlDialect = 3;
    IBDatabase1.defaultTransaction = &IBTransaction1;
    IBTransaction1.params = {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")};

    // ---- CARROS
    IB_CARROS.setSelectSQL({QStringLiteral("select * from CARROS order by PROTOCOLO")});
    IB_CARROS.insertSQL = {
        QStringLiteral("insert into CARROS"),
        QStringLiteral("  (ID, NOME, PROTOCOLO, VEICULO, PLACA, COR, ANO, DATA, ESCRITORIO, "),
        QStringLiteral("DATACADASTRO, "),
        QStringLiteral("   DATA_PROTOCOLO, TIPOSERVICO)"),
        QStringLiteral("values"),
        QStringLiteral("  (:ID, :NOME, :PROTOCOLO, :VEICULO, :PLACA, :COR, :ANO, :DATA, "),
        QStringLiteral(":ESCRITORIO, "),
        QStringLiteral("   :DATACADASTRO, :DATA_PROTOCOLO, :TIPOSERVICO)")};
    IB_CARROS.modifySQL = {QStringLiteral("update CARROS"),          QStringLiteral("set"),
                           QStringLiteral("  ID = :ID,"),            QStringLiteral("  NOME = :NOME,"),
                           QStringLiteral("  PROTOCOLO = :PROTOCOLO,"), QStringLiteral("  VEICULO = :VEICULO,"),
                           QStringLiteral("  PLACA = :PLACA,"),      QStringLiteral("  COR = :COR,"),
                           QStringLiteral("  ANO = :ANO,"),          QStringLiteral("  DATA = :DATA,"),
                           QStringLiteral("  ESCRITORIO = :ESCRITORIO,"),
                           QStringLiteral("  DATACADASTRO = :DATACADASTRO,"),
                           QStringLiteral("  DATA_PROTOCOLO = :DATA_PROTOCOLO,"),
                           QStringLiteral("  TIPOSERVICO = :TIPOSERVICO"),
                           QStringLiteral("where"),                  QStringLiteral("  ID = :OLD_ID"),
                           QString()};
    IB_CARROS.deleteSQL = {QStringLiteral("delete from CARROS"), QStringLiteral("where"), QStringLiteral("  ID = :OLD_ID")};
    IB_CARROS.refreshSQL = {QStringLiteral("Select "),       QStringLiteral("  ID,"),         QStringLiteral("  NOME,"),
                            QStringLiteral("  PROTOCOLO,"),  QStringLiteral("  VEICULO,"),    QStringLiteral("  PLACA,"),
                            QStringLiteral("  COR,"),        QStringLiteral("  ANO,"),        QStringLiteral("  DATA,"),
                            QStringLiteral("  ESCRITORIO,"), QStringLiteral("  DATACADASTRO,"),
                            QStringLiteral("  DATA_PROTOCOLO,"), QStringLiteral("  TIPOSERVICO"),
                            QStringLiteral("from CARROS "), QStringLiteral("where"), QStringLiteral("  ID = :ID")};
    IB_CARROS.setGenerator(QStringLiteral("CARROS_K"), QStringLiteral("ID"));
    IB_CARROS.addField(QStringLiteral("ID"), FieldType::Integer, 0, true);
    IB_CARROS.addField(QStringLiteral("NOME"), FieldType::Text, 62);
    IB_CARROS.addField(QStringLiteral("PROTOCOLO"), FieldType::Integer);
    IB_CARROS.addField(QStringLiteral("VEICULO"), FieldType::Text, 40);
    IB_CARROS.addField(QStringLiteral("PLACA"), FieldType::Text, 7);
    IB_CARROS.addField(QStringLiteral("COR"), FieldType::Text, 15);
    IB_CARROS.addField(QStringLiteral("ANO"), FieldType::Text, 4);
    IB_CARROS.addField(QStringLiteral("DATA"), FieldType::Date);
    IB_CARROS.addField(QStringLiteral("ESCRITORIO"), FieldType::Text, 4);
    IB_CARROS.addField(QStringLiteral("DATACADASTRO"), FieldType::Date);
    IB_CARROS.addField(QStringLiteral("DATA_PROTOCOLO"), FieldType::Date);
    IB_CARROS.addField(QStringLiteral("TIPOSERVICO"), FieldType::Text, 40);
    db::Field** carros[] = {&IB_CARROSID,  &IB_CARROSNOME, &IB_CARROSPROTOCOLO,   &IB_CARROSVEICULO,
                            &IB_CARROSPLACA, &IB_CARROSCOR, &IB_CARROSANO,        &IB_CARROSDATA,
                            &IB_CARROSESCRITORIO, &IB_CARROSDATACADASTRO, &IB_CARROSDATA_PROTOCOLO,
                            &IB_CARROSTIPOSERVICO};
    for (int i = 0; i < 12; ++i) *carros[i] = IB_CARROS.field(i);

    // ---- DESPACHANTES
    IB_DESPACHANTES.setSelectSQL({QStringLiteral("select * from DESPACHANTES ORDER BY CODIGO")});
    IB_DESPACHANTES.insertSQL = {QStringLiteral("insert into DESPACHANTES"),
                                 QStringLiteral("  (ID, DESPACHANTE, TELEFONE, CODIGO)"), QStringLiteral("values"),
                                 QStringLiteral("  (:ID, :DESPACHANTE, :TELEFONE, :CODIGO)")};
    IB_DESPACHANTES.modifySQL = {QStringLiteral("update DESPACHANTES"),         QStringLiteral("set"),
                                 QStringLiteral("  ID = :ID,"),                 QStringLiteral("  DESPACHANTE = :DESPACHANTE,"),
                                 QStringLiteral("  TELEFONE = :TELEFONE,"),     QStringLiteral("  CODIGO = :CODIGO"),
                                 QStringLiteral("where"),                       QStringLiteral("  ID = :OLD_ID")};
    IB_DESPACHANTES.deleteSQL = {QStringLiteral("delete from DESPACHANTES"), QStringLiteral("where"),
                                 QStringLiteral("  ID = :OLD_ID")};
    IB_DESPACHANTES.refreshSQL = {QStringLiteral("Select "),          QStringLiteral("  ID,"),
                                  QStringLiteral("  DESPACHANTE,"),   QStringLiteral("  TELEFONE,"),
                                  QStringLiteral("  CODIGO"),         QStringLiteral("from DESPACHANTES "),
                                  QStringLiteral("where"),            QStringLiteral("  ID = :ID")};
    IB_DESPACHANTES.setGenerator(QStringLiteral("DESPACHANTE_K"), QStringLiteral("ID"));
    IB_DESPACHANTES.addField(QStringLiteral("ID"), FieldType::Integer, 0, true);
    IB_DESPACHANTES.addField(QStringLiteral("DESPACHANTE"), FieldType::Text, 60);
    IB_DESPACHANTES.addField(QStringLiteral("CODIGO"), FieldType::Text, 4);
    IB_DESPACHANTES.addField(QStringLiteral("TELEFONE"), FieldType::Text, 15);
    IB_DESPACHANTESID = IB_DESPACHANTES.field(0);
    IB_DESPACHANTESDESPACHANTE = IB_DESPACHANTES.field(1);
    IB_DESPACHANTESCODIGO = IB_DESPACHANTES.field(2);
    IB_DESPACHANTESTELEFONE = IB_DESPACHANTES.field(3);

    // ---- SERVICOS
    IB_SERVICOS.setSelectSQL({QStringLiteral("select * from SERVICOS ORDER BY SERVICO")});
    IB_SERVICOS.insertSQL = {QStringLiteral("insert into SERVICOS"), QStringLiteral("  (ID, SERVICO, VALOR)"),
                             QStringLiteral("values"), QStringLiteral("  (:ID, :SERVICO, :VALOR)")};
    IB_SERVICOS.modifySQL = {QStringLiteral("update SERVICOS"), QStringLiteral("set"),
                             QStringLiteral("  ID = :ID,"),     QStringLiteral("  SERVICO = :SERVICO,"),
                             QStringLiteral("  VALOR = :VALOR"), QStringLiteral("where"),
                             QStringLiteral("  ID = :OLD_ID")};
    IB_SERVICOS.deleteSQL = {QStringLiteral("delete from SERVICOS"), QStringLiteral("where"), QStringLiteral("  ID = :OLD_ID")};
    IB_SERVICOS.refreshSQL = {QStringLiteral("Select "), QStringLiteral("  ID,"), QStringLiteral("  SERVICO,"),
                              QStringLiteral("  VALOR"), QStringLiteral("from SERVICOS "), QStringLiteral("where"),
                              QStringLiteral("  ID = :ID")};
    IB_SERVICOS.setGenerator(QStringLiteral("SERVICOS_K"), QStringLiteral("ID"));
    IB_SERVICOS.addField(QStringLiteral("ID"), FieldType::Integer, 0, true);
    IB_SERVICOS.addField(QStringLiteral("SERVICO"), FieldType::Text, 40);
    IB_SERVICOS.addField(QStringLiteral("VALOR"), FieldType::Decimal);
    IB_SERVICOSID = IB_SERVICOS.field(0);
    IB_SERVICOSSERVICO = IB_SERVICOS.field(1);
    IB_SERVICOSVALOR = IB_SERVICOS.field(2);

    // ---- GERAIS
    IB_GERAIS.setSelectSQL({QStringLiteral("select * from GERAIS")});
    IB_GERAIS.insertSQL = {QStringLiteral("insert into GERAIS"), QStringLiteral("  (PROTOCOLO)"), QStringLiteral("values"),
                           QStringLiteral("  (:PROTOCOLO)")};
    IB_GERAIS.modifySQL = {QStringLiteral("update GERAIS"), QStringLiteral("set"), QStringLiteral("  PROTOCOLO = :PROTOCOLO"),
                           QStringLiteral("where"), QStringLiteral("  PROTOCOLO = :OLD_PROTOCOLO")};
    IB_GERAIS.deleteSQL = {QStringLiteral("delete from GERAIS"), QStringLiteral("where"),
                           QStringLiteral("  PROTOCOLO = :OLD_PROTOCOLO")};
    IB_GERAIS.refreshSQL = {QStringLiteral("Select "), QStringLiteral("  PROTOCOLO"), QStringLiteral("from GERAIS "),
                            QStringLiteral("where"), QStringLiteral("  PROTOCOLO = :PROTOCOLO")};
    IB_GERAIS.addField(QStringLiteral("PROTOCOLO"), FieldType::Integer, 0, true);
    IB_GERAISPROTOCOLO = IB_GERAIS.field(0);

    connect(&DS_CARROS, &db::DataSource::stateChanged, this, &TDM::DS_CARROSStateChange);
    connect(&DS_DESPACHANTES, &db::DataSource::stateChanged, this, &TDM::DS_DESPACHANTESStateChange);
    connect(&DS_SERVICOS, &db::DataSource::stateChanged, this, &TDM::DS_SERVICOSStateChange);
    connect(&IB_CARROS, &db::Dataset::afterOpen, this, &TDM::IB_CARROSAfterOpen);
}

TDM::~TDM()
{
    // The run ends: datasets close, an active transaction is committed.
    try {
        IBDatabase1.close();
    } catch (const db::Error&) {
    }
}

void TDM::DS_CARROSStateChange(db::DataSource* source) { applyRules(carrosControls, source->dataSet()->state()); }
void TDM::DS_DESPACHANTESStateChange(db::DataSource* source)
{
    applyRules(despachantesControls, source->dataSet()->state());
}
void TDM::DS_SERVICOSStateChange(db::DataSource* source) { applyRules(servicosControls, source->dataSet()->state()); }

QString TDM::counterText(int n)
{
    return QStringLiteral("Registros Visualizados: ") + QString::number(n).rightJustified(10, u'0');
}

void TDM::IB_CARROSAfterOpen(db::Dataset* ds)
{
    ds->fetchAll();
    if (setRecordCounter) setRecordCounter(counterText(ds->recordCount()));
}

int TDM::LerContador()
{
    IB_GERAIS.open();
    const int n = int(IB_GERAISPROTOCOLO->asInteger());
    IB_GERAIS.close();
    return n;
}

void TDM::writeCounter(int value)
{
    IB_GERAIS.edit(); // a new row when the table is empty
    IB_GERAISPROTOCOLO->setAsInteger(value);
    IB_GERAIS.post(); // fails when the row read is no longer there as read
    IBTransaction1.commitRetaining();
}

void TDM::GravarContador(int value)
{
    IB_GERAIS.open();
    try {
        writeCounter(value);
    } catch (...) {
        IB_GERAIS.close();
        throw;
    }
    IB_GERAIS.close();
}

int TDM::GravarProximoProtocolo(int attempts)
{
    for (int attempt = 1;; ++attempt) {
        IB_GERAIS.open();
        const int n = int(IB_GERAISPROTOCOLO->asInteger()) + 1;
        try {
            writeCounter(n);
            IB_GERAIS.close();
            return n;
        } catch (const db::Error&) {
            IB_GERAIS.close();
            if (attempt >= attempts) throw;
        }
        // Another workstation is saving this very moment: let it finish, then read again.
        QThread::msleep(static_cast<unsigned long>(2 * attempt));
    }
}

ConsultaCarros TDM::GuardarConsultaCarros()
{
    ConsultaCarros k;
    k.n = IB_CARROS.paramCount();
    k.sql = IB_CARROS.selectSQL();
    k.open = IB_CARROS.isOpen();
    for (int i = 0; i < k.n; ++i) k.values.append(IB_CARROS.paramText(i));
    return k;
}

void TDM::RestaurarConsultaCarros(const ConsultaCarros& kept) { RestaurarConsultaCarros(kept, kept.sql); }

void TDM::RestaurarConsultaCarros(const ConsultaCarros& kept, const QStringList& sql)
{
    if (!kept.open) return;
    IB_CARROS.close();
    IB_CARROS.setSelectSQL(sql);
    for (int i = 0; i < kept.n; ++i) IB_CARROS.setParamText(i, kept.values.value(i).trimmed());
    IB_CARROS.open();
}
