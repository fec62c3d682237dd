#pragma once

#include "engine/DatabaseUrl.h"
#include "tools/BlokOkumasi.h"

#include <QHash>
#include <QList>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quv {

// Reads the next block's rows while the present block is calculated: the reads it is given
// (those the blocks so far made for their files), for the next block's files, on a
// connection and in a thread of its own. A read that fails is left out (the file then reads
// it as usual); a connection that was lost is opened again for the next block.
class OndenOkuyucu {
public:
    struct Okuma {
        QString kalip;
        QString alan;
    };
    struct Sonuc {
        QList<qint32> foyler;
        // By the read's text with the file code as "#".
        QHash<QString, BlokOkumasi::Cevap> cevaplar;
    };
    // A block's answers by read; none for a read that runs file by file.
    using Cevaplar = QHash<QString, std::shared_ptr<BlokOkumasi::Cevap>>;

    explicit OndenOkuyucu(DatabaseUrl url);
    ~OndenOkuyucu();
    OndenOkuyucu(const OndenOkuyucu&) = delete;
    OndenOkuyucu& operator=(const OndenOkuyucu&) = delete;

    // Begins the reads for the files; reads begun before and not taken are dropped.
    void baslat(QList<qint32> foyler, QList<Okuma> okumalar);
    // The reads begun, once they are done; none when nothing was begun.
    std::optional<Sonuc> al();
    // The answers of a block done with, freed in the reading thread.
    void birak(Cevaplar eski);

private:
    void calis();

    const DatabaseUrl url_;
    std::mutex kilit_;
    std::condition_variable degisti_;
    std::atomic<bool> dur_ = false;
    // An order given and not yet done; an order given and its reads not yet taken.
    bool isVar_ = false;
    bool alinacak_ = false;
    QList<qint32> foyler_;
    QList<Okuma> okumalar_;
    std::optional<Sonuc> sonuc_;
    std::vector<Cevaplar> birakilan_;
    std::thread is_;
};

}  // namespace quv
