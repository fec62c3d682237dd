#include "editors/BelgePenceresi.h"

#include "editors/AlanEtiketleri.h"
#include "editors/BolumDuzenleyici.h"
#include "engine/SharedState.h"
#include "ui/Kontroller.h"

#include <QHBoxLayout>
#include <QJsonArray>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quv::editors {

namespace {

// How many problems one message lists.
constexpr int kEnCokSorun = 12;

}  // namespace

BelgePenceresi::BelgePenceresi(Database& db, QWidget* parent)
    : QDialog(parent),
      db_(db),
      duzen_(new QVBoxLayout(this)),
      sekmeler_(adli(new QTabWidget(this), "sekmeler")) {
    duzen_->addWidget(sekmeler_, 1);
    kaydetDugmesi_ = adli(new QPushButton(QStringLiteral("Kaydet"), this), "cmdKaydet");
    auto* vazgec = komutDugmesi(this, "cmdVazgec", QStringLiteral("Vazgeç"));
    connect(kaydetDugmesi_, &QPushButton::clicked, this, [this] {
        if (kaydet())
            accept();
    });
    connect(vazgec, &QPushButton::clicked, this, &QDialog::reject);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(kaydetDugmesi_);
    dugmeler->addWidget(vazgec);
    duzen_->addLayout(dugmeler);
    resize(1000, 620);
}

BolumDuzenleyici* BelgePenceresi::bolumEkle(const belge::Bolum& bolum) {
    auto* d = new BolumDuzenleyici(bolum, secimler_, sekmeler_);
    sekmeler_->addTab(d, bolumEtiketi(bolum.ad));
    duzenleyiciler_.append(d);
    return d;
}

BolumDuzenleyici* BelgePenceresi::duzenleyici(const QString& bolumAdi) const {
    for (BolumDuzenleyici* d : duzenleyiciler_)
        if (QLatin1String(d->bolum().ad) == bolumAdi)
            return d;
    return nullptr;
}

void BelgePenceresi::belgedenDoldur(const QJsonObject& belge) {
    for (BolumDuzenleyici* d : duzenleyiciler_)
        d->yukle(belge.value(QLatin1String(d->bolum().ad)));
}

void BelgePenceresi::belgeyeYaz(QJsonObject& belge) {
    satirlar_.clear();
    for (BolumDuzenleyici* d : duzenleyiciler_) {
        const QString ad = QString::fromLatin1(d->bolum().ad);
        QList<int> satirlar;
        const QJsonValue deger = d->belgeDegeri(&satirlar);
        satirlar_.insert(ad, satirlar);
        if (deger.isArray() && deger.toArray().isEmpty())
            belge.remove(ad);
        else
            belge.insert(ad, deger);
    }
}

QString BelgePenceresi::sorunMetni(const QString& sorun, Yer* hedef) const {
    static const QRegularExpression yol(
        QStringLiteral("^\\$\\.(\\w+)(?:\\[(\\d+)\\])?(?:\\.(\\w+))?: (.*)$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = yol.match(sorun);
    if (!m.hasMatch())
        return sorun;
    const QString bolumAdi = m.captured(1);
    const QString alanAdi = m.captured(3);
    const QString aciklama = m.captured(4);
    BolumDuzenleyici* d = duzenleyici(bolumAdi);
    if (!d) {
        if (hedef)
            *hedef = {bolumAdi, 0, alanAdi};
        return digerAlanEtiketi(bolumAdi) + QStringLiteral(": ") + aciklama;
    }
    QString yer = bolumEtiketi(d->bolum().ad) + QStringLiteral(" sekmesi");
    int satir = 0;
    if (!m.captured(2).isEmpty()) {
        const int sira = m.captured(2).toInt();
        const QList<int> satirlar = satirlar_.value(bolumAdi);
        satir = sira < satirlar.size() ? satirlar.at(sira) : sira;
        yer += QStringLiteral(", %1. satır").arg(satir + 1);
    }
    if (const belge::Alan* alan = d->bolum().alan(alanAdi))
        yer += QStringLiteral(", ") + alanEtiketi(alan->ad);
    if (hedef)
        *hedef = {bolumAdi, satir, alanAdi};
    return yer + QStringLiteral(": ") + aciklama;
}

void BelgePenceresi::sorunlariGoster(const QString& baslik, const QStringList& sorunlar) {
    QStringList satirlar;
    for (qsizetype i = 0; i < sorunlar.size() && i < kEnCokSorun; ++i)
        satirlar << QStringLiteral("- ") + sorunMetni(sorunlar.at(i));
    if (sorunlar.size() > kEnCokSorun)
        satirlar << QStringLiteral("(ve %1 sorun daha)").arg(sorunlar.size() - kEnCokSorun);
    shared().messages().information(baslik + u'\r' + satirlar.join(u'\r'));
    if (sorunlar.isEmpty())
        return;
    Yer yer;
    sorunMetni(sorunlar.first(), &yer);
    if (BolumDuzenleyici* d = duzenleyici(yer.bolum)) {
        sekmeler_->setCurrentWidget(d);
        d->odakla(yer.satir, yer.alan);
    } else {
        digerAlanaOdaklan(yer.bolum);
    }
}

}  // namespace quv::editors
