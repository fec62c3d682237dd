#pragma once

#include "engine/Database.h"
#include "engine/RuntimeError.h"
#include "tools/BlokOkumasi.h"
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

    std::optional<std::pair<QStringList, std::vector<QVariantList>>> answer(
        const QString& text, const QVariantList& parameters) override;
    bool written(const QString& text, const QVariantList& parameters) override;

    // Keeps each file's upsert of one row ("insert into t (...) values (?, ...) on conflict
    // ...") until gonder(), which sends a block's rows a hundred or so a statement. A read or
    // another write of a table with kept rows first writes them one by one.
    bool YazmalariBiriktir = false;
    bool bekleyenVar() const { return !bekleyen_.isEmpty(); }
    // Writes the kept rows inside the caller's transaction; a statement that fails is undone
    // to its savepoint and its rows written one by one. Returns the files whose row could not
    // be written, with the error; a lost connection throws. The rows stay kept until
    // gonderildi(), so a transaction that does not commit can send them again.
    QList<std::pair<qint32, RuntimeError>> gonder();
    // The transaction of the last gonder() committed: its rows are forgotten.
    void gonderildi();
    // Forgets the kept rows (they are reported as not written).
    QList<qint32> bekleyenleriBirak();

    // Called before the first write of each file (an insert, update or delete).
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
        std::vector<QVariantList> satirlar;
        QSet<QString> tablolar;
    };
    std::optional<Cevap> blokCevabi(const QString& kalip, const QString& alan);
    // Takes the reads made ahead: those of the files now starting, unless a table they read
    // was written by the block before.
    void ondenOkunanlariAl(const QList<qint32>& foyler);
    struct Yazma {
        QString metin;
        QVariantList degerler;
        qint32 foy;
    };
    // Writes the kept rows of a table the file now reads or writes, one statement each.
    void tekTekYaz(const QString& metin);

    Database& db_;
    QList<qint32> blok_;
    QSet<qint32> blokKumesi_;
    qint32 foy_ = 0;
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
    QList<Yazma> bekleyen_;
    // The tables of the kept rows, lower case; the text of the last row kept and its table.
    QList<QByteArray> bekleyenTablolar_;
    QString sonTutulan_;
    QString sonTutulanTablo_;
    // Errors of rows written one by one before gonder(), told by it.
    QList<std::pair<qint32, RuntimeError>> yazmaHatalari_;
    bool kendiSorgusu_ = false;
    bool yazdi_ = false;
    qint64 cevaplanan_ = 0;
    qint64 blokSorgusu_ = 0;
    qint64 ondenOkunan_ = 0;
};

}  // namespace quv
