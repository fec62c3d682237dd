#include "AnaPencere.h"

#include "FoyEtiketleri.h"
#include "HesapPaneli.h"
#include "VeritabaniAdresi.h"

#include "editors/FoyIslemleri.h"
#include "editors/frmFoy.h"
#include "editors/frmParametreler.h"
#include "engine/NumberFormat.h"
#include "engine/RuntimeError.h"
#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "formats/ReferansBelgesi.h"
#include "formats/ReferansTablolari.h"
#include "ui/DateEdit.h"
#include "ui/WidgetWindowHost.h"

#include <QAction>
#include <QCheckBox>
#include <QCollator>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace quv::desk {

namespace {

const QString kSonVeritabani = QStringLiteral("sonVeritabani");

// A cell that sorts by the value behind it (the code, the text date, the amount)
// rather than by the text it shows. Texts (names, the yyyymmdd dates) sort by the
// Turkish alphabet without regard to case, digit runs by their value.
class SiraliHucre : public QTableWidgetItem {
public:
    bool operator<(const QTableWidgetItem& diger) const override {
        const QVariant a = data(Qt::UserRole);
        const QVariant b = diger.data(Qt::UserRole);
        if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
            return siralayici().compare(a.toString(), b.toString()) < 0;
        return a.toLongLong() < b.toLongLong();
    }

private:
    static const QCollator& siralayici() {
        static const QCollator turkce = [] {
            QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
            c.setCaseSensitivity(Qt::CaseInsensitive);
            c.setNumericMode(true);
            return c;
        }();
        return turkce;
    }
};

// The file's debtors' names, kept on its code cell for the search.
constexpr int kBorcluRolu = Qt::UserRole + 1;

// The user the agenda entries are written for: the login name of the session.
QString kullaniciAdi() {
    QString ad = qEnvironmentVariable("USER");
    if (ad.isEmpty())
        ad = qEnvironmentVariable("USERNAME");
    return ad;
}

// True when the server turned the login down (a wrong user name or password) rather
// than being out of reach.
bool girisReddedildi(const QString& hata) {
    static const QStringList isaretler{QStringLiteral("password authentication failed"),
                                       QStringLiteral("28P01"),
                                       QStringLiteral("no password supplied"),
                                       QStringLiteral("Login failed"),
                                       QStringLiteral("28000"),
                                       QStringLiteral("şifre doğrulaması")};
    for (const QString& isaret : isaretler)
        if (hata.contains(isaret, Qt::CaseInsensitive))
            return true;
    return false;
}

void bilgi(const QString& metin) {
    shared().messages().information(metin);
}

}  // namespace

