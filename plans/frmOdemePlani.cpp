// The payment-plan wizard: its controls, their lists and grids, and their layout.

#include "plans/frmOdemePlani.h"

#include "calc/Enumerations.h"
#include "ui/ComboItems.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/Kontroller.h"
#include "ui/MoneyEdit.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniHesabi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quv {

namespace {

const QList<ComboEntry> kTahsilatSekilleri = {
    {QStringLiteral("İcrada"), E_TS_IcradanAlinan},
    {QStringLiteral("Elden"), E_TS_EldenYapilan},
};

// The decimals of the rate boxes and the rate grids: the file's rates as stored (a rate
// of 28.875 % is planned at 28.875 %, not 28.88 %).
constexpr int kOranOndalik = 4;

}  // namespace

frmOdemePlani::frmOdemePlani(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOdemePlani"));
    baslik_ = QStringLiteral("Ödeme Planı Sihirbazı");
    setWindowTitle(baslik_);
    setModal(true);
    kontrolleriOlustur();
    LoadControlProperties();
    LoadGridProperties();
    LoadgrdFaizProperties();
    LoadgrdMahsupSirasiProperties();
    LoadcboMahsupSirasi();
    LoadSureTipi();
    yerlesimiKur();
    degisiklikleriBagla();
}

frmOdemePlani::~frmOdemePlani() = default;

std::shared_ptr<clsFoyBilgileri> frmOdemePlani::Wizardfoy() const {
    return hesap_ ? hesap_->Wizardfoy : nullptr;
}

void frmOdemePlani::kontrolleriOlustur() {
    auto sonuc = [this](const char* ad, int ondalik) {
        MoneyEdit* kutu = paraKutusu(this, ad, ondalik);
        kutu->setReadOnly(true);
        return kutu;
    };
    auto grid = [this](const char* ad) { return adli(new DataGrid(this), ad); };

    lblGununTarihi = adli(new QLabel(this), "lblGununTarihi");
    lblGuncelBakiye = adli(new QLabel(this), "lblGuncelBakiye");

    oceFaizOrani = paraKutusu(this, "oceFaizOrani", kOranOndalik);
    grdFaizOrani = grid("grdFaizOrani");
    oceFaizIndirimi = paraKutusu(this, "oceFaizIndirimi", 2);
    chkFaizIsletme =
        secimKutusu(this, "chkFaizIsletme", QStringLiteral("Taksitler süresince faiz işletme"));

    oceKidemFaizOrani = paraKutusu(this, "oceKidemFaizOrani", kOranOndalik);
    grdKidemFaizOrani = grid("grdKidemFaizOrani");
    chkKidemMahsup = secimKutusu(this, "chkKidemMahsup",
                                 QStringLiteral("Tahsilatları önce kıdem tazminatından düş"));

    cboTMS = secimListesi(this, "cboTMS");
    grdMahsupSirasi = grid("grdMahsupSirasi");

    chkVekaletUcretiSabitle =
        secimKutusu(this, "chkVekaletUcretiSabitle",
                    QStringLiteral("Vekalet ücreti ve ilk giderleri bugünkü değerleriyle sabitle"));
    chkKarsiliksizCekTazminatiniSifirla =
        secimKutusu(this, "chkKarsiliksizCekTazminatiniSifirla",
                    QStringLiteral("Karşılıksız çek tazminatını sıfırla"));
    chkGayriResmiMasraflariEkleme = secimKutusu(this, "chkGayriResmiMasraflariEkleme",
                                                QStringLiteral("Gayri resmi masrafları ekleme"));

    optIcrada = adli(new QRadioButton(QStringLiteral("İcrada"), this), "optIcrada");
    optElden = adli(new QRadioButton(QStringLiteral("Elden"), this), "optElden");
    optIcrada->setChecked(true);

    ocePesinat = paraKutusu(this, "ocePesinat", 2);
    otrIlkTarih = tarihKutusu(this, "otrIlkTarih");
    oceTaksitSayisi = paraKutusu(this, "oceTaksitSayisi", 0);
    ocePeriyot = paraKutusu(this, "ocePeriyot", 0);
    cboSureTipi = secimListesi(this, "cboSureTipi");
    oceTaksitTutari = sonuc("oceTaksitTutari", 2);
    cmdCalcAuto1 = komutDugmesi(this, "cmdCalcAuto1", QStringLiteral("&Hesapla"));

    ocePesinat2 = paraKutusu(this, "ocePesinat2", 2);
    otrIlkTaksitTarihi2 = tarihKutusu(this, "otrIlkTaksitTarihi2");
    oceTaksitTutari2 = paraKutusu(this, "oceTaksitTutari2", 2);
    ocePeriyot2 = paraKutusu(this, "ocePeriyot2", 0);
    cboSureTipi2 = secimListesi(this, "cboSureTipi2");
    chkSonTaksidiOncekineEkle =
        secimKutusu(this, "chkSonTaksidiOncekineEkle",
                    QStringLiteral("Kalanı son taksitten önceki taksite ekle"));
    oceTaksitSayisi2 = sonuc("oceTaksitSayisi2", 0);
    oceSonTaksitTutari = sonuc("oceSonTaksitTutari", 2);
    cmdCalcAuto2 = komutDugmesi(this, "cmdCalcAuto2", QStringLiteral("H&esapla"));

    grdTahsilat = grid("grdTahsilat");
    chkKalanBakiyeyiSonTaksideEkle = secimKutusu(this, "chkKalanBakiyeyiSonTaksideEkle",
                                                 QStringLiteral("Kalan bakiyeyi son taksite ekle"));
    lblToplamOdenen = adli(new QLabel(this), "lblToplamOdenen");
    lblBakiye = adli(new QLabel(this), "lblBakiye");
    cmdCalcManuel = komutDugmesi(this, "cmdCalcManuel", QStringLiteral("He&sapla"));
    cmdTopluTahsilatGirme =
        komutDugmesi(this, "cmdTopluTahsilatGirme", QStringLiteral("&Toplu Tahsilat Gir"));

    cmdOdemePlani = komutDugmesi(this, "cmdOdemePlani", QStringLiteral("Ödeme &Planı"));
    cmdCancel = komutDugmesi(this, "cmdCancel", QStringLiteral("&Kapat"));
}

