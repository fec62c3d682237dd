#pragma once

#include "engine/Database.h"
#include "engine/RuntimeError.h"
#include "tools/BlokOkumasi.h"
#include "tools/BlokYazimi.h"
#include "tools/OndenOkuyucu.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

namespace quv {

// The reads of a bulk recalculation served for a block of files at once. A read of one
// file's rows ("... where foykodu = 1001 ...") is run once for the whole block
// ("... where foykodu in (1001, 1002, ...)"), with the file code as an extra first
// column, and each file then gets its own rows from that answer, in the order they
// come (the statement's own ORDER BY, or the order the database returns them in), and
// for a count, minimum or sum the row a file without rows gets (0 or Null). A read of the shared
// tables (tariffs, rate tables, options) is kept and given again while nothing writes to its
// tables. Any other read, and a file's read after the file wrote to one of its tables, runs as
// usual.
class KumeOkuyucu : public Database::ReadSource {
public:
    // Serves the reads of `db` until it is destroyed.
    explicit KumeOkuyucu(Database& db);
    ~KumeOkuyucu() override;
    KumeOkuyucu(const KumeOkuyucu&) = delete;
    KumeOkuyucu& operator=(const KumeOkuyucu&) = delete;

    // The files of the next block; what the previous block read is forgotten.
    void blokBaslat(const QList<qint32>& foyler);
    // Begins reading the rows of the block after this one, on a connection of its own, while
    // this block is calculated: the reads the block before shared among its files and those
    // this block made so far. blokBaslat() takes them when it gets those very files. Not for
    // an in-memory database.
    void sonrakiBlok(const QList<qint32>& foyler);
    // The file whose reads and writes follow.
    void foyBasliyor(qint32 foyKodu);

    std::optional<std::pair<QStringList, RecordSet::Rows>> answer(
        const QString& text, const QVariantList& parameters) override;
    bool written(const QString& text, const QVariantList& parameters) override;

    // Keeps each file's upsert of one row ("insert into t (...) values (?, ...) on conflict
    // ...") for the block's end, when the block's rows go a hundred or so a statement. A read
    // or another write of a table with kept rows first writes them one by one.
    bool YazmalariBiriktir = false;
    bool bekleyenVar() const { return !bekleyen_.isEmpty(); }
    // The kept rows and the errors of those already written one by one, handed over to be
    // written (BlokYazimi); nothing is kept any more.
    BlokYazimi::Is bekleyenleriAl();
    // Writes rows on this connection inside the caller's transaction (BlokYazimi::gonder).
    BlokYazimi::Hatalar gonder(const QList<BlokYazimi::Satir>& satirlar);

    // Called before a file's first write on this connection (an insert, update or delete,
    // or kept rows written one by one).
    std::function<void()> IlkYazmada;

    // Reads answered without a statement of their own, and the block statements run.
    qint64 cevaplanan() const { return cevaplanan_; }
    qint64 blokSorgusu() const { return blokSorgusu_; }
    // Block statements read ahead and used.
    qint64 ondenOkunan() const { return ondenOkunan_; }

private:
    using Cevap = BlokOkumasi::Cevap;
    struct Kayit {
        QStringList sutunlar;
        RecordSet::Rows satirlar;
        QSet<QString> tablolar;
    };
    std::shared_ptr<Cevap> blokCevabi(const QString& kalip, const QString& alan);
    // Takes the reads made ahead: those of the files now starting, unless a table they read
    // was written by the block before.
    void ondenOkunanlariAl(const QList<qint32>& foyler);
    // A read as the file before made it: its text, and either the shared rows it got or the
    // place of the file code in it and the block's answer (none: it runs file by file).
    struct Iz {
        QString metin;
        QVariantList degerler;
        bool ortak = false;
        qsizetype yer = 0;
        qsizetype uzunluk = 0;
        QStringList sutunlar;
        RecordSet::Rows satirlar;
        std::shared_ptr<Cevap> cevap;
        // The read of `text` is this one (for a file's read: with foyMetni as its code).
        bool ayniOkuma(const QString& text, const QString& foyMetni) const;
    };
    void izle(qsizetype sira, Iz iz);
    void izleriUnut();
    // The block's answer of the present file's read; none: it runs as usual.
    std::optional<std::pair<QStringList, RecordSet::Rows>> dosyaCevabi(
        const QString& text, const std::shared_ptr<Cevap>& cevap);
    // Writes the kept rows of a table the file now reads or writes, one statement each.
    void tekTekYaz(const QString& metin);
    void ilkYazma();

    Database& db_;
    QList<qint32> blok_;
    qint32 foy_ = 0;
    // The file's place in the block; -1 outside it.
    qsizetype foyYeri_ = -1;
    bool foyBlokta() const { return foyYeri_ >= 0; }
    QString foyMetni_;
    // The reads of the file before (or of this one so far), by their order in the file.
    QList<Iz> izler_;
    qsizetype sira_ = 0;
    // Per-file reads by their text with the file code as "#"; reads that cannot be run
    // for the block are remembered as such.
    OndenOkuyucu::Cevaplar cevaplar_;
    QHash<QString, Kayit> ortak_;
    // The reads of the block before that served more than one file: made ahead for the next.
    QList<OndenOkuyucu::Okuma> oncekiBlok_;
    // Shared tables written in this block: reads made ahead that name one are made again.
    QSet<QString> yazilanOrtaklar_;
    std::unique_ptr<OndenOkuyucu> onden_;
    // The file's tables it wrote to since it started.
    QSet<QString> kirli_;
    QList<BlokYazimi::Satir> bekleyen_;
    // The tables of the kept rows, lower case; the text of the last row kept and its table.
    QStringList bekleyenTablolar_;
    // Counts the changes of bekleyenTablolar_ (an answer remembers whether it joins one).
    quint64 bekleyenSurumu_ = 1;
    QString sonTutulan_;
    QString sonTutulanTablo_;
    // Errors of rows written one by one, handed over with the kept rows.
    BlokYazimi::Hatalar yazmaHatalari_;
    bool kendiSorgusu_ = false;
    bool yazdi_ = false;
    qint64 cevaplanan_ = 0;
    qint64 blokSorgusu_ = 0;
    qint64 ondenOkunan_ = 0;
};

}  // namespace quv
