#include "tools/KurGirisi.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"

namespace quv {

void KurGirisi::InfoLabeliniYukle() {
    trapped(QStringLiteral("Hesap.frmKurGir.InfoLabeliniYukle"), [&] {
        const QString tarih = shared().dates().display(Tarih, QStringLiteral("."));
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select * from tblparabirimi where kod = ") + QString::number(Doviz));
        if (!rs.eof()) {
            const QString ad =
                toText(modGeneral::NullKontrol(rs.value(QStringLiteral("ad")), false));
            const QString simge =
                toText(modGeneral::NullKontrol(rs.value(QStringLiteral("simge")), false));
            lblInfo = QStringLiteral("1 ") + ad + QStringLiteral(" (") + simge +
                      QStringLiteral(")' nin ") + tarih +
                      QStringLiteral(" tarihindeki TL karşılığını giriniz.");
            lblSimge = QStringLiteral("1 ") + simge + QStringLiteral(" = ");
        } else {
            lblInfo = QStringLiteral("1 'Tanımlanmamış Parabirimi' (") + QString::number(Doviz) +
                      QStringLiteral(")' nin ") + tarih +
                      QStringLiteral(" tarihindeki TL karşılığını giriniz.");
            lblSimge = QStringLiteral("1 XX = ");
        }
    });
}

KurGirisi::Sonuc KurGirisi::Kaydet(Money deger) {
    Sonuc sonuc = Sonuc::KayitHatasi;
    trapped(QStringLiteral("Hesap.frmKurGir.cmdKaydet_Click"), [&] {
        if (deger <= Money()) {
            sonuc = Sonuc::DegerYok;
            return;
        }
        if (!KurKaydet(deger))
            return;
        TLTutar = deger;
        sonuc = Sonuc::Kaydedildi;
    });
    return sonuc;
}

bool KurGirisi::KurKaydet(Money deger) {
    return trapped(QStringLiteral("Hesap.frmKurGir.KurKaydet"), [&] {
        // The host's table need not have a key on the date and currency, so the row is
        // looked up and replaced or added rather than written by a keyed upsert.
        Database& db = shared().connection();
        const QString kosul = QStringLiteral("where tarih = '") + SqlText::escaped(Tarih) +
                              QStringLiteral("' and ") + QStringLiteral("parabirimikodu = ") +
                              QString::number(Doviz);
        RecordSet rs = db.openRecordSet(QStringLiteral("select * from tblkur ") + kosul);
        if (rs.eof())
            db.addRow(QStringLiteral("tblkur"), {{QStringLiteral("tarih"), Tarih},
                                                 {QStringLiteral("parabirimikodu"), Doviz},
                                                 {QStringLiteral("tltutar"), deger.toSqlValue()}});
        else
            db.execute(QStringLiteral("update tblkur set tltutar = ? ") + kosul,
                       {deger.toSqlValue()});
        rs.close();
    });
}

}  // namespace quv