void frmOdemePlani::LoadControlProperties() {
    for (MoneyEdit* kutu : {oceTaksitTutari, oceTaksitSayisi2, oceSonTaksitTutari})
        kutu->setFocusPolicy(Qt::ClickFocus);
    ocePeriyot->setValue(Money::fromUnits(1));
    ocePeriyot2->setValue(Money::fromUnits(1));
}

void frmOdemePlani::LoadGridProperties() {
    grdTahsilat->setColumns(
        {GridColumn::text(QStringLiteral("Sıra")).readOnlyColumn().withWidth(45),
         GridColumn::date(QStringLiteral("Tarih")).withWidth(110),
         GridColumn::number(QStringLiteral("Tutar")).withWidth(120),
         GridColumn::list(QStringLiteral("Tah. Şekli"), kTahsilatSekilleri)});
    grdTahsilat->setMinimumHeight(160);
}

void frmOdemePlani::LoadgrdFaizProperties() {
    for (DataGrid* grid : {grdFaizOrani, grdKidemFaizOrani}) {
        grid->setColumns({GridColumn::date(QStringLiteral("Tarih")).withWidth(110),
                          GridColumn::number(QStringLiteral("Oran"), kOranOndalik)});
        grid->setMinimumHeight(110);
    }
}

void frmOdemePlani::LoadgrdMahsupSirasiProperties() {
    grdMahsupSirasi->setColumns(
        {GridColumn::date(QStringLiteral("Tarih")).withWidth(110),
         GridColumn::list(QStringLiteral("Mahsup Sırası"),
                          {{QStringLiteral("Önce Borç Aslından"), E_TMS_BorcAslindan},
                           {QStringLiteral("Toplam Borçtan (BK100)"),
                            E_TMS_ToplamBorctan_TakiptenOnceUygula}})});
    grdMahsupSirasi->setMinimumHeight(110);
}

void frmOdemePlani::LoadcboMahsupSirasi() {
    cboTMS->clear();
    addComboItems(*cboTMS, {{QStringLiteral("Önce Borç Aslından"), E_TMS_BorcAslindan},
                            {QStringLiteral("Toplam Borçtan (Takipten Önce Uygulama)"),
                             E_TMS_ToplamBorctan_TakiptenOnceUygulama},
                            {QStringLiteral("Toplam Borçtan (Takipten Önce de Uygula)"),
                             E_TMS_ToplamBorctan_TakiptenOnceUygula},
                            {QStringLiteral("Toplam Borçtan (Vekalet Ücreti Sonda)"),
                             E_TMS_ToplamBorctan_EnSonVekaletUcreti},
                            {QStringLiteral("Tablo Kullan"), E_TMS_TabloKullanilmakta}});
}

