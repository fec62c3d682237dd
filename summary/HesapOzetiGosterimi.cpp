#include "summary/HesapOzetiGosterimi.h"

#include "engine/NumberFormat.h"

#include <QHash>

namespace quv {

namespace {

struct Baslik {
    const char* alan;
    const char* grup;
    const char* etiket;
};

// Captions of the fields, grouped; the order within a group is the reading order.
const Baslik kBasliklar[] = {
    {"BorcAsli", "Asıl alacak", "Borç aslı"},
    {"TakibeKonuBorcAsli", "Asıl alacak", "Takibe konu borç aslı"},
    {"TakibeKonuKidem", "Asıl alacak", "Takibe konu kıdem tazminatı"},
    {"TakipOncesiDigerAlacaklar", "Asıl alacak", "Takip öncesi diğer alacaklar"},
    {"SonrakiAlacak", "Asıl alacak", "Sonraki alacaklar"},
    {"EklenenNafaka", "Asıl alacak", "Eklenen nafaka"},
    {"TakipCikisi_TLKismi", "Asıl alacak", "Takip çıkışı (TL kısmı)"},
    {"TakipCikisi_DovizKismi", "Asıl alacak", "Takip çıkışı (döviz kısmı)"},
    {"HarcaEsasDeger", "Asıl alacak", "Harca esas değer"},
    {"IhtiyatiHacizdeBorcAsli", "Asıl alacak", "İhtiyati hacizde borç aslı"},
    {"IhtiyatiHacizdeBorcAsli_TL", "Asıl alacak", "İhtiyati hacizde borç aslı (TL)"},
    {"IslemisFaiz", "Faiz", "İşlemiş faiz"},
    {"IslemisFaiz_AsilAlacak", "Faiz", "İşlemiş faiz (asıl alacak)"},
    {"IslemisFaiz_Kidem", "Faiz", "İşlemiş faiz (kıdem)"},
    {"IslemisFaiz_DigerIsciAlacagi", "Faiz", "İşlemiş faiz (diğer işçi alacağı)"},
    {"IslemisFaiz_TODA", "Faiz", "İşlemiş faiz (TODA)"},
    {"BSMVIslemisFaiz", "Faiz", "İşlemiş faiz BSMV"},
    {"KDVIslemisFaiz", "Faiz", "İşlemiş faiz KDV"},
    {"SonrakiFaiz", "Faiz", "Takipten sonraki faiz"},
    {"SonrakiFaiz_AsilAlacak", "Faiz", "Sonraki faiz (asıl alacak)"},
    {"SonrakiFaiz_Kidem", "Faiz", "Sonraki faiz (kıdem)"},
    {"SonrakiFaiz_DigerIsciAlacagi", "Faiz", "Sonraki faiz (diğer işçi alacağı)"},
    {"SonrakiFaiz_TODA", "Faiz", "Sonraki faiz (TODA)"},
    {"SonrakiFaiz_SonrakiAlacak", "Faiz", "Sonraki faiz (sonraki alacaklar)"},
    {"BSMVSonrakiFaiz", "Faiz", "Sonraki faiz BSMV"},
    {"KDVSonrakiFaiz", "Faiz", "Sonraki faiz KDV"},
    {"GuncelFaizOrani", "Faiz", "Güncel faiz oranı (%)"},
    {"GuncelKidemFaizOrani", "Faiz", "Güncel kıdem faiz oranı (%)"},
    {"TakipTarihindeFaizOrani", "Faiz", "Takip tarihindeki faiz oranı (%)"},
    {"TakipTarihindeKidemFaizOrani", "Faiz", "Takip tarihindeki kıdem faiz oranı (%)"},
    {"Komisyon", "Harç, ücret ve masraflar", "Komisyon"},
    {"Tazminat", "Harç, ücret ve masraflar", "Tazminat"},
    {"KarsiliksizCekTazminati", "Harç, ücret ve masraflar", "Karşılıksız çek tazminatı"},
    {"IHGideri", "Harç, ücret ve masraflar", "İhtiyati haciz gideri"},
    {"IHVekaletUcreti", "Harç, ücret ve masraflar", "İhtiyati haciz vekalet ücreti"},
    {"IHVekaletUcreti_KDV", "Harç, ücret ve masraflar", "İhtiyati haciz vekalet ücreti KDV"},
    {"VekaletUcreti", "Harç, ücret ve masraflar", "Vekalet ücreti"},
    {"VekaletUcreti_KDV", "Harç, ücret ve masraflar", "Vekalet ücreti KDV"},
    {"BasvuruHarci", "Harç, ücret ve masraflar", "Başvuru harcı"},
    {"VekaletHarci", "Harç, ücret ve masraflar", "Vekalet harcı"},
    {"PesinHarc", "Harç, ücret ve masraflar", "Peşin harç"},
    {"MTSHarci", "Harç, ücret ve masraflar", "MTS harcı"},
    {"TahliyeHarci", "Harç, ücret ve masraflar", "Tahliye harcı"},
    {"MenkulTeslimHarci", "Harç, ücret ve masraflar", "Menkul teslim harcı"},
    {"EvrakGideri", "Harç, ücret ve masraflar", "Evrak gideri"},
    {"PostaGideri", "Harç, ücret ve masraflar", "Posta gideri"},
    {"DamgaPuluGideri", "Harç, ücret ve masraflar", "Damga pulu gideri"},
    {"DosyaGideri", "Harç, ücret ve masraflar", "Dosya gideri"},
    {"BaroPulu", "Harç, ücret ve masraflar", "Baro pulu"},
    {"ToplamMasraf", "Harç, ücret ve masraflar", "Toplam masraf"},
    {"TahsilHarci_Odenen", "Harç, ücret ve masraflar", "Tahsil harcı (ödenen)"},
    {"TahsilHarci_Kalan", "Harç, ücret ve masraflar", "Tahsil harcı (kalan)"},
    {"TakipOncesiToplamTahsilat_TL", "Tahsilatlar", "Takip öncesi tahsilat (TL)"},
    {"TakipOncesiToplamTahsilat_Doviz", "Tahsilatlar", "Takip öncesi tahsilat (döviz)"},
    {"TakipOncesiMahsup_Anapara", "Tahsilatlar", "Takip öncesi mahsup: anapara"},
    {"TakipOncesiMahsup_TODA", "Tahsilatlar", "Takip öncesi mahsup: TODA"},
    {"TakipOncesiMahsup_FaizMasraf_TL", "Tahsilatlar", "Takip öncesi mahsup: faiz ve masraf (TL)"},
    {"TakipOncesiMahsup_FaizMasraf_Doviz", "Tahsilatlar",
     "Takip öncesi mahsup: faiz ve masraf (döviz)"},
    {"TakipSonrasiToplamTahsilat_TL", "Tahsilatlar", "Takip sonrası tahsilat (TL)"},
    {"TakipSonrasiToplamTahsilat_Doviz", "Tahsilatlar", "Takip sonrası tahsilat (döviz)"},
    {"TakipSonrasiMahsup_Anapara", "Tahsilatlar", "Takip sonrası mahsup: anapara"},
    {"TakipSonrasiMahsup_TODA", "Tahsilatlar", "Takip sonrası mahsup: TODA"},
    {"TakipSonrasiMahsup_FaizMasraf_TL", "Tahsilatlar",
     "Takip sonrası mahsup: faiz ve masraf (TL)"},
    {"TakipSonrasiMahsup_FaizMasraf_Doviz", "Tahsilatlar",
     "Takip sonrası mahsup: faiz ve masraf (döviz)"},
    {"ToplamMahsup", "Tahsilatlar", "Toplam mahsup"},
    {"FazlaTahsilat", "Bakiye", "Fazla tahsilat"},
    {"Bakiye_TL", "Bakiye", "Bakiye (TL)"},
    {"Bakiye_Doviz", "Bakiye", "Bakiye (döviz)"},
    {"BakiyeGuncelTL", "Bakiye", "Güncel bakiye (TL)"},
};

}  // namespace

QList<HesapOzetiGrubu> hesapOzetiGruplari(const clsHesapOzeti& ozet) {
    QHash<QString, const clsHesapOzeti::Alan*> alanlar;
    for (const clsHesapOzeti::Alan& alan : clsHesapOzeti::Alanlar())
        alanlar.insert(alan.ad, &alan);
    QList<HesapOzetiGrubu> gruplar;
    for (const Baslik& b : kBasliklar) {
        const QString grup = QString::fromUtf8(b.grup);
        if (gruplar.isEmpty() || gruplar.last().baslik != grup)
            gruplar.append({grup, {}});
        const clsHesapOzeti::Alan* alan = alanlar.value(QString::fromLatin1(b.alan));
        if (!alan)
            continue;
        QString deger;
        if (alan->para) {
            if ((ozet.*alan->para).isZero())
                continue;
            deger = formatNumber(ozet.*alan->para, FormatMoneyZero);
        } else {
            if (ozet.*alan->oran == 0.0f)
                continue;
            deger = formatNumber(static_cast<double>(ozet.*alan->oran), FormatMoneyZero);
        }
        gruplar.last().satirlar.append({QString::fromUtf8(b.etiket), deger});
    }
    QList<HesapOzetiGrubu> dolu;
    for (const HesapOzetiGrubu& g : gruplar)
        if (!g.satirlar.isEmpty())
            dolu.append(g);
    return dolu;
}

QString hesapOzetiMetni(const clsHesapOzeti& ozet) {
    QStringList satirlar;
    for (const HesapOzetiGrubu& grup : hesapOzetiGruplari(ozet)) {
        if (!satirlar.isEmpty())
            satirlar << QString();
        satirlar << grup.baslik;
        for (const auto& [etiket, deger] : grup.satirlar)
            satirlar << QStringLiteral("  ") + etiket.leftJustified(46, u' ') +
                            deger.rightJustified(18, u' ');
    }
    if (satirlar.isEmpty())
        satirlar << QStringLiteral("Hesap özetinde tutar yok.");
    return satirlar.join(u'\n');
}

}  // namespace quv
