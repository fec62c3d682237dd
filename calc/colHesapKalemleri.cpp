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

colHesapKalemleri HesapKalemleriniSirala(colHesapKalemleri HesapKalemleri) {
    // Inserting each item before the first one whose key is strictly greater puts it
    // after every item with an equal key: a stable sort on the key, which is what
    // std::stable_sort gives with the same ordinal comparison.
    // The keys are written one after the other into one text.
    struct Entry {
        qsizetype start;
        qsizetype length;
        std::shared_ptr<clsHesapKalemi> kalem;
    };
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(HesapKalemleri.Count()));
    QString keys;
    keys.reserve(12 * HesapKalemleri.Count());
    for (int i = 1; i <= HesapKalemleri.Count(); ++i) {
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
    colHesapKalemleri sirali;
    sirali.Reserve(static_cast<int>(entries.size()));
    for (auto& e : entries)
        sirali.Add(std::move(e.kalem));
    return sirali;
}

}  // namespace quv
