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
    c.IniciarAberto = ini::read(f, OPCOES, QStringLiteral("INICIARABERTO"));
    c.ProtocoloAutomatico = ini::read(f, OPCOES, QStringLiteral("PROTOCOLO_AUTOMATICO"));
    c.UmNovoAposSalvar = ini::read(f, OPCOES, QStringLiteral("UM_NOVO_APOS_SALVAR"));
    c.CampoCor = ini::read(f, OPCOES, QStringLiteral("CAMPOCOR"));
    c.CampoData = ini::read(f, OPCOES, QStringLiteral("CAMPODATA"));
    c.CampoEscritorio = ini::read(f, OPCOES, QStringLiteral("CAMPOESCRITORIO"));
    c.CampoServico = ini::read(f, OPCOES, QStringLiteral("CAMPOSERVICO"));
    c.Versao = ini::read(f, DADOS, QStringLiteral("VERSAO"));
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
    ini::write(f, OPCOES, QStringLiteral("INICIARABERTO"), flagText(in.iniciarAberto));
    ini::write(f, OPCOES, QStringLiteral("CAMPOCOR"), flagText(in.campoCor));
    ini::write(f, OPCOES, QStringLiteral("CAMPODATA"), flagText(in.campoData));
    ini::write(f, OPCOES, QStringLiteral("CAMPOESCRITORIO"), flagText(in.campoEscritorio));
    ini::write(f, OPCOES, QStringLiteral("CAMPOSERVICO"), flagText(in.campoServico));
    ini::write(f, OPCOES, QStringLiteral("PROTOCOLO_AUTOMATICO"), flagText(in.protocoloAutomatico));
    ini::write(f, OPCOES, QStringLiteral("UM_NOVO_APOS_SALVAR"), flagText(in.umNovoAposSalvar));
    if (isFolderText(in.origem)) ini::write(f, REDE, QStringLiteral("ORIGEM_BACKUP"), in.origem.trimmed());
    if (isFolderText(in.destino)) ini::write(f, REDE, QStringLiteral("DESTINO_BACKUP"), in.destino.trimmed());

    if (!ini::exists(f)) return false;
    c.OrigemBackup = ini::read(f, REDE, QStringLiteral("ORIGEM_BACKUP"));
    c.DestinoBackup = ini::read(f, REDE, QStringLiteral("DESTINO_BACKUP"));
    c.IniciarAberto = ini::read(f, OPCOES, QStringLiteral("INICIARABERTO"));
    c.CampoCor = ini::read(f, OPCOES, QStringLiteral("CAMPOCOR"));
    c.CampoData = ini::read(f, OPCOES, QStringLiteral("CAMPODATA"));
    c.CampoEscritorio = ini::read(f, OPCOES, QStringLiteral("CAMPOESCRITORIO"));
    c.CampoServico = ini::read(f, OPCOES, QStringLiteral("CAMPOSERVICO"));
    c.ProtocoloAutomatico = ini::read(f, OPCOES, QStringLiteral("PROTOCOLO_AUTOMATICO"));
    c.UmNovoAposSalvar = ini::read(f, OPCOES, QStringLiteral("UM_NOVO_APOS_SALVAR"));
    return true;
}

} // namespace config
