// The Despachantes and Serviços tabs: a grid and a record form each.
#include "app/U_Principal.h"
#include "toolkit/Form.h"

void TF_Principal::buildDespachantes()
{
    TabSheet3 = ui::page(PageControl1, "TabSheet3", "Despachantes",
                         QStringLiteral("   Cadastra e/ou consulta escritórios de Despachantes"));
    GroupBox3 = ui::groupBox("GroupBox3", TabSheet3, 8, 4, 369, 389);
    DBGrid2 = new ui::DBGrid(QStringLiteral("DBGrid2"), GroupBox3);
    DBGrid2->setGeometry(8, 16, 353, 361);

    Panel4 = ui::panel("Panel4", TabSheet3, 384, 8, 361, 327);
    Label29 = ui::label("Label29", "CODIGO", Panel4, 24, 16);
    DBEdit12 = ui::edit("DBEdit12", Panel4, 24, 32, 56, false);
    Label27 = ui::label("Label27", "DESPACHANTE", Panel4, 24, 64);
    DBEdit10 = ui::edit("DBEdit10", Panel4, 24, 80, 313, true);
    Label28 = ui::label("Label28", "TELEFONE", Panel4, 24, 112);
    DBEdit11 = ui::edit("DBEdit11", Panel4, 24, 128, 129, false);
    BitBtn15 = ui::button("BitBtn15", "&Salvar", "   Grava o registro", ui::Picture::Save, Panel4, 250, 124, 86, false);

    Panel5 = ui::panel("Panel5", TabSheet3, 384, 336, 361, 57);
    const auto b = ui::recordButtons(Panel5, {"BitBtn11", "BitBtn12", "BitBtn13", "BitBtn14"},
                                     QStringLiteral("   Inclui um novo registro de de despachante"));
    BitBtn11 = b.novo;
    BitBtn12 = b.alterar;
    BitBtn13 = b.cancelar;
    BitBtn14 = b.excluir;
}

void TF_Principal::buildServicos()
{
    TabSheet4 = ui::page(PageControl1, "TabSheet4", QStringLiteral("Serviços"),
                         QStringLiteral("   Cadastra e/ou consulta escritórios de Serviços"));
    GroupBox4 = ui::groupBox("GroupBox4", TabSheet4, 8, 4, 369, 389);
    DBGrid3 = new ui::DBGrid(QStringLiteral("DBGrid3"), GroupBox4);
    DBGrid3->setGeometry(8, 16, 353, 361);

    Panel6 = ui::panel("Panel6", TabSheet4, 384, 8, 361, 327);
    Label30 = ui::label("Label30", QStringLiteral("DESCRIÇÃO DO SERVIÇO"), Panel6, 24, 16);
    DBEdit13 = ui::edit("DBEdit13", Panel6, 24, 32, 313, true);
    BitBtn16 = ui::button("BitBtn16", "&Salvar", "   Grava o registro", ui::Picture::Save, Panel6, 252, 64, 86, false);

    Panel7 = ui::panel("Panel7", TabSheet4, 384, 336, 361, 57);
    const auto b = ui::recordButtons(Panel7, {"BitBtn17", "BitBtn18", "BitBtn19", "BitBtn20"},
                                     QStringLiteral("   Inclui um novo serviço"));
    BitBtn17 = b.novo;
    BitBtn18 = b.alterar;
    BitBtn19 = b.cancelar;
    BitBtn20 = b.excluir;
}
