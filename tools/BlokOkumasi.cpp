#include "tools/BlokOkumasi.h"

#include "engine/Variant.h"

#include <QElapsedTimer>
#include <QRegularExpression>

namespace quv::BlokOkumasi {

namespace {

using Opt = QRegularExpression::PatternOption;

const QRegularExpression kTablo(QStringLiteral(R"(\b(tbl\w+))"), Opt::CaseInsensitiveOption);
// One count, minimum, maximum or sum of one table: "select count(*) as n from tblfoy_sahis where
// ...".
const QRegularExpression kToplam(
    QStringLiteral(
        R"(^select\s+((count\(\*\)|(?:min|max|sum)\(\w+\))(\s+as\s+\w+)?)\s+from\s+(tbl\w+(?:\s+\w+)?)\s+where\s+(.+)$)"),
    Opt::CaseInsensitiveOption | Opt::DotMatchesEverythingOption);
// A count of distinct rows of one table: "SELECT COUNT(*) FROM (SELECT DISTINCT ...) AS t".
const QRegularExpression kAyriSayim(
    QStringLiteral(R"(^select\s+count\(\*\)\s+from\s+\(select\s+distinct\s+(.+)\)\s+as\s+(\w+)$)"),
    Opt::CaseInsensitiveOption | Opt::DotMatchesEverythingOption);

// True when the text holds a quoted text other than the empty one: a date or a name that
// differs from file to file, so the read is not the same for the whole block.
bool metinDegeriVar(const QString& metin) {
    bool tirnakta = false;
    qsizetype uzunluk = 0;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        if (metin[i] != u'\'') {
            uzunluk += tirnakta ? 1 : 0;
            continue;
        }
        if (tirnakta && i + 1 < metin.size() && metin[i + 1] == u'\'') {
            ++i;  // a doubled quote inside the text
            ++uzunluk;
            continue;
        }
        if (tirnakta && uzunluk > 0)
            return true;
        tirnakta = !tirnakta;
        uzunluk = 0;
    }
    return false;
}

// The text outside parentheses: what a statement selects, without its subqueries.
QString ustDuzey(const QString& metin) {
    QString sonuc;
    int derinlik = 0;
    for (const QChar c : metin) {
        if (c == u')')
            --derinlik;
        if (derinlik == 0)
            sonuc += c;
        if (c == u'(')
            ++derinlik;
    }
    return sonuc;
}

// Where the last " group by " outside parentheses starts; -1 if none.
qsizetype ustDuzeydeSon(const QString& metin, QLatin1String anahtar) {
    qsizetype son = -1;
    int derinlik = 0;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        if (metin[i] == u'(')
            ++derinlik;
        else if (metin[i] == u')')
            --derinlik;
        else if (derinlik == 0 &&
                 QStringView(metin).sliced(i).startsWith(anahtar, Qt::CaseInsensitive))
            son = i;
    }
    return son;
}

const QRegularExpression kToplamIslevi(QStringLiteral(R"(\b(count|sum|min|max|avg)\s*\()"),
                                       Opt::CaseInsensitiveOption);

// The statement for the block: the file code first, the file's condition over the block,
// a grouping by file as well. Empty when the read has another shape. The shape is taken from
// the file's read, short; the block's codes go in last.
QString blokMetni(const QString& kalip, const QString& alan, const QString& liste,
                  QVariantList& bosSatir) {
    const QString tekKosul = alan + QStringLiteral(" = #");
    // Another spelling of the condition ("foykodu= 1001") is read file by file.
    if (!kalip.contains(tekKosul))
        return QString();
    auto blokKosulu = [&](QString metin) {
        return metin.replace(tekKosul, alan + QStringLiteral(" in (") + liste + u')');
    };
    const QString dosya = QStringLiteral("%1 as quv_foy, ").arg(alan);
    if (const auto m = kAyriSayim.match(kalip); m.hasMatch()) {
        bosSatir = {QVariant(qlonglong(0))};
        return blokKosulu(QStringLiteral("select quv_foy, count(*) from (select distinct %1%2) "
                                         "as %3 group by quv_foy")
                              .arg(dosya, m.captured(1), m.captured(2)));
    }
    if (const auto m = kToplam.match(kalip); m.hasMatch()) {
        if (m.captured(5).contains(QLatin1String(" order by "), Qt::CaseInsensitive) ||
            m.captured(5).contains(QLatin1String(" group by "), Qt::CaseInsensitive))
            return QString();
        bosSatir = {m.captured(2).startsWith(u'c', Qt::CaseInsensitive) ? QVariant(qlonglong(0))
                                                                        : QVariant()};
        return blokKosulu(QStringLiteral("select %1%2 from %3 where %4 group by %5")
                              .arg(dosya, m.captured(1), m.captured(4), m.captured(5), alan));
    }
    const QString ust = ustDuzey(kalip);
    // A limit on the rows would hold for the whole block, not for each file.
    static const QRegularExpression kSinir(QStringLiteral(R"(\b(limit|offset|top|fetch)\b)"),
                                           Opt::CaseInsensitiveOption);
    if (!kalip.startsWith(QLatin1String("select "), Qt::CaseInsensitive) || ust.contains(kSinir) ||
        ust.contains(QLatin1String(" union "), Qt::CaseInsensitive) ||
        ust.contains(QLatin1String("select distinct"), Qt::CaseInsensitive) ||
        (ust.contains(kToplamIslevi) &&
         !ust.contains(QLatin1String(" group by "), Qt::CaseInsensitive)))
        return QString();
    QString metin = kalip.left(7) + dosya + kalip.mid(7);
    const qsizetype grup = ustDuzeydeSon(metin, QLatin1String(" group by "));
    if (grup >= 0)
        metin.insert(grup + 10, alan + QStringLiteral(", "));
    // Each file's rows keep the statement's order: they are taken apart by file as they come.
    return blokKosulu(std::move(metin));
}

