#include "app/U_Principal.h"
#include "app/QX.h"
#include "common/Funcoes.h"
#include "common/IniFile.h"
#include "data/U_DM.h"
#include "toolkit/Icons.h"
#include "toolkit/Prompter.h"
#include "windows/U_Rede.h"

#include <QApplication>
#include <QHeaderView>
#include <QShowEvent>

TF_Principal::TF_Principal(Programa& program) : QWidget(nullptr), m_program(program)
{
    setObjectName(QStringLiteral("F_Principal"));
    setWindowTitle(QStringLiteral("corvanta QX"));
    // Fixed single border; system menu and minimise only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(760, 499);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    buildFrame();
    buildVeiculos();
    buildDespachantes();
    buildServicos();
    FormCreate();
}

TF_Principal::~TF_Principal() = default;

TDM* TF_Principal::DM() const { return m_program.DM.get(); }

QString TF_Principal::contactLine()
{
    return QStringLiteral("www.corvanta.com.br   -   contato@corvanta.com.br");
}

void TF_Principal::buildFrame()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 760, 49);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::HighlightedText));
    pal.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(pal);
    Panel1Caption = new QLabel(QStringLiteral("  corvanta QX"), Panel1);
    Panel1Caption->setTextFormat(Qt::PlainText);
    Panel1Caption->setGeometry(2, 2, 600, 45);
    Panel1Caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont title(QStringLiteral("Arial Black"));
    title.setPixelSize(27);
    title.setBold(true);
    Panel1Caption->setFont(title);

    SpeedButton1 = new ui::SpeedButton(QStringLiteral("SpeedButton1"), Panel1);
    SpeedButton1->setGeometry(720, 13, 23, 22);
    SpeedButton1->setIcon(ui::icon(ui::Picture::About));
    ui::setHint(SpeedButton1, QStringLiteral("Sobre"));
    SpeedButton1->setToolTip(QStringLiteral("Sobre"));
    SpeedButton2 = new ui::SpeedButton(QStringLiteral("SpeedButton2"), Panel1);
    SpeedButton2->setGeometry(688, 13, 23, 22);
    SpeedButton2->setIcon(ui::icon(ui::Picture::Settings));
    ui::setHint(SpeedButton2, QStringLiteral("Configurações"));
    SpeedButton2->setToolTip(QStringLiteral("Configurações"));
    SpeedButton4 = new ui::SpeedButton(QStringLiteral("SpeedButton4"), Panel1);
    SpeedButton4->setGeometry(656, 13, 23, 22);
    SpeedButton4->setIcon(ui::icon(ui::Picture::Backup));
    ui::setHint(SpeedButton4, QStringLiteral("Cópia de segurança do banco de dados"));

    Label32 = new QLabel(QStringLiteral("PROTOCOLO"), Panel1);
    Label32->setObjectName(QStringLiteral("Label32"));
    Label32->move(376, 8);
    Label32->hide();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 49, 760, 429);

    StatusBar1 = new QFrame(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 478, 760, 21);
    const int widths[3] = {100, 300, 760 - 400};
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(StatusBar1);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setTextFormat(Qt::PlainText);
        StatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusPanels[i]->setGeometry(x, 2, widths[i] - 2, 19);
        StatusPanels[i]->setAlignment(i < 2 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
        x += widths[i];
    }
}

void TF_Principal::FormCreate()
{
    m_hints = new ui::HintTracker(this);
    connect(m_hints, &ui::HintTracker::hintChanged, this, &TF_Principal::ApplicationHint);
}

void TF_Principal::ApplicationHint(const QString& hint) { StatusPanels[2]->setText(hint); }

void TF_Principal::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_shown || e->spontaneous()) return;
    m_shown = true;
    m_inFormShow = true;
    FormShow();
    m_inFormShow = false;
    if (m_closeRequested) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TF_Principal::requestClose()
{
    m_closeRequested = true;
    ui::setEnding(true);
    if (!m_inFormShow) close();
}

