#include "app/QX.h"
#include "app/U_Principal.h"
#include "data/U_DM.h"
#include "toolkit/Prompter.h"
#include "windows/Sobre.h"
#include "windows/UR_RelatorioCARROS.h"
#include "windows/U_Backup.h"
#include "windows/U_Filtros.h"
#include "windows/U_Rede.h"
#include "windows/U_configuracoes.h"

#include <QApplication>
#include <QFont>

Programa::Programa(const QString& folder) : paths(folder)
{
    // The main window first: it is the application's main window, and its construction
    // touches nothing of the data module.
    F_Principal = std::make_unique<TF_Principal>(*this);
    DM = std::make_unique<TDM>(paths.defaultDatabase());
    F_Rede = std::make_unique<TF_Rede>(paths, F_Principal.get());
    F_Rede->closeMainWindow = [this] { F_Principal->requestClose(); };
    Form2 = std::make_unique<TForm2>(F_Principal.get());
    F_configuracoes = std::make_unique<TF_configuracoes>(F_Principal.get());
    F_Filtros = std::make_unique<TF_Filtros>(F_Principal.get());
    FR_RelatorioCARROS = std::make_unique<TFR_RelatorioCARROS>();
    F_Backup = std::make_unique<TF_Backup>(F_Principal.get());
}

Programa::~Programa()
{
    // Windows parented to the main window go first; the data module closes its
    // datasets and commits an active transaction while the main window still exists.
    F_Backup.reset();
    FR_RelatorioCARROS.reset();
    F_Filtros.reset();
    F_configuracoes.reset();
    Form2.reset();
    F_Rede.reset();
    DM.reset();
    F_Principal.reset();
}

void setUpApplication()
{
    QApplication::setApplicationName(ui::applicationTitle());
    QApplication::setApplicationDisplayName(QString());
    // The fonts the windows name, as Linux has them.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

int QX(int argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    setUpApplication();
    int rc = 0;
    {
        Programa program(folder);
        program.F_Principal->show();
        rc = app.exec();
    }
    return rc;
}