AnaPencere::AnaPencere(QSettings* ayarlar, QWidget* parent)
    : QMainWindow(parent),
      ayarlar_(ayarlar
                   ? ayarlar
                   : new QSettings(QStringLiteral("quvHesap"), QStringLiteral("quvhesap-desk"))),
      adres_(new QLineEdit),
      arama_(new QLineEdit),
      tablo_(new QTableWidget),
      panel_(new HesapPaneli),
      durum_(new QLabel) {
    ayarlar_->setParent(this);
    setWindowTitle(QStringLiteral("quvHesap"));

    // The database row.
    adres_->setPlaceholderText(
        QStringLiteral("SQLite dosyası, postgresql://kullanıcı@sunucu/veritabanı ya da "
                       "odbc:DSN=..."));
    adres_->setClearButtonEnabled(true);
    auto* gozat = new QToolButton;
    gozat->setText(QStringLiteral("…"));
    gozat->setToolTip(QStringLiteral("SQLite veritabanı dosyası seç"));
    auto* ac = new QPushButton(QStringLiteral("Aç"));
    connect(gozat, &QToolButton::clicked, this, &AnaPencere::dosyaSec);
    connect(ac, &QPushButton::clicked, this, [this] { veritabaniAc(adres_->text()); });
    connect(adres_, &QLineEdit::returnPressed, this, [this] { veritabaniAc(adres_->text()); });
    auto* adresSatiri = new QHBoxLayout;
    adresSatiri->addWidget(new QLabel(QStringLiteral("Veritabanı:")));
    adresSatiri->addWidget(adres_, 1);
    adresSatiri->addWidget(gozat);
    adresSatiri->addWidget(ac);

    // The file list.
    tablo_->setColumnCount(SutunSayisi);
    tablo_->setHorizontalHeaderLabels(
        {QStringLiteral("Föy Kodu"), QStringLiteral("Borçlu"), QStringLiteral("Alacaklı Kodu"),
         QStringLiteral("Takip Tarihi"), QStringLiteral("Hesap Tarihi"),
         QStringLiteral("Alacak Tipi"), QStringLiteral("Dosya Sonucu"),
         QStringLiteral("Bakiye (TL)")});
    tablo_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tablo_->setSelectionMode(QAbstractItemView::SingleSelection);
    tablo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tablo_->setAlternatingRowColors(true);
    tablo_->verticalHeader()->setVisible(false);
    tablo_->verticalHeader()->setDefaultSectionSize(tablo_->fontMetrics().height() + 8);
    tablo_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Names are long: the column has a set width the user can change, the whole name
    // in the tool tip.
    tablo_->horizontalHeader()->setSectionResizeMode(SutunBorclu, QHeaderView::Interactive);
    tablo_->setColumnWidth(SutunBorclu, tablo_->fontMetrics().averageCharWidth() * 22);
    tablo_->horizontalHeaderItem(SutunAlacakli)
        ->setToolTip(QStringLiteral("Veritabanında alacaklının adı tutulmuyor; kodu gösterilir."));
    tablo_->setSortingEnabled(true);
    tablo_->sortByColumn(SutunFoyKodu, Qt::AscendingOrder);
    connect(tablo_, &QTableWidget::itemSelectionChanged, this, &AnaPencere::seciliFoyDegisti);
    connect(tablo_, &QTableWidget::cellDoubleClicked, this, [this] { seciliFoyuHesapla(); });
    connect(panel_->hesaplaDugmesi(), &QPushButton::clicked, this, [this] { seciliFoyuHesapla(); });

    // The search above the list.
    arama_->setPlaceholderText(QStringLiteral("Föy kodu ya da borçlu adı ile ara"));
    arama_->setClearButtonEnabled(true);
    connect(arama_, &QLineEdit::textChanged, this, &AnaPencere::aramayiUygula);
    auto* aramaSatiri = new QHBoxLayout;
    aramaSatiri->setContentsMargins(0, 0, 0, 0);
    aramaSatiri->addWidget(new QLabel(QStringLiteral("Ara:")));
    aramaSatiri->addWidget(arama_, 1);
    auto* liste = new QWidget;
    auto* listeDuzeni = new QVBoxLayout(liste);
    listeDuzeni->setContentsMargins(0, 0, 0, 0);
    listeDuzeni->addLayout(aramaSatiri);
    listeDuzeni->addWidget(tablo_, 1);

    auto* bolme = new QSplitter(Qt::Horizontal);
    bolme->addWidget(liste);
    bolme->addWidget(panel_);
    bolme->setStretchFactor(0, 3);
    bolme->setStretchFactor(1, 2);
    // The list's columns fit beside the panel at the starting size.
    bolme->setSizes({960, 400});

    auto* merkez = new QWidget;
    auto* duzen = new QVBoxLayout(merkez);
    duzen->addLayout(adresSatiri);
    duzen->addWidget(bolme, 1);
    setCentralWidget(merkez);

    // Menus and the tool bar.
    auto* veritabaniMenusu = menuBar()->addMenu(QStringLiteral("&Veritabanı"));
    QAction* dosyaAc = veritabaniMenusu->addAction(QStringLiteral("SQLite Dosyası &Aç..."), this,
                                                   &AnaPencere::dosyaSec);
    dosyaAc->setShortcut(QKeySequence::Open);
    yenileEylemi_ = veritabaniMenusu->addAction(QStringLiteral("Listeyi &Yenile"), this,
                                                &AnaPencere::foyleriYenile);
    yenileEylemi_->setShortcut(QKeySequence::Refresh);
    veritabaniMenusu->addSeparator();
    QAction* cikis =
        veritabaniMenusu->addAction(QStringLiteral("Çı&kış"), this, &QMainWindow::close);
    cikis->setShortcut(QKeySequence::Quit);

    auto* islemMenusu = menuBar()->addMenu(QStringLiteral("İş&lemler"));
    hesaplaEylemi_ =
        islemMenusu->addAction(QStringLiteral("&Hesapla"), this, [this] { seciliFoyuHesapla(); });
    hesaplaEylemi_->setShortcut(Qt::Key_F9);
    islemMenusu->addSeparator();
    basitHesapEylemi_ = islemMenusu->addAction(QStringLiteral("&Basit Faiz Hesabı"), this,
                                               &AnaPencere::basitFaizHesabi);
    topluGuncellemeEylemi_ = islemMenusu->addAction(QStringLiteral("&Toplu Föy Güncelleme"), this,
                                                    &AnaPencere::topluFoyGuncelleme);
    odemePlaniEylemi_ =
        islemMenusu->addAction(QStringLiteral("Ödeme &Planı"), this, &AnaPencere::odemePlani);
    hesapDokumuEylemi_ =
        islemMenusu->addAction(QStringLiteral("Hesap &Dökümü"), this, &AnaPencere::hesapDokumu);
    hesapDokumuPdfEylemi_ = islemMenusu->addAction(QStringLiteral("Hesap Dökümü P&DF..."), this,
                                                   &AnaPencere::hesapDokumuPdf);

    auto* foyMenusu = menuBar()->addMenu(QStringLiteral("&Föy"));
    yeniFoyEylemi_ = foyMenusu->addAction(QStringLiteral("Yeni Föy"), this, &AnaPencere::yeniFoy);
    foyDuzenleEylemi_ =
        foyMenusu->addAction(QStringLiteral("Föyü Düzenle"), this, &AnaPencere::foyuDuzenle);
    foySilEylemi_ = foyMenusu->addAction(QStringLiteral("Föyü Sil"), this, &AnaPencere::foyuSil);
    foyMenusu->addSeparator();
    parametrelerEylemi_ =
        foyMenusu->addAction(QStringLiteral("Parametreler"), this, &AnaPencere::parametreler);

    QToolBar* arac = addToolBar(QStringLiteral("İşlemler"));
    arac->setObjectName(QStringLiteral("islemler"));
    arac->setMovable(false);
    arac->setToolButtonStyle(Qt::ToolButtonTextOnly);
    arac->addAction(yenileEylemi_);
    arac->addAction(hesaplaEylemi_);
    arac->addSeparator();
    arac->addAction(basitHesapEylemi_);
    arac->addAction(topluGuncellemeEylemi_);
    arac->addAction(odemePlaniEylemi_);
    arac->addAction(hesapDokumuEylemi_);
    arac->addSeparator();
    arac->addAction(yeniFoyEylemi_);
    arac->addAction(foyDuzenleEylemi_);
    arac->addAction(foySilEylemi_);
    arac->addAction(parametrelerEylemi_);

    statusBar()->addWidget(durum_, 1);
    durum_->setText(QStringLiteral("Veritabanı açık değil."));
    resize(1360, 700);
    eylemleriGuncelle();
}