void TF_Principal::FormShow()
{
    bindData();
    ui::guard(this, [this] {
        Edit6->move(Edit6->x(), 32);
        setWindowTitle(QStringLiteral("corvanta QX - versão ") + VersaoPrograma());
        StatusPanels[1]->setText(contactLine());
        PageControl1->setCurrentIndex(0);

        const ConfigPaths& paths = m_program.paths;
        if (!config::loadAtStartup(paths, Configuracao)) {
            ui::message(this, QStringLiteral("Não existe o arquivo ") + paths.iniFile() + QStringLiteral(" neste computador!"));
            requestClose();
        }
        config::stampVersion(paths, Configuracao, VersaoPrograma());

        try {
            if (!DM()->IBDatabase1.connected()) {
                DM()->IBDatabase1.databaseName = Configuracao.Caminho + QStringLiteral("BD.GDB");
                DM()->IBDatabase1.connect();
            }
            if (!DM()->IBTransaction1.active()) DM()->IBTransaction1.start();
        } catch (const std::exception&) {
            // Not reported as such: the user corrects the folder, and the program ends.
            m_program.F_Rede->Edit1->setText(Configuracao.Caminho);
            ui::showModal(m_program.F_Rede.get());
        }

        if (DM()->IBDatabase1.connected()) {
            if (Configuracao.IniciarAberto == u"T") DM()->IB_CARROS.open();
            DM()->IB_DESPACHANTES.open();
            DM()->IB_SERVICOS.open();
        }

        ComboBox1->clear();
        for (int i = 0; i < DM()->IB_CARROS.fieldCount(); ++i) {
            const QString f = DM()->IB_CARROS.field(i)->fieldName();
            if (!QStringList{"ID", "COR", "DATA", "DATACADASTRO", "DATA_PROTOCOLO"}.contains(f)) ComboBox1->addItem(f);
        }
        ComboBox1->setCurrentIndex(0);

        // A field shown or hidden with its label and its grid column, which keeps its position.
        auto shape = [this](const QString& flag, QWidget* label, QWidget* control, int column) {
            const bool on = flag == u"T";
            label->setVisible(on);
            control->setVisible(on);
            DBGrid1->setColumnVisible(column, on);
            return on;
        };
        // Pages go by position, the third before the second, so the second is still Despachantes.
        auto removePage = [this](int index) {
            QWidget* page = PageControl1->widget(index);
            PageControl1->removeTab(index);
            delete page;
        };
        shape(Configuracao.CampoCor, Label7, DBEdit7, 6);
        shape(Configuracao.CampoData, Label8, DBEdit8, 7);
        if (!shape(Configuracao.CampoServico, Label31, DBLookupComboBox2, 2)) removePage(2);
        if (!shape(Configuracao.CampoEscritorio, Label5, DBLookupComboBox1, 8)) removePage(1);
    });
}

void TF_Principal::bindData()
{
    TDM* dm = DM();
    // The rules of the data module switch these; a removed page leaves null pointers, skipped.
    auto sw = [](QWidget* w) {
        QPointer<QWidget> p(w);
        return [p](bool on) {
            if (p) p->setEnabled(on);
        };
    };
    dm->carrosControls = {sw(BitBtn1), sw(DBGrid1), sw(BitBtn2), sw(BitBtn3), sw(BitBtn5), sw(BitBtn6),
                          {sw(BitBtn4), sw(BitBtn7)}, {sw(BitBtn8)}};
    dm->despachantesControls = {sw(BitBtn11), sw(DBGrid2), sw(BitBtn12), sw(BitBtn14), sw(BitBtn15), sw(BitBtn13), {}, {}};
    dm->servicosControls = {sw(BitBtn17), sw(DBGrid3), sw(BitBtn18), sw(BitBtn20), sw(BitBtn16), sw(BitBtn19), {}, {}};
    QPointer<QGroupBox> frame(GroupBox1);
    dm->setRecordCounter = [frame](const QString& text) {
        if (frame) frame->setTitle(text);
    };

    db::DataSource* carros = &dm->DS_CARROS;
    DBGrid1->bind(carros, {{"PROTOCOLO", "PROT", 42},
                           {"NOME", QStringLiteral("NOME DO PROPRIETÁRIO"), -1},
                           {"TIPOSERVICO", "TIPO DE SERVICO", 64},
                           {"VEICULO", {}, 64},
                           {"PLACA", {}, 64},
                           {"ANO", {}, 64},
                           {"COR", {}, 64},
                           {"DATA", {}, -1},
                           {"ESCRITORIO", {}, 64},
                           {"DATACADASTRO", {}, 64},
                           {"DATA_PROTOCOLO", {}, 64}});
    DBEdit3->bind(carros, "PROTOCOLO");
    DBEdit9->bind(carros, "DATA_PROTOCOLO");
    DBEdit8->bind(carros, "DATA");
    DBEdit1->bind(carros, "NOME");
    DBLookupComboBox1->bind(carros, "ESCRITORIO");
    DBLookupComboBox1->setList(&dm->DS_DESPACHANTES, "CODIGO", {"CODIGO", "DESPACHANTE"});
    DBEdit2->bind(carros, "VEICULO");
    DBEdit6->bind(carros, "PLACA");
    DBEdit4->bind(carros, "ANO");
    DBEdit7->bind(carros, "COR");
    DBLookupComboBox2->bind(carros, "TIPOSERVICO");
    DBLookupComboBox2->setList(&dm->DS_SERVICOS, "SERVICO", {"SERVICO"});
    DBText1->bind(carros, "DATACADASTRO");

    if (DBGrid2) {
        DBGrid2->bind(&dm->DS_DESPACHANTES, {{"CODIGO", {}, -1}, {"DESPACHANTE", {}, 196}, {"TELEFONE", {}, 64}});
        DBEdit12->bind(&dm->DS_DESPACHANTES, "CODIGO");
        DBEdit10->bind(&dm->DS_DESPACHANTES, "DESPACHANTE");
        DBEdit11->bind(&dm->DS_DESPACHANTES, "TELEFONE");
    }
    if (DBGrid3) {
        DBGrid3->bind(&dm->DS_SERVICOS, {{"SERVICO", QStringLiteral("DESCRIÇÃO DO SERVIÇO"), 337}});
        DBEdit13->bind(&dm->DS_SERVICOS, "SERVICO");
    }
}
