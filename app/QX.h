#pragma once
// The program entry: the application title, the eight windows in their order, the message loop.
#include "common/Configuracao.h"

#include <memory>

class TF_Principal;
class TDM;
class TF_Rede;
class TForm2;
class TF_configuracoes;
class TF_Filtros;
class TFR_RelatorioCARROS;
class TF_Backup;

// One instance of every window class, created in this order and kept for the whole run.
class Programa {
public:
    explicit Programa(const QString& folder);
    ~Programa();
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;

    ConfigPaths paths;
    std::unique_ptr<TF_Principal> F_Principal;
    std::unique_ptr<TDM> DM;
    std::unique_ptr<TF_Rede> F_Rede;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TF_configuracoes> F_configuracoes;
    std::unique_ptr<TF_Filtros> F_Filtros;
    std::unique_ptr<TFR_RelatorioCARROS> FR_RelatorioCARROS;
    std::unique_ptr<TF_Backup> F_Backup;
};

// Sets up the application (title, fonts) on an existing QApplication.
void setUpApplication();

// Runs the program over the given folder; returns when the main window closes.
int QX(int argc, char** argv, const QString& folder);
