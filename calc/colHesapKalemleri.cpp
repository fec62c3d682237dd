#include "calc/colHesapKalemleri.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quv {

clsHesapKalemi& colHesapKalemleri::Add(Enum_KalemTipi KalemTipi, const QString& Tarih,
                                       qint32 ItemIndex, Money Tutar, quint8 Doviz, Money Kur,
                                       quint8 AlacakDoviz, Money AlacakKur, float Oran,
                                       Enum_TahsilatSekli TahsilatSekli, qint16 TahsilatKodu,
                                       Money BirikmisFaiz, Enum_TahsilatMahsupSirasi MahsupSirasi) {
    auto kalem = std::make_shared<clsHesapKalemi>();
    kalem->KalemTipi = KalemTipi;
    kalem->Tarih = Tarih;
    kalem->ItemIndex = ItemIndex;
    kalem->Tutar = Tutar;
    kalem->Doviz = Doviz;
    kalem->Kur = Kur;
    kalem->AlacakDoviz = AlacakDoviz;
    kalem->AlacakKur = AlacakKur;
    kalem->Oran = Oran;
    kalem->TahsilatSekli = TahsilatSekli;
    kalem->TahsilatKodu = TahsilatKodu;
    kalem->BirikmisFaiz = BirikmisFaiz;
    kalem->MahsupSirasi = MahsupSirasi;
    return Add(std::move(kalem));
}

clsHesapKalemi& colHesapKalemleri::AddKalem(std::shared_ptr<clsHesapKalemi> YeniKalem, int Before) {
    if (!YeniKalem)
        throw RuntimeError::invalidUseOfNull();
    if (Before == -1)
        return Add(std::move(YeniKalem));
    return Insert(Before, std::move(YeniKalem));
}

void colHesapKalemleri::RemoveByKalemTipi(Enum_KalemTipi KalemTipi) {
    for (int i = Count(); i >= 1; --i)
        if (Item(i).KalemTipi == KalemTipi)
            Remove(i);
}

namespace {

// The key of an item whose date is eight digits and whose kind is 0 to 999, as the number
// its eleven digits spell; -1 for any other item.
qint64 sayisalAnahtar(const clsHesapKalemi& kalem) {
    const qint32 tip = static_cast<qint32>(kalem.KalemTipi);
    if (kalem.Tarih.size() != 8 || tip < 0 || tip > 999)
        return -1;
    qint64 deger = 0;
    for (const QChar c : kalem.Tarih) {
        if (c < u'0' || c > u'9')
            return -1;
        deger = deger * 10 + (c.unicode() - u'0');
    }
    return deger * 1000 + tip;
}

colHesapKalemleri siraliListe(std::vector<std::shared_ptr<clsHesapKalemi>> kalemler) {
    colHesapKalemleri sirali;
    sirali.Reserve(static_cast<int>(kalemler.size()));
    for (auto& kalem : kalemler)
        sirali.Add(std::move(kalem));
    return sirali;
}

}  // namespace

colHesapKalemleri HesapKalemleriniSirala(colHesapKalemleri HesapKalemleri) {
    // Inserting each item before the first one whose key is strictly greater puts it
    // after every item with an equal key: a stable sort on the key, which is what
    // std::stable_sort gives with the same ordinal comparison.
    const int sayi = HesapKalemleri.Count();
    // Keys of the same eleven digits order as the numbers they spell: a file's items
    // (eight-digit dates, kinds below 1000) are sorted on those numbers.
    std::vector<std::pair<qint64, std::shared_ptr<clsHesapKalemi>>> sayisal;
    sayisal.reserve(static_cast<std::size_t>(sayi));
    for (int i = 1; i <= sayi; ++i) {
        auto kalem = HesapKalemleri.pointer(i);
        const qint64 anahtar = sayisalAnahtar(*kalem);
        if (anahtar < 0)
            break;
        sayisal.emplace_back(anahtar, std::move(kalem));
    }
    if (static_cast<int>(sayisal.size()) == sayi) {
        std::stable_sort(sayisal.begin(), sayisal.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::shared_ptr<clsHesapKalemi>> kalemler;
        kalemler.reserve(sayisal.size());
        for (auto& e : sayisal)
            kalemler.push_back(std::move(e.second));
        return siraliListe(std::move(kalemler));
    }
    // Any other keys are written one after the other into one text and compared as text.
    struct Entry {
        qsizetype start;
        qsizetype length;
        std::shared_ptr<clsHesapKalemi> kalem;
    };
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(sayi));
    QString keys;
    keys.reserve(12 * sayi);
    for (int i = 1; i <= sayi; ++i) {
        auto kalem = HesapKalemleri.pointer(i);
        const qsizetype start = keys.size();
        kalem->SiralamaSahasiniEkle(keys);
        entries.push_back({start, keys.size() - start, std::move(kalem)});
    }
    const QStringView all(keys);
    std::stable_sort(entries.begin(), entries.end(), [all](const Entry& a, const Entry& b) {
        return all.mid(a.start, a.length).compare(all.mid(b.start, b.length),
                                                  Qt::CaseSensitive) < 0;
    });
    std::vector<std::shared_ptr<clsHesapKalemi>> kalemler;
    kalemler.reserve(entries.size());
    for (auto& e : entries)
        kalemler.push_back(std::move(e.kalem));
    return siraliListe(std::move(kalemler));
}

}  // namespace quv
