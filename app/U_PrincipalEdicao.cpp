// Adding, altering, saving, cancelling and deleting vehicles, with protocol numbers
// drawn from the counter of the data module.
#include "app/U_Principal.h"
#include "app/QX.h"
#include "common/Clock.h"
#include "data/U_DM.h"
#include "toolkit/Prompter.h"

namespace {
bool on(const QString& flag) { return flag == QLatin1String("T"); }
} // namespace

void TF_Principal::openIfClosed(std::initializer_list<db::Dataset*> datasets)
{
    for (db::Dataset* ds : datasets)
        if (!ds->isOpen()) ds->open();
}

void TF_Principal::startNewVehicle()
{
    TDM* dm = DM();
    openIfClosed({&dm->IB_DESPACHANTES, &dm->IB_SERVICOS, &dm->IB_CARROS});
    const bool automatic = on(Configuracao.ProtocoloAutomatico);
    if (automatic) {
        DBEdit3->hide();
        Edit6->show();
        // Only shown in advance: saving draws the number from the counter again.
        m_proposedProtocol = dm->LerContador() + 1;
        Edit6->setText(QString::number(m_proposedProtocol));
    } else {
        DBEdit3->show();
        Edit6->hide();
    }
    dm->IB_CARROS.append();
    (automatic ? static_cast<QWidget*>(DBEdit9) : DBEdit3)->setFocus();
}

void TF_Principal::BitBtn1Click() { startNewVehicle(); }

void TF_Principal::BitBtn2Click()
{
    TDM* dm = DM();
    openIfClosed({&dm->IB_DESPACHANTES, &dm->IB_CARROS, &dm->IB_SERVICOS});
    if (Edit6->isVisible()) { // left shown by a new record that ended some other way
        Edit6->hide();
        DBEdit3->show();
    }
    dm->IB_CARROS.edit(); // on an empty register: a new record, without the protocol editor
    DBEdit3->setFocus();
}

void TF_Principal::BitBtn5Click()
{
    TDM* dm = DM();
    db::Dataset& carros = dm->IB_CARROS;
    const ConsultaCarros kept = dm->GuardarConsultaCarros();
    const bool isNew = carros.state() == db::State::Insert;
    if (carros.state() == db::State::Edit) m_rememberedRow = carros.currentRow();
    if (!carros.editing()) return;

    m_saving = true; // hiding the protocol editor is no leaving it
    try {
        if (isNew && on(Configuracao.ProtocoloAutomatico)) {
            const int n = dm->GravarProximoProtocolo(); // written and committed before the vehicle
            Edit6->setText(QString::number(n));
            Edit6->hide();
            DBEdit3->show();
            dm->IB_CARROSPROTOCOLO->setAsInteger(n);
        }
        // The lists show what they hold only while open: an alteration typed after a
        // Cancelar finds them closed, and must not lose its office or service for that.
        openIfClosed({&dm->IB_DESPACHANTES, &dm->IB_SERVICOS});
        dm->IB_CARROSTIPOSERVICO->setAsString(DBLookupComboBox2->shownText());
        dm->IB_CARROSESCRITORIO->setAsString(DBLookupComboBox1->shownText());
        dm->IB_CARROSDATACADASTRO->setAsDate(Clock::instance().today());
        carros.post();
        dm->IBTransaction1.commitRetaining();
        dm->RestaurarConsultaCarros(kept);
        if (!isNew) {
            if (carros.isOpen()) carros.setCurrentRow(m_rememberedRow);
        } else if (Configuracao.UmNovoAposSalvar == u"T") {
            startNewVehicle();
        } else if (Configuracao.UmNovoAposSalvar == u"F") {
            carros.last();
        }
    } catch (const std::exception&) {
        m_saving = false;
        ui::message(this, QStringLiteral("Ocorreu um erro na gravação dos dados"));
        dm->IBTransaction1.rollback();
        return;
    }
    m_saving = false;
}

void TF_Principal::BitBtn6Click()
{
    TDM* dm = DM();
    db::Dataset& carros = dm->IB_CARROS;
    if (carros.state() == db::State::Edit) m_rememberedRow = carros.currentRow();
    const bool isNew = carros.state() == db::State::Insert;
    const ConsultaCarros kept = dm->GuardarConsultaCarros();
    if (isNew && on(Configuracao.ProtocoloAutomatico)) {
        m_saving = true;
        Edit6->hide();
        DBEdit3->show();
        m_saving = false;
    }
    dm->IBTransaction1.rollback();
    dm->RestaurarConsultaCarros(kept);
    if (!carros.isOpen()) return;
    if (isNew) carros.last();
    else carros.setCurrentRow(m_rememberedRow);
}

void TF_Principal::BitBtn3Click()
{
    TDM* dm = DM();
    db::Dataset& carros = dm->IB_CARROS;
    if (!carros.isOpen()) return;
    if (!ui::confirm(this, QStringLiteral("Deseja Apagar este Cliente?"))) return;
    carros.deleteRow();
    dm->IBTransaction1.commitRetaining();
    carros.refresh();
}

void TF_Principal::Edit6Exit()
{
    if (m_saving) return;
    bool ok = false;
    const int v = Edit6->text().trimmed().toInt(&ok);
    if (!ok) throw std::runtime_error(QStringLiteral("'%1' não é um valor inteiro válido").arg(Edit6->text()).toStdString());
    if (v == m_proposedProtocol) return;
    if (!ui::confirm(this, QStringLiteral("Deseja que o novo valor seja assumido\rcomo BASE para os  NOVOS protocolos ?")))
        return;
    if (DM()->IB_CARROS.state() == db::State::Insert && on(Configuracao.ProtocoloAutomatico)) {
        DM()->GravarContador(v - 1);
        m_proposedProtocol = 0;
    }
}
