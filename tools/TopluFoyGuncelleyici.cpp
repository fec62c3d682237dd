#include "tools/TopluFoyGuncelleyici.h"

#include "engine/ErrorReporter.h"
#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/TebligatTakibi.h"
#include "engine/TextDate.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "engine/modGeneral.h"
#include "file/Enumerations.h"
#include "tools/ArkaYazici.h"
#include "tools/BlokDagitici.h"
#include "tools/KumeOkuyucu.h"
#include "tools/TopluCalismaKaydi.h"

#include <QRegularExpression>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <limits>
#include <memory>

namespace quv {

namespace {

// A typed file code as the decimal text of a 32-bit whole number; nothing when the
// text is not one.
std::optional<QString> sayiMetni(const QString& deger) {
    static const QRegularExpression tamSayi(QStringLiteral("^[+-]?[0-9]{1,10}$"));
    const QString metin = deger.trimmed();
    if (!tamSayi.match(metin).hasMatch())
        return std::nullopt;
    const qlonglong sayi = metin.toLongLong();
    if (sayi < std::numeric_limits<qint32>::min() || sayi > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return QString::number(sayi);
}

// The value as it goes into the condition: a valid number in its plain decimal form,
// anything else unchanged (the condition builder quotes it, so it cannot change the
// query; Dogrula refuses it before a run).
QString kosulSayisi(const QString& deger) {
    return sayiMetni(deger).value_or(deger);
}

}  // namespace

TopluFoyGuncelleyici::TopluFoyGuncelleyici(clsHesapAna& hesap) : hesap_(hesap) {}

const QStringList& TopluFoyGuncelleyici::Operatorler() {
    static const QStringList liste = {QStringLiteral("="),  QStringLiteral(">"),
                                      QStringLiteral("<"),  QStringLiteral(">="),
                                      QStringLiteral("<="), ArasindaOp()};
    return liste;
}

const QList<DosyaSonucuSecenegi>& TopluFoyGuncelleyici::DosyaSonuclari() {
    static const QList<DosyaSonucuSecenegi> liste = {
        {QStringLiteral("Aciz ile İnfaz"), E_DS_AcizIleInfaz},
        {QStringLiteral("Derdest"), E_DS_Derdest},
        {QStringLiteral("Dosya İade"), E_DS_DosyaIade},
        {QStringLiteral("Faiz İndirimi ile İnfaz"), E_DS_FaizIndirimiIleInfaz},
        {QStringLiteral("Komite ile İnfaz"), E_DS_KomiteIleInfaz},
        {QStringLiteral("Tahsil ile İnfaz"), E_DS_TahsilIleInfaz},
        {QStringLiteral("Feragat"), E_DS_Feragat},
        {QStringLiteral("Düşme"), E_DS_Dusme},
        {QStringLiteral("Temlik"), E_DS_Temlik},
        {QStringLiteral("Birleştirme"), E_DS_Birlestirme},
        {QStringLiteral("Rehin Açığı Belgesi"), E_DS_RehinAcigiBelgesi},
    };
    return liste;
}

QString TopluFoyGuncelleyici::IlerlemeMetni(int sira, int sayi, qint32 foyKodu) {
    return QString::number(sira) + QStringLiteral(" / ") + QString::number(sayi) +
           QStringLiteral(" Föy Kodu : ") + QString::number(foyKodu);
}

QString TopluFoyGuncelleyici::SecenekMesaji() {
    return QStringLiteral(
        "Lütfen hesap veya tebligat bilgileri güncelleme seçeneklerinden en az birini seçiniz.");
}

QString TopluFoyGuncelleyici::SurdurulecekKayitYokMesaji() {
    return QStringLiteral("Sürdürülecek bir toplu güncelleme kaydı yok.");
}

QString TopluFoyGuncelleyici::TamamlandiMesaji() {
    return QStringLiteral("Kriterlere uygun föylerin güncelleme işlemi tamamlandı.");
}

QString TopluFoyGuncelleyici::DurdurulduMesaji(int sayi, int guncellenen, qint32 sonFoyKodu) {
    QString mesaj = QStringLiteral("Güncelleme işlemi durduruldu.") + u'\r' +
                    QStringLiteral("Kritere uygun ") + QString::number(sayi) +
                    QStringLiteral(" föyden ") + QString::number(sayi - guncellenen) +
                    QStringLiteral(" tanesi güncellenemedi");
    // Before the first file there is no file to name.
    if (guncellenen > 0)
        mesaj +=
            u'\r' + QString::number(sonFoyKodu) + QStringLiteral(" nolu föye kadar güncellendi.");
    return mesaj;
}

QString TopluFoyGuncelleyici::Dogrula() const {
    const TopluGuncellemeKriterleri& k = Kriterler;
    if (!k.HesapBilgileriniGunle && !k.TebligatBilgileriniTazele)
        return SecenekMesaji();
    for (const QString& op : {k.FoyKoduOp, k.TakipTarihiOp})
        if (!Operatorler().contains(op))
            return QStringLiteral("Geçersiz karşılaştırma işleci: \"%1\". Seçenekler: %2")
                .arg(op, Operatorler().join(QStringLiteral(", ")));
    // The second value counts only for "Arasında"; otherwise its box is hidden.
    QStringList foyKodlari = {k.FoyKodu1};
    if (k.FoyKoduOp == ArasindaOp())
        foyKodlari << k.FoyKodu2;
    for (const QString& deger : foyKodlari)
        if (!deger.isEmpty() && !sayiMetni(deger))
            return QStringLiteral("Lütfen föy kodu için geçerli bir tam sayı giriniz: \"%1\"")
                .arg(deger);
    QStringList takipTarihleri = {k.TakipTarihi1};
    if (k.TakipTarihiOp == ArasindaOp())
        takipTarihleri << k.TakipTarihi2;
    for (const QString& deger : takipTarihleri)
        if (QString mesaj = TextDate::invalidMessage(QStringLiteral("takip tarihi"), deger);
            !mesaj.isEmpty())
            return mesaj;
    return TextDate::invalidMessage(QStringLiteral("hesap tarihi"), k.HesapTarihi);
}

QString TopluFoyGuncelleyici::SorguOlustur() const {
    const TopluGuncellemeKriterleri& k = Kriterler;
    QString where;
    auto kriterEkle = [&where](const QString& kosul) {
        if (kosul.isEmpty())
            return;
        where +=
            (where.isEmpty() ? QStringLiteral("where (") : QStringLiteral(" and (")) + kosul + u')';
    };
    kriterEkle(modGeneral::KriterOlustur(QStringLiteral("t1.foykodu"), k.FoyKoduOp,
                                         kosulSayisi(k.FoyKodu1), kosulSayisi(k.FoyKodu2), false));
    kriterEkle(modGeneral::KriterOlustur(QStringLiteral("t1.takiptarihi"), k.TakipTarihiOp,
                                         k.TakipTarihi1, k.TakipTarihi2, true));
    if (k.DosyaSonucu)
        kriterEkle(modGeneral::KriterOlustur(QStringLiteral("t1.dosyasonucu"), QStringLiteral("="),
                                             QString::number(*k.DosyaSonucu), QString(), false));
    if (k.AvukatKodu)
        kriterEkle(modGeneral::KriterOlustur(QStringLiteral("t1.avukatkodu"), QStringLiteral("="),
                                             QString::number(*k.AvukatKodu), QString(), false));
    return where;
}

QString TopluFoyGuncelleyici::FoyListesiSorgusu() const {
    const QString where = SorguOlustur();
    return QStringLiteral("select t1.foykodu ") + QStringLiteral("from tblfoy t1 ") +
           (where.isEmpty() ? QString() : u' ' + where) + QStringLiteral(" order by t1.foykodu");
}

QString TopluFoyGuncelleyici::TarihTasimaSorgusu() const {
    const QString where = SorguOlustur();
    QString sql = QStringLiteral("update tblfoy  ") + QStringLiteral("set hesaptarihi = '") +
                  SqlText::escaped(Kriterler.HesapTarihi) + QStringLiteral("' ") +
                  (where.isEmpty() ? QString() : u' ' + where);
    // The table is updated without its alias.
    return sql.remove(QStringLiteral("t1."));
}

void TopluFoyGuncelleyici::sunucudaCalistir(Database& db, qint32 foyKodu,
                                            const std::function<void()>& yenidenBaslat) {
    if (db.backend() == Backend::SQLite) {
        foyuGuncelle(foyKodu);
        return;
    }
    // On a server the file's errors wait until it is known whether the connection was
    // lost: then it is opened again (a few attempts over about a minute) and the file run
    // again, and only the errors of its last run are told.
    const std::shared_ptr<ErrorReporter> asil = shared().reporterShared();
    for (int deneme = 0;; ++deneme) {
        auto biriken = std::make_shared<CapturingErrorReporter>();
        shared().setErrorReporter(biriken);
        const quint64 once = shared().reportedErrors();
        foyuGuncelle(foyKodu);
        shared().setErrorReporter(asil);
        const quint64 hata = shared().reportedErrors() - once;
        if (hata > 0 && deneme == 0 && !db.alive() && yenidenBaglan(db)) {
            shared().forgetReportedErrors(hata);
            yenidenBaslat();
            continue;
        }
        for (const QString& mesaj : biriken->messages())
            asil->report(mesaj);
        return;
    }
}

bool TopluFoyGuncelleyici::yenidenBaglan(Database& db) {
    for (int bekle : {1, 2, 4, 8, 15, 30}) {
        QThread::sleep(bekle);
        if (db.reconnect())
            return true;
    }
    return false;
}

void TopluFoyGuncelleyici::foyuGuncelle(qint32 foyKodu) {
    if (Kriterler.TebligatBilgileriniTazele) {
        modGeneral::UpdateTblFoy_Tebligat_Iz_ForFoy(foyKodu);
        // The status update does not trap its own errors: report the failure here and
        // go on, so one file with broken notification rows does not end the run.
        trapped(QStringLiteral("Hesap.modGenel.FoyTebligatDurumuGuncelle"),
                [&] { modGeneral::FoyTebligatDurumuGuncelle(foyKodu); });
    }
    if (Kriterler.HesapBilgileriniGunle)
        hesap_.TopluFoyGuncelle(foyKodu, false, QString());
}

TopluGuncellemeSonucu TopluFoyGuncelleyici::Calistir() {
    TopluGuncellemeSonucu sonuc;
    sonuc.Mesaj = Dogrula();
    if (!sonuc.Mesaj.isEmpty())
        return sonuc;

    const quint64 oncekiHatalar = shared().reportedErrors();
    calisiyor_ = true;
    QList<qint32> foyler;
    Database& db = shared().connection();
    std::unique_ptr<TopluCalismaKaydi> kayit;
    const QString parca = QStringLiteral("%1/%2").arg(ParcaNo).arg(ParcaSayisi);
    if (TopluCalismaKaydi::Destekli(db))
        kayit = std::make_unique<TopluCalismaKaydi>(db, parca);
    bool kayitYok = false;
    const bool hazir = trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"), [&] {
        if (Surdur) {
            kayitYok = !kayit || !kayit->Var();
            if (!kayitYok)
                foyler = kayit->Bekleyenler();
            return;
        }
        // The new date and the record of the files still to do are written together, so
        // a stop at any point leaves a run that --resume can finish. Beside other writers
        // the write lock is taken at once: a read first could not be followed by a write.
        const bool hemenKilitle = EsZamanliYazicilar && db.backend() == Backend::SQLite;
        auto listeyiOku = [&] {
            for (RecordSet rs = db.openRecordSet(FoyListesiSorgusu()); !rs.eof(); rs.moveNext()) {
                const qint32 kod = toInt32(rs.value(0));
                if (BlokDagitici::Dilimi(kod, ParcaSayisi) == ParcaNo)
                    foyler << kod;
            }
        };
        // Without a date to write first the list is read before the transaction: beside
        // other workers the write lock is then held only while the record's rows are
        // written, and the workers starting together wait for each other that long.
        const bool listeOnce = Kriterler.HesapTarihi.isEmpty();
        if (listeOnce)
            listeyiOku();
        if (kayit && hemenKilitle)
            db.execute(QStringLiteral("BEGIN IMMEDIATE"));
        else if (kayit)
            db.beginTransaction();
        try {
            // Every matching file gets the new date before any is recalculated, so the
            // recalculation reads it from the stored file.
            if (!listeOnce) {
                db.execute(TarihTasimaSorgusu());
                listeyiOku();
            }
            if (kayit) {
                kayit->Baslat(foyler);
                if (hemenKilitle)
                    db.execute(QStringLiteral("COMMIT"));
                else
                    db.commit();
            }
        } catch (...) {
            if (kayit && hemenKilitle)
                db.execute(QStringLiteral("ROLLBACK"));
            else if (kayit)
                db.rollback();
            throw;
        }
    });
    if (kayitYok) {
        calisiyor_ = false;
        sonuc.Mesaj = SurdurulecekKayitYokMesaji();
        return sonuc;
    }
    if (!hazir) {
        calisiyor_ = false;
        sonuc.durum = TopluGuncellemeSonucu::Durum::Hata;
        sonuc.HataSayisi = shared().reportedErrors() - oncekiHatalar;
        return sonuc;
    }
    sonuc.Sayi = static_cast<int>(foyler.size());
    // Published once its record is there: another worker may mark the files it takes.
    const bool paylasimli =
        Dagitici && Dagitici->dilimSayisi() == ParcaSayisi && Dagitici->yayimla(ParcaNo, foyler);
    if (foyler.isEmpty() && !paylasimli) {
        calisiyor_ = false;
        sonuc.durum = TopluGuncellemeSonucu::Durum::FoyYok;
        return sonuc;
    }