AnaPencere::~AnaPencere() {
    // The shared connection must not outlive the window that opened it.
    if (db_ && shared().hasConnection() && &shared().connection() == db_.get())
        shared().setConnection(nullptr);
}

QString AnaPencere::hatirlananAdres() const {
    return ayarlar_->value(kSonVeritabani).toString();
}

bool AnaPencere::veritabaniAc(const QString& adres) {
    const QString metin = adres.trimmed();
    if (metin.isEmpty()) {
        bilgi(QStringLiteral("Açılacak veritabanını yazın ya da bir SQLite dosyası seçin."));
        return false;
    }
    // A server address without a password is not tried as it is (that only fails
    // with the driver's complaint): the password is asked and used for this
    // connection; the address box and the settings keep the address without it.
    QString acilacak = metin;
    bool sifreSoruldu = false;
    if (sifreSorulmali(metin)) {
        const std::optional<QString> sifre = sifreSor(metin);
        if (!sifre)
            return false;
        sifreSoruldu = true;
        if (!sifre->isEmpty())
            acilacak = sifreliAdres(metin, *sifre);
    }
    std::shared_ptr<Database> db;
    try {
        db = Database::open(acilacak);
        if (!tablolarHazir(*db))
            return false;
    } catch (const RuntimeError& e) {
        const QString baslik = QStringLiteral("Veritabanı açılamadı");
        const QString ayrinti = e.description();
        if (sifreSoruldu && girisReddedildi(ayrinti))
            bilgi(baslik + QStringLiteral(": kullanıcı adı ya da şifre yanlış.\r") +
                  DatabaseUrl::parse(metin).redacted());
        else
            bilgi(ayrinti.startsWith(baslik) ? ayrinti : baslik + QStringLiteral(".\r") + ayrinti);
        return false;
    }

    auto hesap = std::make_unique<clsHesapAna>();
    hesap->setActiveUserName(kullaniciAdi());
    hesap->setActiveVeritabaniTuru(db->veritabaniTuru());
    hesap->setActiveConnection(db);
    hesap_ = std::move(hesap);
    db_ = std::move(db);

    adres_->setText(metin);
    ayarlar_->setValue(kSonVeritabani, hatirlanacakAdres(metin));
    setWindowTitle(QStringLiteral("quvHesap - ") + db_->url().redacted());
    gosterilenFoy_ = 0;
    panel_->temizle(QStringLiteral("Hesaplamak için listeden bir föy seçin."));
    {
        QSignalBlocker sessiz(tablo_);
        tablo_->setRowCount(0);
    }
    foyleriYenile();
    // Without tariffs no file calculates: said when the database opens, with the ways
    // to enter them, rather than by the first calculation's failure.
    if (!trapped<bool>(QStringLiteral("quvHesapDesk.AnaPencere.veritabaniAc"), true,
                       [&] { return editors::tarifeVar(*db_); }) &&
        editors::tarifeleriIste(*db_, this))
        foyleriYenile();
    return true;
}

