#include "tools/frmTopluFoyGunle.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "engine/modGeneral.h"
#include "tools/TopluCalismaKaydi.h"
#include "tools/TopluIsciler.h"
#include "ui/ComboItems.h"
#include "ui/DateEdit.h"
#include "ui/Kontroller.h"
#include "ui/MoneyEdit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quv {

namespace {

// The progress text while running: the percent sign before the number ("%30"), as
// percentages are written in Turkish. Idle the bar shows no text.
const QString kCalisirkenBicim = QStringLiteral("%%p");

const QString kIptal = QStringLiteral("İ&ptal");
const QString kDurdur = QStringLiteral("&Durdur");

// A file code box: the number as decimal text, the empty text for an empty box, or
// the text as typed when it is not a whole number.
QString sayiDegeri(const MoneyEdit& kutu) {
    const QString metin = kutu.text().trimmed();
    if (metin.isEmpty())
        return QString();
    const std::optional<Money> deger = MoneyEdit::readText(metin, 0);
    if (!deger || deger->raw() % Money::Scale != 0)
        return metin;
    return QString::number(deger->raw() / Money::Scale);
}

}  // namespace

frmTopluFoyGunle::frmTopluFoyGunle(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTopluFoyGunle"));
    setWindowTitle(QStringLiteral("Toplu Föy Güncelleme"));
    setModal(true);

    kriterler_ = new QWidget(this);
    auto* kriterKutusu = new QGroupBox(QStringLiteral("Kriterler"), kriterler_);
    auto* izgara = new QGridLayout(kriterKutusu);

    cboFoyKoduOp = adli(new QComboBox(kriterKutusu), "cboFoyKoduOp");
    oceFoyKodu1 = adli(new MoneyEdit(kriterKutusu), "oceFoyKodu1");
    oceFoyKodu2 = adli(new MoneyEdit(kriterKutusu), "oceFoyKodu2");
    for (MoneyEdit* kutu : {oceFoyKodu1, oceFoyKodu2})
        kutu->setDecimals(0);
    lblFoyKoduVe_ = new QLabel(QStringLiteral("ile"), kriterKutusu);
    lblFoyKoduVe_->setContentsMargins(4, 0, 4, 0);
    izgara->addWidget(new QLabel(QStringLiteral("Föy Kodu"), kriterKutusu), 0, 0);
    izgara->addWidget(cboFoyKoduOp, 0, 1);
    izgara->addWidget(oceFoyKodu1, 0, 2);
    izgara->addWidget(lblFoyKoduVe_, 0, 3);
    izgara->addWidget(oceFoyKodu2, 0, 4);

    cboTakipTarihiOp = adli(new QComboBox(kriterKutusu), "cboTakipTarihiOp");
    otrTakipTarihi1 = adli(new DateEdit(kriterKutusu), "otrTakipTarihi1");
    otrTakipTarihi2 = adli(new DateEdit(kriterKutusu), "otrTakipTarihi2");
    lblTakipTarihiVe_ = new QLabel(QStringLiteral("ile"), kriterKutusu);
    lblTakipTarihiVe_->setContentsMargins(4, 0, 4, 0);
    izgara->addWidget(new QLabel(QStringLiteral("Takip Tarihi"), kriterKutusu), 1, 0);
    izgara->addWidget(cboTakipTarihiOp, 1, 1);
    izgara->addWidget(otrTakipTarihi1, 1, 2);
    izgara->addWidget(lblTakipTarihiVe_, 1, 3);
    izgara->addWidget(otrTakipTarihi2, 1, 4);

    cboDosyaSonucu = adli(new QComboBox(kriterKutusu), "cboDosyaSonucu");
    cboAvukat = adli(new QComboBox(kriterKutusu), "cboAvukat");
    izgara->addWidget(new QLabel(QStringLiteral("Dosya Sonucu"), kriterKutusu), 2, 0);
    izgara->addWidget(cboDosyaSonucu, 2, 1, 1, 4);
    izgara->addWidget(new QLabel(QStringLiteral("Avukat"), kriterKutusu), 3, 0);
    izgara->addWidget(cboAvukat, 3, 1, 1, 4);
    izgara->setColumnStretch(2, 1);
    izgara->setColumnStretch(4, 1);
    // The value boxes share the width; the date boxes need room for day.month.year.
    for (QWidget* kutu :
         {static_cast<QWidget*>(oceFoyKodu1), static_cast<QWidget*>(oceFoyKodu2),
          static_cast<QWidget*>(otrTakipTarihi1), static_cast<QWidget*>(otrTakipTarihi2)})
        kutu->setMinimumWidth(150);

    auto* islemKutusu = new QGroupBox(QStringLiteral("Güncelleme"), kriterler_);
    auto* islemDuzeni = new QGridLayout(islemKutusu);
    otrHesapTarihi = adli(new DateEdit(islemKutusu), "otrHesapTarihi");
    auto* tarihNotu = new QLabel(
        QStringLiteral("Boş bırakılırsa her föy kendi hesap tarihinde hesaplanır."), islemKutusu);
    tarihNotu->setEnabled(false);
    tarihNotu->setWordWrap(true);
    chkHesapBilgileriniGunle =
        adli(new QCheckBox(QStringLiteral("&Hesap bilgilerini güncelle"), islemKutusu),
             "chkHesapBilgileriniGunle");
    chkTabligatBilgileriniTazele =
        adli(new QCheckBox(QStringLiteral("&Tebligat bilgilerini tazele"), islemKutusu),
             "chkTabligatBilgileriniTazele");
    islemDuzeni->addWidget(new QLabel(QStringLiteral("Yeni Hesap Tarihi"), islemKutusu), 0, 0);
    islemDuzeni->addWidget(otrHesapTarihi, 0, 1);
    islemDuzeni->addWidget(tarihNotu, 1, 1, 1, 2);
    islemDuzeni->addWidget(chkHesapBilgileriniGunle, 2, 0, 1, 3);
    islemDuzeni->addWidget(chkTabligatBilgileriniTazele, 3, 0, 1, 3);
    spnIsSayisi = adli(new QSpinBox(islemKutusu), "spnIsSayisi");
    spnIsSayisi->setRange(1, 16);
    spnIsSayisi->setToolTip(
        QStringLiteral("1'den büyükse föyler bu sayıda ayrı işleme bölünür; her işlem kendi "
                       "bağlantısıyla çalışır."));
    islemDuzeni->addWidget(new QLabel(QStringLiteral("Paralel iş sayısı"), islemKutusu), 4, 0);
    islemDuzeni->addWidget(spnIsSayisi, 4, 1);
    otrHesapTarihi->setMinimumWidth(150);
    islemDuzeni->setColumnStretch(2, 1);

    auto* kriterDuzeni = new QVBoxLayout(kriterler_);
    kriterDuzeni->setContentsMargins(0, 0, 0, 0);
    kriterDuzeni->addWidget(kriterKutusu);
    kriterDuzeni->addWidget(islemKutusu);

    opbGuncelle = adli(new QProgressBar(this), "opbGuncelle");
    lblNumber = adli(new QLabel(this), "lblNumber");
    lblNumber->setMinimumHeight(lblNumber->fontMetrics().height());

    cmdGuncel = adli(new QPushButton(QStringLiteral("&Güncelle"), this), "cmdGuncel");
    cmdGuncel->setDefault(true);
    // Starting must not take the focus (by a click or its shortcut): a date box clears a
    // text that names no day when it loses the focus, and a mistyped criterion would
    // then vanish unseen and widen the update to files the user did not mean. Kept, the
    // check names it. Enter starts as well: this is the default button.
    cmdGuncel->setFocusPolicy(Qt::NoFocus);
    cmdIptal = adli(new QPushButton(kIptal, this), "cmdIptal");
    auto* komutlar = new QHBoxLayout;
    komutlar->addStretch();
    komutlar->addWidget(cmdGuncel);
    komutlar->addWidget(cmdIptal);

    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(kriterler_);
    duzen->addWidget(opbGuncelle);
    duzen->addWidget(lblNumber);
    duzen->addLayout(komutlar);
    setMinimumWidth(520);
    ilerlemeyiSifirla();

    connect(cboFoyKoduOp, &QComboBox::currentIndexChanged, this,
            &frmTopluFoyGunle::ikinciDegerleriGoster);
    connect(cboTakipTarihiOp, &QComboBox::currentIndexChanged, this,
            &frmTopluFoyGunle::ikinciDegerleriGoster);
    connect(cmdGuncel, &QPushButton::clicked, this, &frmTopluFoyGunle::cmdGuncel_Click);
    connect(cmdIptal, &QPushButton::clicked, this, &frmTopluFoyGunle::cmdIptal_Click);
}