    if (Basladi)
        Basladi(sonuc.Sayi);
    std::unique_ptr<KumeOkuyucu> okuyucu;
    if (KumeHalindeOku && db.backend() != Backend::ODBC)
        okuyucu = std::make_unique<KumeOkuyucu>(db);
    // A recalculation alone writes one summary row a file: the block's rows wait and go
    // together, with the record of the files saved, in one transaction at the block's end.
    const bool biriktir = okuyucu && !Kriterler.TebligatBilgileriniTazele;
    if (biriktir)
        okuyucu->YazmalariBiriktir = true;
    QList<qint32> kaydedilenler;
    // Writing behind: a block's write goes on a connection of its own while the next block is
    // calculated, and what came of it is told before the next write. A block in which this
    // connection wrote (a row written early, a write not kept) is written here, in that
    // transaction.
    std::unique_ptr<ArkaYazici> yazici;
    if (biriktir && ArkadaYaz && !EsZamanliYazicilar && db.url().opensBeside())
        yazici = std::make_unique<ArkaYazici>(db.url(), kayit ? std::optional(parca) : std::nullopt,
                                              db.observed());
    // On SQLite a block's saves share one commit; with other writers at the same time each
    // file takes the write lock at its first write and gives it back at its end.
    const bool sqlite = db.backend() == Backend::SQLite;
    const bool blokIslemi = okuyucu && sqlite && !EsZamanliYazicilar && !yazici;
    bool islemAcik = false;
    bool foyIslemi = false;
    // The other writers hold the lock a file or a block at a time; a busy wait that runs
    // out is tried again a few times.
    auto hemenKilitle = [&] {
        for (int deneme = 1;; ++deneme) {
            try {
                db.execute(QStringLiteral("BEGIN IMMEDIATE"));
                return;
            } catch (const RuntimeError&) {
                if (deneme == 5)
                    throw;
            }
        }
    };
    if (okuyucu && sqlite && EsZamanliYazicilar)
        okuyucu->IlkYazmada = [&] {
            hemenKilitle();
            foyIslemi = true;
        };
    // A file counts once as failed, whether its run or its kept row failed, or both.
    QSet<qint32> basarisizlar;
    auto basarisiz = [&](qint32 kod) {
        if (!basarisizlar.contains(kod)) {
            basarisizlar.insert(kod);
            ++sonuc.Basarisiz;
        }
    };
    auto foyHatasi = [&](qint32 kod, const RuntimeError& e) {
        basarisiz(kod);
        if (FoyHatasi)
            FoyHatasi(kod);
        HataGosterFromTrap(QStringLiteral("Hesap.clsHesapOzeti.Kaydet"), e);
    };
    // The block's kept rows and the record of its files saved; on a server a lost
    // connection is opened again and the block's writes sent once more.
    std::function<void()> yaziciyiBekle;
    // kilitte: this connection already holds the write lock in a transaction of its own.
    auto blokuYaz = [&](BlokYazimi::Is is, bool kilitte = false) {
        yaziciyiBekle();
        // The block's own transaction holds the lock: its writes take no file's lock.
        struct KilitsizYazma {
            KumeOkuyucu& o;
            std::function<void()> ilk = std::exchange(o.IlkYazmada, {});
            ~KilitsizYazma() { o.IlkYazmada = std::move(ilk); }
        } kilitsiz{*okuyucu};
        for (int deneme = 0;; ++deneme) {
            bool kendiIslemi = false;
            try {
                if (!islemAcik) {
                    if (!std::exchange(kilitte, false)) {
                        if (sqlite && EsZamanliYazicilar)
                            hemenKilitle();
                        else
                            db.beginTransaction();
                    }
                    kendiIslemi = true;
                }
                // Nothing is told before the commit: a commit lost with the connection sends
                // the same rows and marks again.
                const BlokYazimi::Hatalar hatalar = is.hatalar + okuyucu->gonder(is.satirlar);
                QList<qint32> yazilan = is.kaydedilenler;
                for (const auto& [kod, hata] : hatalar)
                    yazilan.removeAll(kod);
                if (kayit)
                    kayit->Kaydedildi(yazilan);
                if (kendiIslemi)
                    sqlite&& EsZamanliYazicilar ? void(db.execute(QStringLiteral("COMMIT")))
                                                : db.commit();
                for (const auto& [kod, hata] : hatalar)
                    foyHatasi(kod, hata);
                return;
            } catch (const RuntimeError& e) {
                if (kendiIslemi || !db.alive()) {
                    trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"), [&] {
                        sqlite&& EsZamanliYazicilar ? void(db.execute(QStringLiteral("ROLLBACK")))
                                                    : db.rollback();
                    });
                    if (!kendiIslemi)
                        islemAcik = false;
                }
                if (deneme == 0 && !sqlite && !db.alive() && yenidenBaglan(db))
                    continue;
                for (const BlokYazimi::Satir& satir : std::as_const(is.satirlar))
                    foyHatasi(satir.foy, e);
                return;
            }
        }
    };
    yaziciyiBekle = [&] {
        if (!yazici)
            return;
        std::optional<ArkaYazici::Sonuc> s = yazici->al();
        if (!s)
            return;
        for (const ArkaYazici::Calisan& c : std::as_const(s->calisanlar))
            db.noteWrite(c.metin, c.degerler, c.sure, c.satir);
        if (s->hata) {
            // Nothing of it was saved: it is sent again here, as a block's write always was.
            blokuYaz(std::move(s->is));
            return;
        }
        ++sonuc.ArkadaYazilanBloklar;
        for (const auto& [kod, hata] : std::as_const(s->hatalar))
            foyHatasi(kod, hata);
    };
    // This connection writes only once the write behind is done (on SQLite the lock is free
    // and this connection's transaction sees what it wrote); what came of it is told at the
    // block's end, not as the present file's.
    if (yazici)
        okuyucu->IlkYazmada = [&] {
            yazici->bekle();
            if (sqlite && !islemAcik)
                islemAcik = trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"),
                                    [&] { db.beginTransaction(); });
        };
    // Beside other writers on SQLite a block does not wait while another holds the write
    // lock: its rows go with the next block's, in that block's transaction. (Only one block
    // waits so: the next takes the lock whenever it is free.)
    std::optional<BlokYazimi::Is> ertelenen;
    auto islemiBitir = [&](bool son) {
        if (biriktir && (okuyucu->bekleyenVar() || !kaydedilenler.isEmpty() || ertelenen)) {
            BlokYazimi::Is is = okuyucu->bekleyenleriAl();
            is.kaydedilenler = std::exchange(kaydedilenler, {});
            const bool beklemis = ertelenen.has_value();
            if (beklemis) {
                BlokYazimi::Is once = *std::exchange(ertelenen, std::nullopt);
                once.satirlar += is.satirlar;
                once.kaydedilenler += is.kaydedilenler;
                once.hatalar += is.hatalar;
                is = std::move(once);
            }
            if (yazici && !islemAcik && !son) {
                yaziciyiBekle();
                yazici->baslat(std::move(is));
            } else if (sqlite && EsZamanliYazicilar && !islemAcik && !son && !beklemis) {
                bool kilitte = false;
                const bool denendi =
                    trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"),
                            [&] { kilitte = db.beginImmediateIfFree(); });
                if (denendi && !kilitte)
                    ertelenen = std::move(is);
                else
                    blokuYaz(std::move(is), kilitte);
            } else {
                blokuYaz(std::move(is));
            }
        }
        if (son)
            yaziciyiBekle();
        if (islemAcik)
            trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"), [&] { db.commit(); });
        islemAcik = false;
    };
    const int blok = std::max(1, BlokBuyuklugu);
    // The blocks in turn: this slice's files a block at a time or, with shared blocks,
    // whichever block comes next of this slice or, after it, of another.
    qsizetype alinan = 0;
    auto blokAl = [&] {
        if (paylasimli)
            return Dagitici->al(ParcaNo, blok);
        BlokDagitici::Blok b{ParcaNo, foyler.mid(alinan, blok)};
        alinan += b.foyler.size();
        return b;
    };
    // The next block, taken early to be read ahead.
    std::optional<BlokDagitici::Blok> onceden;
    int sira = 0;
    // The last file of this slice processed here.
    qint32 sonKendi = 0;
    while (calisiyor_) {
        const BlokDagitici::Blok b = onceden ? *std::exchange(onceden, std::nullopt) : blokAl();
        if (b.foyler.isEmpty())
            break;
        if (okuyucu) {
            islemiBitir(false);
            okuyucu->blokBaslat(b.foyler);
            if (blokIslemi)
                islemAcik = trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"),
                                    [&] { db.beginTransaction(); });
        }
        for (qsizetype j = 0; j < b.foyler.size() && calisiyor_; ++j) {
            const qint32 foyKodu = b.foyler.at(j);
            if (okuyucu)
                okuyucu->foyBasliyor(foyKodu);
            if (FoyBasliyor)
                FoyBasliyor(sira + 1, sonuc.Sayi, foyKodu);
            if (Dagitici)
                Dagitici->basladi(b.dilim);
            // A file is marked saved right after its save (in the same transaction within a
            // SQLite block, or with the block's kept rows); a stop between the two only makes
            // a resumed run do it again.
            const quint64 foyOncesiHatalar = shared().reportedErrors();
            sunucudaCalistir(db, foyKodu, [&] {
                if (okuyucu) {
                    okuyucu->blokBaslat(b.foyler.mid(j));
                    okuyucu->foyBasliyor(foyKodu);
                }
            });
            // Once the block's first file has shown what a file reads, the next block's rows
            // are read on another connection while this block is calculated.
            if (okuyucu && OndenOku && j == 0) {
                onceden = blokAl();
                if (!onceden->foyler.isEmpty())
                    okuyucu->sonrakiBlok(onceden->foyler);
            }
            const bool basarili = shared().reportedErrors() == foyOncesiHatalar;
            if (!basarili)
                basarisiz(foyKodu);
            if (kayit && basarili && biriktir)
                kaydedilenler << foyKodu;
            else if (kayit && basarili)
                trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"),
                        [&] { kayit->Kaydedildi(foyKodu); });
            if (foyIslemi) {
                foyIslemi = false;
                trapped(QStringLiteral("Hesap.frmTopluFoyGunle.cmdGuncel_Click"),
                        [&] { db.execute(QStringLiteral("COMMIT")); });
            }
            if (Dagitici)
                Dagitici->bitti(b.dilim);
            if (b.dilim == ParcaNo)
                sonKendi = foyKodu;
            sonuc.Guncellenen = ++sira;
            sonuc.SonFoyKodu = foyKodu;
            if (FoyBitti)
                FoyBitti(sira, sonuc.Sayi, foyKodu);
        }
    }
    islemiBitir(true);
    if (okuyucu)
        okuyucu->IlkYazmada = {};
    yazici.reset();
    if (okuyucu) {
        sonuc.BlokOkumalari = okuyucu->cevaplanan();
        sonuc.BlokSorgulari = okuyucu->blokSorgusu();
        sonuc.OndenOkunanSorgular = okuyucu->ondenOkunan();
    }
    okuyucu.reset();
    // A stop asked for while the last file ran still ends a stopped run: the user is
    // told so rather than that the run completed.
    const bool durduruldu = !calisiyor_;
    calisiyor_ = false;
    sonuc.HataSayisi = shared().reportedErrors() - oncekiHatalar;
    if (sira == 0 && sonuc.Sayi == 0) {
        // A slice without files that found no other's block left.
        sonuc.durum = TopluGuncellemeSonucu::Durum::FoyYok;
        return sonuc;
    }
    if (!durduruldu) {
        sonuc.durum = TopluGuncellemeSonucu::Durum::Tamamlandi;
        sonuc.Mesaj = TamamlandiMesaji();
    } else {
        sonuc.durum = TopluGuncellemeSonucu::Durum::Durduruldu;
        // With shared blocks the message tells of this slice, whoever did its files.
        sonuc.Mesaj = paylasimli
                          ? DurdurulduMesaji(sonuc.Sayi, Dagitici->bitenler(ParcaNo),
                                             sonKendi ? sonKendi : sonuc.SonFoyKodu)
                          : DurdurulduMesaji(sonuc.Sayi, sonuc.Guncellenen, sonuc.SonFoyKodu);
    }
    return sonuc;
}

bool TopluFoyGuncelleyici::OndenOkumaUygun(int ayniMakinedekiIsler) {
    return 2 * ayniMakinedekiIsler <= QThread::idealThreadCount();
}

}  // namespace quv
