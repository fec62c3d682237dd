#include "tools/BlokDagitici.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <new>
#include <thread>

namespace quv {

// A slice's counters, at the start of its part of the shared memory, its files after them.
// The atomics hold no pointer and need no lock: processes sharing the pages use them as
// threads would.
struct BlokDagitici::Baslik {
    std::atomic<int> yayimlandi{0};
    // The first file not taken yet.
    std::atomic<int> sonraki{0};
    // Files being done now, and files done.
    std::atomic<int> suren{0};
    std::atomic<int> biten{0};
    int sayi = 0;
};

namespace {

constexpr std::size_t kBaslikBoyu = 64;
static_assert(sizeof(std::atomic<int>) * 4 + sizeof(int) <= kBaslikBoyu);

}  // namespace

BlokDagitici::BlokDagitici(int dilimSayisi, qsizetype enCokFoy)
    : BlokDagitici(dilimSayisi, enCokFoy, -1) {
    if (bellek_)
        for (int d = 1; d <= dilimSayisi_; ++d)
            new (baslik(d)) Baslik;
}

// Made anew (tutamak -1) or joined (the descriptor of one made by another process). Pages
// are given only where written: a slice takes the room of its files.
BlokDagitici::BlokDagitici(int dilimSayisi, qsizetype enCokFoy, int tutamak)
    : dilimSayisi_(std::max(1, dilimSayisi)), enCokFoy_(std::max<qsizetype>(0, enCokFoy)) {
    const std::size_t sayfa = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    dilimBoyu_ = (kBaslikBoyu + static_cast<std::size_t>(enCokFoy_) * sizeof(qint32) + sayfa - 1) /
                 sayfa * sayfa;
    if (tutamak < 0) {
        tutamak = ::memfd_create("quvhesap-bloklar", MFD_CLOEXEC);
        if (tutamak >= 0 && ::ftruncate(tutamak, static_cast<off_t>(boy())) != 0) {
            ::close(tutamak);
            tutamak = -1;
        }
    } else {
        struct stat durum {};
        if (::fstat(tutamak, &durum) != 0 || static_cast<std::size_t>(durum.st_size) != boy()) {
            ::close(tutamak);
            return;
        }
    }
    void* p = ::mmap(nullptr, boy(), PROT_READ | PROT_WRITE,
                     MAP_SHARED | MAP_NORESERVE | (tutamak < 0 ? MAP_ANONYMOUS : 0), tutamak, 0);
    if (p == MAP_FAILED) {
        if (tutamak >= 0)
            ::close(tutamak);
        return;
    }
    tutamak_ = tutamak;
    bellek_ = p;
}

std::unique_ptr<BlokDagitici> BlokDagitici::Baglan(int tutamak, int dilimSayisi) {
    // Never one of the standard streams.
    if (tutamak <= STDERR_FILENO)
        return nullptr;
    std::unique_ptr<BlokDagitici> d(new BlokDagitici(dilimSayisi, EnCokFoy, tutamak));
    if (!d->bellek_)
        return nullptr;
    return d;
}

BlokDagitici::~BlokDagitici() {
    if (bellek_)
        ::munmap(bellek_, boy());
    if (tutamak_ >= 0)
        ::close(tutamak_);
}

int BlokDagitici::Dilimi(qint32 foyKodu, int dilimSayisi) {
    const int n = std::max(1, dilimSayisi);
    return ((foyKodu % n) + n) % n + 1;
}

BlokDagitici::Baslik* BlokDagitici::baslik(int dilim) const {
    if (!bellek_ || dilim < 1 || dilim > dilimSayisi_)
        return nullptr;
    return static_cast<Baslik*>(static_cast<void*>(
        static_cast<char*>(bellek_) + dilimBoyu_ * static_cast<std::size_t>(dilim - 1)));
}

qint32* BlokDagitici::foyler(int dilim) const {
    return reinterpret_cast<qint32*>(reinterpret_cast<char*>(baslik(dilim)) + kBaslikBoyu);
}

bool BlokDagitici::yayimla(int dilim, const QList<qint32>& liste) {
    Baslik* b = baslik(dilim);
    if (!b || liste.size() > enCokFoy_ || b->yayimlandi.load())
        return false;
    if (!liste.isEmpty())
        std::memcpy(foyler(dilim), liste.constData(), sizeof(qint32) * liste.size());
    b->sayi = static_cast<int>(liste.size());
    b->sonraki.store(0);
    // The files and their number are seen by whoever sees the slice published.
    b->yayimlandi.store(1, std::memory_order_release);
    return true;
}

BlokDagitici::Blok BlokDagitici::dilimden(int dilim, int enCok) {
    Baslik* b = baslik(dilim);
    if (!b || b->yayimlandi.load(std::memory_order_acquire) != 1)
        return {};
    const int buyuk = std::max(1, enCok);
    const int kucuk = std::max(1, buyuk / 5);
    int bas = b->sonraki.load();
    int parca = 0;
    do {
        const int kalan = b->sayi - bas;
        if (kalan <= 0)
            return {};
        // A share of what is left, as if every worker came to this slice: large blocks while
        // much is left, a few short ones at its end.
        parca =
            std::min(kalan, std::clamp((kalan + dilimSayisi_ - 1) / dilimSayisi_, kucuk, buyuk));
    } while (!b->sonraki.compare_exchange_weak(bas, bas + parca));
    Blok blok;
    blok.dilim = dilim;
    blok.foyler = QList<qint32>(foyler(dilim) + bas, foyler(dilim) + bas + parca);
    return blok;
}

BlokDagitici::Blok BlokDagitici::al(int dilim, int enCok) {
    for (int i = 0; i < dilimSayisi_; ++i) {
        // Its own slice first, then the next ones in turn.
        Blok blok = dilimden((dilim - 1 + i) % dilimSayisi_ + 1, enCok);
        if (!blok.foyler.isEmpty())
            return blok;
    }
    return {};
}

void BlokDagitici::basladi(int dilim) {
    if (Baslik* b = baslik(dilim))
        b->suren.fetch_add(1);
}

void BlokDagitici::bitti(int dilim) {
    if (Baslik* b = baslik(dilim)) {
        b->biten.fetch_add(1);
        b->suren.fetch_sub(1);
    }
}

int BlokDagitici::bitenler(int dilim) {
    Baslik* b = baslik(dilim);
    if (!b)
        return 0;
    // Another worker ends its file of this slice before it stops; one that ended without
    // finishing it is not waited for long.
    for (int i = 0; i < 30000 && b->suren.load() > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return b->biten.load();
}

}  // namespace quv
