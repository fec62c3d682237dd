#include "editors/frmFoy.h"

#include "editors/BolumDuzenleyici.h"
#include "editors/FoyIslemleri.h"
#include "engine/Database.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "formats/FoyBelgesi.h"
#include "formats/JsonSayilari.h"
#include "ui/Kontroller.h"

#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quv::editors {

using belge::sayi;

namespace {

// The first code of a table, for a new file's defaults; 0 when the table is empty.
qint32 ilkKod(Database& db, const char* sutun, const char* tablo) {
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select min(%1) from %2").arg(QLatin1String(sutun), QLatin1String(tablo)));
    return rs.eof() || rs.value(0).isNull() ? 0 : rs.value(0).toInt();
}

QJsonValue bugun() {
    const QString t = shared().dates().today();
    return t.left(4) + u'-' + t.mid(4, 2) + u'-' + t.right(2);
}

}  // namespace

frmFoy::frmFoy(Database& db, qint32 foyKodu, QWidget* parent)
    : BelgePenceresi(db, parent),
      foyKodu_(foyKodu),
      yeni_(foyKodu == 0),
      kod_(adli(new QLineEdit(this), "txtFoyKodu")) {
    setObjectName(QStringLiteral("frmFoy"));
    kod_->setValidator(new QIntValidator(1, std::numeric_limits<qint32>::max(), kod_));
    kod_->setMaximumWidth(120);
    kod_->setReadOnly(!yeni_);
    auto* ust = new QFormLayout;
    ust->addRow(QStringLiteral("Föy Kodu"), kod_);
    duzen_->insertLayout(0, ust);
    if (!yeni_) {
        auto* sil = komutDugmesi(this, "cmdSil", QStringLiteral("Föyü Sil"));
        ust->addRow(QString(), sil);
        connect(sil, &QPushButton::clicked, this, [this] {
            if (foyuSil(db_, foyKodu_)) {
                silindi_ = true;
                accept();
            }
        });
    }
}

void frmFoy::sekmeleriKur() {
    // Currencies, expense kinds and attorneys are chosen by their names.
    const struct {
        const char* alan;
        const char* sql;
        bool bosOlabilir;
    } listeler[] = {
        {"paraBirimiKodu", "select kod, ad from tblparabirimi order by kod", false},
        {"masrafTuruKodu", "select kod, ad from tblmasrafturu order by kod", false},
        {"avukatKodu", "select avukatkodu, ad, soyad from tblavukat order by avukatkodu", true},
    };
    for (const auto& l : listeler) {
        QList<ComboEntry> liste;
        if (l.bosOlabilir)
            liste.append({QStringLiteral("(yok)"), 0});
        for (RecordSet rs = db_.openRecordSet(QString::fromLatin1(l.sql)); !rs.eof();
             rs.moveNext()) {
            QStringList ad;
            for (int i = 1; i < rs.fieldCount(); ++i)
                ad << rs.value(i).toString().trimmed();
            liste.append(
                {QStringLiteral("%1 (%2)").arg(ad.join(u' ').trimmed()).arg(rs.value(0).toInt()),
                 rs.value(0).toInt()});
        }
        secimler_.insert(QLatin1String(l.alan), liste);
    }
    // The creditor's switches are shared by its files and the notifications' further
    // creditors are counted only: both pass through unchanged.
    for (const belge::Bolum& b : belge::foyBolumleri())
        if (qstrcmp(b.ad, "alacakli") != 0 && !b.alanlar.isEmpty())
            bolumEkle(b);
    // A new collection is in the file's currency.
    if (BolumDuzenleyici* d = duzenleyici(QStringLiteral("tahsilatlar")))
        d->setYeniSatir([this] {
            const QString para =
                duzenleyici(QStringLiteral("foy"))->metin(0, QStringLiteral("paraBirimiKodu"));
            return QJsonObject{{QStringLiteral("paraBirimiKodu"),
                                sayi(para.isEmpty() ? QStringLiteral("1") : para)}};
        });
}

