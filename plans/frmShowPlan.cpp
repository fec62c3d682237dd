#include "plans/frmShowPlan.h"

#include "engine/NumberFormat.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/TextDate.h"
#include "engine/Trap.h"
#include "ui/DataGrid.h"
#include "ui/DocumentService.h"
#include "ui/Kontroller.h"
#include "plans/SmsGonderici.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quv {

namespace {

// Columns of the plan grid.
constexpr int kSira = 0;
constexpr int kTarih = 1;
constexpr int kTutar = 2;
constexpr int kTaahKaydet = 3;
constexpr int kAciklama = 4;

// The amount of a "Tutar" cell: the grid keeps it with a decimal point; a text it could
// not read is taken as no amount, so the save asks for one.
Money tutarOf(const QString& hucre) {
    const QString metin = hucre.trimmed();
    if (metin.isEmpty())
        return Money();
    try {
        return Money::parse(metin);
    } catch (const RuntimeError&) {
        return parseNumber(metin).value_or(Money());
    }
}

}  // namespace

frmShowPlan::frmShowPlan(QWidget* parent)
    : QDialog(parent), documentService_(std::make_shared<DocumentService>()) {
    setObjectName(QStringLiteral("frmShowPlan"));
    setWindowTitle(QStringLiteral("Ödeme Planı"));
    setModal(true);

    grdPlan = new DataGrid(this);
    grdPlan->setObjectName(QStringLiteral("grdPlan"));
    grdPlan->setMinimumSize(560, 260);
    LoadGridProperties();

    auto* toplamEtiketi = new QLabel(QStringLiteral("Toplam"), this);
    lblToplamOdeme = new QLabel(formatNumber(Money(), FormatMoneyZero), this);
    lblToplamOdeme->setObjectName(QStringLiteral("lblToplamOdeme"));
    lblToplamOdeme->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblToplamOdeme->setMinimumWidth(140);
    lblToplamOdeme->setFrameShape(QFrame::StyledPanel);
    QFont kalin = lblToplamOdeme->font();
    kalin.setBold(true);
    lblToplamOdeme->setFont(kalin);
    toplamEtiketi->setFont(kalin);

    cboborclu = new QComboBox(this);
    cboborclu->setObjectName(QStringLiteral("cboborclu"));
    cboborclu->setMinimumWidth(260);
    chkTaahhutlerIcrada = secimKutusu(this, "chkTaahhutlerIcrada",
                                      QStringLiteral("Taahhütler icra dairesinde yapıldı"));

    chkDetayliHesapDokumu =
        secimKutusu(this, "chkDetayliHesapDokumu", QStringLiteral("Detaylı hesap dökümü"));
    chkIlkTakipMasraflarininDetayiniYazdir =
        secimKutusu(this, "chkIlkTakipMasraflarininDetayiniYazdir",
                    QStringLiteral("İlk takip masraflarının detayını yazdır"));
    chkMasrafDetayiniYazdir =
        secimKutusu(this, "chkMasrafDetayiniYazdir", QStringLiteral("Masraf detayını yazdır"));
    chkHesapDokumunuMetneEkle =
        secimKutusu(this, "chkHesapDokumunuMetneEkle", QStringLiteral("Hesap dökümünü metne ekle"));

    cboTelefon = new QComboBox(this);
    cboTelefon->setObjectName(QStringLiteral("cboTelefon"));
    // A number that is not on the list may be typed.
    cboTelefon->setEditable(true);
    cboTelefon->setInsertPolicy(QComboBox::NoInsert);
    cboTelefon->setMinimumWidth(180);

    cmdTaahhud = komutDugmesi(this, "cmdTaahhud", QStringLiteral("&Taahhüt Kaydet"));
    cmdPrint = komutDugmesi(this, "cmdPrint", QStringLiteral("&Yazdır"));
    cmdPdf = komutDugmesi(this, "cmdPdf", QStringLiteral("&PDF Kaydet"));
    cmdSmsGonder = komutDugmesi(this, "cmdSmsGonder", QStringLiteral("&SMS Gönder"));
    cmdCancel = komutDugmesi(this, "cmdCancel", QStringLiteral("&Kapat"));

    auto* toplam = new QHBoxLayout;
    toplam->addStretch();
    toplam->addWidget(toplamEtiketi);
    toplam->addWidget(lblToplamOdeme);

    auto* taahhut = new QGroupBox(QStringLiteral("Taahhüt"), this);
    auto* taahhutDuzeni = new QGridLayout(taahhut);
    auto* borcluEtiketi = new QLabel(QStringLiteral("Taahhüt eden borçlu"), taahhut);
    borcluEtiketi->setBuddy(cboborclu);
    taahhutDuzeni->addWidget(borcluEtiketi, 0, 0);
    taahhutDuzeni->addWidget(cboborclu, 0, 1);
    taahhutDuzeni->addWidget(chkTaahhutlerIcrada, 1, 1);
    taahhutDuzeni->addWidget(cmdTaahhud, 2, 1, Qt::AlignRight);
    taahhutDuzeni->setColumnStretch(1, 1);

    auto* belge = new QGroupBox(QStringLiteral("Taahhüt Belgesi"), this);
    auto* belgeDuzeni = new QVBoxLayout(belge);
    belgeDuzeni->addWidget(chkDetayliHesapDokumu);
    belgeDuzeni->addWidget(chkIlkTakipMasraflarininDetayiniYazdir);
    belgeDuzeni->addWidget(chkMasrafDetayiniYazdir);
    belgeDuzeni->addWidget(chkHesapDokumunuMetneEkle);
    auto* belgeKomutlari = new QHBoxLayout;
    belgeKomutlari->addStretch();
    belgeKomutlari->addWidget(cmdPdf);
    belgeKomutlari->addWidget(cmdPrint);
    belgeDuzeni->addLayout(belgeKomutlari);

    auto* sms = new QGroupBox(QStringLiteral("SMS"), this);
    auto* smsDuzeni = new QHBoxLayout(sms);
    auto* telefonEtiketi = new QLabel(QStringLiteral("Telefon"), sms);
    telefonEtiketi->setBuddy(cboTelefon);
    smsDuzeni->addWidget(telefonEtiketi);
    smsDuzeni->addWidget(cboTelefon, 1);
    smsDuzeni->addWidget(cmdSmsGonder);

    auto* sol = new QVBoxLayout;
    sol->addWidget(taahhut);
    sol->addWidget(sms);
    sol->addStretch();
    auto* alt = new QHBoxLayout;
    alt->addLayout(sol, 1);
    alt->addWidget(belge);

    auto* komutlar = new QHBoxLayout;
    komutlar->addStretch();
    komutlar->addWidget(cmdCancel);

    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(grdPlan, 1);
    duzen->addLayout(toplam);
    duzen->addLayout(alt);
    duzen->addLayout(komutlar);

    // An amount changed by the user changes the total.
    connect(grdPlan, &DataGrid::cellEdited, this, [this](int, int sutun) {
        if (sutun == kTutar)
            FindTotal();
    });
    connect(cboborclu, &QComboBox::currentIndexChanged, this, [this](int secilen) {
        if (secilen >= 0) {
            TelefonlariYukle();
        } else {
            cboTelefon->clear();
            cboTelefon->clearEditText();
        }
    });
    connect(cmdTaahhud, &QPushButton::clicked, this, &frmShowPlan::cmdTaahhud_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmShowPlan::cmdPrint_Click);
    connect(cmdPdf, &QPushButton::clicked, this, &frmShowPlan::cmdPdf_Click);
    connect(cmdSmsGonder, &QPushButton::clicked, this, &frmShowPlan::cmdSmsGonder_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmShowPlan::reject);
}

