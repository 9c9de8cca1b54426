#include "windows/U_Rede.h"
#include "toolkit/Icons.h"
#include "toolkit/Prompter.h"

TF_Rede::TF_Rede(const ConfigPaths& paths, QWidget* parent) : QDialog(parent), m_paths(paths)
{
    setObjectName(QStringLiteral("F_Rede"));
    setWindowTitle(QStringLiteral("ZUL - Caminho da Rede"));
    // A title bar without any button: no system menu, close, minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(539, 136);
    setModal(true);

    GroupBox1 = new QGroupBox(QStringLiteral("Endereço do Banco de Dados"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 521, 121);
    Label3 = new QLabel(QStringLiteral("Caminho:"), GroupBox1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->move(8, 32);
    // Tab order: Salvar, Fechar, the path box (created in that order).
    BitBtn1 = new ui::BitBtn(QStringLiteral("BitBtn1"), QStringLiteral("&Salvar"), GroupBox1);
    BitBtn1->setGeometry(416, 80, 97, 25);
    BitBtn1->setIcon(ui::icon(ui::Picture::Save));
    BitBtn2 = new ui::BitBtn(QStringLiteral("BitBtn2"), QStringLiteral("&Fechar"), GroupBox1);
    BitBtn2->setGeometry(8, 80, 97, 25);
    BitBtn2->setIcon(ui::icon(ui::Picture::Close));
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 50, 505, 21);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn2Click(); }); });
}

void TF_Rede::BitBtn1Click()
{
    config::saveLocation(m_paths, Edit1->text()); // a failed write stops here: the window stays open
    ui::message(this, QStringLiteral("O Sistema será fechado para completar a operação!\rExecute novamente após o seu encerramento!"));
    if (closeMainWindow) closeMainWindow();
    done(QDialog::Accepted);
}

void TF_Rede::BitBtn2Click()
{
    done(QDialog::Rejected);
    if (closeMainWindow) closeMainWindow();
}
