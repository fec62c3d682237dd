#include "editors/frmParametreler.h"

#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "formats/AyarBelgesi.h"
#include "formats/JsonSayilari.h"

#include <QJsonArray>

namespace quv::editors {

frmParametreler::frmParametreler(Database& db, QWidget* parent) : BelgePenceresi(db, parent) {
    setObjectName(QStringLiteral("frmParametreler"));
    setWindowTitle(QStringLiteral("Parametreler"));
    for (const belge::Bolum& b : belge::ayarBolumleri())
        bolumEkle(b);
}

bool frmParametreler::yukle() {
    return trapped(QStringLiteral("quvHesap.frmParametreler.yukle"),
                   [&] { belgedenDoldur(AyarBelgesi::disaAktar(db_, true)); });
}

bool frmParametreler::kaydet() {
    QJsonObject belge{{QStringLiteral("format"), QStringLiteral("quvhesap-ayarlar")},
                      {QStringLiteral("version"), belge::sayi(QStringLiteral("1"))}};
    belgeyeYaz(belge);
    // Every section is written, an emptied one too.
    for (const belge::Bolum& b : belge::ayarBolumleri())
        if (!belge.contains(QLatin1String(b.ad)))
            belge.insert(QLatin1String(b.ad), QJsonArray());
    return trapped<bool>(QStringLiteral("quvHesap.frmParametreler.kaydet"), false, [&] {
        const QStringList sorunlar = AyarBelgesi::iceAktar(db_, belge::jsonYaz(belge));
        if (sorunlar.isEmpty())
            return true;
        sorunlariGoster(QStringLiteral("Parametreler kaydedilmedi; hiçbir şey yazılmadı:"),
                        sorunlar);
        return false;
    });
}

}  // namespace quv::editors