void frmShowPlan::LoadGridProperties() {
    // One row per plan line and no entry row: rows come from the plan only.
    grdPlan->setKeepsEmptyRow(false);
    // Dates and amounts may be corrected and a row may be left out of the commitments;
    // the row number and the description stay as the plan made them.
    grdPlan->setColumns(
        {GridColumn::text(QStringLiteral("Sıra")).readOnlyColumn().withWidth(50),
         GridColumn::date(QStringLiteral("Tarih")).withWidth(110),
         GridColumn::number(QStringLiteral("Tutar")).withWidth(130),
         GridColumn::list(QStringLiteral("Taah. Kaydet"),
                          {{QStringLiteral("Hayır"), 0}, {QStringLiteral("Evet"), 1}})
             .withWidth(95),
         GridColumn::text(QStringLiteral("Açıklama")).readOnlyColumn()});
    grdPlan->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void frmShowPlan::PlaniGoster(const OdemePlani& Plan) {
    grdPlan->clearRows();
    for (const OdemePlaniSatiri& satir : Plan.Satirlar)
        grdPlan->appendRow(satir.SekmeliMetin().split(u'\t'));
    FindTotal();
    TakipSonrasitoplamTahsilat = Plan.TakipSonrasiToplamTahsilat;
    GayriResmiMasraflariEkleme = Plan.GayriResmiMasraflariEkleme;
}

void frmShowPlan::FormYukle() {
    yuklendi_ = true;
    SmsAyarlariniYukle();
    LoadBorclular();
    CheckForTaahhut();
}

QList<OdemePlaniSatiri> frmShowPlan::Satirlar() const {
    QList<OdemePlaniSatiri> satirlar;
    for (int r = 1; r <= grdPlan->rowCount(); ++r) {
        OdemePlaniSatiri satir;
        satir.Sira = grdPlan->cellText(r, kSira).trimmed().toShort();
        // A date the grid could not read is no date: the save asks for one instead of
        // storing the text.
        const QString tarih = grdPlan->cellText(r, kTarih).trimmed();
        satir.Tarih = TextDate::isValid(tarih) ? tarih : QString();
        satir.Tutar = tutarOf(grdPlan->cellText(r, kTutar));
        // The list cell holds the index of "Hayır" (0) or "Evet" (1): the "0"/"1" flag.
        satir.TaahKaydet = grdPlan->cellText(r, kTaahKaydet).trimmed();
        satir.Aciklama = grdPlan->cellText(r, kAciklama);
        satirlar.append(satir);
    }
    return satirlar;
}

std::optional<Borclu> frmShowPlan::SecilenBorclu() const {
    const int secilen = cboborclu->currentIndex();
    if (secilen < 0)
        return std::nullopt;
    return Borclu{cboborclu->itemData(secilen).toInt(), cboborclu->itemText(secilen)};
}

Money frmShowPlan::FindTotal() {
    return trapped(QStringLiteral("frmShowPlan.FindTotal"), Money(), [&] {
        const Money toplam = quv::FindTotal(Satirlar());
        lblToplamOdeme->setText(formatNumber(toplam, FormatMoneyZero));
        return toplam;
    });
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

void frmShowPlan::LoadBorclular() {
    // Filling the list chooses nobody: the phone numbers wait for the user's choice.
    {
        const QSignalBlocker sessiz(cboborclu);
        cboborclu->clear();
        for (const Borclu& borclu : TaahhutKayit::BorclulariYukle(FoyKodu))
            cboborclu->addItem(borclu.Ad, borclu.FoySahisKodu);
        cboborclu->setCurrentIndex(-1);
    }
    cboTelefon->clear();
    cboTelefon->clearEditText();
}

void frmShowPlan::CheckForTaahhut() {
    if (const std::optional<bool> icrada = TaahhutKayit::KayitliTaahhutDurumu(FoyKodu))
        chkTaahhutlerIcrada->setChecked(*icrada);
}

void frmShowPlan::cmdTaahhud_Click() {
    trapped(QStringLiteral("frmShowPlan.cmdTaahhud_Click"), [&] {
        // One save at a time: a second click while the messages are open would store the
        // commitments twice.
        cmdTaahhud->setEnabled(false);
        const auto etkinlestir = qScopeGuard([this] { cmdTaahhud->setEnabled(true); });
        const std::optional<Borclu> borclu = SecilenBorclu();
        const QList<OdemePlaniSatiri> satirlar = Satirlar();
        if (TaahhutKayit::TaahhutKomutu(FoyKodu, borclu, satirlar,
                                        chkTaahhutlerIcrada->isChecked()))
            return;
        if (!borclu) {
            cboborclu->setFocus();
            return;
        }
        // A row check stopped the save: go to the cell to fill in.
        const Denetim denetim = TaahhutKayit::TaahhutDegerleriOK(satirlar);
        if (!denetim.gecti() && denetim.Satir >= 1) {
            grdPlan->setCurrentCell(denetim.Satir - 1, denetim.Sutun);
            grdPlan->setFocus();
        }
    });
}

}  // namespace quv
