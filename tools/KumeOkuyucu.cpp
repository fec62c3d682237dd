#include "tools/KumeOkuyucu.h"

#include "engine/SqlText.h"
#include "engine/Variant.h"

#include <QRegularExpression>

#include <cstring>

namespace quv {

namespace {

using Opt = QRegularExpression::PatternOption;

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

// The rows of the files just after the one at `yer` are brought into the processor's cache
// while that one is calculated, in steps, each from what the step before brought: three
// files ahead the list of a file's rows, two ahead the rows, and the next file's texts.
void onceGetir(const OndenOkuyucu::Cevaplar& cevaplar, qsizetype yer) {
    if (yer < 0)
        return;
    for (const auto& cevap : cevaplar) {
        if (!cevap)
            continue;
        const auto dosya = [&](qsizetype ileri) -> const std::vector<QVariantList>* {
            const auto i = static_cast<size_t>(yer + ileri);
            return i < cevap->dosyalar.size() ? &cevap->dosyalar[i] : nullptr;
        };
        if (const auto* d = dosya(3))
            BlokOkumasi::onbellegeAl(d->data(), d->data() + d->size());
        if (const auto* d = dosya(2))
            for (const QVariantList& satir : *d)
                BlokOkumasi::degerleriAl(satir);
        if (const auto* d = dosya(1))
            for (const QVariantList& satir : *d)
                BlokOkumasi::metinleriAl(satir);
    }
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
    OndenOkuyucu::Cevaplar eski = std::exchange(cevaplar_, {});
    oncekiBlok_.clear();
    for (auto it = eski.cbegin(); it != eski.cend(); ++it)
        if (*it && (*it)->kullanim > 1)
            oncekiBlok_.append({it.key(), (*it)->alan});
    ortak_.clear();
    izleriUnut();
    kirli_.clear();
    foy_ = 0;
    foyYeri_ = -1;
    ondenOkunanlariAl(foyler);
    yazilanOrtaklar_.clear();
    // Freeing a block's rows takes a while: the reading thread does it.
    if (onden_)
        onden_->birak(std::move(eski));
}

void KumeOkuyucu::sonrakiBlok(const QList<qint32>& foyler) {
    if (!db_.url().opensBeside())
        return;
    if (!onden_)
        onden_ = std::make_unique<OndenOkuyucu>(db_.url());
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
        cevaplar_.insert(it.key(), std::make_shared<Cevap>(std::move(it.value())));
        ++ondenOkunan_;
    }
}

void KumeOkuyucu::foyBasliyor(qint32 foyKodu) {
    // A file run again (after a lost connection) keeps only its last run's row.
    bekleyen_.removeIf([foyKodu](const BlokYazimi::Satir& y) { return y.foy == foyKodu; });
    foy_ = foyKodu;
    foyMetni_ = QString::number(foyKodu);
    // Files start in the block's order: the place after the last is looked at first.
    const qsizetype sonraki = foyYeri_ + 1;
    foyYeri_ = sonraki < blok_.size() && blok_.at(sonraki) == foyKodu ? sonraki
                                                                      : blok_.indexOf(foyKodu);
    sira_ = 0;
    kirli_.clear();
    yazdi_ = false;
    onceGetir(cevaplar_, foyYeri_);
}

std::shared_ptr<KumeOkuyucu::Cevap> KumeOkuyucu::blokCevabi(const QString& kalip,
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
        return nullptr;
    ++blokSorgusu_;
    return std::make_shared<Cevap>(std::move(*cevap));
}

bool KumeOkuyucu::Iz::ayniOkuma(const QString& text, const QString& foyMetni) const {
    // Texts are compared as bytes: only the very same characters count.
    auto ayni = [](const QChar* a, const QChar* b, qsizetype n) {
        return std::memcmp(a, b, static_cast<std::size_t>(n) * sizeof(QChar)) == 0;
    };
    if (ortak)
        return metin.size() == text.size() && ayni(metin.constData(), text.constData(), text.size());
    // The read of the file before, with this file's code in place of that one's.
    const qsizetype sonrasi = metin.size() - yer - uzunluk;
    return text.size() == yer + foyMetni.size() + sonrasi &&
           ayni(text.constData() + yer, foyMetni.constData(), foyMetni.size()) &&
           ayni(text.constData(), metin.constData(), yer) &&
           ayni(text.constData() + text.size() - sonrasi, metin.constData() + metin.size() - sonrasi,
                sonrasi);
}

void KumeOkuyucu::izleriUnut() {
    izler_.clear();
}

std::optional<std::pair<QStringList, RecordSet::Rows>> KumeOkuyucu::answer(
    const QString& text, const QVariantList& parameters) {
    if (kendiSorgusu_)
        return std::nullopt;
    // A file's reads come in the order the file before made them: the n-th read of the file
    // before, the same but for the file code, is answered as it was without taking the text
    // apart again.
    const qsizetype sira = sira_++;
    if (sira < izler_.size()) {
        const Iz& iz = izler_.at(sira);
        if (iz.ortak && iz.degerler == parameters && iz.ayniOkuma(text, foyMetni_)) {
            ++cevaplanan_;
            return std::pair{iz.sutunlar, iz.satirlar};
        }
        if (!iz.ortak && foyBlokta() && parameters.isEmpty() && iz.ayniOkuma(text, foyMetni_))
            return dosyaCevabi(text, iz.cevap);
    }
    if (SqlText::indexOfAscii(text, QLatin1StringView("tblfoy")) < 0) {
        // A read of the shared tables: the same text gives the same rows until a write.
        // (Kept rows are all of file tables: none of them is read here.)
        QString anahtar = text;
        for (const QVariant& p : parameters)
            anahtar += u'\x1f' + p.toString();
        auto it = ortak_.constFind(anahtar);
        if (it != ortak_.constEnd()) {
            ++cevaplanan_;
        } else {
            kendiSorgusu_ = true;
            RecordSet rs;
            try {
                rs = db_.openRecordSet(text, CursorType::ForwardOnly, parameters);
            } catch (...) {
                kendiSorgusu_ = false;
                throw;
            }
            kendiSorgusu_ = false;
            const QStringList sutunlar = rs.fieldNames();
            it = ortak_.insert(anahtar, {sutunlar,
                                         std::make_shared<std::vector<QVariantList>>(rs.takeRows()),
                                         BlokOkumasi::tablolar(text)});
        }
        izle(sira, {text, parameters, true, 0, 0, it->sutunlar, it->satirlar, nullptr});
        return std::pair{it->sutunlar, it->satirlar};
    }

    // A read of the current file's rows, with its code as the only file condition.
    if (!parameters.isEmpty() || !foyBlokta()) {
        tekTekYaz(text);
        return std::nullopt;
    }
    const FoyKosulu kosul = foyKosulu(text);
    if (kosul.yer < 0 || kosul.kod != foy_) {
        tekTekYaz(text);
        return std::nullopt;
    }
    const QString kalip = QString(text).replace(kosul.yer, kosul.uzunluk, QStringLiteral("#"));
    auto it = cevaplar_.constFind(kalip);
    if (it == cevaplar_.constEnd()) {
        tekTekYaz(text);
        it = cevaplar_.insert(kalip, blokCevabi(kalip, kosul.alan));
        if (!*it)
            return std::nullopt;
    }
    izle(sira, {text, {}, false, kosul.yer, kosul.uzunluk, {}, {}, *it});
    return dosyaCevabi(text, *it);
}

void KumeOkuyucu::izle(qsizetype sira, Iz iz) {
    if (sira > izler_.size())
        return;
    if (sira == izler_.size())
        izler_.append(std::move(iz));
    else
        izler_[sira] = std::move(iz);
}

std::optional<std::pair<QStringList, RecordSet::Rows>> KumeOkuyucu::dosyaCevabi(
    const QString& text, const std::shared_ptr<Cevap>& cevap) {
    if (!cevap) {
        tekTekYaz(text);
        return std::nullopt;
    }
    // The tables the read joins are known: kept rows of one of them are written first. (The
    // answer remembers whether it joins one until the kept rows' tables change.)
    if (cevap->bekleyenSurumu != bekleyenSurumu_) {
        cevap->bekleyenSurumu = bekleyenSurumu_;
        cevap->bekleyenleriOkur = false;
        for (const QString& tablo : std::as_const(bekleyenTablolar_))
            cevap->bekleyenleriOkur = cevap->bekleyenleriOkur || cevap->tablolar.contains(tablo);
    }
    if (cevap->bekleyenleriOkur)
        tekTekYaz(text);
    for (const QString& t : std::as_const(kirli_))
        if (cevap->tablolar.contains(t))
            return std::nullopt;
    ++cevaplanan_;
    ++cevap->kullanim;
    // The file's rows share the answer's count of users: one count, kept by this thread.
    const std::vector<QVariantList>* satirlar = &cevap->bos;
    if (foyBlokta() && !cevap->dosyalar.at(static_cast<size_t>(foyYeri_)).empty())
        satirlar = &cevap->dosyalar[static_cast<size_t>(foyYeri_)];
    return std::pair{cevap->sutunlar, RecordSet::Rows(cevap, satirlar)};
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
        ilkYazma();
        tekTekYaz(text);
    }
    const qsizetype okumalar = ortak_.size() + cevaplar_.size();
    if (foyTablosu(tablo)) {
        // A file writes its own rows: its later reads of the table run as usual. (No shared
        // read names a file table.)
        kirli_.insert(tablo);
    } else {
        // A shared table changed: the reads that joined it are read again.
        for (auto it = ortak_.begin(); it != ortak_.end();)
            it = it->tablolar.contains(tablo) ? ortak_.erase(it) : std::next(it);
        yazilanOrtaklar_.insert(tablo);
        for (auto it = cevaplar_.begin(); it != cevaplar_.end();)
            it = (*it && (*it)->tablolar.contains(tablo)) ? cevaplar_.erase(it) : std::next(it);
    }
    // A read forgotten is not answered from the reads of the file before either.
    if (ortak_.size() + cevaplar_.size() != okumalar)
        izleriUnut();
    if (tut) {
        bekleyen_.append({text, parameters, foy_});
        if (!bekleyenTablolar_.contains(tablo)) {
            bekleyenTablolar_.append(tablo);
            ++bekleyenSurumu_;
        }
    }
    return tut;
}

