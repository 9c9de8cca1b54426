#pragma once
// The database location window: fixes the folder of the database file and ends the program.
#include "common/Configuracao.h"
#include "toolkit/Widgets.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <functional>

class TF_Rede : public QDialog {
    Q_OBJECT
public:
    TF_Rede(const ConfigPaths& paths, QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLabel* Label3;
    QLineEdit* Edit1;
    ui::BitBtn* BitBtn1; // Salvar
    ui::BitBtn* BitBtn2; // Fechar

    // Closes the main window, which ends the program.
    std::function<void()> closeMainWindow;

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void reject() override {} // no way out but the two buttons (Esc included)

private:
    ConfigPaths m_paths;
};
