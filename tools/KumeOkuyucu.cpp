#include "tools/KumeOkuyucu.h"

#include "engine/SqlText.h"
#include "engine/Variant.h"

#include <QRegularExpression>

namespace quv {

namespace {

using Opt = QRegularExpression::PatternOption;

constexpr qsizetype kSqliteDegerleri = 600;

// The one "t1.foykodu = 1001" of a read: the qualified column, where the code stands
// and the code; yer is -1 when there is none or more than one.
struct FoyKosulu {
    QString alan;
    qsizetype yer = -1;
    qsizetype uzunluk = 0;
    qint64 kod = 0;
};

FoyKosulu foyKosulu(const QString& metin) {
    static const QLatin1String kAd("foykodu");
    FoyKosulu sonuc;
    for (qsizetype i = SqlText::indexOfAscii(metin, kAd); i >= 0;
         i = SqlText::indexOfAscii(metin, kAd, i + kAd.size())) {
        // The column itself (not the end of "faizoranitablosufoykodu"), maybe qualified.
        if (i > 0 && SqlText::isWordChar(metin[i - 1]))
            continue;
        qsizetype bas = i;
        if (bas > 0 && metin[bas - 1] == u'.') {
            --bas;
            while (bas > 0 && SqlText::isWordChar(metin[bas - 1]))
                --bas;
        }
        qsizetype j = i + kAd.size();
        if (j < metin.size() && SqlText::isWordChar(metin[j]))
            continue;
        while (j < metin.size() && metin[j] == u' ')
            ++j;
        if (j >= metin.size() || metin[j] != u'=')
            continue;
        ++j;
        while (j < metin.size() && metin[j] == u' ')
            ++j;
        const qsizetype rakam = j;
        while (j < metin.size() && metin[j].isDigit())
            ++j;
        if (j == rakam || (j < metin.size() && SqlText::isWordChar(metin[j])))
            continue;
        if (sonuc.yer >= 0)
            return {};
        sonuc = {metin.mid(bas, i + kAd.size() - bas), rakam, j - rakam,
                 metin.mid(rakam, j - rakam).toLongLong()};
    }
    return sonuc;
}
const QRegularExpression kTablo(QStringLiteral(R"(\b(tbl\w+))"), Opt::CaseInsensitiveOption);
const QRegularExpression kYazma(
    QStringLiteral(R"(^\s*(?:insert\s+into|update|delete\s+from)\s+(\w+))"),
    Opt::CaseInsensitiveOption);
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
                 metin.mid(i, anahtar.size()).compare(anahtar, Qt::CaseInsensitive) == 0)
            son = i;
    }
    return son;
}

const QRegularExpression kToplamIslevi(QStringLiteral(R"(\b(count|sum|min|max|avg)\s*\()"),
                                       Opt::CaseInsensitiveOption);

QSet<QString> tablolar(const QString& metin) {
    QSet<QString> sonuc;
    for (const QRegularExpressionMatch& m : kTablo.globalMatch(metin))
        sonuc.insert(m.captured(1).toLower());
    return sonuc;
}

bool foyTablosu(const QString& tablo) {
    return tablo == QLatin1String("tblfoy") || tablo.startsWith(QLatin1String("tblfoy_"));
}

