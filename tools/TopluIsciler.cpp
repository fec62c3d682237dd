#include "tools/TopluIsciler.h"

#include "engine/DatabaseUrl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

#include <csignal>
#include <memory>
#include <vector>

namespace quv {

TopluIsciler::TopluIsciler(QString program, QStringList arguments, int isSayisi)
    : program_(std::move(program)), arguments_(std::move(arguments)), isSayisi_(isSayisi) {}

int TopluIsciler::Calistir() {
    struct Isci {
        std::unique_ptr<QProcess> surec;
        QByteArray tampon;
        int biten = 0;
        int sayi = 0;
        qint32 foy = 0;
    };
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    if (!Parola.isEmpty())
        ortam.insert(QStringLiteral("PGPASSWORD"), Parola);
    std::vector<Isci> isciler(static_cast<size_t>(isSayisi_));
    for (int k = 0; k < isSayisi_; ++k) {
        Isci& i = isciler[static_cast<size_t>(k)];
        i.surec = std::make_unique<QProcess>();
        i.surec->setProcessEnvironment(ortam);
        i.surec->start(program_, QStringList{QStringLiteral("batch")} + arguments_ +
                                     QStringList{QStringLiteral("--shard"),
                                                 QStringLiteral("%1/%2").arg(k + 1).arg(isSayisi_),
                                                 QStringLiteral("--worker")});
    }
    // A worker reports the files it finished as "@@ done count file" (a few times a second and
    // at its last file); other lines pass on.
    auto satirlariIsle = [&](Isci& i) {
        i.tampon += i.surec->readAllStandardError();
        qsizetype son;
        while ((son = i.tampon.indexOf('\n')) >= 0) {
            const QString satir = QString::fromUtf8(i.tampon.left(son));
            i.tampon.remove(0, son + 1);
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
    bool iletildi = false;
    for (;;) {
        bool calisan = false;
        for (Isci& i : isciler) {
            if (i.surec->state() != QProcess::NotRunning) {
                calisan = true;
                i.surec->waitForReadyRead(20);
            }
            satirlariIsle(i);
        }
        if (!iletildi && DurdurulsunMu && DurdurulsunMu()) {
            for (Isci& i : isciler)
                if (i.surec->state() != QProcess::NotRunning)
                    ::kill(static_cast<pid_t>(i.surec->processId()), SIGINT);
            iletildi = true;
        }
        ilerlet();
        if (!calisan)
            break;
    }
    int cikis = 0;
    Kapanislar.clear();
    for (Isci& i : isciler) {
        i.surec->waitForFinished(-1);
        satirlariIsle(i);
        const bool basladi = i.surec->error() != QProcess::FailedToStart;
        const int kod = basladi && i.surec->exitStatus() == QProcess::NormalExit
                            ? i.surec->exitCode()
                            : 1;
        if (!basladi && Satir)
            Satir(QStringLiteral("%1 çalıştırılamadı: %2").arg(program_, i.surec->errorString()));
        cikis = std::max(cikis, kod);
        const QString cikti = QString::fromUtf8(i.surec->readAllStandardOutput()).trimmed();
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