std::optional<QString> AnaPencere::sifreSor(const QString& adres) {
    const QString gosterilen = DatabaseUrl::parse(adres).redacted();
    if (sifreSorucu_)
        return sifreSorucu_(gosterilen);
    // Without the windows' host (an unattended run) nobody can answer; a dialog
    // would wait for ever.
    if (!dynamic_cast<WidgetWindowHost*>(&shared().windowHost())) {
        bilgi(QStringLiteral("Veritabanının şifresi sorulamıyor; veritabanı açılmadı.\r") +
              gosterilen);
        return std::nullopt;
    }
    QInputDialog soru(this);
    soru.setWindowTitle(QStringLiteral("Veritabanı Şifresi"));
    soru.setLabelText(QStringLiteral("%1\n\nŞifre (sunucu şifresiz bağlanıyorsa boş "
                                     "bırakın):")
                          .arg(gosterilen));
    soru.setTextEchoMode(QLineEdit::Password);
    soru.setOkButtonText(QStringLiteral("Bağlan"));
    soru.setCancelButtonText(QStringLiteral("Vazgeç"));
    if (modalGoster(soru) != QDialog::Accepted)
        return std::nullopt;
    return soru.textValue();
}

bool AnaPencere::tablolarHazir(Database& db) {
    const Schema::Comparison durum = Schema::compare(db);
    switch (durum.state) {
        case Schema::Comparison::State::Complete:
            return true;
        case Schema::Comparison::State::Empty:
            if (!shared().messages().question(
                    QStringLiteral("Bu veritabanında quvHesap tabloları yok.\rTablolar şimdi "
                                   "oluşturulsun mu?")))
                return false;
            Schema::initialize(db);
            // A new database starts with the public rate tables the program ships.
            ReferansTablolari::ekle(db, ReferansBelgesi::gomulu());
            return true;
        case Schema::Comparison::State::Different:
            break;
    }
    bilgi(QStringLiteral("Veritabanının tabloları quvHesap'ın beklediği gibi değil; veritabanı "
                         "açılmadı.\r") +
          durum.differences.join(u'\r'));
    return false;
}

void AnaPencere::foyleriYenile() {
    if (!db_)
        return;
    const qint32 secili = seciliFoyKodu();
    QList<FoySatiri> satirlar;
    if (!trapped(QStringLiteral("quvHesapDesk.AnaPencere.foyleriYenile"),
                 [&] { satirlar = foyListesiniOku(*db_); }))
        return;
    {
        QSignalBlocker sessiz(tablo_);
        tablo_->setSortingEnabled(false);
        tablo_->clearContents();
        tablo_->setRowCount(static_cast<int>(satirlar.size()));
        for (int i = 0; i < satirlar.size(); ++i)
            satiriYaz(i, satirlar.at(i));
        tablo_->setSortingEnabled(true);
    }
    aramayiUygula();
    // The selection comes back only where the search still shows the file.
    const int satir = satirBul(secili);
    if (satir < 0 || tablo_->isRowHidden(satir) || !foySec(secili))
        seciliFoyDegisti();
}