// The statement for the block: the file code first, the file's condition over the block,
// a grouping by file as well. Empty when the read has another shape.
QString blokMetni(const QString& kalip, const QString& alan, const QString& liste,
                  QVariantList& bosSatir) {
    QString kosul = kalip;
    kosul.replace(alan + QStringLiteral(" = #"), alan + QStringLiteral(" in (") + liste + u')');
    // Another spelling of the condition ("foykodu= 1001") is read file by file.
    if (kosul == kalip)
        return QString();
    const QString dosya = QStringLiteral("%1 as quv_foy, ").arg(alan);
    if (const auto m = kAyriSayim.match(kosul); m.hasMatch()) {
        bosSatir = {QVariant(qlonglong(0))};
        return QStringLiteral(
                   "select quv_foy, count(*) from (select distinct %1%2) as %3 "
                   "group by quv_foy")
            .arg(dosya, m.captured(1), m.captured(2));
    }
    if (const auto m = kToplam.match(kosul); m.hasMatch()) {
        if (m.captured(5).contains(QLatin1String(" order by "), Qt::CaseInsensitive) ||
            m.captured(5).contains(QLatin1String(" group by "), Qt::CaseInsensitive))
            return QString();
        bosSatir = {m.captured(2).startsWith(u'c', Qt::CaseInsensitive) ? QVariant(qlonglong(0))
                                                                        : QVariant()};
        return QStringLiteral("select %1%2 from %3 where %4 group by %5")
            .arg(dosya, m.captured(1), m.captured(4), m.captured(5), alan);
    }
    const QString ust = ustDuzey(kosul);
    // A limit on the rows would hold for the whole block, not for each file.
    static const QRegularExpression kSinir(QStringLiteral(R"(\b(limit|offset|top|fetch)\b)"),
                                           Opt::CaseInsensitiveOption);
    if (!kosul.startsWith(QLatin1String("select "), Qt::CaseInsensitive) || ust.contains(kSinir) ||
        ust.contains(QLatin1String(" union "), Qt::CaseInsensitive) ||
        ust.contains(QLatin1String("select distinct"), Qt::CaseInsensitive) ||
        (ust.contains(kToplamIslevi) &&
         !ust.contains(QLatin1String(" group by "), Qt::CaseInsensitive)))
        return QString();
    QString metin = kosul.left(7) + dosya + kosul.mid(7);
    const qsizetype grup = ustDuzeydeSon(metin, QLatin1String(" group by "));
    if (grup >= 0)
        metin.insert(grup + 10, alan + QStringLiteral(", "));
    // Each file's rows keep the statement's order: they are taken apart by file as they come.
    return metin;
}

}  // namespace

KumeOkuyucu::KumeOkuyucu(Database& db) : db_(db) {
    db_.setReadSource(this);
}

KumeOkuyucu::~KumeOkuyucu() {
    if (db_.readSource() == this)
        db_.setReadSource(nullptr);
}

void KumeOkuyucu::blokBaslat(const QList<qint32>& foyler) {
    blok_ = foyler;
    blokKumesi_ = QSet<qint32>(foyler.begin(), foyler.end());
    cevaplar_.clear();
    ortak_.clear();
    kirli_.clear();
    foy_ = 0;
}

void KumeOkuyucu::foyBasliyor(qint32 foyKodu) {
    // A file run again (after a lost connection) keeps only its last run's row.
    bekleyen_.removeIf([foyKodu](const Yazma& y) { return y.foy == foyKodu; });
    foy_ = foyKodu;
    kirli_.clear();
    yazdi_ = false;
}

std::optional<KumeOkuyucu::Cevap> KumeOkuyucu::blokCevabi(const QString& kalip,
                                                          const QString& alan) {
    if (metinDegeriVar(kalip))
        return std::nullopt;
    QStringList kodlar;
    for (qint32 kod : blok_)
        kodlar << QString::number(kod);
    Cevap cevap;
    const QString metin = blokMetni(kalip, alan, kodlar.join(u','), cevap.bosSatir);
    if (metin.isEmpty())
        return std::nullopt;
    kendiSorgusu_ = true;
    RecordSet rs;
    try {
        rs = db_.openRecordSet(metin);
    } catch (...) {
        // The read runs file by file, as it would have without the block.
        kendiSorgusu_ = false;
        return std::nullopt;
    }
    kendiSorgusu_ = false;
    ++blokSorgusu_;
    cevap.sutunlar = rs.fieldNames().mid(1);
    cevap.tablolar = tablolar(kalip);
    // Each row loses its first column, the file code, and goes to its file's rows.
    std::vector<QVariantList>* dosya = nullptr;
    qint32 sonKod = 0;
    for (QVariantList& satir : rs.takeRows()) {
        const qint32 kod = toInt32(satir.takeFirst());
        if (!dosya || kod != sonKod) {
            dosya = &cevap.satirlar[kod];
            sonKod = kod;
        }
        dosya->push_back(std::move(satir));
    }
    return cevap;
}

