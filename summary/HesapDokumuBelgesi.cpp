#include "summary/HesapDokumuBelgesi.h"

#include <algorithm>

namespace quv {

namespace {

constexpr Qt::Alignment Sol = Qt::AlignLeft;
constexpr Qt::Alignment Sag = Qt::AlignRight;

DocumentBlock ikiSutun(const QString& baslik, const QList<HesapDokumu::Satir>& satirlar) {
    DocumentBlock blok;
    blok.heading = baslik;
    blok.columns = {{}, {}};
    for (const auto& [etiket, deger] : satirlar) {
        blok.columns[0] << etiket;
        blok.columns[1] << deger;
    }
    blok.alignments = {Sol, Sag};
    return blok;
}

// A block whose first row holds the column captions.
DocumentBlock tablo(const QString& baslik, const QStringList& basliklar,
                    const QList<Qt::Alignment>& hizalar) {
    DocumentBlock blok;
    blok.heading = baslik;
    for (const QString& b : basliklar)
        blok.columns.append(QStringList{b});
    blok.alignments = hizalar;
    return blok;
}

void satirEkle(DocumentBlock& blok, const QStringList& hucreler) {
    for (qsizetype i = 0; i < blok.columns.size(); ++i)
        blok.columns[i] << hucreler.value(i);
}

}  // namespace

Document hesapDokumuBelgesi(const HesapDokumu& dokum) {
    Document belge;
    belge.title = QStringLiteral("HESAP DÖKÜMÜ\nFöy Kodu : ") + QString::number(dokum.FoyKodu);
    belge.blocks << ikiSutun(QStringLiteral("Föy Bilgileri"), dokum.Kunye);
    for (const HesapOzetiGrubu& grup : dokum.Ozet)
        belge.blocks << ikiSutun(QStringLiteral("Hesap Özeti: ") + grup.baslik, grup.satirlar);

    for (const HesapDokumu::Alacak& a : dokum.Alacaklar) {
        QString baslik = QStringLiteral("Alacak: ") + a.Ad + QStringLiteral(" — ") + a.Tutar;
        if (!a.FaizBaslangici.isEmpty())
            baslik += QStringLiteral(", faiz başlangıcı ") + a.FaizBaslangici;
        if (a.FaizSatirlari.isEmpty()) {
            belge.blocks << DocumentBlock{baslik, {}, {}, -1};
            continue;
        }
        DocumentBlock blok =
            tablo(baslik,
                  {QStringLiteral("Başlangıç"), QStringLiteral("Bitiş"), QStringLiteral("Gün"),
                   QStringLiteral("Oran %"), QStringLiteral("Anapara"), QStringLiteral("Faiz"),
                   QStringLiteral("Açıklama")},
                  {Sol, Sol, Sag, Sag, Sag, Sag, Sol});
        blok.wrapColumn = 6;
        for (const HesapDokumu::FaizSatiri& s : a.FaizSatirlari)
            satirEkle(blok,
                      {s.Baslangic, s.Bitis, s.Gun, s.Oran, s.AsilAlacak, s.Tutar, s.Aciklama});
        satirEkle(blok, {QStringLiteral("Toplam"), {}, {}, {}, {}, a.FaizToplami});
        belge.blocks << blok;
    }

    if (!dokum.Tahsilatlar.isEmpty()) {
        DocumentBlock blok =
            tablo(QStringLiteral("Tahsilatlar"),
                  {QStringLiteral("Tarih"), QStringLiteral("Dönem"), QStringLiteral("Tutar"),
                   QStringLiteral("Mahsup edildiği borç"), QStringLiteral("Mahsup")},
                  {Sol, Sol, Sag, Sol, Sag});
        blok.wrapColumn = 3;
        // The collection on its first row (its debt-currency value under it), one
        // debt it paid per row beside.
        for (const HesapDokumu::Tahsilat& t : dokum.Tahsilatlar) {
            const qsizetype satirSayisi =
                std::max<qsizetype>({1, t.Kisimlar.size(), t.DovizTutari.isEmpty() ? 1 : 2});
            for (qsizetype i = 0; i < satirSayisi; ++i) {
                QStringList satir = i == 0
                                        ? QStringList{t.Tarih, t.Donem, t.Tutar}
                                        : QStringList{{}, {}, i == 1 ? t.DovizTutari : QString()};
                if (i < t.Kisimlar.size())
                    satir << t.Kisimlar[i].first << t.Kisimlar[i].second;
                satirEkle(blok, satir);
            }
        }
        belge.blocks << blok;
    }

    if (!dokum.Masraflar.isEmpty()) {
        DocumentBlock blok =
            tablo(QStringLiteral("Masraflar"),
                  {QStringLiteral("Tarih"), QStringLiteral("Masraf türü"), QStringLiteral("Tutar")},
                  {Sol, Sol, Sag});
        for (const HesapDokumu::Masraf& m : dokum.Masraflar)
            satirEkle(blok, {m.Tarih, m.Tur, m.Tutar});
        satirEkle(blok, {QStringLiteral("Toplam"), {}, dokum.MasrafToplami});
        belge.blocks << blok;
    }

    if (!dokum.Uyarilar.isEmpty()) {
        DocumentBlock blok;
        blok.heading = QStringLiteral("Uyarılar");
        blok.columns << dokum.Uyarilar;
        blok.wrapColumn = 0;
        belge.blocks << blok;
    }
    return belge;
}

}  // namespace quv
