#pragma once
#include <QString>

// The options the main window holds for the whole run, as read from the
// configuration file: texts, not booleans ("T" is on; "F" and empty differ in places).
struct Configuracao {
    QString Caminho;
    QString IniciarAberto;
    QString ProtocoloAutomatico;
    QString OrigemBackup;
    QString DestinoBackup;
    QString CampoCor;
    QString CampoData;
    QString CampoEscritorio;
    QString CampoServico;
    QString Versao;
    QString UmNovoAposSalvar;

    static bool on(const QString& flag) { return flag == QLatin1String("T"); }
};

// Where the program keeps its file and the default folders beside it.
// The program's folder is fixed; tests hand in a temporary one.
class ConfigPaths {
public:
    explicit ConfigPaths(QString folder); // with or without the trailing "/"
    QString folder() const { return m_folder; }       // ends with "/"
    QString iniFile() const { return m_folder + QStringLiteral("corvantaCFG.ini"); }
    QString defaultOrigin() const { return m_folder + QStringLiteral("bd/"); }
    QString defaultDestination() const { return m_folder + QStringLiteral("bck/"); }
    QString defaultDatabase() const { return defaultOrigin() + QStringLiteral("BD.GDB"); }

private:
    QString m_folder;
};

// The program's own folder.
inline constexpr const char* kProgramFolder = "/opt/corvanta-qx/";

// The four ways the program touches the file, each key by key in a fixed order.
namespace config {

// Start-up load; writes the two backup defaults where their keys are empty.
// Leaves every field empty when the file is absent. Returns whether it was found.
bool loadAtStartup(const ConfigPaths& paths, Configuracao& c);

// Writes the stamp when it differs from Versao, then reads it back into Versao.
void stampVersion(const ConfigPaths& paths, Configuracao& c, const QString& programVersion);

// The location window's save: the text exactly as typed.
void saveLocation(const ConfigPaths& paths, const QString& folderAsTyped);

struct OptionsInput {
    bool iniciarAberto = false, campoCor = false, campoData = false, campoEscritorio = false,
         campoServico = false, protocoloAutomatico = false, umNovoAposSalvar = false;
    QString origem, destino; // as typed; written trimmed, and only when they pass the folder check
};

// A folder text passes when, trimmed, it ends with "\" or "/".
bool isFolderText(const QString& text);

// The settings window's save. Returns false when the file is not found for the re-read
// (the flags and folders were written, the record is unchanged).
bool saveOptions(const ConfigPaths& paths, const OptionsInput& in, Configuracao& c);

} // namespace config
