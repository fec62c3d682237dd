#include "TopluGuncellemeTestVerisi.h"

#include "../file/FileFixtures.h"
#include "engine/RecordSet.h"
#include "engine/Variant.h"

namespace quv::test {

void TopluGuncellemeTesti::SetUp() {
    ParametreVeritabaniTesti::SetUp();
    harcSatiriEkle(QStringLiteral("20200101"));
    digerUcretSatiriEkle(QStringLiteral("20200101"));
    araligiEkle(QStringLiteral("20200101"), 1, 1000000000, 16);
    seceneklerEkle({});
    insertCreditorAndCurrencies(*db_);
    for (qint32 foy = 1; foy <= 10; ++foy) {
        insertFile(*db_, foy);
        db_->addRow(QStringLiteral("tblfoy_alacak"),
                    {{QStringLiteral("foykodu"), foy},
                     {QStringLiteral("alacakkodu"), 1},
                     {QStringLiteral("tarih"), QStringLiteral("20221201")},
                     {QStringLiteral("tutar"), foy * 1000},
                     {QStringLiteral("birikmisfaiz"), 0}});
    }
    for (const auto& [kod, ad, soyad] :
         {std::tuple{2, "Mehmet", "Demir"}, {1, "Ayşe", "Yılmaz"}, {3, "Ayşe", "Kaya"}})
        db_->addRow(QStringLiteral("tblavukat"),
                    {{QStringLiteral("avukatkodu"), kod},
                     {QStringLiteral("ad"), QString::fromUtf8(ad)},
                     {QStringLiteral("soyad"), QString::fromUtf8(soyad)}});
    hesap_ = std::make_unique<clsHesapAna>();
    hesap_->setActiveConnection(db_);
    hesap_->setActiveVeritabaniTuru(db_->veritabaniTuru());
    calisanSorgular();
}

QList<qint32> TopluGuncellemeTesti::ozetiOlanlar() {
    QList<qint32> out;
    for (RecordSet rs = db_->openRecordSet(
             QStringLiteral("select foykodu from tblfoy_hesap order by foykodu"));
         !rs.eof(); rs.moveNext())
        out << toInt32(rs.value(0));
    return out;
}

QString TopluGuncellemeTesti::hesapTarihi(qint32 foyKodu) {
    RecordSet rs =
        db_->openRecordSet(QStringLiteral("select hesaptarihi from tblfoy where foykodu = ?"),
                           CursorType::ForwardOnly, {foyKodu});
    return rs.value(0).toString();
}

void TopluGuncellemeTesti::tebligatEkle(qint32 foyKodu, int durum) {
    db_->addRow(QStringLiteral("tblfoy_sahis"), {{QStringLiteral("foykodu"), foyKodu},
                                                 {QStringLiteral("foysahiskodu"), 1},
                                                 {QStringLiteral("foysahistipi"), 3}});
    db_->addRow(QStringLiteral("tblfoy_tebligat"),
                {{QStringLiteral("foykodu"), foyKodu},
                 {QStringLiteral("foysahiskodu"), 1},
                 {QStringLiteral("tebligatkodu"), 1},
                 {QStringLiteral("tebligtarihi"), QStringLiteral("20230301")},
                 {QStringLiteral("tebligatdurumu"), durum}});
}

int TopluGuncellemeTesti::tebligatDurumu(qint32 foyKodu) {
    RecordSet rs =
        db_->openRecordSet(QStringLiteral("select tebligatdurumu from tblfoy where foykodu = ?"),
                           CursorType::ForwardOnly, {foyKodu});
    return isNull(rs.value(0)) ? -1 : toInt32(rs.value(0));
}

}  // namespace quv::test
