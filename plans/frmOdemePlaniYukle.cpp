// Opening the payment-plan wizard: the working copy and the settings it starts with.

#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "ui/ComboItems.h"
#include "ui/DataGrid.h"
#include "ui/MoneyEdit.h"
#include "file/Enumerations.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/frmOdemePlani.h"
#include "summary/clsHesapOzeti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include <QScopedValueRollback>

namespace quv {

namespace {

// Copies a two-column rate grid (date, rate) into the window's grid.
void oranGridiniKopyala(const GridSource* kaynak, DataGrid& hedef) {
    hedef.clearRows();
    if (!kaynak)
        return;
    for (int i = 1; i <= kaynak->rowCount(); ++i)
        hedef.appendRow({kaynak->cellText(i, 0), kaynak->cellText(i, 1)});
}

}  // namespace

bool frmOdemePlani::FormYukle() {
    yuklendi_ = true;
    if (!AktifHesap)
        return false;
    QScopedValueRollback<bool> yaziyor(kendiYaziyor_, true);
    hesap_ = std::make_unique<OdemePlaniHesabi>(*AktifHesap, FoyKodu);
    const quint64 once = shared().reportedErrors();
    if (!hesap_->CalismaKopyasiniYukle()) {
        // A file that is not there is no error of its own: say so.
        if (shared().reportedErrors() == once)
            shared().messages().information(
                QStringLiteral("%1 numaralı föy bulunamadı.").arg(FoyKodu));
        hesap_.reset();
        return false;
    }
    hesap_->AyarlariFoydenAl();
    hesap_->HesapYenilendi = [this] { LoadInfoGrid(); };

    setWindowTitle(baslik_ + QStringLiteral(" - Föy Kodu : ") + QString::number(FoyKodu));
    LoadInfoGrid();

    const clsFoyBilgileri& foy = *hesap_->Wizardfoy;
    const OdemePlaniAyarlari& ayarlar = hesap_->Ayarlar;
    const bool kidemVar = FoyGruplari::isciAlacagi(foy.AlacakTipi) && foy.KidemTazminatiKalemi;
    tabAyarlar->setTabVisible(tabAyarlar->indexOf(pageKidem), kidemVar);
    if (kidemVar) {
        oceKidemFaizOrani->setValue(Money::fromDouble(ayarlar.KidemFaizOrani));
        LoadKidemFaizTablosu();
        chkKidemMahsup->setChecked(ayarlar.KidemMahsup);
    }
    oceFaizOrani->setValue(Money::fromDouble(ayarlar.FaizOrani));
    LoadFaizTablosu();
    oceFaizIndirimi->setValue(Money::fromDouble(ayarlar.FaizIndirimi));

    if (!selectComboItemData(*cboTMS, ayarlar.MahsupSirasi))
        cboTMS->setCurrentIndex(-1);
    LoadMahsupSirasiTablosu();
    grdMahsupSirasi->setEnabled(ayarlar.MahsupSirasi == E_TMS_TabloKullanilmakta);

    // From now on the computation reads the tables from the window's grids.
    OdemePlaniAyarlari& girdiler = hesap_->Ayarlar;
    girdiler.FaizOraniGridi = grdFaizOrani;
    girdiler.KidemFaizOraniGridi = grdKidemFaizOrani;
    girdiler.MahsupSirasiGridi = grdMahsupSirasi;

    ocePeriyot->setValue(Money::fromUnits(1));
    ocePeriyot2->setValue(Money::fromUnits(1));
    cboSureTipi->setCurrentIndex(E_ST_Ay);
    cboSureTipi2->setCurrentIndex(E_ST_Ay);
    return true;
}

void frmOdemePlani::showEvent(QShowEvent* event) {
    if (!yuklendi_ && !FormYukle())
        QTimer::singleShot(0, this, &frmOdemePlani::reject);
    QDialog::showEvent(event);
}

void frmOdemePlani::LoadInfoGrid() {
    clsFoyBilgileri& foy = *hesap_->Wizardfoy;
    lblGununTarihi->setText(shared().dates().display(foy.GununTarihi, QStringLiteral(".")));
    lblGuncelBakiye->setText(formatNumber(foy.HesapOzeti().Bakiye_TL, FormatMoneyZero) +
                             QStringLiteral(" TL"));
}

void frmOdemePlani::LoadFaizTablosu() {
    oranGridiniKopyala(hesap_->Ayarlar.FaizOraniGridi, *grdFaizOrani);
}

void frmOdemePlani::LoadKidemFaizTablosu() {
    oranGridiniKopyala(hesap_->Ayarlar.KidemFaizOraniGridi, *grdKidemFaizOrani);
}

void frmOdemePlani::LoadMahsupSirasiTablosu() {
    grdMahsupSirasi->clearRows();
    const GridSource* kaynak = hesap_->Ayarlar.MahsupSirasiGridi;
    if (!kaynak)
        return;
    // The rows name an entry of the source's list; the window's list holds the two
    // orders a table may choose, and any other order a stored table holds is added
    // with its name from the offset-order list.
    QComboBox& liste = grdMahsupSirasi->columnList(1);
    for (int i = 1; i <= kaynak->rowCount(); ++i) {
        bool tamam = false;
        const int secim = kaynak->cellText(i, 1).toInt(&tamam);
        const qint32 sira = tamam ? kaynak->listItemData(1, secim).toInt() : -1;
        if (sira >= 0 && liste.findData(sira) < 0) {
            const int ad = cboTMS->findData(sira);
            liste.addItem(ad >= 0 ? cboTMS->itemText(ad) : QString::number(sira), sira);
        }
        const int satir = grdMahsupSirasi->appendRow({kaynak->cellText(i, 0)});
        if (sira >= 0)
            grdMahsupSirasi->setCellItemData(satir, 1, sira);
    }
}

}  // namespace quv
