// The payment-plan wizard's commands: the controls into the computation, its outputs
// back, the plan display and the bulk entry of the manual grid.

#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "ui/ComboItems.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"
#include "ui/WidgetWindowHost.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/TopluTahsilatGirisi.h"
#include "plans/frmOdemePlani.h"
#include "plans/frmShowPlan.h"
#include "plans/frmTahsilatEklemeSihirbazi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quv {

namespace {

// Columns of the manual grid.
constexpr int kSira = 0;
constexpr int kTarih = 1;
constexpr int kTutar = 2;
constexpr int kSekil = 3;

// A count or period box as a 16-bit count (a box holds no negatives).
qint16 sayi(const MoneyEdit& kutu) {
    const double deger = std::floor(kutu.value().toDouble());
    return static_cast<qint16>(
        std::clamp(deger, 0.0, static_cast<double>(std::numeric_limits<qint16>::max())));
}

Enum_SureTipi birim(const QComboBox& liste) {
    const qint32 secim = currentComboItemData(liste, E_ST_Ay);
    return secim == E_ST_Gun ? E_ST_Gun : secim == E_ST_Yil ? E_ST_Yil : E_ST_Ay;
}

// The amount of a number cell; an empty or unreadable cell holds none.
Money tutar(const QString& hucre) {
    try {
        return hucre.trimmed().isEmpty() ? Money() : Money::parse(hucre.trimmed());
    } catch (const RuntimeError&) {
        return Money();
    }
}

void sonucYaz(MoneyEdit& kutu, const std::optional<Money>& deger) {
    if (deger)
        kutu.setValue(*deger);
    else
        kutu.clear();
}

}  // namespace

void frmOdemePlani::kontrolleriOku() {
    OdemePlaniAyarlari& a = hesap_->Ayarlar;
    a.FaizOrani = oceFaizOrani->value().toDouble();
    a.FaizOraniGridi = grdFaizOrani;
    a.FaizIndirimi = oceFaizIndirimi->value().toDouble();
    a.FaizIsletme = chkFaizIsletme->isChecked();
    a.KidemFaizOrani = oceKidemFaizOrani->value().toDouble();
    a.KidemFaizOraniGridi = grdKidemFaizOrani;
    a.KidemMahsup = chkKidemMahsup->isChecked();
    // An order the list does not offer stays as the file has it.
    if (cboTMS->currentIndex() >= 0)
        a.MahsupSirasi = static_cast<qint16>(currentComboItemData(*cboTMS, a.MahsupSirasi));
    a.MahsupSirasiGridi = grdMahsupSirasi;
    a.VekaletUcretiSabitle = chkVekaletUcretiSabitle->isChecked();
    a.KarsiliksizCekTazminatiniSifirla = chkKarsiliksizCekTazminatiniSifirla->isChecked();
    a.GayriResmiMasraflariEkleme = chkGayriResmiMasraflariEkleme->isChecked();
    a.Elden = optElden->isChecked();

    hesap_->Sayiya = {ocePesinat->value(), otrIlkTarih->textDate(), sayi(*oceTaksitSayisi),
                      sayi(*ocePeriyot), birim(*cboSureTipi)};
    hesap_->Tutara = {ocePesinat2->value(),      otrIlkTaksitTarihi2->textDate(),
                      oceTaksitTutari2->value(), sayi(*ocePeriyot2),
                      birim(*cboSureTipi2),      chkSonTaksidiOncekineEkle->isChecked()};

    // One entry per grid row, the empty entry row too, so that a check names the row.
    ManuelPlan& m = hesap_->Manuel;
    m.Satirlar.clear();
    m.KalanBakiyeyiSonTaksideEkle = chkKalanBakiyeyiSonTaksideEkle->isChecked();
    const qint16 varsayilan = a.Elden ? E_TS_EldenYapilan : E_TS_IcradanAlinan;
    for (int r = 1; r <= grdTahsilat->rowCount(); ++r) {
        const QVariant sekil = grdTahsilat->cellItemData(r, kSekil);
        m.Satirlar.append({grdTahsilat->cellText(r, kTarih).trimmed(),
                           tutar(grdTahsilat->cellText(r, kTutar)),
                           sekil.isNull() ? varsayilan : static_cast<qint16>(sekil.toInt())});
    }
}

void frmOdemePlani::hesapla(qint16 mod) {
    if (!hesap_)
        return;
    kontrolleriOku();
    ResetGecerliHesap();
    bool tamam = false;
    switch (mod) {
        case 1:
            tamam = hesap_->HesaplaSayiya();
            break;
        case 2:
            tamam = hesap_->HesaplaTutara();
            break;
        default:
            tamam = hesap_->HesaplaManuel();
            break;
    }
    // The computation has shown its own message for a failed check.
    if (!hesap_->SonDenetim.gecti()) {
        odakla(hesap_->SonDenetim);
        return;
    }
    sonuclariGoster(mod);
    if (tamam)
        vurgula(mod == 1 ? cmdCalcAuto1 : mod == 2 ? cmdCalcAuto2 : cmdCalcManuel);
}