// The codes of a block's files as the statement lists them, and each file's place: made
// once for all the reads of a block (kept for the last block read on this thread).
struct HazirBlok {
    QList<qint32> foyler;
    QString liste;
    QHash<qint32, qsizetype> yerler;
};

const HazirBlok& hazirBlok(const QList<qint32>& foyler) {
    thread_local HazirBlok blok;
    if (blok.foyler.isEmpty() || blok.foyler != foyler) {
        blok.foyler = foyler;
        QStringList kodlar;
        kodlar.reserve(foyler.size());
        for (qint32 kod : foyler)
            kodlar << QString::number(kod);
        blok.liste = kodlar.join(u',');
        blok.yerler.clear();
        blok.yerler.reserve(foyler.size());
        for (qsizetype i = foyler.size() - 1; i >= 0; --i)
            blok.yerler.insert(foyler.at(i), i);  // a code given twice: its first place
    }
    return blok;
}

}  // namespace

void onbellegeAl(const void* bas, const void* bit) {
    for (auto p = static_cast<const char*>(bas); p < static_cast<const char*>(bit); p += 64)
        __builtin_prefetch(p);
}

void degerleriAl(const QVariantList& satir) {
    onbellegeAl(satir.constData(), satir.constData() + satir.size());
}

void metinleriAl(const QVariantList& satir) {
    for (const QVariant& v : satir)
        if (v.metaType().id() == QMetaType::QString)
            __builtin_prefetch(static_cast<const QString*>(v.constData())->constData());
}

Cevap::~Cevap() {
    // Each row's values, and then their texts, are at hand a few rows before they are freed.
    constexpr size_t kOnce = 8;
    std::vector<QVariantList*> satirlar;
    for (std::vector<QVariantList>& dosya : dosyalar)
        for (QVariantList& satir : dosya)
            satirlar.push_back(&satir);
    for (size_t i = 0; i < satirlar.size(); ++i) {
        if (i + kOnce < satirlar.size())
            degerleriAl(*satirlar[i + kOnce]);
        if (i + kOnce / 2 < satirlar.size())
            metinleriAl(*satirlar[i + kOnce / 2]);
        *satirlar[i] = QVariantList();
    }
}

QSet<QString> tablolar(const QString& metin) {
    QSet<QString> sonuc;
    for (const QRegularExpressionMatch& m : kTablo.globalMatch(metin))
        sonuc.insert(m.captured(1).toLower());
    return sonuc;
}

std::optional<Cevap> oku(Database& db, const QString& kalip, const QString& alan,
                         const QList<qint32>& foyler) {
    if (metinDegeriVar(kalip))
        return std::nullopt;
    const HazirBlok& blok = hazirBlok(foyler);
    Cevap cevap;
    QVariantList bosSatir;
    cevap.sorgu = blokMetni(kalip, alan, blok.liste, bosSatir);
    if (cevap.sorgu.isEmpty())
        return std::nullopt;
    QElapsedTimer sure;
    sure.start();
    RecordSet rs = [&] {
        const Database::RunsOnce birKez(db);
        return db.openRecordSet(cevap.sorgu);
    }();
    cevap.sure = sure.nsecsElapsed();
    cevap.sutunlar = rs.fieldNames().mid(1);
    cevap.tablolar = tablolar(kalip);
    cevap.alan = alan;
    // Each row loses its first column, the file code, and goes to its file's rows.
    // (A shared copy: the kept block may be another by now.)
    const QHash<qint32, qsizetype> yerler = blok.yerler;
    cevap.dosyalar.resize(static_cast<size_t>(foyler.size()));
    std::vector<QVariantList>* dosya = nullptr;
    qint32 sonKod = 0;
    for (QVariantList& satir : rs.takeRows()) {
        const qint32 kod = toInt32(satir.takeFirst());
        if (!dosya || kod != sonKod) {
            const auto yer = yerler.constFind(kod);
            // A row of a file outside the block cannot come from the block's condition.
            if (yer == yerler.constEnd())
                continue;
            dosya = &cevap.dosyalar[static_cast<size_t>(*yer)];
            sonKod = kod;
        }
        dosya->push_back(std::move(satir));
        ++cevap.satirSayisi;
    }
    if (!bosSatir.isEmpty())
        cevap.bos.push_back(std::move(bosSatir));
    return cevap;
}

}  // namespace quv::BlokOkumasi
