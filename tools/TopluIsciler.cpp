#include "tools/TopluIsciler.h"

#include "engine/DatabaseUrl.h"
#include "tools/BlokDagitici.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QUrlQuery>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

namespace quv {

TopluIsciler::TopluIsciler(QString program, QStringList arguments, int isSayisi)
    : program_(std::move(program)), arguments_(std::move(arguments)), isSayisi_(isSayisi) {}

TopluIsciler::TopluIsciler(std::function<int(int k, BlokDagitici* dagitici)> isci, int isSayisi)
    : program_(QCoreApplication::applicationFilePath()), kopya_(std::move(isci)),
      isSayisi_(isSayisi) {}

// A worker: its process, the read ends of its output and its error lines (-1 once they
// ended) and what it reported of its progress.
struct TopluIsciler::Isci {
    pid_t pid = -1;
    int cikti = -1;
    int hata = -1;
    QByteArray ciktiTamponu;
    QByteArray hataTamponu;
    int biten = 0;
    int sayi = 0;
    qint32 foy = 0;
};

namespace {

// A pipe whose ends are not handed to programs started later.
bool boru(int uclar[2]) { return ::pipe2(uclar, O_CLOEXEC) == 0; }

// The texts as a program's arguments or environment take them: ended by a null pointer.
std::vector<char*> isaretciler(QList<QByteArray>& metinler) {
    std::vector<char*> sonuc;
    for (QByteArray& m : metinler)
        sonuc.push_back(m.data());
    sonuc.push_back(nullptr);
    return sonuc;
}

void kapat(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

}  // namespace

bool TopluIsciler::baslat(Isci& i, int k, BlokDagitici& dagitici) {
    int cikti[2];
    int hata[2];
    if (!boru(cikti))
        return false;
    if (!boru(hata)) {
        kapat(cikti[0]);
        kapat(cikti[1]);
        return false;
    }
    int sonuc = 0;
    if (kopya_) {
        // What this process has written is out before the copy would write it again.
        std::fflush(nullptr);
        i.pid = ::fork();
        if (i.pid == 0) {
            // A group of its own: a Ctrl-C at the terminal reaches only this program, which
            // passes one stop on (a second one would end the worker in the middle of a file).
            ::setpgid(0, 0);
            ::dup2(cikti[1], STDOUT_FILENO);
            ::dup2(hata[1], STDERR_FILENO);
            for (int fd : {cikti[0], cikti[1], hata[0], hata[1]})
                ::close(fd);
            const int kod = kopya_(k, &dagitici);
            std::fflush(nullptr);
            // The copy ends without this process's exit handlers, which belong to it.
            ::_exit(kod);
        }
        sonuc = i.pid > 0 ? 0 : errno;
    } else {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        if (!Parola.isEmpty())
            ortam.insert(QStringLiteral("PGPASSWORD"), Parola);
        QList<QByteArray> degiskenler;
        for (const QString& d : ortam.toStringList())
            degiskenler << d.toLocal8Bit();
        QStringList secenekler = arguments_ + IsciArgumanlari(k, isSayisi_);
        // The run's shared blocks, on a descriptor the worker inherits.
        if (dagitici.tutamak() >= 0)
            secenekler << QStringLiteral("--") + BlokSecenegi() << QString::number(BlokTutamagi);
        QList<QByteArray> argumanlar{QFile::encodeName(program_), "batch"};
        for (const QString& a : std::as_const(secenekler))
            argumanlar << a.toLocal8Bit();
        std::vector<char*> argv = isaretciler(argumanlar);
        std::vector<char*> env = isaretciler(degiskenler);
        posix_spawn_file_actions_t eylemler;
        posix_spawn_file_actions_init(&eylemler);
        posix_spawn_file_actions_adddup2(&eylemler, cikti[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&eylemler, hata[1], STDERR_FILENO);
        if (dagitici.tutamak() >= 0)
            posix_spawn_file_actions_adddup2(&eylemler, dagitici.tutamak(), BlokTutamagi);
        sonuc = ::posix_spawn(&i.pid, argv[0], &eylemler, nullptr, argv.data(), env.data());
        posix_spawn_file_actions_destroy(&eylemler);
        if (sonuc != 0)
            i.pid = -1;
    }
    kapat(cikti[1]);
    kapat(hata[1]);
    if (sonuc != 0) {
        kapat(cikti[0]);
        kapat(hata[0]);
        errno = sonuc;
        return false;
    }
    i.cikti = cikti[0];
    i.hata = hata[0];
    return true;
}

QStringList TopluIsciler::IsciArgumanlari(int k, int isSayisi) {
    return {QStringLiteral("--shard"), QStringLiteral("%1/%2").arg(k).arg(isSayisi),
            QStringLiteral("--worker")};
}

int TopluIsciler::Calistir() {
    std::vector<Isci> isciler(static_cast<size_t>(isSayisi_));
    // The workers share the blocks of their slices.
    BlokDagitici dagitici(isSayisi_);
    int cikis = 0;
    for (int k = 0; k < isSayisi_; ++k)
        if (!baslat(isciler[static_cast<size_t>(k)], k + 1, dagitici)) {
            if (Satir)
                Satir(QStringLiteral("%1 çalıştırılamadı: %2")
                          .arg(program_, QString::fromLocal8Bit(std::strerror(errno))));
            cikis = 1;
        }
    // A worker reports the files it finished as "@@ done count file" (a few times a second and
    // at its last file); other lines pass on.
    auto satirlariIsle = [&](Isci& i) {
        qsizetype son;
        while ((son = i.hataTamponu.indexOf('\n')) >= 0) {
            const QString satir = QString::fromUtf8(i.hataTamponu.left(son));
            i.hataTamponu.remove(0, son + 1);
            const QStringList parca = satir.split(u' ');
            if (parca.size() == 4 && parca[0] == QLatin1String("@@")) {
                i.biten = parca[1].toInt();
                i.sayi = parca[2].toInt();
                i.foy = parca[3].toInt();
                continue;
            }
            if (Satir)
                Satir(satir);
        }
    };
    int gosterilen = 0;
    auto ilerlet = [&] {
        int biten = 0;
        int sayi = 0;
        qint32 foy = 0;
        for (const Isci& i : isciler) {
            biten += i.biten;
            sayi += i.sayi;
            foy = i.foy ? i.foy : foy;
        }
        if (sayi > 0 && biten > gosterilen && Ilerleme) {
            Ilerleme(biten, sayi, foy);
            gosterilen = biten;
        }
    };
    // Reads what a worker wrote; its end closes the pipe.
    auto oku = [](int& fd, QByteArray& tampon) {
        char parca[16384];
        const ssize_t n = ::read(fd, parca, sizeof parca);
        if (n > 0)
            tampon.append(parca, n);
        else if (n == 0 || (errno != EINTR && errno != EAGAIN))
            kapat(fd);
    };
    bool iletildi = false;
    for (;;) {
        std::vector<pollfd> bekle;
        std::vector<std::pair<int*, QByteArray*>> kaynak;
        for (Isci& i : isciler)
            for (auto [fd, tampon] : {std::pair{&i.cikti, &i.ciktiTamponu},
                                      std::pair{&i.hata, &i.hataTamponu}})
                if (*fd >= 0) {
                    bekle.push_back({*fd, POLLIN, 0});
                    kaynak.emplace_back(fd, tampon);
                }
        if (bekle.empty())
            break;
        // A few dozen times a second at most, so that a stop asked for is passed on soon.
        if (::poll(bekle.data(), bekle.size(), 20) > 0)
            for (size_t n = 0; n < bekle.size(); ++n)
                if (bekle[n].revents != 0)
                    oku(*kaynak[n].first, *kaynak[n].second);
        for (Isci& i : isciler)
            satirlariIsle(i);
        if (!iletildi && DurdurulsunMu && DurdurulsunMu()) {
            for (const Isci& i : isciler)
                if (i.pid > 0)
                    ::kill(i.pid, SIGINT);
            iletildi = true;
        }
        ilerlet();
    }
    Kapanislar.clear();
    for (Isci& i : isciler) {
        if (i.pid <= 0)
            continue;
        int durum = 0;
        while (::waitpid(i.pid, &durum, 0) < 0 && errno == EINTR) {
        }
        satirlariIsle(i);
        if (!i.hataTamponu.isEmpty() && Satir)
            Satir(QString::fromUtf8(i.hataTamponu));
        cikis = std::max(cikis, WIFEXITED(durum) ? WEXITSTATUS(durum) : 1);
        const QString cikti = QString::fromUtf8(i.ciktiTamponu).trimmed();
        if (!cikti.isEmpty() && !Kapanislar.contains(cikti))
            Kapanislar << cikti;
    }
    // The lines of the workers' last files may come only with their end.
    ilerlet();
    // One closing line when the workers agree; a slice without files says nothing when
    // others had some.
    if (Kapanislar.size() > 1)
        Kapanislar.removeAll(QStringLiteral("Kriterlere uygun föy bulunamadı."));
    return cikis;
}

QStringList TopluIsciler::Argumanlar(const TopluGuncellemeKriterleri& k, const DatabaseUrl& adres) {
    QString db = adres.path;
    if (adres.backend == Backend::PostgreSQL) {
        QUrl url;
        url.setScheme(QStringLiteral("postgresql"));
        url.setUserName(adres.user);
        url.setHost(adres.host);
        url.setPort(adres.port);
        url.setPath(u'/' + adres.database);
        QUrlQuery secenekler;
        for (const QString& s : adres.options.split(u';', Qt::SkipEmptyParts))
            secenekler.addQueryItem(s.section(u'=', 0, 0), s.section(u'=', 1));
        url.setQuery(secenekler);
        db = url.toString();
    }
    QStringList a = {QStringLiteral("--db"), db};
    auto kriter = [&a](const char* op, const char* deger, const QString& islec, const QString& d1,
                       const QString& d2) {
        if (d1.isEmpty() && d2.isEmpty())
            return;
        a << QStringLiteral("--%1").arg(QLatin1String(op)) << islec;
        a << QStringLiteral("--%1").arg(QLatin1String(deger)) << d1;
        if (islec == TopluFoyGuncelleyici::ArasindaOp())
            a << QStringLiteral("--%1").arg(QLatin1String(deger)) << d2;
    };
    kriter("foy-op", "foy", k.FoyKoduOp, k.FoyKodu1, k.FoyKodu2);
    kriter("takip-op", "takip", k.TakipTarihiOp, k.TakipTarihi1, k.TakipTarihi2);
    if (k.DosyaSonucu)
        a << QStringLiteral("--sonuc") << QString::number(*k.DosyaSonucu);
    if (k.AvukatKodu)
        a << QStringLiteral("--avukat") << QString::number(*k.AvukatKodu);
    if (!k.HesapTarihi.isEmpty())
        a << QStringLiteral("--hesap-tarihi") << k.HesapTarihi;
    if (k.HesapBilgileriniGunle)
        a << QStringLiteral("--hesap");
    if (k.TebligatBilgileriniTazele)
        a << QStringLiteral("--tebligat");
    return a;
}

QString TopluIsciler::KomutSatiri() {
    const QString burada = QCoreApplication::applicationDirPath();
    // Installed side by side, or in the build tree's folder of the command line.
    for (const QString& yol : {burada + QStringLiteral("/quvhesap"),
                               burada + QStringLiteral("/../quvhesap/quvhesap")})
        if (QFileInfo(yol).isExecutable())
            return QDir::cleanPath(yol);
    return QStandardPaths::findExecutable(QStringLiteral("quvhesap"));
}

}  // namespace quv
