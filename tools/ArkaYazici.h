#pragma once

#include "engine/DatabaseUrl.h"
#include "tools/BlokYazimi.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace quv {

// Writes a block's kept rows, and the record of its files saved, on a connection and in a
// thread of its own, in one transaction, while the next block is calculated. One write at
// a time: the one in flight is taken (al) before the next is given.
class ArkaYazici {
public:
    // A statement the write ran, for the main connection's log and statement recorder.
    struct Calisan {
        QString metin;
        QVariantList degerler;
        // Nanoseconds and rows; a transaction's begin and end have no duration.
        qint64 sure = -1;
        int satir = 0;
    };
    struct Sonuc {
        // The write as it was given, when it failed: to be sent again elsewhere.
        BlokYazimi::Is is;
        // The files whose row was refused (with the errors given with the write); the
        // others are saved.
        BlokYazimi::Hatalar hatalar;
        // Nothing of the write was saved (a lost connection, a refused commit).
        std::optional<RuntimeError> hata;
        QList<Calisan> calisanlar;
    };

    // `parca`: the slice whose run record marks the files saved; none when no record is
    // kept. `anlat`: the statements are given back to be told.
    ArkaYazici(DatabaseUrl url, std::optional<QString> parca, bool anlat);
    ~ArkaYazici();
    ArkaYazici(const ArkaYazici&) = delete;
    ArkaYazici& operator=(const ArkaYazici&) = delete;

    void baslat(BlokYazimi::Is is);
    // Waits until the write in flight is done.
    void bekle();
    // The write in flight, once it is done; none when there is none.
    std::optional<Sonuc> al();

private:
    void calis();
    Sonuc yaz(std::shared_ptr<class Database>& db, BlokYazimi::Is is) const;

    const DatabaseUrl url_;
    const std::optional<QString> parca_;
    const bool anlat_;
    std::mutex kilit_;
    std::condition_variable degisti_;
    bool dur_ = false;
    std::optional<BlokYazimi::Is> is_;
    bool yaziliyor_ = false;
    std::optional<Sonuc> sonuc_;
    std::thread isci_;
};

}  // namespace quv
