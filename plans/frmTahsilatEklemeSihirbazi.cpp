#include "plans/frmTahsilatEklemeSihirbazi.h"

#include "engine/SharedState.h"
#include "ui/ComboItems.h"
#include "ui/DateEdit.h"
#include "ui/Kontroller.h"
#include "ui/MoneyEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quv {

namespace {

// A count box as a 16-bit count (a box holds no negatives).
qint16 sayi(const MoneyEdit& kutu) {
    const double deger = std::floor(kutu.value().toDouble());
    return static_cast<qint16>(
        std::clamp(deger, 0.0, static_cast<double>(std::numeric_limits<qint16>::max())));
}

Enum_SureTipi birimi(const QVariant& veri) {
    return veri.toInt() == E_ST_Gun ? E_ST_Gun : E_ST_Ay;
}

qint16 sekli(const QVariant& veri) {
    return veri.toInt() == E_TS_EldenYapilan ? E_TS_EldenYapilan : E_TS_IcradanAlinan;
}

}  // namespace

frmTahsilatEklemeSihirbazi::frmTahsilatEklemeSihirbazi(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTahsilatEklemeSihirbazi"));
    setWindowTitle(QStringLiteral("Tahsilat Ekleme Sihirbazı"));
    setModal(true);

    oceTutar = paraKutusu(this, "oceTutar", 2, 130);
    oceTekrar = paraKutusu(this, "oceTekrar", 0, 130);
    otrTarih = tarihKutusu(this, "otrTarih");
    ocePeriyot = paraKutusu(this, "ocePeriyot", 0, 130);
    ocePeriyot->setValue(Money::fromUnits(1));
    cboPeriyotTipi = secimListesi(this, "cboPeriyotTipi");
    addComboItems(*cboPeriyotTipi,
                  {{QStringLiteral("Ay"), E_ST_Ay}, {QStringLiteral("Gün"), E_ST_Gun}});
    cboPeriyotTipi->setCurrentIndex(0);
    cboTaksitYatirmaYeri = secimListesi(this, "cboTaksitYatirmaYeri");
    addComboItems(*cboTaksitYatirmaYeri, {{QStringLiteral("İcrada"), E_TS_IcradanAlinan},
                                          {QStringLiteral("Elden"), E_TS_EldenYapilan}});
    cboTaksitYatirmaYeri->setCurrentIndex(0);
    cmdKaydet = adli(new QPushButton(QStringLiteral("&Kaydet"), this), "cmdKaydet");
    cmdKaydet->setDefault(true);
    cmdIptal = komutDugmesi(this, "cmdIptal", QStringLiteral("&İptal"));

    auto* girdiler = new QFormLayout;
    girdiler->addRow(QStringLiteral("Taksit Tutarı"), oceTutar);
    girdiler->addRow(QStringLiteral("Taksit Sayısı"), oceTekrar);
    girdiler->addRow(QStringLiteral("İlk Taksit Tarihi"), otrTarih);
    auto* periyot = new QHBoxLayout;
    periyot->addWidget(ocePeriyot);
    periyot->addWidget(cboPeriyotTipi);
    girdiler->addRow(QStringLiteral("Periyot"), periyot);
    girdiler->addRow(QStringLiteral("Taksit Yatırma Yeri"), cboTaksitYatirmaYeri);
    auto* komutlar = new QHBoxLayout;
    komutlar->addStretch();
    komutlar->addWidget(cmdKaydet);
    komutlar->addWidget(cmdIptal);
    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(girdiler);
    duzen->addLayout(komutlar);

    connect(cmdKaydet, &QPushButton::clicked, this, &frmTahsilatEklemeSihirbazi::cmdKaydet_Click);
    connect(cmdIptal, &QPushButton::clicked, this, [this] {
        TamamaBasildi = false;
        reject();
    });
}

frmTahsilatEklemeSihirbazi::~frmTahsilatEklemeSihirbazi() = default;

TopluTahsilatGirisi frmTahsilatEklemeSihirbazi::kontrollerdenGiris() const {
    TopluTahsilatGirisi g;
    g.HesapTarihi = HesapTarihi;
    g.Tutar = oceTutar->value();
    g.TekrarSayisi = sayi(*oceTekrar);
    g.IlkTarih = otrTarih->textDate();
    g.Periyot = sayi(*ocePeriyot);
    g.PeriyotTipi = birimi(cboPeriyotTipi->currentData());
    g.TahsilatSekli = sekli(cboTaksitYatirmaYeri->currentData());
    return g;
}

TopluTahsilatGirisi frmTahsilatEklemeSihirbazi::Giris() const {
    TopluTahsilatGirisi g;
    g.HesapTarihi = HesapTarihi;
    g.Tutar = Tutar;
    g.TekrarSayisi = TekrarSayisi;
    g.IlkTarih = IlkTarih;
    g.Periyot = Periyot;
    g.PeriyotTipi = birimi(cboPeriyotTipi->itemData(PeriyotTipi));
    g.TahsilatSekli = sekli(cboTaksitYatirmaYeri->itemData(TaksitYatirmaYeri));
    return g;
}

void frmTahsilatEklemeSihirbazi::cmdKaydet_Click() {
    const TopluTahsilatGirisi g = kontrollerdenGiris();
    const Denetim d = g.Denetle();
    if (!d.gecti()) {
        shared().messages().information(d.Mesaj);
        if (auto* kontrol = findChild<QWidget*>(d.Alan)) {
            kontrol->setFocus();
            if (auto* kutu = qobject_cast<QLineEdit*>(kontrol))
                kutu->selectAll();
        }
        return;
    }
    Tutar = g.Tutar;
    TekrarSayisi = g.TekrarSayisi;
    IlkTarih = g.IlkTarih;
    Periyot = g.Periyot;
    PeriyotTipi = static_cast<qint16>(cboPeriyotTipi->currentIndex());
    TaksitYatirmaYeri = static_cast<qint16>(cboTaksitYatirmaYeri->currentIndex());
    TamamaBasildi = true;
    accept();
}

}  // namespace quv