std::optional<std::pair<QStringList, std::vector<QVariantList>>> KumeOkuyucu::answer(
    const QString& text, const QVariantList& parameters) {
    if (kendiSorgusu_)
        return std::nullopt;
    if (SqlText::indexOfAscii(text, QLatin1StringView("tblfoy")) < 0) {
        // A read of the shared tables: the same text gives the same rows until a write.
        // (Kept rows are all of file tables: none of them is read here.)
        QString anahtar = text;
        for (const QVariant& p : parameters)
            anahtar += u'\x1f' + p.toString();
        if (auto it = ortak_.constFind(anahtar); it != ortak_.constEnd()) {
            ++cevaplanan_;
            return std::pair{it->sutunlar, it->satirlar};
        }
        kendiSorgusu_ = true;
        RecordSet rs;
        try {
            rs = db_.openRecordSet(text, CursorType::ForwardOnly, parameters);
        } catch (...) {
            kendiSorgusu_ = false;
            throw;
        }
        kendiSorgusu_ = false;
        Kayit kayit{rs.fieldNames(), {}, tablolar(text)};
        for (; !rs.eof(); rs.moveNext()) {
            QVariantList satir;
            for (int i = 0; i < rs.fieldCount(); ++i)
                satir << rs.value(i);
            kayit.satirlar.push_back(std::move(satir));
        }
        ortak_.insert(anahtar, kayit);
        return std::pair{kayit.sutunlar, kayit.satirlar};
    }

    // A read of the current file's rows, with its code as the only file condition.
    if (!parameters.isEmpty() || !blokKumesi_.contains(foy_)) {
        tekTekYaz(text);
        return std::nullopt;
    }
    const FoyKosulu kosul = foyKosulu(text);
    if (kosul.yer < 0 || kosul.kod != foy_) {
        tekTekYaz(text);
        return std::nullopt;
    }
    const qsizetype yer = kosul.yer;
    const qsizetype uzunluk = kosul.uzunluk;
    const QString kalip = QString(text).replace(yer, uzunluk, QStringLiteral("#"));
    auto it = cevaplar_.find(kalip);
    if (it == cevaplar_.end()) {
        tekTekYaz(text);
        it = cevaplar_.insert(kalip, blokCevabi(kalip, kosul.alan));
    } else if (!*it) {
        tekTekYaz(text);
    } else {
        // The tables the read joins are known: kept rows of one of them are written first.
        for (const QByteArray& tablo : std::as_const(bekleyenTablolar_))
            if ((*it)->tablolar.contains(QString::fromLatin1(tablo))) {
                tekTekYaz(text);
                break;
            }
    }
    if (!*it)
        return std::nullopt;
    const Cevap& cevap = **it;
    for (const QString& t : kirli_)
        if (cevap.tablolar.contains(t))
            return std::nullopt;
    ++cevaplanan_;
    const auto satirlar = cevap.satirlar.constFind(foy_);
    if (satirlar != cevap.satirlar.constEnd())
        return std::pair{cevap.sutunlar, *satirlar};
    std::vector<QVariantList> bos;
    if (!cevap.bosSatir.isEmpty())
        bos.push_back(cevap.bosSatir);
    return std::pair{cevap.sutunlar, std::move(bos)};
}

bool KumeOkuyucu::written(const QString& text, const QVariantList& parameters) {
    if (kendiSorgusu_)
        return false;
    // Each file's summary comes with the very text of the one before: no pattern for it.
    const bool ayniMetin = text.size() == sonTutulan_.size() &&
                           text.constData() == sonTutulan_.constData();
    QString tablo = sonTutulanTablo_;
    if (!ayniMetin) {
        const auto m = kYazma.match(text);
        if (!m.hasMatch())
            return false;
        tablo = m.captured(1).toLower();
    }
    static const QRegularExpression kTekSatirUpsert(
        QStringLiteral(R"(^insert\s+into\s+\w+\s*\([^)]*\)\s*values\s*\((\s*\?\s*,)*\s*\?\s*\)\s*on\s+conflict\b)"),
        Opt::CaseInsensitiveOption);
    const bool tut = YazmalariBiriktir && foyTablosu(tablo) && !parameters.isEmpty() &&
                     (ayniMetin || kTekSatirUpsert.match(text).hasMatch());
    if (tut && !ayniMetin) {
        sonTutulan_ = text;
        sonTutulanTablo_ = tablo;
    }
    if (!tut) {
        tekTekYaz(text);
        if (!yazdi_ && IlkYazmada) {
            yazdi_ = true;
            IlkYazmada();
        }
    }
    for (auto it = ortak_.begin(); it != ortak_.end();)
        it = it->tablolar.contains(tablo) ? ortak_.erase(it) : std::next(it);
    if (foyTablosu(tablo)) {
        // A file writes its own rows: its later reads of the table run as usual.
        kirli_.insert(tablo);
    } else {
        // A shared table changed: the block reads that joined it are read again.
        for (auto it = cevaplar_.begin(); it != cevaplar_.end();)
            it = (*it && (*it)->tablolar.contains(tablo)) ? cevaplar_.erase(it) : std::next(it);
    }
    if (tut) {
        bekleyen_.append({text, parameters, foy_});
        if (!bekleyenTablolar_.contains(tablo.toLatin1()))
            bekleyenTablolar_.append(tablo.toLatin1());
    }
    return tut;
}

