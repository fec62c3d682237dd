#include "formats/DemoVerisi.h"

#include "engine/RuntimeError.h"
#include "formats/AyarBelgesi.h"
#include "formats/FoyBelgesi.h"

#include <QDir>
#include <QFile>

namespace quv {

namespace {

QByteArray oku(const QString& yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        throw RuntimeError::application(QStringLiteral("Demo dosyası okunamadı: ") + yol);
    return dosya.readAll();
}

void reddedildiyse(const QString& yol, const QStringList& sorunlar) {
    if (!sorunlar.isEmpty())
        throw RuntimeError::application(QStringLiteral("%1 içe aktarılmadı: %2 (%3 sorun)")
                                            .arg(yol, sorunlar.first())
                                            .arg(sorunlar.size()));
}

}  // namespace

void demoVerisiniYukle(Database& db, const QString& klasor) {
    const QDir dizin(klasor);
    const QString ayarlar = dizin.filePath(QStringLiteral("settings.json"));
    reddedildiyse(ayarlar, AyarBelgesi::iceAktar(db, oku(ayarlar)));
    const QDir foyler(dizin.filePath(QStringLiteral("cases")));
    for (const QString& ad : foyler.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        const QString yol = foyler.filePath(ad);
        reddedildiyse(yol, FoyBelgesi::iceAktar(db, oku(yol)).sorunlar);
    }
}

}  // namespace quv
