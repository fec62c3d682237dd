#include "editors/FoyIslemleri.h"

#include "editors/frmParametreler.h"
#include "engine/Database.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "formats/AyarBelgesi.h"
#include "formats/BelgeSemasi.h"
#include "ui/WidgetWindowHost.h"

#include <QFile>
#include <QFileDialog>

namespace quv::editors {

namespace {

// Tables of the office's work on a file, outside its case.
const char* const kIsTablolari[] = {"tblfoy_hesap",     "tblfoy_taahhut", "tblajanda",
                                    "tblfoy_arastirma", "tblfoy_gorusme", "tblfoy_pencere"};

}  // namespace

qint32 yeniFoyKodu(Database& db) {
    RecordSet rs = db.openRecordSet(QStringLiteral("select max(foykodu) from tblfoy"));
    return rs.eof() || rs.value(0).isNull() ? 1 : rs.value(0).toInt() + 1;
}

bool foyuSil(Database& db, qint32 foyKodu) {
    if (!shared().messages().question(
            QStringLiteral("%1 numaralı föy; alacakları, tahsilatları, masrafları, taahhütleri "
                           "ve hesap özetiyle birlikte silinsin mi?")
                .arg(foyKodu)))
        return false;
    return trapped(QStringLiteral("quvHesap.editors.foyuSil"), [&] {
        QStringList tablolar;
        for (const belge::Bolum& b : belge::foyBolumleri())
            if (*b.foySutunu)
                tablolar << QString::fromLatin1(b.tablo);
        for (const char* t : kIsTablolari)
            tablolar << QString::fromLatin1(t);
        db.beginTransaction();
        try {
            for (const QString& t : tablolar)
                db.execute(QStringLiteral("delete from %1 where foykodu = ?").arg(t), {foyKodu});
            db.commit();
        } catch (...) {
            db.rollback();
            throw;
        }
    });
}

bool tarifeVar(Database& db) {
    return !db.openRecordSet(QStringLiteral("select 1 from tblharclar")).eof();
}

std::function<QString(QWidget*)>& ayarDosyasiSecici() {
    static std::function<QString(QWidget*)> secici = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(
            parent, QStringLiteral("Ayar Belgesi Seç"), QString(),
            QStringLiteral("Ayar belgeleri (*.json);;Tüm dosyalar (*)"));
    };
    return secici;
}

bool ayarlariIceAktar(Database& db, const QString& dosya) {
    QFile f(dosya);
    if (!f.open(QIODevice::ReadOnly)) {
        shared().messages().information(QStringLiteral("Ayar belgesi okunamadı: ") + dosya);
        return false;
    }
    QStringList sorunlar;
    if (!trapped(QStringLiteral("quvHesap.editors.ayarlariIceAktar"),
                 [&] { sorunlar = AyarBelgesi::iceAktar(db, f.readAll()); }))
        return false;
    if (!sorunlar.isEmpty()) {
        shared().messages().information(
            QStringLiteral("Ayarlar içe aktarılmadı; hiçbir şey yazılmadı:\r") +
            sorunlar.mid(0, 12).join(u'\r'));
        return false;
    }
    shared().messages().information(QStringLiteral("Ayarlar içe aktarıldı."));
    return true;
}

bool tarifeleriIste(Database& db, QWidget* parent) {
    // Asked through the message service, so an unattended run is never held by a window.
    const QString durum = QStringLiteral(
        "Bu veritabanında harç ve tarife kaydı yok; föyler "
        "hesaplanamaz.\r");
    if (shared().messages().question(
            durum + QStringLiteral("Ayarlar bir ayar belgesinden içe aktarılsın mı? (Ayarları İçe "
                                   "Aktar)"))) {
        const QString dosya = ayarDosyasiSecici()(parent);
        return !dosya.isEmpty() && ayarlariIceAktar(db, dosya);
    }
    if (!shared().messages().question(
            durum + QStringLiteral("Tarifeler Parametreler penceresinde girilsin mi?")))
        return false;
    frmParametreler pencere(db, parent);
    return pencere.yukle() && modalGoster(pencere) == QDialog::Accepted;
}

}  // namespace quv::editors