void KumeOkuyucu::tekTekYaz(const QString& metin) {
    bool ilgili = false;
    for (const QByteArray& tablo : std::as_const(bekleyenTablolar_))
        ilgili = ilgili || SqlText::indexOfAscii(metin, QLatin1StringView(tablo)) >= 0;
    if (!ilgili)
        return;
    const QList<Yazma> yazmalar = std::exchange(bekleyen_, {});
    bekleyenTablolar_.clear();
    kendiSorgusu_ = true;
    for (const Yazma& y : yazmalar) {
        try {
            db_.execute(y.metin, y.degerler);
        } catch (const RuntimeError& e) {
            yazmaHatalari_.append({y.foy, e});
        }
    }
    kendiSorgusu_ = false;
}

QList<std::pair<qint32, RuntimeError>> KumeOkuyucu::gonder() {
    QList<std::pair<qint32, RuntimeError>> hatalar = yazmaHatalari_;
    const qsizetype sayi = bekleyen_.size();
    qsizetype i = 0;
    struct Bayrak {
        bool& b;
        ~Bayrak() { b = false; }
    } bayrak{kendiSorgusu_ = true};
    while (i < sayi) {
        // Rows of the same statement, as many as a statement may bind. SQLite finds each
        // bound value by walking the list of the statement's values, so its statements stay
        // small; a server gains most from fewer round trips.
        const Yazma& ilk = bekleyen_.at(i);
        const qsizetype butce = db_.backend() == Backend::SQLite ? kSqliteDegerleri : 30000;
        const qsizetype enFazla = std::max<qsizetype>(
            1, std::min<qsizetype>(100, butce / ilk.degerler.size()));
        qsizetype j = i + 1;
        while (j < sayi && j - i < enFazla && bekleyen_.at(j).metin == ilk.metin)
            ++j;
        const qsizetype degerYeri = ilk.metin.indexOf(QLatin1StringView("?"));
        const qsizetype bas = ilk.metin.lastIndexOf(u'(', degerYeri);
        const qsizetype son = ilk.metin.indexOf(u')', degerYeri);
        const QString satir = ilk.metin.mid(bas, son - bas + 1);
        QString metin = ilk.metin.left(son + 1);
        QVariantList degerler = ilk.degerler;
        for (qsizetype k = i + 1; k < j; ++k) {
            metin += QStringLiteral(", ") + satir;
            degerler += bekleyen_.at(k).degerler;
        }
        metin += ilk.metin.mid(son + 1);
        db_.execute(QStringLiteral("SAVEPOINT quv_parti"));
        try {
            db_.execute(metin, degerler);
            db_.execute(QStringLiteral("RELEASE SAVEPOINT quv_parti"));
        } catch (const RuntimeError&) {
            // One row the database refuses: the others are written, each on its own. (A
            // lost connection fails the undo as well and ends the block's write.)
            db_.execute(QStringLiteral("ROLLBACK TO SAVEPOINT quv_parti"));
            for (qsizetype k = i; k < j; ++k) {
                try {
                    db_.execute(QStringLiteral("SAVEPOINT quv_satir"));
                    db_.execute(bekleyen_.at(k).metin, bekleyen_.at(k).degerler);
                    db_.execute(QStringLiteral("RELEASE SAVEPOINT quv_satir"));
                } catch (const RuntimeError& e) {
                    db_.execute(QStringLiteral("ROLLBACK TO SAVEPOINT quv_satir"));
                    hatalar.append({bekleyen_.at(k).foy, e});
                }
            }
            db_.execute(QStringLiteral("RELEASE SAVEPOINT quv_parti"));
        }
        i = j;
    }
    return hatalar;
}

void KumeOkuyucu::gonderildi() {
    bekleyen_.clear();
    bekleyenTablolar_.clear();
    yazmaHatalari_.clear();
}

QList<qint32> KumeOkuyucu::bekleyenleriBirak() {
    QList<qint32> foyler;
    for (const Yazma& y : std::exchange(bekleyen_, {}))
        foyler << y.foy;
    bekleyenTablolar_.clear();
    return foyler;
}

}  // namespace quv
