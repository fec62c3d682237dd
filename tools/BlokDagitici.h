#pragma once

#include <QList>

#include <cstddef>

namespace quv {

// The blocks of one run shared by its worker processes on this machine. Each worker
// publishes the files of its slice; a worker takes the blocks of its own slice first and,
// once they are all taken, the remaining blocks of the others' slices, so the workers end
// together even when one of them runs slower (a busier processor, heavier files). Lives in
// memory shared by the processes: it is made before they are forked.
class BlokDagitici {
public:
    // For the slices 1 to dilimSayisi; a slice of more than enCokFoy files is not shared
    // (its worker does it alone).
    explicit BlokDagitici(int dilimSayisi, qsizetype enCokFoy = qsizetype(1) << 22);
    ~BlokDagitici();
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

    int dilimSayisi_;
    qsizetype enCokFoy_;
    std::size_t dilimBoyu_ = 0;
    void* bellek_ = nullptr;
};

}  // namespace quv
