#include "tools/KurGirisi.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
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
        shared().connection().upsertRow(QStringLiteral("tblkur"),
                                        {QStringLiteral("tarih"), QStringLiteral("parabirimikodu")},
                                        {{QStringLiteral("tarih"), Tarih},
                                         {QStringLiteral("parabirimikodu"), Doviz},
                                         {QStringLiteral("tltutar"), deger.toSqlValue()}});
    });
}

}  // namespace quv