frmTopluFoyGunle::~frmTopluFoyGunle() = default;

void frmTopluFoyGunle::FormYukle() {
    yuklendi_ = true;
    LoadOpCombolari();
    LoadcboDosyaSonucu();
    g_sbLoadAvukatlar(*cboAvukat);
    ikinciDegerleriGoster();
}

void frmTopluFoyGunle::showEvent(QShowEvent* event) {
    if (!yuklendi_)
        FormYukle();
    QDialog::showEvent(event);
}

void frmTopluFoyGunle::LoadOpCombolari() {
    for (QComboBox* liste : {cboFoyKoduOp, cboTakipTarihiOp}) {
        liste->clear();
        liste->addItems(TopluFoyGuncelleyici::Operatorler());
    }
}

void frmTopluFoyGunle::LoadcboDosyaSonucu() {
    cboDosyaSonucu->clear();
    QList<ComboEntry> girdiler = {{QStringLiteral("Tümü"), QVariant()}};
    for (const DosyaSonucuSecenegi& sonuc : TopluFoyGuncelleyici::DosyaSonuclari())
        girdiler.append({sonuc.ad, QVariant(static_cast<int>(sonuc.kod))});
    addComboItems(*cboDosyaSonucu, girdiler);
}

void frmTopluFoyGunle::g_sbLoadAvukatlar(QComboBox& liste) {
    liste.clear();
    liste.addItem(QStringLiteral("Tümü"));
    trapped(QStringLiteral("modGenel.g_sbLoadAvukatlar"), [&] {
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select avukatkodu, ad, soyad from tblavukat order by ad, soyad"));
        QList<ComboEntry> girdiler;
        for (; !rs.eof(); rs.moveNext())
            girdiler.append(
                {modGeneral::NullKontrol(rs.value(QStringLiteral("ad")), false).toString() + u' ' +
                     modGeneral::NullKontrol(rs.value(QStringLiteral("soyad")), false).toString(),
                 QVariant(toInt32(rs.value(QStringLiteral("avukatkodu"))))});
        addComboItems(liste, girdiler);
    });
}