void AnaPencere::aramayiUygula() {
    const QString arama = arama_->text();
    for (int satir = 0; satir < tablo_->rowCount(); ++satir) {
        const QTableWidgetItem* kod = tablo_->item(satir, SutunFoyKodu);
        const bool uyar = kod && aramayaUyar(kod->data(Qt::UserRole).toInt(),
                                             kod->data(kBorcluRolu).toStringList(), arama);
        tablo_->setRowHidden(satir, !uyar);
    }
    // A hidden file is not acted on by mistake.
    const int secili = satirBul(seciliFoyKodu());
    if (secili >= 0 && tablo_->isRowHidden(secili))
        tablo_->clearSelection();
    durumuYaz();
}

void AnaPencere::durumuYaz() {
    if (!db_)
        return;
    int gorunen = 0;
    for (int satir = 0; satir < tablo_->rowCount(); ++satir)
        gorunen += tablo_->isRowHidden(satir) ? 0 : 1;
    durum_->setText(
        gorunen == tablo_->rowCount()
            ? QStringLiteral("%1 föy").arg(gorunen)
            : QStringLiteral("%1 föyden %2 föy gösteriliyor").arg(tablo_->rowCount()).arg(gorunen));
}

void AnaPencere::satiriYaz(int satir, const FoySatiri& foy) {
    auto hucre = [&](int sutun, const QString& metin, const QVariant& sira,
                     Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter) {
        QTableWidgetItem* item = tablo_->item(satir, sutun);
        if (!item) {
            item = new SiraliHucre;
            tablo_->setItem(satir, sutun, item);
        }
        item->setText(metin);
        item->setData(Qt::UserRole, sira);
        item->setTextAlignment(hiza);
    };
    const Qt::Alignment sag = Qt::AlignRight | Qt::AlignVCenter;
    hucre(SutunFoyKodu, QString::number(foy.FoyKodu), foy.FoyKodu, sag);
    tablo_->item(satir, SutunFoyKodu)->setData(kBorcluRolu, foy.Borclular);
    const QString borclular = foy.Borclular.join(QStringLiteral(", "));
    hucre(SutunBorclu, borclular, borclular);
    tablo_->item(satir, SutunBorclu)->setToolTip(foy.Borclular.join(u'\n'));
    hucre(SutunAlacakli, foy.AlacakliKodu ? QString::number(foy.AlacakliKodu) : QString(),
          foy.AlacakliKodu, sag);
    hucre(SutunTakipTarihi, shared().dates().display(foy.TakipTarihi), foy.TakipTarihi);
    hucre(SutunHesapTarihi, shared().dates().display(foy.HesapTarihi), foy.HesapTarihi);
    const QString alacakTipi = alacakTipiAdi(foy.AlacakTipi);
    hucre(SutunAlacakTipi, alacakTipi, alacakTipi);
    const QString sonuc = dosyaSonucuAdi(foy.DosyaSonucu);
    hucre(SutunDosyaSonucu, sonuc, sonuc);
    if (foy.BakiyeGuncelTL)
        hucre(SutunBakiye, formatNumber(*foy.BakiyeGuncelTL, FormatMoneyZero),
              static_cast<qlonglong>(foy.BakiyeGuncelTL->raw()), sag);
    else
        // No stored summary: an empty cell, sorted before every amount.
        hucre(SutunBakiye, QString(), std::numeric_limits<qlonglong>::min(), sag);
}

void AnaPencere::satiriYenile(qint32 FoyKodu) {
    QList<FoySatiri> satirlar;
    if (!trapped(QStringLiteral("quvHesapDesk.AnaPencere.satiriYenile"),
                 [&] { satirlar = foyListesiniOku(*db_, FoyKodu); }))
        return;
    const int satir = satirBul(FoyKodu);
    if (satirlar.isEmpty() || satir < 0) {
        foyleriYenile();
        return;
    }
    {
        QSignalBlocker sessiz(tablo_);
        tablo_->setSortingEnabled(false);
        satiriYaz(satir, satirlar.first());
        tablo_->setSortingEnabled(true);
    }
    aramayiUygula();
}

