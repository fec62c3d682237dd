#include "plans/frmShowPlan.h"

#include "engine/ui/DataGrid.h"
#include "engine/ui/DocumentService.h"
#include "plans/SmsGonderici.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace quv {

frmShowPlan::frmShowPlan(QWidget* parent)
    : QDialog(parent), documentService_(std::make_shared<DocumentService>()) {
    setObjectName(QStringLiteral("frmShowPlan"));
    grdPlan = new DataGrid(this);
    grdPlan->setObjectName(QStringLiteral("grdPlan"));
    lblToplamOdeme = new QLabel(this);
    cboborclu = new QComboBox(this);
    chkTaahhutlerIcrada = new QCheckBox(this);
    chkDetayliHesapDokumu = new QCheckBox(this);
    chkIlkTakipMasraflarininDetayiniYazdir = new QCheckBox(this);
    chkMasrafDetayiniYazdir = new QCheckBox(this);
    chkHesapDokumunuMetneEkle = new QCheckBox(this);
    cboTelefon = new QComboBox(this);
    cmdTaahhud = new QPushButton(this);
    cmdPrint = new QPushButton(this);
    cmdSmsGonder = new QPushButton(this);
    cmdCancel = new QPushButton(this);
}

void frmShowPlan::PlaniGoster(const OdemePlani&) {}

void frmShowPlan::FormYukle() {
    yuklendi_ = true;
}

QList<OdemePlaniSatiri> frmShowPlan::Satirlar() const {
    return {};
}

std::optional<Borclu> frmShowPlan::SecilenBorclu() const {
    return std::nullopt;
}

Money frmShowPlan::FindTotal() {
    return Money();
}

void frmShowPlan::setDocumentService(std::shared_ptr<DocumentService> service) {
    if (service)
        documentService_ = std::move(service);
}

void frmShowPlan::showEvent(QShowEvent* event) {
    if (!yuklendi_)
        FormYukle();
    QDialog::showEvent(event);
}

void frmShowPlan::LoadGridProperties() {}
void frmShowPlan::LoadBorclular() {}
void frmShowPlan::CheckForTaahhut() {}
void frmShowPlan::cmdTaahhud_Click() {}

}  // namespace quv