void frmTopluFoyGunle::ikinciDegerleriGoster() {
    const bool foyArasinda = cboFoyKoduOp->currentText() == TopluFoyGuncelleyici::ArasindaOp();
    oceFoyKodu2->setVisible(foyArasinda);
    lblFoyKoduVe_->setVisible(foyArasinda);
    const bool takipArasinda =
        cboTakipTarihiOp->currentText() == TopluFoyGuncelleyici::ArasindaOp();
    otrTakipTarihi2->setVisible(takipArasinda);
    lblTakipTarihiVe_->setVisible(takipArasinda);
}

TopluGuncellemeKriterleri frmTopluFoyGunle::Kriterler() const {
    TopluGuncellemeKriterleri k;
    k.FoyKoduOp = cboFoyKoduOp->currentText();
    k.FoyKodu1 = sayiDegeri(*oceFoyKodu1);
    k.FoyKodu2 = sayiDegeri(*oceFoyKodu2);
    k.TakipTarihiOp = cboTakipTarihiOp->currentText();
    k.TakipTarihi1 = otrTakipTarihi1->textDateOrTyped();
    k.TakipTarihi2 = otrTakipTarihi2->textDateOrTyped();
    // The first entry of both lists is "Tümü": no filter.
    if (cboDosyaSonucu->currentIndex() > 0)
        k.DosyaSonucu = static_cast<qint16>(currentComboItemData(*cboDosyaSonucu));
    if (cboAvukat->currentIndex() > 0)
        k.AvukatKodu = currentComboItemData(*cboAvukat);
    k.HesapTarihi = otrHesapTarihi->textDateOrTyped();
    k.HesapBilgileriniGunle = chkHesapBilgileriniGunle->isChecked();
    k.TebligatBilgileriniTazele = chkTabligatBilgileriniTazele->isChecked();
    return k;
}

void frmTopluFoyGunle::ilerlemeyiSifirla() {
    opbGuncelle->setFormat(QString());
    opbGuncelle->setValue(0);
    lblNumber->clear();
}

