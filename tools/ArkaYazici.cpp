#include "tools/ArkaYazici.h"

#include "engine/Database.h"
#include "tools/ArkaIs.h"
#include "tools/TopluCalismaKaydi.h"

namespace quv {

ArkaYazici::ArkaYazici(DatabaseUrl url, std::optional<QString> parca, bool anlat)
    : url_(std::move(url)), parca_(std::move(parca)), anlat_(anlat) {
    isci_ = std::thread([this] { calis(); });
}

ArkaYazici::~ArkaYazici() {
    {
        std::lock_guard l(kilit_);
        dur_ = true;
    }
    degisti_.notify_all();
    isci_.join();
}

void ArkaYazici::baslat(BlokYazimi::Is is) {
    {
        std::lock_guard l(kilit_);
        is_ = std::move(is);
        yaziliyor_ = true;
        sonuc_.reset();
    }
    degisti_.notify_all();
}

void ArkaYazici::bekle() {
    std::unique_lock l(kilit_);
    degisti_.wait(l, [&] { return !yaziliyor_; });
}

std::optional<ArkaYazici::Sonuc> ArkaYazici::al() {
    std::unique_lock l(kilit_);
    degisti_.wait(l, [&] { return !yaziliyor_; });
    return std::exchange(sonuc_, std::nullopt);
}

void ArkaYazici::calis() {
    arkaIsOnceligi();
    // The connection is opened, used and closed in this thread only; a lost one is opened
    // again for the next write.
    std::shared_ptr<Database> db;
    for (;;) {
        BlokYazimi::Is is;
        {
            std::unique_lock l(kilit_);
            // A write given is done even when the run ends: the run waits for it.
            degisti_.wait(l, [&] { return dur_ || is_; });
            if (!is_)
                break;
            is = std::move(*std::exchange(is_, std::nullopt));
        }
        Sonuc sonuc = yaz(db, std::move(is));
        {
            std::lock_guard l(kilit_);
            sonuc_ = std::move(sonuc);
            yaziliyor_ = false;
        }
        degisti_.notify_all();
    }
}

ArkaYazici::Sonuc ArkaYazici::yaz(std::shared_ptr<Database>& db, BlokYazimi::Is is) const {
    Sonuc sonuc;
    bool islem = false;
    try {
        if (!db)
            db = Database::open(url_);
        if (anlat_) {
            QList<Calisan>& calisanlar = sonuc.calisanlar;
            db->setStatementRecorder(
                [&calisanlar](const QString& metin, const QVariantList& degerler, bool) {
                    calisanlar.append({metin, degerler});
                });
            db->setStatementLog([&calisanlar](const QString& metin, qint64 sure, int satir) {
                if (!calisanlar.isEmpty() && calisanlar.last().metin == metin) {
                    calisanlar.last().sure = sure;
                    calisanlar.last().satir = satir;
                }
            });
        }
        db->beginTransaction();
        islem = true;
        sonuc.hatalar = is.hatalar + BlokYazimi::gonder(*db, is.satirlar);
        QList<qint32> yazilan = is.kaydedilenler;
        for (const auto& [kod, hata] : std::as_const(sonuc.hatalar))
            yazilan.removeAll(kod);
        if (parca_)
            TopluCalismaKaydi(*db, *parca_).Kaydedildi(yazilan);
        db->commit();
    } catch (const RuntimeError& e) {
        sonuc.hatalar.clear();
        sonuc.hata = e;
        if (db && islem) {
            try {
                db->rollback();
            } catch (...) {
            }
        }
        if (db && !db->alive())
            db.reset();
    }
    if (db) {
        db->setStatementRecorder({});
        db->setStatementLog({});
    }
    // Kept for sending again; otherwise the rows are freed here, not in the run's thread.
    if (sonuc.hata)
        sonuc.is = std::move(is);
    return sonuc;
}

}  // namespace quv
