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
    db_->addRow(QStringLiteral("tblavukat"), {{QStringLiteral("avukatkodu"), 2},
                                              {QStringLiteral("ad"), QStringLiteral("Mehmet")},
                                              {QStringLiteral("soyad"), QStringLiteral("Demir")}});
    db_->addRow(QStringLiteral("tblavukat"), {{QStringLiteral("avukatkodu"), 1},
                                              {QStringLiteral("ad"), QStringLiteral("Ayşe")},
                                              {QStringLiteral("soyad"), QStringLiteral("Yılmaz")}});
    db_->addRow(QStringLiteral("tblavukat"), {{QStringLiteral("avukatkodu"), 3},
                                              {QStringLiteral("ad"), QStringLiteral("Ayşe")},
                                              {QStringLiteral("soyad"), QStringLiteral("Kaya")}});
    hesap_ = std::make_unique<clsHesapAna>();
    hesap_->setActiveConnection(db_);
    hesap_->setActiveVeritabaniTuru(db_->veritabaniTuru());
    calisanSorgular();
}

QList<qint32> TopluGuncellemeTesti::ozetiOlanlar() {
    return saklananAnaparalar().keys();
}

QMap<qint32, qint64> TopluGuncellemeTesti::saklananAnaparalar() {
    QMap<qint32, qint64> out;
    for (RecordSet rs = db_->openRecordSet(
             QStringLiteral("select foykodu, borcasli from tblfoy_hesap order by foykodu"));
         !rs.eof(); rs.moveNext())
        out.insert(toInt32(rs.value(0)), Money::fromVariant(rs.value(1)).raw() / Money::Scale);
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
