#include "tools/TopluCalismaKaydi.h"

#include "engine/Variant.h"
#include "tools/BlokDagitici.h"

#include <QMap>

namespace quv {

namespace {

const QString kTablo = QStringLiteral("tbltopluguncelleme");
const QString kDizin = QStringLiteral("tbltopluguncelleme_parca");

}  // namespace

TopluCalismaKaydi::TopluCalismaKaydi(Database& db, QString parca)
    : db_(db),
      parca_(std::move(parca)),
      dilim_(parca_.section(u'/', 0, 0).toInt()),
      dilimSayisi_(std::max(1, parca_.section(u'/', 1).toInt())) {}

void TopluCalismaKaydi::TabloyuHazirla() {
    if (!db_.tables().contains(kTablo, Qt::CaseInsensitive))
        db_.execute(QStringLiteral("create table ") + kTablo +
                    QStringLiteral(" (parca text, foykodu integer, kaydedildi integer)"));
    // The record keeps the rows of every slice ever run; each block marks its files by slice
    // and code. Without an index each mark reads all of them: with a million files run once
    // whole and once in two slices, a seventh of a second a block, against a millisecond.
    // (A table made before the index gets it here, once.)
    QString dizinVarMi =
        QStringLiteral("select count(*) from sqlite_master where type = 'index' and name = ?");
    if (db_.backend() == Backend::PostgreSQL)
        dizinVarMi = QStringLiteral(
            "select count(*) from pg_class where relname = ? and "
            "relkind = 'i' and pg_table_is_visible(oid)");
    if (toInt32(db_.openRecordSet(dizinVarMi, CursorType::ForwardOnly, {kDizin}).value(0)) == 0)
        db_.execute(QStringLiteral("create index if not exists ") + kDizin +
                    QStringLiteral(" on ") + kTablo + QStringLiteral(" (parca, foykodu)"));
}

void TopluCalismaKaydi::Baslat(const QList<qint32>& foyler) {
    TabloyuHazirla();
    db_.execute(QStringLiteral("delete from ") + kTablo + QStringLiteral(" where parca = ?"),
                {parca_});
    // A few hundred rows a statement.
    constexpr qsizetype Parti = 250;
    for (qsizetype i = 0; i < foyler.size(); i += Parti) {
        QStringList satirlar;
        QVariantList degerler;
        for (qint32 kod : foyler.mid(i, Parti)) {
            satirlar << QStringLiteral("(?, ?, 0)");
            degerler << parca_ << kod;
        }
        db_.execute(QStringLiteral("insert into ") + kTablo +
                        QStringLiteral(" (parca, foykodu, kaydedildi) values ") +
                        satirlar.join(u','),
                    degerler);
    }
}

bool TopluCalismaKaydi::Var() {
    if (!db_.tables().contains(kTablo, Qt::CaseInsensitive))
        return false;
    RecordSet rs = db_.openRecordSet(
        QStringLiteral("select count(*) from ") + kTablo + QStringLiteral(" where parca = ?"),
        CursorType::ForwardOnly, {parca_});
    return toInt32(rs.value(0)) > 0;
}

QList<qint32> TopluCalismaKaydi::Bekleyenler() {
    QList<qint32> kodlar;
    RecordSet rs = db_.openRecordSet(QStringLiteral("select foykodu from ") + kTablo +
                                         QStringLiteral(" where parca = ? and kaydedildi = 0 "
                                                        "order by foykodu"),
                                     CursorType::ForwardOnly, {parca_});
    for (; !rs.eof(); rs.moveNext())
        kodlar << toInt32(rs.value(0));
    return kodlar;
}

QString TopluCalismaKaydi::dilimi(qint32 foyKodu) const {
    const int dilim = BlokDagitici::Dilimi(foyKodu, dilimSayisi_);
    return dilimSayisi_ == 1 || dilim_ == dilim
               ? parca_
               : QStringLiteral("%1/%2").arg(dilim).arg(dilimSayisi_);
}

void TopluCalismaKaydi::Kaydedildi(qint32 foyKodu) {
    db_.execute(QStringLiteral("update ") + kTablo +
                    QStringLiteral(" set kaydedildi = 1 where parca = ? and foykodu = ?"),
                {dilimi(foyKodu), foyKodu});
}

void TopluCalismaKaydi::Kaydedildi(const QList<qint32>& foyler) {
    // One statement for each slice the files belong to.
    QMap<QString, QStringList> dilimler;
    for (qint32 kod : foyler)
        dilimler[dilimi(kod)] << QString::number(kod);
    const Database::RunsOnce birKez(db_);
    for (auto d = dilimler.cbegin(); d != dilimler.cend(); ++d)
        db_.execute(QStringLiteral("update ") + kTablo +
                        QStringLiteral(" set kaydedildi = 1 where parca = ? and foykodu in (") +
                        d.value().join(u',') + u')',
                    {d.key()});
}

}  // namespace quv
