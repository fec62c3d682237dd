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
const QRegularExpression kYazma(
    QStringLiteral(R"(^\s*(?:insert\s+into|update|delete\s+from)\s+(\w+))"),
    Opt::CaseInsensitiveOption);
bool foyTablosu(const QString& tablo) {
    return tablo == QLatin1String("tblfoy") || tablo.startsWith(QLatin1String("tblfoy_"));
}

}  // namespace

KumeOkuyucu::KumeOkuyucu(Database& db) : db_(db) {
    db_.setReadSource(this);
}

KumeOkuyucu::~KumeOkuyucu() {
    onden_.reset();
    if (db_.readSource() == this)
        db_.setReadSource(nullptr);
}

void KumeOkuyucu::blokBaslat(const QList<qint32>& foyler) {
    blok_ = foyler;
    blokKumesi_ = QSet<qint32>(foyler.begin(), foyler.end());
    OndenOkuyucu::Cevaplar eski = std::exchange(cevaplar_, {});
    oncekiBlok_.clear();
    for (auto it = eski.cbegin(); it != eski.cend(); ++it)
        if (*it && (*it)->kullanim > 1)
            oncekiBlok_.append({it.key(), (*it)->alan});
    ortak_.clear();
    kirli_.clear();
    foy_ = 0;
    ondenOkunanlariAl(foyler);
    yazilanOrtaklar_.clear();
    // Freeing a block's rows takes a while: the reading thread does it.
    if (onden_)
        onden_->birak(std::move(eski));
}

void KumeOkuyucu::sonrakiBlok(const QList<qint32>& foyler) {
    const DatabaseUrl& url = db_.url();
    if (url.backend == Backend::ODBC ||
        (url.backend == Backend::SQLite && url.path == QLatin1String(":memory:")))
        return;
    if (!onden_)
        onden_ = std::make_unique<OndenOkuyucu>(url);
    // The reads the block before shared among its files, and those this block's files made
    // so far (a read whose text differs from file to file is made ahead once at most).
    QList<OndenOkuyucu::Okuma> okumalar = oncekiBlok_;
    QSet<QString> secilen;
    for (const OndenOkuyucu::Okuma& o : std::as_const(okumalar))
        secilen.insert(o.kalip);
    for (auto it = cevaplar_.cbegin(); it != cevaplar_.cend(); ++it)
        if (*it && (*it)->kullanim > 0 && !secilen.contains(it.key()))
            okumalar.append({it.key(), (*it)->alan});
    onden_->baslat(foyler, okumalar);
}

void KumeOkuyucu::ondenOkunanlariAl(const QList<qint32>& foyler) {
    if (!onden_)
        return;
    auto sonuc = onden_->al();
    if (!sonuc)
        return;
    for (auto it = sonuc->cevaplar.begin(); it != sonuc->cevaplar.end(); ++it) {
        // Each statement ran for this run: the log and a replay of the run count it.
        db_.noteRead(it->sorgu, it->sure, it->satirSayisi);
        ++blokSorgusu_;
        // Rows read before the block that ends committed: what it wrote to a shared table
        // is not in them. (Its files' own rows are not the next files'.)
        if (sonuc->foyler != foyler || it->tablolar.intersects(yazilanOrtaklar_))
            continue;
        cevaplar_.insert(it.key(), std::move(it.value()));
        ++ondenOkunan_;
    }
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
    kendiSorgusu_ = true;
    std::optional<Cevap> cevap;
    try {
        cevap = BlokOkumasi::oku(db_, kalip, alan, blok_);
    } catch (...) {
        // The read runs file by file, as it would have without the block.
    }
    kendiSorgusu_ = false;
    if (!cevap)
        return std::nullopt;
    ++blokSorgusu_;
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
        Kayit kayit{rs.fieldNames(), {}, BlokOkumasi::tablolar(text)};
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
    Cevap& cevap = **it;
    for (const QString& t : kirli_)
        if (cevap.tablolar.contains(t))
            return std::nullopt;
    ++cevaplanan_;
    ++cevap.kullanim;
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
        yazilanOrtaklar_.insert(tablo);
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