void frmOdemePlani::LoadSureTipi() {
    for (QComboBox* liste : {cboSureTipi, cboSureTipi2}) {
        liste->clear();
        addComboItems(*liste, {{QStringLiteral("Gün"), E_ST_Gun},
                               {QStringLiteral("Ay"), E_ST_Ay},
                               {QStringLiteral("Yıl"), E_ST_Yil}});
        liste->setCurrentIndex(E_ST_Ay);
    }
}

void frmOdemePlani::yerlesimiKur() {
    auto sayfa = [](QLayout* duzen) {
        auto* w = new QWidget;
        w->setLayout(duzen);
        return w;
    };

    auto* bilgi = new QFormLayout;
    bilgi->addRow(QStringLiteral("Hesap Tarihi :"), lblGununTarihi);
    bilgi->addRow(QStringLiteral("Güncel Bakiye :"), lblGuncelBakiye);

    auto* faiz = new QFormLayout;
    faiz->addRow(QStringLiteral("Faiz Oranı (%)"), oceFaizOrani);
    faiz->addRow(QStringLiteral("Faiz Oranı Tablosu"), grdFaizOrani);
    faiz->addRow(QStringLiteral("Faiz İndirimi (%)"), oceFaizIndirimi);
    faiz->addRow(chkFaizIsletme);

    auto* kidem = new QFormLayout;
    kidem->addRow(QStringLiteral("Kıdem Faiz Oranı (%)"), oceKidemFaizOrani);
    kidem->addRow(QStringLiteral("Kıdem Faiz Tablosu"), grdKidemFaizOrani);
    kidem->addRow(chkKidemMahsup);

    auto* mahsup = new QFormLayout;
    mahsup->addRow(QStringLiteral("Mahsup Sırası"), cboTMS);
    mahsup->addRow(QStringLiteral("Mahsup Sırası Tablosu"), grdMahsupSirasi);

    auto* yer = new QHBoxLayout;
    yer->addWidget(optIcrada);
    yer->addWidget(optElden);
    yer->addStretch();
    auto* yerKutusu = new QGroupBox(QStringLiteral("Taksitlerin Ödeneceği Yer"));
    yerKutusu->setLayout(yer);
    auto* diger = new QVBoxLayout;
    diger->addWidget(chkVekaletUcretiSabitle);
    diger->addWidget(chkKarsiliksizCekTazminatiniSifirla);
    diger->addWidget(chkGayriResmiMasraflariEkleme);
    diger->addWidget(yerKutusu);
    diger->addStretch();

    tabAyarlar = adli(new QTabWidget(this), "tabAyarlar");
    tabAyarlar->addTab(sayfa(faiz), QStringLiteral("Faiz"));
    pageKidem = sayfa(kidem);
    pageKidem->setObjectName(QStringLiteral("pageKidem"));
    tabAyarlar->addTab(pageKidem, QStringLiteral("Kıdem Tazminatı"));
    tabAyarlar->addTab(sayfa(mahsup), QStringLiteral("Mahsup Sırası"));
    tabAyarlar->addTab(sayfa(diger), QStringLiteral("Diğer Ayarlar"));

    auto* sayiya = new QFormLayout;
    sayiya->addRow(QStringLiteral("Peşinat"), ocePesinat);
    sayiya->addRow(QStringLiteral("İlk Taksit Tarihi"), otrIlkTarih);
    sayiya->addRow(QStringLiteral("Taksit Sayısı"), oceTaksitSayisi);
    auto* periyot1 = new QHBoxLayout;
    periyot1->addWidget(ocePeriyot);
    periyot1->addWidget(cboSureTipi);
    sayiya->addRow(QStringLiteral("Periyot"), periyot1);
    sayiya->addRow(QString(), cmdCalcAuto1);
    sayiya->addRow(QStringLiteral("Taksit Tutarı"), oceTaksitTutari);

    auto* tutara = new QFormLayout;
    tutara->addRow(QStringLiteral("Peşinat"), ocePesinat2);
    tutara->addRow(QStringLiteral("İlk Taksit Tarihi"), otrIlkTaksitTarihi2);
    tutara->addRow(QStringLiteral("Taksit Tutarı"), oceTaksitTutari2);
    auto* periyot2 = new QHBoxLayout;
    periyot2->addWidget(ocePeriyot2);
    periyot2->addWidget(cboSureTipi2);
    tutara->addRow(QStringLiteral("Periyot"), periyot2);
    tutara->addRow(chkSonTaksidiOncekineEkle);
    tutara->addRow(QString(), cmdCalcAuto2);
    tutara->addRow(QStringLiteral("Taksit Sayısı"), oceTaksitSayisi2);
    tutara->addRow(QStringLiteral("Son Taksit Tutarı"), oceSonTaksitTutari);

    auto* manuelKomutlar = new QHBoxLayout;
    manuelKomutlar->addWidget(cmdTopluTahsilatGirme);
    manuelKomutlar->addStretch();
    manuelKomutlar->addWidget(cmdCalcManuel);
    auto* manuelSonuc = new QFormLayout;
    manuelSonuc->addRow(QStringLiteral("Toplam Ödenen :"), lblToplamOdenen);
    manuelSonuc->addRow(QStringLiteral("Kalan Bakiye :"), lblBakiye);
    auto* manuel = new QVBoxLayout;
    manuel->addWidget(grdTahsilat, 1);
    manuel->addWidget(chkKalanBakiyeyiSonTaksideEkle);
    manuel->addLayout(manuelKomutlar);
    manuel->addLayout(manuelSonuc);

    tabHesap = adli(new QTabWidget(this), "tabHesap");
    tabHesap->addTab(sayfa(sayiya), QStringLiteral("Taksit Sayısına Göre"));
    tabHesap->addTab(sayfa(tutara), QStringLiteral("Taksit Tutarına Göre"));
    tabHesap->addTab(sayfa(manuel), QStringLiteral("Manuel"));

    auto* orta = new QHBoxLayout;
    orta->addWidget(tabAyarlar, 1);
    orta->addWidget(tabHesap, 1);

    auto* komutlar = new QHBoxLayout;
    komutlar->addStretch();
    komutlar->addWidget(cmdOdemePlani);
    komutlar->addWidget(cmdCancel);

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(bilgi);
    duzen->addLayout(orta, 1);
    duzen->addLayout(komutlar);
}

