#pragma once
// The data module: the program's one connection, one transaction, the four
// datasets with their data sources, the edit-state rules and the vehicle query keeping.
#include "data/Dataset.h"

#include <QObject>

#include <functional>

// Switches for the controls of one register tab whose enabled state follows its dataset.
// Empty switches are skipped: a tab page removed at start-up has none.
struct EditControls {
    using Switch = std::function<void(bool)>;
    Switch novo, grid, alterar, excluir, salvar, cancelar;
    std::vector<Switch> whileNotEditing; // Pesquisar, Filtros
    std::vector<Switch> whileBrowsing;   // Relatório
};

// The vehicle query as kept across an action that ends the transaction.
struct ConsultaCarros {
    int n = 0;
    QStringList sql;
    bool open = false;
    QStringList values; // the n parameter values as text, empty for a null
};

class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(const QString& defaultDatabaseName, QObject* parent = nullptr);
    ~TDM() override;

    db::Database IBDatabase1;
    db::Transaction IBTransaction1{&IBDatabase1};
    db::Dataset IB_CARROS{QStringLiteral("IB_CARROS"), &IBDatabase1, &IBTransaction1};
    db::Dataset IB_DESPACHANTES{QStringLiteral("IB_DESPACHANTES"), &IBDatabase1, &IBTransaction1};
    db::Dataset IB_SERVICOS{QStringLiteral("IB_SERVICOS"), &IBDatabase1, &IBTransaction1};
    db::Dataset IB_GERAIS{QStringLiteral("IB_GERAIS"), &IBDatabase1, &IBTransaction1};
    db::DataSource DS_CARROS{QStringLiteral("DS_CARROS"), &IB_CARROS};
    db::DataSource DS_DESPACHANTES{QStringLiteral("DS_DESPACHANTES"), &IB_DESPACHANTES};
    db::DataSource DS_SERVICOS{QStringLiteral("DS_SERVICOS"), &IB_SERVICOS};
    db::DataSource DS_GERAIS{QStringLiteral("DS_GERAIS"), &IB_GERAIS};

    // Field objects, named after their dataset and column.
    db::Field *IB_CARROSID, *IB_CARROSNOME, *IB_CARROSPROTOCOLO, *IB_CARROSVEICULO, *IB_CARROSPLACA, *IB_CARROSCOR,
        *IB_CARROSANO, *IB_CARROSDATA, *IB_CARROSESCRITORIO, *IB_CARROSDATACADASTRO, *IB_CARROSDATA_PROTOCOLO,
        *IB_CARROSTIPOSERVICO;
    db::Field *IB_DESPACHANTESID, *IB_DESPACHANTESDESPACHANTE, *IB_DESPACHANTESCODIGO, *IB_DESPACHANTESTELEFONE;
    db::Field *IB_SERVICOSID, *IB_SERVICOSSERVICO, *IB_SERVICOSVALOR;
    db::Field* IB_GERAISPROTOCOLO;

    // What the main window hands in for the rules to act on.
    EditControls carrosControls, despachantesControls, servicosControls;
    std::function<void(const QString&)> setRecordCounter; // caption of the vehicle grid's frame

    void DS_CARROSStateChange(db::DataSource* source);
    void DS_DESPACHANTESStateChange(db::DataSource* source);
    void DS_SERVICOSStateChange(db::DataSource* source);
    void IB_CARROSAfterOpen(db::Dataset* ds);

    // The protocol counter in GERAIS: the last number handed out, 0 while the table is empty.
    int LerContador();
    // Draws counter + 1, writes it back and commits it. A write that finds the counter moved
    // or held by another workstation draws again from the fresh counter, up to `attempts`
    // times, so that two workstations never hand out the same number; then it fails.
    int GravarProximoProtocolo(int attempts = kTentativasContador);
    // Writes the counter as given and commits it (a new base for the numbering).
    void GravarContador(int value);
    static constexpr int kTentativasContador = 20;

    ConsultaCarros GuardarConsultaCarros();
    void RestaurarConsultaCarros(const ConsultaCarros& kept);
    void RestaurarConsultaCarros(const ConsultaCarros& kept, const QStringList& sql);

    static QString counterText(int n); // "Registros Visualizados: " and ten digits

private:
    void writeCounter(int value); // on the open IB_GERAIS
};