int AnaPencere::satirBul(qint32 FoyKodu) const {
    for (int satir = 0; satir < tablo_->rowCount(); ++satir) {
        const QTableWidgetItem* item = tablo_->item(satir, SutunFoyKodu);
        if (item && item->data(Qt::UserRole).toInt() == FoyKodu)
            return satir;
    }
    return -1;
}

qint32 AnaPencere::seciliFoyKodu() const {
    const QModelIndexList secili = tablo_->selectionModel()->selectedRows(SutunFoyKodu);
    if (secili.isEmpty())
        return 0;
    const QTableWidgetItem* item = tablo_->item(secili.first().row(), SutunFoyKodu);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

bool AnaPencere::foySec(qint32 FoyKodu) {
    int satir = satirBul(FoyKodu);
    if (satir < 0)
        return false;
    // A file chosen by its code is shown even when the search had hidden it.
    if (tablo_->isRowHidden(satir)) {
        arama_->clear();
        satir = satirBul(FoyKodu);
    }
    tablo_->selectRow(satir);
    tablo_->scrollToItem(tablo_->item(satir, SutunFoyKodu));
    return true;
}

void AnaPencere::seciliFoyDegisti() {
    const qint32 kod = seciliFoyKodu();
    if (kod != 0) {
        // The calculation date starts as the file's stored one.
        const QTableWidgetItem* tarih = tablo_->item(satirBul(kod), SutunHesapTarihi);
        panel_->tarihKutusu()->setTextDate(tarih ? tarih->data(Qt::UserRole).toString()
                                                 : QString());
        if (kod != gosterilenFoy_) {
            gosterilenFoy_ = 0;
            panel_->temizle(
                QStringLiteral("Föy %1 seçili. Hesaplamak için \"Hesapla\" düğmesine basın ya da "
                               "satırı çift tıklayın.")
                    .arg(kod));
        }
    }
    eylemleriGuncelle();
}

void AnaPencere::eylemleriGuncelle() {
    const bool acik = veritabaniAcik();
    const bool secili = acik && seciliFoyKodu() != 0;
    yenileEylemi_->setEnabled(acik);
    basitHesapEylemi_->setEnabled(acik);
    topluGuncellemeEylemi_->setEnabled(acik);
    hesaplaEylemi_->setEnabled(secili);
    odemePlaniEylemi_->setEnabled(secili);
    hesapDokumuEylemi_->setEnabled(secili);
    hesapDokumuPdfEylemi_->setEnabled(secili);
    yeniFoyEylemi_->setEnabled(acik);
    foyDuzenleEylemi_->setEnabled(secili);
    foySilEylemi_->setEnabled(secili);
    parametrelerEylemi_->setEnabled(acik);
    panel_->hesaplaDugmesi()->setEnabled(secili);
}

bool AnaPencere::veritabaniGerekli() {
    if (veritabaniAcik())
        return true;
    bilgi(QStringLiteral("Önce bir veritabanı açın."));
    return false;
}

bool AnaPencere::seciliFoyuHesapla() {
    if (!veritabaniGerekli())
        return false;
    const qint32 kod = seciliFoyKodu();
    if (kod == 0) {
        bilgi(QStringLiteral("Hesaplanacak föyü listeden seçin."));
        return false;
    }
    const QString yazilan = panel_->tarihKutusu()->text().trimmed();
    const QString tarih = panel_->tarihKutusu()->textDate();
    if (!yazilan.isEmpty() && tarih.isEmpty()) {
        bilgi(QStringLiteral("Hesap tarihi geçerli bir tarih değil: ") + yazilan);
        return false;
    }
    const bool kaydet = panel_->kaydetKutusu()->isChecked();

    const quint64 oncekiHatalar = shared().reportedErrors();
    std::shared_ptr<clsFoyBilgileri> foy = hesap_->TariheGoreHesapla(kod, tarih, kaydet);
    gosterilenFoy_ = kod;
    // A saving run may have written the new date or the summary even when a later
    // step failed: the row shows what is stored.
    if (kaydet)
        satiriYenile(kod);
    if (!foy) {
        panel_->temizle(QStringLiteral("Föy %1 hesaplanamadı.").arg(kod));
        if (shared().reportedErrors() == oncekiHatalar)
            bilgi(QStringLiteral("%1 numaralı föy bulunamadı.").arg(kod));
        return false;
    }
    // The shipped rate tables the file uses may have changed after they were checked.
    QStringList uyarilar;
    trapped(QStringLiteral("quvHesapDesk.AnaPencere.seciliFoyuHesapla"), [&] {
        uyarilar = ReferansTablolari::uyarilar(*db_, ReferansTablolari::foyunTablolari(*db_, kod),
                                               foy->GununTarihi);
    });
    panel_->sonucuGoster(*foy, kaydet, uyarilar);
    return true;
}

void AnaPencere::basitFaizHesabi() {
    if (!veritabaniGerekli())
        return;
    trapped(QStringLiteral("quvHesapDesk.AnaPencere.basitFaizHesabi"),
            [&] { hesap_->ShowBasitHesap(); });
}

void AnaPencere::topluFoyGuncelleme() {
    if (!veritabaniGerekli())
        return;
    hesap_->BatchUpdate();
    // The bulk update saves new summaries and may move calculation dates.
    foyleriYenile();
}

void AnaPencere::odemePlani() {
    if (!veritabaniGerekli())
        return;
    const qint32 kod = seciliFoyKodu();
    if (kod == 0) {
        bilgi(QStringLiteral("Ödeme planı için listeden bir föy seçin."));
        return;
    }
    trapped(QStringLiteral("quvHesapDesk.AnaPencere.odemePlani"), [&] { hesap_->ShowWizard(kod); });
}

void AnaPencere::dosyaSec() {
    QString klasor = QDir::homePath();
    const QFileInfo simdiki(adres_->text().trimmed());
    if (!adres_->text().trimmed().isEmpty() && simdiki.exists())
        klasor = simdiki.absolutePath();
    const QString yol = QFileDialog::getOpenFileName(
        this, QStringLiteral("SQLite Veritabanı Seç"), klasor,
        QStringLiteral("SQLite veritabanları (*.sqlite *.sqlite3 *.db *.db3);;Tüm dosyalar (*)"));
    if (yol.isEmpty())
        return;
    adres_->setText(yol);
    veritabaniAc(yol);
}

void AnaPencere::yeniFoy() {
    if (!veritabaniGerekli())
        return;
    editors::frmFoy pencere(*db_, 0, this);
    if (pencere.yukle() && modalGoster(pencere) == QDialog::Accepted)
        foyKaydedildi(pencere.foyKodu());
}

void AnaPencere::foyuDuzenle() {
    if (!veritabaniGerekli())
        return;
    const qint32 kod = seciliFoyKodu();
    if (kod == 0) {
        bilgi(QStringLiteral("Düzenlenecek föyü listeden seçin."));
        return;
    }
    editors::frmFoy pencere(*db_, kod, this);
    if (pencere.yukle() && modalGoster(pencere) == QDialog::Accepted)
        pencere.silindi() ? foySilindi(kod) : foyKaydedildi(kod);
}

void AnaPencere::foyuSil() {
    if (!veritabaniGerekli())
        return;
    const qint32 kod = seciliFoyKodu();
    if (kod == 0) {
        bilgi(QStringLiteral("Silinecek föyü listeden seçin."));
        return;
    }
    if (editors::foyuSil(*db_, kod))
        foySilindi(kod);
}

void AnaPencere::foySilindi(qint32 FoyKodu) {
    gosterilenFoy_ = 0;
    panel_->temizle(QStringLiteral("Föy %1 silindi.").arg(FoyKodu));
    foyleriYenile();
}

void AnaPencere::parametreler() {
    if (!veritabaniGerekli())
        return;
    editors::frmParametreler pencere(*db_, this);
    if (!pencere.yukle() || modalGoster(pencere) != QDialog::Accepted)
        return;
    // The facade keeps the tariffs it loaded for a period: a new one reads the saved ones.
    auto hesap = std::make_unique<clsHesapAna>();
    hesap->setActiveUserName(kullaniciAdi());
    hesap->setActiveVeritabaniTuru(db_->veritabaniTuru());
    hesap->setActiveConnection(db_);
    hesap_ = std::move(hesap);
    if (seciliFoyKodu() != 0)
        seciliFoyuHesapla();
}

void AnaPencere::foyKaydedildi(qint32 FoyKodu) {
    foyleriYenile();
    if (foySec(FoyKodu))
        seciliFoyuHesapla();
}

}  // namespace quv::desk
