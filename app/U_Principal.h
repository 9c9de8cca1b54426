#pragma once
// The main window: title panel and toolbar, the three register tabs, the status bar,
// and the start-up sequence run when it is first shown.
#include "common/Configuracao.h"
#include "toolkit/DBControls.h"
#include "toolkit/DBGrid.h"
#include "toolkit/Widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QWidget>

class Programa;
class TDM;

class TF_Principal : public QWidget {
    Q_OBJECT
public:
    explicit TF_Principal(Programa& program);
    ~TF_Principal() override;

    ::Configuracao Configuracao; // the options held for the whole run

    // ---- frame
    QFrame* Panel1;
    QLabel* Panel1Caption;
    ui::SpeedButton *SpeedButton1, *SpeedButton2, *SpeedButton4;
    QLabel* Label32; // never shown: the column of the last ordering
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QPointer<QWidget> TabSheet3, TabSheet4; // start-up may remove them
    QFrame* StatusBar1;
    QLabel* StatusPanels[3];

    // ---- Veículos
    QGroupBox* GroupBox1;
    ui::DBGrid* DBGrid1;
    QComboBox* ComboBox1;
    ui::BitBtn *BitBtn4, *BitBtn7, *BitBtn8; // Pesquisar, Filtros, Relatório
    QListWidget* ListBox1;
    QFrame* Panel2;
    QLabel *Label3, *Label9, *Label8, *Label1, *Label5, *Label2, *Label6, *Label4, *Label7, *Label31, *Label25;
    QLineEdit* Edit6; // the protocol editor over DBEdit3
    ui::DBEdit *DBEdit3, *DBEdit9, *DBEdit8, *DBEdit1, *DBEdit2, *DBEdit6, *DBEdit4, *DBEdit7;
    ui::DBLookupComboBox *DBLookupComboBox1, *DBLookupComboBox2;
    ui::BitBtn* BitBtn5; // Salvar
    ui::DBText* DBText1;
    QFrame* Panel3;
    ui::BitBtn *BitBtn1, *BitBtn2, *BitBtn6, *BitBtn3; // Novo, Alterar, Cancelar, Excluir

    // ---- Despachantes
    QPointer<QGroupBox> GroupBox3;
    QPointer<ui::DBGrid> DBGrid2;
    QPointer<QFrame> Panel4, Panel5;
    QPointer<QLabel> Label29, Label27, Label28;
    QPointer<ui::DBEdit> DBEdit12, DBEdit10, DBEdit11;
    QPointer<ui::BitBtn> BitBtn15, BitBtn11, BitBtn12, BitBtn13, BitBtn14;

    // ---- Serviços
    QPointer<QGroupBox> GroupBox4;
    QPointer<ui::DBGrid> DBGrid3;
    QPointer<QFrame> Panel6, Panel7;
    QPointer<QLabel> Label30;
    QPointer<ui::DBEdit> DBEdit13;
    QPointer<ui::BitBtn> BitBtn16, BitBtn17, BitBtn18, BitBtn19, BitBtn20;

    ui::HintTracker* hints() const { return m_hints; }

    // ---- handlers
    void FormCreate();
    void FormShow();
    void ApplicationHint(const QString& hint);
    void ComboBox1Change() {}
    void BitBtn1Click(); // Novo
    void BitBtn2Click(); // Alterar
    void BitBtn5Click(); // Salvar
    void BitBtn6Click(); // Cancelar
    void BitBtn3Click(); // Excluir
    void Edit6Exit();
    bool Edit6KeyDown(int key);
    bool DBEdit3KeyDown(int key);
    bool DBEdit9KeyDown(int key);
    bool DBEdit8KeyDown(int key);
    bool DBEdit1KeyDown(int key);
    bool DBLookupComboBox1KeyDown(int key);
    bool DBEdit2KeyDown(int key);
    bool DBEdit6KeyDown(int key);
    bool DBEdit4KeyDown(int key);
    bool DBEdit7KeyDown(int key);
    bool DBLookupComboBox2KeyDown(int key);

    // Closes the window, which ends the program; inside the start-up sequence the
    // closing waits until the sequence has returned.
    void requestClose();
    bool closeRequested() const { return m_closeRequested; }

    static QString contactLine();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildFrame();
    void buildVeiculos();
    void buildDespachantes();
    void buildServicos();
    void bindData();
    bool enterMovesOn(QWidget* from, int key);
    void startNewVehicle();
    void openIfClosed(std::initializer_list<db::Dataset*> datasets);

    Programa& m_program;
    TDM* DM() const;
    ui::HintTracker* m_hints = nullptr;
    bool m_shown = false;
    bool m_inFormShow = false;
    bool m_closeRequested = false;

    int m_proposedProtocol = 0; // what Edit6 was given for the new record; 0 after a re-basing
    int m_rememberedRow = -1;   // the altered vehicle's row, to come back to after re-reading
    bool m_saving = false;
};
