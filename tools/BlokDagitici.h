#pragma once

#include <QList>

#include <cstddef>
#include <memory>

namespace quv {

// The blocks of one run shared by its worker processes on this machine. Each worker
// publishes the files of its slice; a worker takes the blocks of its own slice first and,
// once they are all taken, the remaining blocks of the others' slices, so the workers end
// together even when one of them runs slower (a busier processor, heavier files). Lives in
// memory shared by the processes: made before they start, inherited by a forked worker and
// joined by a started one through its descriptor (Baglan).
class BlokDagitici {
public:
    // For the slices 1 to dilimSayisi; a slice of more than enCokFoy files is not shared
    // (its worker does it alone).
    static constexpr qsizetype EnCokFoy = qsizetype(1) << 22;
    explicit BlokDagitici(int dilimSayisi, qsizetype enCokFoy = EnCokFoy);
    ~BlokDagitici();
    // The memory of another process's distributor, given to a worker started (not forked)
    // as an inherited descriptor, which it then owns; null when it is not one for that many
    // slices.
    static std::unique_ptr<BlokDagitici> Baglan(int tutamak, int dilimSayisi);
    // The descriptor of the shared memory, for a worker started from this process; -1 if none.
    int tutamak() const { return tutamak_; }
    BlokDagitici(const BlokDagitici&) = delete;
    BlokDagitici& operator=(const BlokDagitici&) = delete;

    int dilimSayisi() const { return dilimSayisi_; }
    // The slice a file belongs to (from 1): file code mod N = slice - 1.
    static int Dilimi(qint32 foyKodu, int dilimSayisi);

    // The slice's files, in the order they are to be done; false when they cannot be
    // shared (the shared memory is missing or too small), and then its worker does them alone.
    bool yayimla(int dilim, const QList<qint32>& foyler);

    struct Blok {
        int dilim = 0;
        QList<qint32> foyler;
    };
    // The next block for the worker of `dilim`, at most `enCok` files: of its own slice while
    // it has some, then of another's. Blocks grow smaller towards a slice's end, so that the
    // last ones taken are short. Empty when no published slice has a file left.
    Blok al(int dilim, int enCok);

    // A file of the slice begins and ends (whoever does it).
    void basladi(int dilim);
    void bitti(int dilim);
    // The files of the slice done so far, once no worker is in the middle of one of them
    // (waiting at most a little while for those).
    int bitenler(int dilim);

private:
    struct Baslik;
    Baslik* baslik(int dilim) const;
    qint32* foyler(int dilim) const;
    Blok dilimden(int dilim, int enCok);

    BlokDagitici(int dilimSayisi, qsizetype enCokFoy, int tutamak);
    std::size_t boy() const { return dilimBoyu_ * static_cast<std::size_t>(dilimSayisi_); }

    int dilimSayisi_;
    qsizetype enCokFoy_;
    std::size_t dilimBoyu_ = 0;
    int tutamak_ = -1;
    void* bellek_ = nullptr;
};

}  // namespace quv
