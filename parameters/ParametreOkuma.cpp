#include "parameters/ParametreOkuma.h"

#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/FieldReads.h"

namespace quv::ParametreOkuma {

QString tirnakli(const QString& tarih) {
    return u'\'' + SqlText::escaped(tarih) + u'\'';
}

Money tutar(const RecordSet& rs, const QString& kolon) {
    return Money::fromVariant(rs.value(kolon));
}

Money tutar(const RecordSet& rs, const QString& kolon, Money nullIse) {
    QVariant v = rs.value(kolon);
    return isNull(v) ? nullIse : Money::fromVariant(v);
}

float oran(const RecordSet& rs, const QString& kolon) {
    return toRate(rs.value(kolon));
}

float oranVeyaSifir(const RecordSet& rs, const QString& kolon) {
    return toRate(modGeneral::NullKontrol(rs.value(kolon), true));
}

bool secenek(const RecordSet& rs, const QString& kolon) {
    return toBool(modGeneral::NullKontrol(rs.value(kolon), true));
}

void tarihleriDenetle(const char* tablo) {
    RecordSet rs = shared().connection().openRecordSet(
        QStringLiteral("select distinct tarih from ") + QLatin1String(tablo));
    // A bulk run gives the same kept answer file after file: its dates were checked.
    thread_local DenetlenmisSatirlar denetlenmis;
    if (denetlenmis.bul(rs))
        return;
    for (; !rs.eof(); rs.moveNext())
        FieldReads::tarihDenetle(FieldReads::textOrEmpty(rs.value(0)), tablo, "tarih");
    denetlenmis.ekle(rs, true);
}

}  // namespace quv::ParametreOkuma