QJsonObject frmFoy::yeniBelge() {
    QJsonObject bas{
        {QStringLiteral("borcluSayisi"), sayi(QStringLiteral("1"))},
        {QStringLiteral("formTipi"), sayi(QStringLiteral("1"))},
        {QStringLiteral("dosyaSonucu"), sayi(QStringLiteral("1"))},
        {QStringLiteral("alacakTipi"), sayi(QStringLiteral("13"))},
        {QStringLiteral("tahsilatMahsupSirasi"), sayi(QStringLiteral("1"))},
        {QStringLiteral("foyKayitTarihi"), bugun()},
        {QStringLiteral("hesapTarihi"), bugun()},
        {QStringLiteral("takipTarihi"), bugun()},
        {QStringLiteral("sonrakiTahsilHarciHesaplamaSekli"), sayi(QStringLiteral("1"))},
    };
    // References to the settings start at their first entry; 0 refers to nothing.
    const struct {
        const char* alan;
        const char* sutun;
        const char* tablo;
    } atiflar[] = {{"paraBirimiKodu", "kod", "tblparabirimi"},
                   {"alacakliKodu", "alacaklikodu", "tblalacakli"},
                   {"icraMudurluguKodu", "kod", "tblicramudurlugu"},
                   {"avukatKodu", "avukatkodu", "tblavukat"}};
    for (const auto& a : atiflar)
        bas.insert(QLatin1String(a.alan), sayi(QString::number(ilkKod(db_, a.sutun, a.tablo))));
    for (const belge::Alan& a : belge::foyBolumleri().first().alanlar)
        if (!bas.contains(QLatin1String(a.ad)))
            bas.insert(QLatin1String(a.ad), a.tur == belge::AlanTuru::Tarih
                                                ? QJsonValue(QString())
                                                : sayi(QStringLiteral("0")));
    return {{QStringLiteral("format"), QStringLiteral("quvhesap-foy")},
            {QStringLiteral("version"), sayi(QStringLiteral("1"))},
            {QStringLiteral("foy"), bas}};
}

bool frmFoy::yukle() {
    return trapped<bool>(QStringLiteral("quvHesap.frmFoy.yukle"), false, [&] {
        if (!duzenleyici(QStringLiteral("foy")))
            sekmeleriKur();
        if (yeni_) {
            belge_ = yeniBelge();
            foyKodu_ = yeniFoyKodu(db_);
            setWindowTitle(QStringLiteral("Yeni Föy"));
        } else {
            const std::optional<QJsonObject> okunan = FoyBelgesi::disaAktar(db_, foyKodu_);
            if (!okunan) {
                shared().messages().information(
                    QStringLiteral("%1 numaralı föy bulunamadı.").arg(foyKodu_));
                return false;
            }
            belge_ = *okunan;
            setWindowTitle(QStringLiteral("Föy %1").arg(foyKodu_));
        }
        kod_->setText(QString::number(foyKodu_));
        belgedenDoldur(belge_);
        return true;
    });
}

bool frmFoy::kaydet() {
    bool tamam = false;
    const qint32 kod = kod_->text().trimmed().toInt(&tamam);
    if (!tamam || kod <= 0) {
        shared().messages().information(
            QStringLiteral("Föy Kodu: sıfırdan büyük bir tam sayı olmalı."));
        kod_->setFocus();
        return false;
    }
    QJsonObject belge = belge_;
    belge.remove(QStringLiteral("alacakli"));
    belge.insert(QStringLiteral("foyKodu"), sayi(QString::number(kod)));
    belgeyeYaz(belge);
    return trapped<bool>(QStringLiteral("quvHesap.frmFoy.kaydet"), false, [&] {
        // A new file never replaces a stored one.
        if (yeni_ && !db_.openRecordSet(QStringLiteral("select 1 from tblfoy where foykodu = ?"),
                                        CursorType::ForwardOnly, {kod})
                          .eof()) {
            sorunlariGoster(QStringLiteral("Föy kaydedilmedi:"),
                            {QStringLiteral("$.foyKodu: %1 numaralı föy zaten var; başka bir "
                                            "kod yazın")
                                 .arg(kod)});
            return false;
        }
        const FoyBelgesi::Sonuc sonuc = FoyBelgesi::iceAktar(db_, belge::jsonYaz(belge), kod, true);
        if (!sonuc.sorunlar.isEmpty()) {
            sorunlariGoster(QStringLiteral("Föy kaydedilmedi; hiçbir şey yazılmadı:"),
                            sonuc.sorunlar);
            return false;
        }
        foyKodu_ = sonuc.foyKodu;
        // Saved: a second save replaces it.
        yeni_ = false;
        kod_->setReadOnly(true);
        return true;
    });
}

void frmFoy::digerAlanaOdaklan(const QString& anahtar) {
    if (anahtar == QLatin1String("foyKodu"))
        kod_->setFocus();
}

QString frmFoy::digerAlanEtiketi(const QString& anahtar) const {
    return anahtar == QLatin1String("foyKodu") ? QStringLiteral("Föy Kodu") : anahtar;
}

}  // namespace quv::editors
