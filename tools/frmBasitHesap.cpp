#include "tools/frmBasitHesap.h"

#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "ui/ComboItems.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/DocumentService.h"
#include "ui/Kontroller.h"
#include "ui/MoneyEdit.h"
#include "file/clsFoyBilgileri.h"
#include "tools/BasitHesapBelgesi.h"
#include "tools/BasitHesapExcel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace quv {

namespace {

constexpr int kTutarSutunu = 0;
constexpr int kAciklamaSutunu = 1;

QString varsayilanExcelKlasoru() {
    return QDir(QDir::tempPath()).filePath(QStringLiteral("quvHesap"));
}

// Platforms without a screen for the user (tests, services) open no application.
bool masaustuVar() {
    const QString platform = QGuiApplication::platformName();
    return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

}  // namespace

frmBasitHesap::frmBasitHesap(QWidget* parent)
    : QDialog(parent),
      ExcelKlasoru(varsayilanExcelKlasoru()),
      documentService_(std::make_shared<DocumentService>()) {
    setObjectName(QStringLiteral("frmBasitHesap"));
    setWindowTitle(QStringLiteral("Basit Faiz Hesabı"));
    setModal(true);

    oceAsilAlacakTutari = paraKutusu(this, "oceAsilAlacakTutari", 2, 140);
    oceFaizIslemeyenAlacak = paraKutusu(this, "oceFaizIslemeyenAlacak", 2, 140);
    oceFaizOrani = paraKutusu(this, "oceFaizOrani", 2, 140);
    cboFaizOraniTablosu = secimListesi(this, "cboFaizOraniTablosu");
    cboFaizOraniTablosu->setMinimumWidth(200);
    chkYilliFaizUygula =
        secimKutusu(this, "chkYilliFaizUygula", QStringLiteral("Yıllık faiz uygula"));
    otrFaizBaslangicTarihi = tarihKutusu(this, "otrFaizBaslangicTarihi", 140);
    otrTakipTarihi = tarihKutusu(this, "otrTakipTarihi", 140);
    otrGununTarihi = tarihKutusu(this, "otrGununTarihi", 140);
    oceBorcluSayisi = paraKutusu(this, "oceBorcluSayisi", 0, 140);
    oceBorcluSayisi->setValue(Money::fromUnits(1));
    chkHarcHesapla = secimKutusu(this, "chkHarcHesapla", QStringLiteral("Harç hesapla"));
    chkHarcHesapla->setChecked(true);
    chkFaizDetayiGoster =
        secimKutusu(this, "chkFaizDetayiGoster", QStringLiteral("Faiz detayını göster"));
    chkHarcDetayiGoster = secimKutusu(this, "chkHarcDetayiGoster",
                                      QStringLiteral("Harç ve masrafları ayrı ayrı göster"));
    cboYildakiGunSayisi = secimListesi(this, "cboYildakiGunSayisi");

    grdHesap = new DataGrid(this);
    grdHesap->setObjectName(QStringLiteral("grdHesap"));
    grdHesap->setKeepsEmptyRow(false);
    grdHesap->setColumns(
        {GridColumn::number(QStringLiteral("TUTAR")).readOnlyColumn().withWidth(140),
         GridColumn::text(QStringLiteral("AÇIKLAMA")).readOnlyColumn()});
    grdHesap->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grdHesap->setMinimumSize(520, 300);

    cmdHesapla = komutDugmesi(this, "cmdHesapla", QStringLiteral("&Hesapla"));
    cmdHesapla->setDefault(true);
    cmdYazdir = komutDugmesi(this, "cmdYazdir", QStringLiteral("&Yazdır"));
    cmdExcel = komutDugmesi(this, "cmdExcel", QStringLiteral("&Excel'e Aktar"));
    cmdClose = komutDugmesi(this, "cmdClose", QStringLiteral("&Kapat"));

    auto* girdiler = new QGridLayout;
    auto etiket = [this](const QString& metin, QWidget* kontrol) {
        auto* l = new QLabel(metin, this);
        l->setBuddy(kontrol);
        return l;
    };
    int satir = 0;
    girdiler->addWidget(etiket(QStringLiteral("Asıl Alacak Tutarı"), oceAsilAlacakTutari), satir,
                        0);
    girdiler->addWidget(oceAsilAlacakTutari, satir, 1);
    girdiler->addWidget(etiket(QStringLiteral("Faiz Başlangıç Tarihi"), otrFaizBaslangicTarihi),
                        satir, 2);
    girdiler->addWidget(otrFaizBaslangicTarihi, satir, 3);
    ++satir;
    girdiler->addWidget(etiket(QStringLiteral("Faiz İşlemeyen Alacak"), oceFaizIslemeyenAlacak),
                        satir, 0);
    girdiler->addWidget(oceFaizIslemeyenAlacak, satir, 1);
    girdiler->addWidget(etiket(QStringLiteral("Takip Tarihi"), otrTakipTarihi), satir, 2);
    girdiler->addWidget(otrTakipTarihi, satir, 3);
    ++satir;
    girdiler->addWidget(etiket(QStringLiteral("Faiz Oranı (%)"), oceFaizOrani), satir, 0);
    girdiler->addWidget(oceFaizOrani, satir, 1);
    girdiler->addWidget(etiket(QStringLiteral("Günün Tarihi"), otrGununTarihi), satir, 2);
    girdiler->addWidget(otrGununTarihi, satir, 3);
    ++satir;
    girdiler->addWidget(etiket(QStringLiteral("Faiz Oranı Tablosu"), cboFaizOraniTablosu), satir,
                        0);
    girdiler->addWidget(cboFaizOraniTablosu, satir, 1);
    girdiler->addWidget(etiket(QStringLiteral("Borçlu Sayısı"), oceBorcluSayisi), satir, 2);
    girdiler->addWidget(oceBorcluSayisi, satir, 3);
    ++satir;
    girdiler->addWidget(chkYilliFaizUygula, satir, 1);
    girdiler->addWidget(etiket(QStringLiteral("Yıldaki Gün Sayısı"), cboYildakiGunSayisi), satir,
                        2);
    girdiler->addWidget(cboYildakiGunSayisi, satir, 3);

    auto* secenekler = new QHBoxLayout;
    secenekler->addWidget(chkHarcHesapla);
    secenekler->addWidget(chkFaizDetayiGoster);
    secenekler->addWidget(chkHarcDetayiGoster);
    secenekler->addStretch();

    auto* komutlar = new QHBoxLayout;
    komutlar->addWidget(cmdHesapla);
    komutlar->addStretch();
    komutlar->addWidget(cmdYazdir);
    komutlar->addWidget(cmdExcel);
    komutlar->addWidget(cmdClose);

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(girdiler);
    duzen->addLayout(secenekler);
    duzen->addWidget(grdHesap, 1);
    duzen->addLayout(komutlar);

    connect(cmdHesapla, &QPushButton::clicked, this, &frmBasitHesap::cmdHesapla_Click);
    connect(cmdYazdir, &QPushButton::clicked, this, &frmBasitHesap::cmdYazdir_Click);
    connect(cmdExcel, &QPushButton::clicked, this, &frmBasitHesap::cmdExcel_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmBasitHesap::reject);
}

frmBasitHesap::~frmBasitHesap() = default;

void frmBasitHesap::setDocumentService(std::shared_ptr<DocumentService> service) {
    if (service)
        documentService_ = std::move(service);
}

void frmBasitHesap::FormYukle() {
    yuklendi_ = true;
    cboFaizOraniTablosu->clear();
    // The empty first entry: no table, the fixed rate applies.
    cboFaizOraniTablosu->addItem(QString());
    if (shared().hasConnection())
        for (const FaizOraniTablosuSecenegi& tablo : BasitHesap::FaizOraniTablolari())
            cboFaizOraniTablosu->addItem(tablo.Adi, tablo.Kodu);
    cboFaizOraniTablosu->setCurrentIndex(0);

    cboYildakiGunSayisi->clear();
    addComboItems(*cboYildakiGunSayisi, {{QStringLiteral("360"), 1}, {QStringLiteral("365"), 2}});
    cboYildakiGunSayisi->setCurrentIndex(1);

    if (otrGununTarihi->textDate().isEmpty())
        otrGununTarihi->setTextDate(shared().dates().today());
    oceAsilAlacakTutari->setFocus();
}

void frmBasitHesap::showEvent(QShowEvent* event) {
    if (!yuklendi_)
        FormYukle();
    QDialog::showEvent(event);
}

clsHesapAna& frmBasitHesap::hesapAna() {
    if (AktifHesap)
        return *AktifHesap;
    if (!kendiHesabi_)
        kendiHesabi_ = std::make_unique<clsHesapAna>();
    return *kendiHesabi_;
}

QWidget* frmBasitHesap::alanKontrolu(BasitHesap::Alan alan) const {
    switch (alan) {
        case BasitHesap::Alan::AsilAlacakTutari:
            return oceAsilAlacakTutari;
        case BasitHesap::Alan::FaizOrani:
            return oceFaizOrani;
        case BasitHesap::Alan::FaizOraniTablosu:
            return cboFaizOraniTablosu;
        case BasitHesap::Alan::FaizBaslangicTarihi:
            return otrFaizBaslangicTarihi;
        case BasitHesap::Alan::TakipTarihi:
            return otrTakipTarihi;
        case BasitHesap::Alan::GununTarihi:
            return otrGununTarihi;
        case BasitHesap::Alan::Yok:
            break;
    }
    return nullptr;
}

bool frmBasitHesap::ValuesOK() {
    hesap_.AsilAlacakTutari = oceAsilAlacakTutari->value();
    hesap_.FaizIslemeyenAlacak = oceFaizIslemeyenAlacak->value();
    hesap_.FaizOrani = static_cast<float>(oceFaizOrani->value().toDouble());
    hesap_.FaizOraniTablosuKodu = currentComboItemData(*cboFaizOraniTablosu, BasitHesap::YokTablo);
    // Only the shared tables are offered.
    hesap_.FaizOraniTablosuFoyKodu = 0;
    hesap_.YillikFaizUygula = chkYilliFaizUygula->isChecked();
    // A mistyped date goes on as typed, so the check names it; read as empty, an
    // enforcement date would silently leave the run without its fees.
    hesap_.FaizBaslangicTarihi = otrFaizBaslangicTarihi->textDateOrTyped();
    hesap_.TakipTarihi = otrTakipTarihi->textDateOrTyped();
    hesap_.GununTarihi = otrGununTarihi->textDateOrTyped();
    const double borclu = oceBorcluSayisi->value().toDouble();
    hesap_.BorcluSayisi = static_cast<qint16>(
        std::clamp(borclu, 0.0, static_cast<double>(std::numeric_limits<qint16>::max())));
    hesap_.HarcHesapla = chkHarcHesapla->isChecked();
    hesap_.FaizDetayiGoster = chkFaizDetayiGoster->isChecked();
    hesap_.HarcDetayiGoster = chkHarcDetayiGoster->isChecked();
    hesap_.YildakiGunSayisi = cboYildakiGunSayisi->currentIndex() == 0 ? 1 : 2;

    const BasitHesap::Dogrulama sonuc = hesap_.ValuesOK();
    if (sonuc.gecerli())
        return true;
    shared().messages().information(sonuc.mesaj);
    if (QWidget* kontrol = alanKontrolu(sonuc.alan)) {
        kontrol->setFocus();
        if (auto* kutu = qobject_cast<QLineEdit*>(kontrol))
            kutu->selectAll();
    }
    return false;
}

void frmBasitHesap::cmdHesapla_Click() {
    if (!ValuesOK())
        return;
    hesap_.Hesapla(hesapAna());
    HesabiGriddeGoster();
    // The engine's notes, such as a claim whose rate is unknown at its start.
    if (hesap_.Foy && !hesap_.Foy->Mesaj.trimmed().isEmpty())
        shared().messages().information(hesap_.Foy->Mesaj.trimmed());
}

void frmBasitHesap::HesabiGriddeGoster() {
    grdHesap->clearRows();
    for (const BasitHesapSatiri& satir : hesap_.Satirlar)
        HesapGridineSatirEkle(satir);
}

void frmBasitHesap::HesapGridineSatirEkle(const BasitHesapSatiri& satir) {
    const int satirNo = grdHesap->appendRow({satir.Tutar.toDecimalString(), satir.Aciklama});
    if (!satir.Vurgulu())
        return;
    for (int sutun : {kTutarSutunu, kAciklamaSutunu}) {
        if (QTableWidgetItem* hucre = grdHesap->item(satirNo - 1, sutun)) {
            QFont kalin = hucre->font();
            kalin.setBold(true);
            hucre->setFont(kalin);
        }
    }
}

void frmBasitHesap::cmdYazdir_Click() {
    DocumentService& belgeler = documentService();
    if (!belgeler.hasDefaultPrinter()) {
        shared().messages().information(
            QStringLiteral("Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz."));
        return;
    }
    belgeler.preview(basitHesapBelgesi(hesap_.Satirlar, QDateTime::currentDateTime()), this);
}

void frmBasitHesap::cmdExcel_Click() {
    trapped(QStringLiteral("Hesap.frmBasitHesap.cmdExcel_Click"), [&] {
        QDir klasor(ExcelKlasoru);
        if (!klasor.mkpath(QStringLiteral(".")))
            throw RuntimeError::application(QStringLiteral("Klasör oluşturulamadı: ") +
                                            ExcelKlasoru);
        const QString ad = QStringLiteral("Hesap Dökümü ") +
                           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString dosya = klasor.filePath(ad + QStringLiteral(".xlsx"));
        for (int n = 2; QFileInfo::exists(dosya); ++n)
            dosya = klasor.filePath(ad + QStringLiteral(" (%1).xlsx").arg(n));
        QString hata;
        if (!BasitHesapExcelYaz(hesap_.Satirlar, dosya, &hata))
            throw RuntimeError::application(hata);
        SonExcelDosyasi = dosya;
        if (masaustuVar())
            QDesktopServices::openUrl(QUrl::fromLocalFile(dosya));
    });
}

}  // namespace quv