void frmOdemePlani::sonuclariGoster(qint16 mod) {
    QScopedValueRollback<bool> yaziyor(kendiYaziyor_, true);
    if (mod == 1) {
        sonucYaz(*oceTaksitTutari, hesap_->TaksitTutari);
    } else if (mod == 2) {
        sonucYaz(*oceTaksitSayisi2, hesap_->TaksitSayisi2
                                        ? std::optional(Money::fromUnits(*hesap_->TaksitSayisi2))
                                        : std::nullopt);
        sonucYaz(*oceSonTaksitTutari, hesap_->SonTaksitTutari);
    } else {
        lblToplamOdenen->setText(formatNumber(hesap_->ToplamOdenen, FormatMoneyZero));
        lblBakiye->setText(hesap_->BakiyeMetni());
        // The remaining balance may have gone into the last row.
        const QList<ManuelTahsilat>& satirlar = hesap_->Manuel.Satirlar;
        for (int r = 1; r <= satirlar.size() && r <= grdTahsilat->rowCount(); ++r) {
            const ManuelTahsilat& s = satirlar.at(r - 1);
            if (!s.bosmu() && tutar(grdTahsilat->cellText(r, kTutar)) != s.Tutar)
                grdTahsilat->setCellText(r, kTutar, s.Tutar.toDecimalString());
        }
    }
}

void frmOdemePlani::odakla(const Denetim& denetim) {
    auto* kontrol = findChild<QWidget*>(denetim.Alan);
    if (!kontrol)
        return;
    // Bring the page that holds the control to the front.
    for (QTabWidget* sekmeler : {tabAyarlar, tabHesap})
        for (int i = 0; i < sekmeler->count(); ++i)
            if (sekmeler->widget(i)->isAncestorOf(kontrol))
                sekmeler->setCurrentIndex(i);
    if (auto* grid = qobject_cast<DataGrid*>(kontrol); grid && denetim.Satir > 0)
        grid->setCurrentCell(denetim.Satir - 1, std::max(denetim.Sutun, 0));
    kontrol->setFocus();
    if (auto* kutu = qobject_cast<QLineEdit*>(kontrol))
        kutu->selectAll();
}

void frmOdemePlani::ResetGecerliHesap() {
    if (hesap_)
        hesap_->ResetGecerliHesap();
    vurgula(nullptr);
}

void frmOdemePlani::vurgula(QPushButton* dugme) {
    for (QPushButton* d : {cmdCalcAuto1, cmdCalcAuto2, cmdCalcManuel}) {
        QFont yazi = d->font();
        yazi.setBold(d == dugme);
        d->setFont(yazi);
    }
}

void frmOdemePlani::tahsilatGridiDegisti(int) {
    if (kendiYaziyor_)
        return;
    ResetGecerliHesap();
    tahsilatSatirlariniNumarala();
}

void frmOdemePlani::tahsilatSatirlariniNumarala() {
    QScopedValueRollback<bool> yaziyor(kendiYaziyor_, true);
    // The rows holding a date or an amount are numbered; a new one is paid where the
    // window's place of payment says until its manner is chosen.
    const qint16 varsayilan = optElden->isChecked() ? E_TS_EldenYapilan : E_TS_IcradanAlinan;
    int sira = 0;
    for (int r = 1; r <= grdTahsilat->rowCount(); ++r) {
        const bool dolu = !grdTahsilat->cellText(r, kTarih).trimmed().isEmpty() ||
                          !grdTahsilat->cellText(r, kTutar).trimmed().isEmpty();
        const QString numara = dolu ? QString::number(++sira) : QString();
        if (grdTahsilat->cellText(r, kSira) != numara)
            grdTahsilat->setCellText(r, kSira, numara);
        if (dolu && grdTahsilat->cellItemData(r, kSekil).isNull())
            grdTahsilat->setCellItemData(r, kSekil, varsayilan);
    }
}

void frmOdemePlani::cmdOdemePlani_Click() {
    if (!hesap_)
        return;
    std::optional<OdemePlani> plan = hesap_->PlanOlustur();
    if (!plan)
        return;
    frmShowPlan gosterim(this);
    gosterim.FoyKodu = FoyKodu;
    gosterim.FoyBilgileri = hesap_->Wizardfoy;
    gosterim.PlaniGoster(*plan);
    modalGoster(gosterim);
}

void frmOdemePlani::cmdTopluTahsilatGirme_Click() {
    if (!hesap_)
        return;
    frmTahsilatEklemeSihirbazi sihirbaz(this);
    sihirbaz.HesapTarihi = hesap_->Wizardfoy->GununTarihi;
    modalGoster(sihirbaz);
    if (!sihirbaz.TamamaBasildi)
        return;
    trapped(QStringLiteral("frmOdemePlani.cmdTopluTahsilatGirme_Click"), [&] {
        for (const ManuelTahsilat& s : sihirbaz.Giris().Satirlar()) {
            const int satir =
                grdTahsilat->appendRow({QString(), s.Tarih, s.Tutar.toDecimalString()});
            grdTahsilat->setCellItemData(satir, kSekil, s.TahsilatSekli);
        }
    });
}

}  // namespace quv
