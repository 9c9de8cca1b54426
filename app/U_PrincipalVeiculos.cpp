// The Veículos tab: the vehicle grid with its search controls, the record form and its buttons.
#include "app/U_Principal.h"
#include "toolkit/Form.h"
#include "toolkit/Prompter.h"


void TF_Principal::buildVeiculos()
{
    TabSheet1 = ui::page(PageControl1, "TabSheet1", QStringLiteral("Veículos"),
                         QStringLiteral("   Cadastro e ou Consulta de veículos"));
    GroupBox1 = ui::groupBox("GroupBox1", TabSheet1, 8, 4, 369, 389);
    DBGrid1 = new ui::DBGrid(QStringLiteral("DBGrid1"), GroupBox1);
    DBGrid1->setGeometry(8, 16, 353, 297);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(8, 320, 137, 21);
    ComboBox1->setEditable(false);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TF_Principal::ComboBox1Change);
    BitBtn4 = ui::button("BitBtn4", "Pesquisar", "   Pesquisa pela Coluna selecionada", ui::Picture::Search, GroupBox1, 56, 352, 89);
    BitBtn7 = ui::button("BitBtn7", "&Filtros", "   Filtra registros entre datas", ui::Picture::Filter, GroupBox1, 269, 320, 91);
    BitBtn8 = ui::button("BitBtn8", QStringLiteral("&Relatório"), "   Gera relatório geral", ui::Picture::Report, GroupBox1, 269, 352, 91);
    ListBox1 = new QListWidget(GroupBox1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->hide();

    Panel2 = ui::panel("Panel2", TabSheet1, 384, 8, 361, 327);
    // Created in tab order, which is the order Enter follows.
    Edit6 = new QLineEdit(Panel2);
    Edit6->setObjectName(QStringLiteral("Edit6"));
    Edit6->setGeometry(24, 8, 81, 21); // start-up moves it over DBEdit3
    Edit6->hide();
    Label3 = ui::label("Label3", "PROTOCOLO", Panel2, 24, 16);
    DBEdit3 = ui::edit("DBEdit3", Panel2, 24, 32, 81, true);
    Label9 = ui::label("Label9", "DT.PROTOCOLO", Panel2, 120, 16);
    DBEdit9 = ui::edit("DBEdit9", Panel2, 120, 32, 97, false);
    DBEdit9->setDateMask();
    Label8 = ui::label("Label8", "DATA", Panel2, 232, 16);
    DBEdit8 = ui::edit("DBEdit8", Panel2, 232, 32, 105, false);
    DBEdit8->setDateMask();
    Label1 = ui::label("Label1", "NOME", Panel2, 24, 56);
    DBEdit1 = ui::edit("DBEdit1", Panel2, 24, 72, 312, true);
    Label5 = ui::label("Label5", "ESCRITORIO", Panel2, 24, 96);
    DBLookupComboBox1 = new ui::DBLookupComboBox(QStringLiteral("DBLookupComboBox1"), Panel2);
    DBLookupComboBox1->setGeometry(24, 112, 313, 21);
    Label2 = ui::label("Label2", "VEICULO", Panel2, 24, 136);
    DBEdit2 = ui::edit("DBEdit2", Panel2, 24, 152, 311, true);
    Label6 = ui::label("Label6", "PLACA", Panel2, 24, 178);
    DBEdit6 = ui::edit("DBEdit6", Panel2, 24, 196, 95, true);
    Label4 = ui::label("Label4", "ANO", Panel2, 140, 178);
    DBEdit4 = ui::edit("DBEdit4", Panel2, 140, 196, 56, true);
    Label7 = ui::label("Label7", "COR", Panel2, 216, 180);
    DBEdit7 = ui::edit("DBEdit7", Panel2, 216, 196, 119, true);
    Label31 = ui::label("Label31", QStringLiteral("TIPO DE SERVIÇO"), Panel2, 24, 224);
    DBLookupComboBox2 = new ui::DBLookupComboBox(QStringLiteral("DBLookupComboBox2"), Panel2);
    DBLookupComboBox2->setGeometry(24, 240, 313, 21);
    BitBtn5 = ui::button("BitBtn5", "&Salvar", "   Grava o registro", ui::Picture::Save, Panel2, 244, 280, 91, false);
    Label25 = ui::label("Label25", QStringLiteral("Ult. Alteração/Cadastro"), Panel2, 24, 275);
    DBText1 = new ui::DBText(QStringLiteral("DBText1"), Panel2);
    DBText1->setGeometry(24, 293, 113, 17);
    DBText1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = DBText1->font();
    bold.setBold(true);
    DBText1->setFont(bold);

    Panel3 = ui::panel("Panel3", TabSheet1, 384, 336, 361, 57);
    const auto b = ui::recordButtons(Panel3, {"BitBtn1", "BitBtn2", "BitBtn6", "BitBtn3"},
                                     QStringLiteral("   Inclui um novo registro de veículo"));
    BitBtn1 = b.novo;
    BitBtn2 = b.alterar;
    BitBtn6 = b.cancelar;
    BitBtn3 = b.excluir;

    auto click = [this](QPushButton* b, void (TF_Principal::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { ui::guard(this, [&] { (this->*handler)(); }); });
    };
    click(BitBtn1, &TF_Principal::BitBtn1Click);
    click(BitBtn2, &TF_Principal::BitBtn2Click);
    click(BitBtn5, &TF_Principal::BitBtn5Click);
    click(BitBtn6, &TF_Principal::BitBtn6Click);
    click(BitBtn3, &TF_Principal::BitBtn3Click);
    ui::onExit(Edit6, [this] { ui::guard(this, [this] { Edit6Exit(); }); });

    ui::onKeyDown(Edit6, [this](int k) { return Edit6KeyDown(k); });
    ui::onKeyDown(DBEdit3, [this](int k) { return DBEdit3KeyDown(k); });
    ui::onKeyDown(DBEdit9, [this](int k) { return DBEdit9KeyDown(k); });
    ui::onKeyDown(DBEdit8, [this](int k) { return DBEdit8KeyDown(k); });
    ui::onKeyDown(DBEdit1, [this](int k) { return DBEdit1KeyDown(k); });
    ui::onKeyDown(DBLookupComboBox1, [this](int k) { return DBLookupComboBox1KeyDown(k); });
    ui::onKeyDown(DBEdit2, [this](int k) { return DBEdit2KeyDown(k); });
    ui::onKeyDown(DBEdit6, [this](int k) { return DBEdit6KeyDown(k); });
    ui::onKeyDown(DBEdit4, [this](int k) { return DBEdit4KeyDown(k); });
    ui::onKeyDown(DBEdit7, [this](int k) { return DBEdit7KeyDown(k); });
    ui::onKeyDown(DBLookupComboBox2, [this](int k) { return DBLookupComboBox2KeyDown(k); });
}