void frmOdemePlani::degisiklikleriBagla() {
    // Every input the computation reads forgets the current computation when it changes,
    // so that a plan is only shown for the inputs it was computed from.
    auto unut = [this] {
        if (!kendiYaziyor_)
            ResetGecerliHesap();
    };
    for (MoneyEdit* kutu : {ocePesinat, ocePesinat2, oceTaksitSayisi, oceTaksitTutari2, ocePeriyot,
                            ocePeriyot2, oceFaizOrani, oceFaizIndirimi, oceKidemFaizOrani})
        connect(kutu, &MoneyEdit::valueChanged, this, unut);
    for (DateEdit* kutu : {otrIlkTarih, otrIlkTaksitTarihi2})
        connect(kutu, &DateEdit::textDateChanged, this, unut);
    for (QComboBox* liste : {cboSureTipi, cboSureTipi2, cboTMS})
        connect(liste, &QComboBox::currentIndexChanged, this, unut);
    for (QRadioButton* secim : {optIcrada, optElden})
        connect(secim, &QRadioButton::toggled, this, unut);
    for (QCheckBox* secim : {chkFaizIsletme, chkKidemMahsup, chkVekaletUcretiSabitle,
                             chkKarsiliksizCekTazminatiniSifirla, chkGayriResmiMasraflariEkleme,
                             chkSonTaksidiOncekineEkle, chkKalanBakiyeyiSonTaksideEkle})
        connect(secim, &QCheckBox::toggled, this, unut);
    for (DataGrid* grid : {grdFaizOrani, grdKidemFaizOrani, grdMahsupSirasi})
        connect(grid, &DataGrid::cellEdited, this, unut);
    connect(grdTahsilat, &DataGrid::cellEdited, this,
            [this](int satir, int) { tahsilatGridiDegisti(satir); });
    // The dated offset table only counts with "Tablo Kullan".
    connect(cboTMS, &QComboBox::currentIndexChanged, this, [this] {
        grdMahsupSirasi->setEnabled(currentComboItemData(*cboTMS) == E_TMS_TabloKullanilmakta);
    });

    connect(cmdCalcAuto1, &QPushButton::clicked, this, [this] { hesapla(1); });
    connect(cmdCalcAuto2, &QPushButton::clicked, this, [this] { hesapla(2); });
    connect(cmdCalcManuel, &QPushButton::clicked, this, [this] { hesapla(3); });
    connect(cmdTopluTahsilatGirme, &QPushButton::clicked, this,
            &frmOdemePlani::cmdTopluTahsilatGirme_Click);
    connect(cmdOdemePlani, &QPushButton::clicked, this, &frmOdemePlani::cmdOdemePlani_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOdemePlani::reject);
}

}  // namespace quv
