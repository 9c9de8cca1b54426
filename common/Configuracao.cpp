#include "common/Configuracao.h"
#include "common/IniFile.h"

ConfigPaths::ConfigPaths(QString folder) : m_folder(std::move(folder))
{
    if (!m_folder.endsWith(u'/')) m_folder += u'/';
}

namespace config {
namespace {
const QString REDE = QStringLiteral("REDE");
const QString OPCOES = QStringLiteral("OPCOES");
const QString DADOS = QStringLiteral("DADOS");

struct Key {
    const QString& section;
    const char* name;
    QString Configuracao::*field;
};

// Reads each key into its field, in the order given: the order is the file's history.
void readKeys(const QString& file, std::initializer_list<Key> keys, Configuracao& c)
{
    for (const Key& k : keys) c.*k.field = ini::read(file, k.section, QString::fromLatin1(k.name));
}

QString flagText(bool on) { return on ? QStringLiteral("T") : QStringLiteral("F"); }

void readWithDefault(const QString& file, const QString& key, const QString& def, QString& field)
{
    field = ini::read(file, REDE, key);
    if (field.isEmpty()) {
        ini::write(file, REDE, key, def);
        field = ini::read(file, REDE, key);
    }
}
} // namespace

bool loadAtStartup(const ConfigPaths& paths, Configuracao& c)
{
    const QString f = paths.iniFile();
    if (!ini::exists(f)) return false;
    c.Caminho = ini::read(f, REDE, QStringLiteral("CAMINHO"));
    readWithDefault(f, QStringLiteral("ORIGEM_BACKUP"), paths.defaultOrigin(), c.OrigemBackup);
    readWithDefault(f, QStringLiteral("DESTINO_BACKUP"), paths.defaultDestination(), c.DestinoBackup);
    readKeys(f,
             {{OPCOES, "INICIARABERTO", &Configuracao::IniciarAberto},
              {OPCOES, "PROTOCOLO_AUTOMATICO", &Configuracao::ProtocoloAutomatico},
              {OPCOES, "UM_NOVO_APOS_SALVAR", &Configuracao::UmNovoAposSalvar},
              {OPCOES, "CAMPOCOR", &Configuracao::CampoCor},
              {OPCOES, "CAMPODATA", &Configuracao::CampoData},
              {OPCOES, "CAMPOESCRITORIO", &Configuracao::CampoEscritorio},
              {OPCOES, "CAMPOSERVICO", &Configuracao::CampoServico},
              {DADOS, "VERSAO", &Configuracao::Versao}},
             c);
    return true;
}

void stampVersion(const ConfigPaths& paths, Configuracao& c, const QString& programVersion)
{
    if (programVersion == c.Versao) return;
    ini::write(paths.iniFile(), DADOS, QStringLiteral("VERSAO"), programVersion);
    c.Versao = ini::read(paths.iniFile(), DADOS, QStringLiteral("VERSAO"));
}

void saveLocation(const ConfigPaths& paths, const QString& folderAsTyped)
{
    ini::write(paths.iniFile(), REDE, QStringLiteral("CAMINHO"), folderAsTyped);
}

bool isFolderText(const QString& text)
{
    const QString t = text.trimmed();
    return t.endsWith(u'\\') || t.endsWith(u'/');
}

bool saveOptions(const ConfigPaths& paths, const OptionsInput& in, Configuracao& c)
{
    const QString f = paths.iniFile();
    const std::pair<const char*, bool> flags[] = {
        {"INICIARABERTO", in.iniciarAberto},   {"CAMPOCOR", in.campoCor},
        {"CAMPODATA", in.campoData},           {"CAMPOESCRITORIO", in.campoEscritorio},
        {"CAMPOSERVICO", in.campoServico},     {"PROTOCOLO_AUTOMATICO", in.protocoloAutomatico},
        {"UM_NOVO_APOS_SALVAR", in.umNovoAposSalvar}};
    for (const auto& [key, on] : flags) ini::write(f, OPCOES, QString::fromLatin1(key), flagText(on));
    if (isFolderText(in.origem)) ini::write(f, REDE, QStringLiteral("ORIGEM_BACKUP"), in.origem.trimmed());
    if (isFolderText(in.destino)) ini::write(f, REDE, QStringLiteral("DESTINO_BACKUP"), in.destino.trimmed());

    if (!ini::exists(f)) return false;
    readKeys(f,
             {{REDE, "ORIGEM_BACKUP", &Configuracao::OrigemBackup},
              {REDE, "DESTINO_BACKUP", &Configuracao::DestinoBackup},
              {OPCOES, "INICIARABERTO", &Configuracao::IniciarAberto},
              {OPCOES, "CAMPOCOR", &Configuracao::CampoCor},
              {OPCOES, "CAMPODATA", &Configuracao::CampoData},
              {OPCOES, "CAMPOESCRITORIO", &Configuracao::CampoEscritorio},
              {OPCOES, "CAMPOSERVICO", &Configuracao::CampoServico},
              {OPCOES, "PROTOCOLO_AUTOMATICO", &Configuracao::ProtocoloAutomatico},
              {OPCOES, "UM_NOVO_APOS_SALVAR", &Configuracao::UmNovoAposSalvar}},
             c);
    return true;
}

} // namespace config