bool TF_Principal::enterMovesOn(QWidget* from, int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    ui::focusNext(from);
    return true;
}

bool TF_Principal::Edit6KeyDown(int key) { return enterMovesOn(Edit6, key); }
bool TF_Principal::DBEdit3KeyDown(int key) { return enterMovesOn(DBEdit3, key); }
bool TF_Principal::DBEdit9KeyDown(int key) { return enterMovesOn(DBEdit9, key); }
bool TF_Principal::DBEdit8KeyDown(int key) { return enterMovesOn(DBEdit8, key); }
bool TF_Principal::DBEdit1KeyDown(int key) { return enterMovesOn(DBEdit1, key); }
bool TF_Principal::DBLookupComboBox1KeyDown(int key) { return enterMovesOn(DBLookupComboBox1, key); }
bool TF_Principal::DBEdit2KeyDown(int key) { return enterMovesOn(DBEdit2, key); }
bool TF_Principal::DBEdit6KeyDown(int key) { return enterMovesOn(DBEdit6, key); }
bool TF_Principal::DBEdit4KeyDown(int key) { return enterMovesOn(DBEdit4, key); }
bool TF_Principal::DBEdit7KeyDown(int key) { return enterMovesOn(DBEdit7, key); }
bool TF_Principal::DBLookupComboBox2KeyDown(int key) { return enterMovesOn(DBLookupComboBox2, key); }