void frmTopluFoyGunle::cmdGuncel_Click() {
    if (Calisiyor())
        return;
    if (!ActiveHesap && !kendiHesabi_)
        kendiHesabi_ = std::make_unique<clsHesapAna>();
    TopluFoyGuncelleyici calisan(ActiveHesap ? *ActiveHesap : *kendiHesabi_);
    calisan.Kriterler = Kriterler();
    const QString hata = calisan.Dogrula();
    if (!hata.isEmpty()) {
        shared().messages().information(hata);
        return;
    }

    // Parallel jobs where the database has a connection of its own for each worker.
    if (spnIsSayisi->value() > 1 && shared().connection().backend() != Backend::ODBC) {
        iscilerleCalistir(calisan.Kriterler, spnIsSayisi->value());
        return;
    }
    calisan_ = &calisan;
    calismaDurumu(true);

    calisan.Basladi = [this](int sayi) {
        opbGuncelle->setRange(0, sayi);
        opbGuncelle->setValue(0);
        opbGuncelle->setFormat(kCalisirkenBicim);
    };
    calisan.FoyBasliyor = [this](int sira, int sayi, qint32 foyKodu) {
        lblNumber->setText(TopluFoyGuncelleyici::IlerlemeMetni(sira, sayi, foyKodu));
        QCoreApplication::processEvents();
    };
    calisan.FoyBitti = [this](int sira, int sayi, qint32 foyKodu) {
        opbGuncelle->setValue(sira);
        emit foyGuncellendi(sira, sayi, foyKodu);
        // Lets the stop button through; the run checks it before the next file.
        QCoreApplication::processEvents();
    };
    const TopluGuncellemeSonucu sonuc = calisan.Calistir();
    if (!sonuc.Mesaj.isEmpty())
        shared().messages().information(sonuc.Mesaj);
    calisan_ = nullptr;
    calismaDurumu(false);
}

void frmTopluFoyGunle::iscilerleCalistir(const TopluGuncellemeKriterleri& kriterler,
                                          int isSayisi) {
    const QString program = IsciProgrami.isEmpty() ? TopluIsciler::KomutSatiri() : IsciProgrami;
    if (program.isEmpty()) {
        shared().messages().information(
            QStringLiteral("Paralel güncelleme için quvhesap programı bulunamadı; paralel iş "
                           "sayısını 1 yapın ya da programı bu programın yanına kurun."));
        return;
    }
    // The workers start together: the run's record table is there before any of them.
    Database& db = shared().connection();
    if (TopluCalismaKaydi::Destekli(db) &&
        !trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"),
                 [&] { TopluCalismaKaydi(db, QString()).TabloyuHazirla(); }))
        return;
    const DatabaseUrl& adres = db.url();
    TopluIsciler isciler(program, TopluIsciler::Argumanlar(kriterler, adres), isSayisi);
    isciler.Parola = adres.password;
    QStringList satirlar;
    isciler.Ilerleme = [this](int biten, int sayi, qint32 foyKodu) {
        opbGuncelle->setRange(0, sayi);
        opbGuncelle->setFormat(kCalisirkenBicim);
        opbGuncelle->setValue(biten);
        lblNumber->setText(TopluFoyGuncelleyici::IlerlemeMetni(biten, sayi, foyKodu));
        emit foyGuncellendi(biten, sayi, foyKodu);
    };
    isciler.Satir = [&satirlar](const QString& satir) { satirlar << satir; };
    isciler.DurdurulsunMu = [this] {
        // Lets the stop button through while the workers run.
        QCoreApplication::processEvents();
        return durdurIstendi_;
    };
    iscilerCalisiyor_ = true;
    calismaDurumu(true);
    isciler.Calistir();
    iscilerCalisiyor_ = false;
    // The workers' closing lines, then what they reported, a few dozen lines at most.
    constexpr qsizetype kEnCokSatir = 30;
    QStringList mesaj = isciler.Kapanislar;
    mesaj += satirlar.mid(0, kEnCokSatir);
    if (satirlar.size() > kEnCokSatir)
        mesaj << QStringLiteral("… ve %1 satır daha.").arg(satirlar.size() - kEnCokSatir);
    if (!mesaj.isEmpty())
        shared().messages().information(mesaj.join(u'\r'));
    calismaDurumu(false);
}

void frmTopluFoyGunle::calismaDurumu(bool calisiyor) {
    durdurIstendi_ = false;
    if (!calisiyor)
        ilerlemeyiSifirla();
    cmdGuncel->setEnabled(!calisiyor);
    kriterler_->setEnabled(!calisiyor);
    cmdIptal->setText(calisiyor ? kDurdur : kIptal);
}

void frmTopluFoyGunle::durdur() {
    durdurIstendi_ = true;
    if (calisan_)
        calisan_->Durdur();
}

void frmTopluFoyGunle::cmdIptal_Click() {
    if (Calisiyor()) {
        durdur();
        return;
    }
    reject();
}

void frmTopluFoyGunle::reject() {
    if (Calisiyor()) {
        durdur();
        return;
    }
    QDialog::reject();
}

void frmTopluFoyGunle::closeEvent(QCloseEvent* event) {
    if (Calisiyor()) {
        durdur();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace quv
