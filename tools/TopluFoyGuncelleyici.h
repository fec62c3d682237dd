#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quv {

class BlokDagitici;
class Database;
class clsHesapAna;

// The criteria of a bulk update as the user gave them. Typed values stay text until
// they are checked (Dogrula): a file code is a whole number, a date an eight-digit
// text date naming a real day; the empty text means "no value".
struct TopluGuncellemeKriterleri {
    QString FoyKoduOp = QStringLiteral("=");
    QString FoyKodu1;
    QString FoyKodu2;
    QString TakipTarihiOp = QStringLiteral("=");
    QString TakipTarihi1;
    QString TakipTarihi2;
    // Outcome code (Enum_DosyaSonucu) and attorney code; none selects every file.
    std::optional<qint16> DosyaSonucu;
    std::optional<qint32> AvukatKodu;
    // The new calculation date given to every matching file before the run; empty: none.
    QString HesapTarihi;
    bool HesapBilgileriniGunle = false;
    bool TebligatBilgileriniTazele = false;
};

// One entry of the outcome list: the Turkish label and its code.
struct DosyaSonucuSecenegi {
    QString ad;
    qint16 kod;
};

// How a bulk update ended.
struct TopluGuncellemeSonucu {
    enum class Durum {
        Gecersiz,    // a criterion was not valid; Mesaj says which, nothing ran
        Hata,        // the date move or the file list failed (reported); no file ran
        FoyYok,      // no file matches
        Tamamlandi,  // every matching file was processed
        Durduruldu,  // the user stopped it, perhaps while the last file ran
    };
    Durum durum = Durum::Gecersiz;
    // Files that match, files processed, and the code of the last one processed. (With
    // shared blocks: the files of this slice, and those this run processed of any slice.)
    int Sayi = 0;
    int Guncellenen = 0;
    qint32 SonFoyKodu = 0;
    // Errors reported during the run (file calculations, notification refreshes), and the
    // files whose run reported one.
    quint64 HataSayisi = 0;
    int Basarisiz = 0;
    // Reads served from the blocks' reads, and the statements those took.
    qint64 BlokOkumalari = 0;
    qint64 BlokSorgulari = 0;
    // Of those statements, the ones read ahead on the second connection and used.
    qint64 OndenOkunanSorgular = 0;
    // Blocks whose write went behind, on the second connection, and was saved there.
    int ArkadaYazilanBloklar = 0;
    // The message for the user; empty when there is none to show.
    QString Mesaj;
};

// Recalculates, and refreshes the notification tracking of, every enforcement file
// that matches the criteria, one file after the other; a file is saved whole or not at
// all.
// The window and the command line both drive it: they fill the criteria, listen to
// the progress callbacks and may ask it to stop, which takes effect before the
// next file.
class TopluFoyGuncelleyici {
public:
    explicit TopluFoyGuncelleyici(clsHesapAna& hesap);

    TopluGuncellemeKriterleri Kriterler;
    // The files are read a block at a time, one statement per kind of read for the whole
    // block (KumeOkuyucu); off: every file reads its own rows, as a single calculation
    // does. A block's summaries are saved together in one transaction, many rows a
    // statement, with the record of the files saved.
    bool KumeHalindeOku = true;
    int BlokBuyuklugu = 500;
    // The K-th of N disjoint slices of the matching files (by file code, code mod N =
    // K - 1), so that N machines can share a run; 1 of 1 is the whole run.
    int ParcaNo = 1;
    int ParcaSayisi = 1;
    // Resume the slice's stopped run: only its files not saved yet, no new date.
    bool Surdur = false;
    // Other processes write to the same SQLite database at the same time (the slices of
    // one run): each file's writes take the write lock in a short transaction of their
    // own, from its first write to its end, instead of a block's.
    bool EsZamanliYazicilar = false;
    // While a block is calculated, the next block's rows are read on a second connection
    // in a thread of its own: worth it while the machine has a processor for that thread
    // (a run alone, not workers that already keep every processor busy).
    bool OndenOku = OndenOkumaUygun(1);
    // A block's summaries and its record of files saved are written on a second connection,
    // in a thread of its own, while the next block is calculated; what became of them is
    // told at the next block's start. Worth it on the same terms as reading ahead.
    bool ArkadaYaz = OndenOkumaUygun(1);
    static bool OndenOkumaUygun(int ayniMakinedekiIsler);
    // The workers of one run on this machine share its blocks (made before they were
    // forked): this run publishes its slice's files and, once its own blocks are all taken,
    // does the blocks the other slices have left, marking them in those slices' records.
    // Null: the slice alone.
    BlokDagitici* Dagitici = nullptr;

    // Called once with the number of matching files before the first one.
    std::function<void(int sayi)> Basladi;
    // Called before each file (running number from 1) ...
    std::function<void(int sira, int sayi, qint32 foyKodu)> FoyBasliyor;
    // ... and after it: the place to advance the progress and to let the user act.
    std::function<void(int sira, int sayi, qint32 foyKodu)> FoyBitti;
    // Called before an error of a file is told after its run (its summary, kept to be
    // written with the block's others, could not be written).
    std::function<void(qint32 foyKodu)> FoyHatasi;

    // The first problem of the criteria as a message for the user; empty when valid.
    QString Dogrula() const;

    // The WHERE clause of the criteria ("where (...) and (...)"), empty when none
    // applies. Expects valid criteria.
    QString SorguOlustur() const;
    // The matching file codes in file-code order.
    QString FoyListesiSorgusu() const;
    // Gives every matching file the new calculation date.
    QString TarihTasimaSorgusu() const;

    // Checks the criteria, moves the date when one is given, then processes each
    // matching file while no stop has been asked for.
    TopluGuncellemeSonucu Calistir();
    // Ends the run before the next file; the current file is finished first.
    void Durdur() { calisiyor_ = false; }
    bool Calisiyor() const { return calisiyor_; }

    // The comparison operators offered for the file code and the enforcement date.
    static const QStringList& Operatorler();
    static QString ArasindaOp() { return QStringLiteral("Arasında"); }
    // The outcomes that can be chosen, in the order the list shows them.
    static const QList<DosyaSonucuSecenegi>& DosyaSonuclari();

    // "3 / 10 Föy Kodu : 1003"
    static QString IlerlemeMetni(int sira, int sayi, qint32 foyKodu);
    static QString SecenekMesaji();
    static QString SurdurulecekKayitYokMesaji();
    static QString TamamlandiMesaji();
    // The stop message: the number of matching files, how many were not processed and
    // the last file processed (that line is left out when none was).
    static QString DurdurulduMesaji(int sayi, int guncellenen, qint32 sonFoyKodu);

private:
    void foyuGuncelle(qint32 foyKodu);
    // The file's run; on a server, again after a lost connection is opened again.
    void sunucudaCalistir(Database& db, qint32 foyKodu, const std::function<void()>& yenidenBaslat);
    static bool yenidenBaglan(Database& db);

    clsHesapAna& hesap_;
    bool calisiyor_ = false;
};

}  // namespace quv
