// The blocks a run's workers share: what each takes, in which order, across processes.

#include "tools/BlokDagitici.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <numeric>
#include <thread>

namespace quv::test {
namespace {

QList<qint32> sirali(qint32 ilk, int sayi, int adim = 1) {
    QList<qint32> l;
    for (int i = 0; i < sayi; ++i)
        l << ilk + i * adim;
    return l;
}

// The sizes of the blocks one worker takes, and their files joined, until none is left.
std::pair<QList<int>, QList<qint32>> hepsiniAl(BlokDagitici& d, int dilim, int enCok) {
    QList<int> boylar;
    QList<qint32> foyler;
    for (BlokDagitici::Blok b = d.al(dilim, enCok); !b.foyler.isEmpty(); b = d.al(dilim, enCok)) {
        boylar << static_cast<int>(b.foyler.size());
        foyler += b.foyler;
    }
    return {boylar, foyler};
}

TEST(BlokDagitici, AWorkerTakesItsOwnSliceThenTheOthersInShrinkingBlocks) {
    // Two slices of 1,000 and 30 files, blocks of at most 100. A block is half of what is
    // left of its slice (one share for each of the two workers), at least a fifth of the
    // largest (20), at most what is left:
    //   1,000 .. 200 left: 100 each (9 blocks), 100 left: 50, 50: 25, 25: 13 -> 20, 5: 5;
    //   the other slice, 30 left: 15 -> 20, 10 left: 5 -> 10.
    BlokDagitici d(2);
    const QList<qint32> birinci = sirali(2, 1000, 2);
    const QList<qint32> ikinci = sirali(1, 30, 2);
    ASSERT_TRUE(d.yayimla(1, birinci));
    ASSERT_TRUE(d.yayimla(2, ikinci));
    EXPECT_FALSE(d.yayimla(2, ikinci));  // once only
    const auto [boylar, foyler] = hepsiniAl(d, 1, 100);
    EXPECT_EQ(boylar,
              (QList<int>{100, 100, 100, 100, 100, 100, 100, 100, 100, 50, 25, 20, 5, 20, 10}));
    EXPECT_EQ(foyler, birinci + ikinci);
    EXPECT_TRUE(d.al(2, 100).foyler.isEmpty());
    // A slice larger than the room is not shared, one not published is left to its worker.
    BlokDagitici dar(2, 7);
    EXPECT_FALSE(dar.yayimla(2, sirali(1, 8, 2)));
    EXPECT_TRUE(dar.al(1, 4).foyler.isEmpty());
    EXPECT_EQ(BlokDagitici::Baglan(::dup(dar.tutamak()), 2), nullptr);  // made for other sizes
    EXPECT_EQ(BlokDagitici::Dilimi(7, 3), 2);
    EXPECT_EQ(BlokDagitici::Dilimi(-7, 3), 3);  // -7 mod 3 = 2
}

TEST(BlokDagitici, ProcessesSharingItTakeEveryFileOnce) {
    // A copy of this process and this one take blocks of the same two slices side by side,
    // the copy through the descriptor a started worker is given; it sends what it took
    // through a pipe.
    constexpr int Sayi = 20000;
    BlokDagitici d(2);
    ASSERT_TRUE(d.yayimla(1, sirali(0, Sayi, 2)));
    ASSERT_TRUE(d.yayimla(2, sirali(1, Sayi, 2)));
    int boru[2];
    ASSERT_EQ(::pipe(boru), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(boru[0]);
        const auto bagli = BlokDagitici::Baglan(::dup(d.tutamak()), 2);
        if (!bagli)
            ::_exit(2);
        const QList<qint32> alinan = hepsiniAl(*bagli, 2, 7).second;
        const bool tamam = ::write(boru[1], alinan.constData(), sizeof(qint32) * alinan.size()) ==
                           static_cast<ssize_t>(sizeof(qint32) * alinan.size());
        ::_exit(tamam ? 0 : 1);
    }
    ::close(boru[1]);
    QList<qint32> hepsi = hepsiniAl(d, 1, 7).second;
    qint32 kod;
    while (::read(boru[0], &kod, sizeof kod) == sizeof kod)
        hepsi << kod;
    ::close(boru[0]);
    int durum = 0;
    ASSERT_EQ(::waitpid(pid, &durum, 0), pid);
    EXPECT_TRUE(WIFEXITED(durum) && WEXITSTATUS(durum) == 0);
    std::sort(hepsi.begin(), hepsi.end());
    QList<qint32> beklenen(2 * Sayi);
    std::iota(beklenen.begin(), beklenen.end(), 0);
    EXPECT_EQ(hepsi, beklenen);
}

TEST(BlokDagitici, ASlicesCountWaitsForItsFileInProgress) {
    BlokDagitici d(2);
    d.basladi(1);
    std::thread baska([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        d.bitti(1);
    });
    EXPECT_EQ(d.bitenler(1), 1);
    baska.join();
}

}  // namespace
}  // namespace quv::test