void KumeOkuyucu::tekTekYaz(const QString& metin) {
    bool ilgili = false;
    for (const QString& tablo : std::as_const(bekleyenTablolar_))
        ilgili = ilgili || SqlText::indexOfAscii(metin, QLatin1StringView(tablo.toLatin1())) >= 0;
    if (!ilgili)
        return;
    ilkYazma();
    const QList<BlokYazimi::Satir> yazmalar = std::exchange(bekleyen_, {});
    bekleyenTablolar_.clear();
    ++bekleyenSurumu_;
    kendiSorgusu_ = true;
    for (const BlokYazimi::Satir& y : yazmalar) {
        try {
            db_.execute(y.metin, y.degerler);
        } catch (const RuntimeError& e) {
            yazmaHatalari_.append({y.foy, e});
        }
    }
    kendiSorgusu_ = false;
}

void KumeOkuyucu::ilkYazma() {
    if (!yazdi_ && IlkYazmada) {
        yazdi_ = true;
        IlkYazmada();
    }
}

BlokYazimi::Hatalar KumeOkuyucu::gonder(const QList<BlokYazimi::Satir>& satirlar) {
    struct Bayrak {
        bool& b;
        ~Bayrak() { b = false; }
    } bayrak{kendiSorgusu_ = true};
    return BlokYazimi::gonder(db_, satirlar);
}

BlokYazimi::Is KumeOkuyucu::bekleyenleriAl() {
    bekleyenTablolar_.clear();
    ++bekleyenSurumu_;
    return {std::exchange(bekleyen_, {}), {}, std::exchange(yazmaHatalari_, {})};
}

}  // namespace quv
