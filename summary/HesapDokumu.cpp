#include "summary/HesapDokumu.h"

#include "calc/clsKademeliFaizKalemi.h"
#include "calc/colKademeliFaizler.h"
#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "file/Enumerations.h"
#include "file/FieldReads.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"

#include <QRegularExpression>

namespace quv {

namespace {

QString tutar(Money deger) {
    return formatNumber(deger, FormatMoneyZero);
}

QString tarih(const QString& metin) {
    return shared().dates().display(metin);
}

RecordSet oku(const QString& sql, const QVariantList& parametreler) {
    return shared().connection().openRecordSet(sql, CursorType::ForwardOnly, parametreler);
}

QString adSoyad(RecordSet& rs) {
    return (FieldReads::textOrEmpty(rs.value(QStringLiteral("ad"))).trimmed() + u' ' +
            FieldReads::textOrEmpty(rs.value(QStringLiteral("soyad"))).trimmed())
        .trimmed();
}

// The file's head: its code, creditor and attorney, debtors, dates and currency.
QList<HesapDokumu::Satir> kunye(const clsFoyBilgileri& foy) {
    const QVariantList kod{foy.FoyKodu};
    QList<HesapDokumu::Satir> satirlar{{QStringLiteral("Föy Kodu"), QString::number(foy.FoyKodu)}};
    RecordSet dosya =
        oku(QStringLiteral("select alacaklikodu, avukatkodu from tblfoy where foykodu = ?"), kod);
    if (!dosya.eof()) {
        const qint32 alacakli =
            FieldReads::int32OrZero(dosya.value(QStringLiteral("alacaklikodu")));
        const qint32 avukat = FieldReads::int32OrZero(dosya.value(QStringLiteral("avukatkodu")));
        if (alacakli != 0)
            satirlar.append({QStringLiteral("Alacaklı Kodu"), QString::number(alacakli)});
        if (foy.AlacakliSayisi > 1)
            satirlar.append(
                {QStringLiteral("Alacaklı Sayısı"), QString::number(foy.AlacakliSayisi)});
        RecordSet vekil =
            oku(QStringLiteral("select ad, soyad from tblavukat where avukatkodu = ?"), {avukat});
        if (!vekil.eof() && !adSoyad(vekil).isEmpty())
            satirlar.append(
                {QStringLiteral("Alacaklı Vekili"), QStringLiteral("Av. ") + adSoyad(vekil)});
    }
    QStringList borclular;
    // Only the debtors: a guarantor or another party is not named as one.
    RecordSet sahis = oku(QStringLiteral("select ad, soyad from tblfoy_sahis where foykodu = ? "
                                         "and foysahistipi = %1 order by foysahiskodu")
                              .arg(kBorcluSahisTipi),
                          kod);
    for (; !sahis.eof(); sahis.moveNext())
        if (!adSoyad(sahis).isEmpty())
            borclular << adSoyad(sahis);
    if (!borclular.isEmpty())
        satirlar.append(
            {borclular.size() > 1 ? QStringLiteral("Borçlular") : QStringLiteral("Borçlu"),
             borclular.join(QStringLiteral(", "))});
    satirlar.append({QStringLiteral("Takip Tarihi"), tarih(foy.TakipTarihi)});
    satirlar.append({QStringLiteral("Hesap Tarihi"), tarih(foy.GununTarihi)});
    satirlar.append({QStringLiteral("Döküm Tarihi"), tarih(shared().dates().today())});
    if (!foy.ParaBirimiSimgesi.isEmpty())
        satirlar.append({QStringLiteral("Para Birimi"), foy.ParaBirimiSimgesi});
    return satirlar;
}

// A claim with the lines of its tiered interest as they read best: the periods split
// only by a collection that changed neither principal nor rate joined, the periods
// without interest left out. The file's own lines stay as the engine made them.
HesapDokumu::Alacak alacak(clsAlacakKalemi& kalem, const QString& tur) {
    HesapDokumu::Alacak a;
    a.Ad = tur.isEmpty() ? kalem.AlacakAdi : kalem.AlacakAdi + QStringLiteral(" (") + tur + u')';
    a.FaizBaslangici = tarih(kalem.FaizBaslangicTarihi);
    a.Tutar = tutar(kalem.Tutar);
    colKademeliFaizler satirlar;
    if (const auto detay = kalem.KademeliFaizDetayiPtr())
        for (const clsKademeliFaizKalemi& s : *detay)
            satirlar.Add(clsKademeliFaizKalemi(s));
    satirlar.TahsilatKalemleriniBirlestir();
    Money toplam;
    for (const clsKademeliFaizKalemi& s : satirlar) {
        a.FaizSatirlari.append({tarih(s.BaslangicTarihi), tarih(s.BitisTarihi),
                                QString::number(s.Gunsayisi),
                                formatNumber(static_cast<double>(s.Oran), FormatMoneyZero),
                                tutar(s.Tutar), tutar(s.AsilAlacakTutari), s.AciklamaMetni()});
        toplam += s.Tutar;
    }
    a.FaizToplami = tutar(toplam);
    return a;
}

HesapDokumu::Tahsilat tahsilat(const TahsilatMahsubu& m, const clsFoyBilgileri& foy) {
    // In a foreign-currency file the debts held in that currency are reduced by the
    // collection converted into it: each amount names its unit.
    const bool doviz = foy.ParaBirimiKodu != 1 && !foy.ParaBirimiSimgesi.isEmpty();
    const auto birimli = [&](Money deger, bool dovizle) {
        return tutar(deger) + (doviz
                                   ? u' ' + (dovizle ? foy.ParaBirimiSimgesi : QStringLiteral("TL"))
                                   : QString());
    };
    HesapDokumu::Tahsilat t;
    t.Tarih = tarih(m.Tarih);
    t.Tutar = birimli(m.TL, false);
    if (doviz)
        t.DovizTutari = birimli(m.Doviz, true);
    t.Donem = m.TakiptenSonra ? QStringLiteral("Takip sonrası") : QStringLiteral("Takip öncesi");
    for (const MahsupKismi& k : m.Kisimlar)
        t.Kisimlar.append(
            {mahsupBileseniAdi(k.Bilesen), birimli(k.Tutar, dovizCinsinden(k.Bilesen))});
    if (m.Kalan > Money())
        t.Kisimlar.append({QStringLiteral("Fazla tahsilat"), birimli(m.Kalan, true)});
    return t;
}

}  // namespace

HesapDokumu hesapDokumuOlustur(clsFoyBilgileri& foy) {
    HesapDokumu d;
    d.FoyKodu = foy.FoyKodu;
    d.Kunye = kunye(foy);
    d.Ozet = hesapOzetiGruplari(foy.HesapOzeti());

    for (clsAlacakKalemi& k : foy.Alacaklar())
        d.Alacaklar.append(alacak(k, QString()));
    if (foy.KidemTazminatiKalemi)
        d.Alacaklar.append(alacak(*foy.KidemTazminatiKalemi, QString()));
    for (clsAlacakKalemi& k : foy.SonrakiAlacaklar())
        d.Alacaklar.append(alacak(k, QStringLiteral("sonraki alacak")));
    for (clsAlacakKalemi& k : foy.TODAs())
        d.Alacaklar.append(alacak(k, QStringLiteral("takip öncesi diğer alacak")));

    for (const TahsilatMahsubu& m : foy.TahsilatMahsuplari)
        d.Tahsilatlar.append(tahsilat(m, foy));

    Money toplam;
    RecordSet masraf = oku(
        QStringLiteral("select fm.masraftarihi, fm.masraftutari, mt.ad from tblfoy_masraf as fm "
                       "left join tblmasrafturu as mt on mt.kod = fm.masrafturukodu "
                       "where fm.foykodu = ? order by fm.masraftarihi, fm.masrafkodu"),
        {foy.FoyKodu});
    for (; !masraf.eof(); masraf.moveNext()) {
        const Money deger = FieldReads::moneyOrZero(masraf.value(QStringLiteral("masraftutari")));
        d.Masraflar.append(
            {tarih(FieldReads::textOrEmpty(masraf.value(QStringLiteral("masraftarihi")))),
             FieldReads::textOrEmpty(masraf.value(QStringLiteral("ad"))), tutar(deger)});
        toplam += deger;
    }
    d.MasrafToplami = tutar(toplam);

    for (const QString& satir :
         foy.Mesaj.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts))
        d.Uyarilar << satir.trimmed();
    return d;
}

std::optional<HesapDokumu> hesapDokumuHesapla(clsHesapAna& hesap, qint32 FoyKodu,
                                              const QString& tarih) {
    const quint64 onceki = shared().reportedErrors();
    std::shared_ptr<clsFoyBilgileri> foy =
        hesap.TariheGoreHesapla(FoyKodu, tarih, false, true, true);
    if (!foy || shared().reportedErrors() != onceki)
        return std::nullopt;
    return trapped<std::optional<HesapDokumu>>(QStringLiteral("Hesap.HesapDokumu"), std::nullopt,
                                               [&] { return hesapDokumuOlustur(*foy); });
}

}  // namespace quv
