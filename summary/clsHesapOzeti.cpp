#include "summary/clsHesapOzeti.h"

#include "engine/Database.h"
#include "engine/NumberFormat.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"

#include <QChar>
#include <QStringList>

namespace quv {

namespace {

// Every field in the order of the table's columns. A field is stored under its
// property name in lower case, except the two columns the host database names
// differently.
QString sutunAdi(const QString& ad) {
    if (ad == QStringLiteral("BakiyeGuncelTL"))
        return QStringLiteral("bakiye_guncel_tl");
    if (ad == QStringLiteral("IhtiyatiHacizdeBorcAsli_TL"))
        return QStringLiteral("ihtiyatihacizdeborcasli_TL");
    return ad.toLower();
}

#define QUV_PARA(ad) \
    { QStringLiteral(#ad), QString(), &clsHesapOzeti::ad, nullptr }
#define QUV_ORAN(ad) \
    { QStringLiteral(#ad), QString(), nullptr, &clsHesapOzeti::ad }

QList<clsHesapOzeti::Alan> alanListesi() {
    QList<clsHesapOzeti::Alan> alanlar = {
        QUV_PARA(BorcAsli),
        QUV_PARA(TakibeKonuBorcAsli),
        QUV_PARA(TakibeKonuKidem),
        QUV_PARA(TakipOncesiDigerAlacaklar),
        QUV_PARA(TakipCikisi_TLKismi),
        QUV_PARA(TakipCikisi_DovizKismi),
        QUV_PARA(HarcaEsasDeger),
        QUV_PARA(IslemisFaiz),
        QUV_PARA(IslemisFaiz_AsilAlacak),
        QUV_PARA(IslemisFaiz_Kidem),
        QUV_PARA(IslemisFaiz_DigerIsciAlacagi),
        QUV_PARA(IslemisFaiz_TODA),
        QUV_PARA(BSMVIslemisFaiz),
        QUV_PARA(KDVIslemisFaiz),
        QUV_PARA(SonrakiFaiz),
        QUV_PARA(SonrakiFaiz_AsilAlacak),
        QUV_PARA(SonrakiFaiz_Kidem),
        QUV_PARA(SonrakiFaiz_DigerIsciAlacagi),
        QUV_PARA(SonrakiFaiz_TODA),
        QUV_PARA(SonrakiFaiz_SonrakiAlacak),
        QUV_PARA(BSMVSonrakiFaiz),
        QUV_PARA(KDVSonrakiFaiz),
        QUV_PARA(SonrakiAlacak),
        QUV_PARA(EklenenNafaka),
        QUV_PARA(Komisyon),
        QUV_PARA(Tazminat),
        QUV_PARA(KarsiliksizCekTazminati),
        QUV_PARA(IHGideri),
        QUV_PARA(IhtiyatiHacizdeBorcAsli),
        QUV_PARA(IhtiyatiHacizdeBorcAsli_TL),
        QUV_PARA(IHVekaletUcreti),
        QUV_PARA(IHVekaletUcreti_KDV),
        QUV_PARA(VekaletUcreti),
        QUV_PARA(VekaletUcreti_KDV),
        QUV_PARA(BasvuruHarci),
        QUV_PARA(VekaletHarci),
        QUV_PARA(PesinHarc),
        QUV_PARA(MTSHarci),
        QUV_PARA(TahliyeHarci),
        QUV_PARA(MenkulTeslimHarci),
        QUV_PARA(EvrakGideri),
        QUV_PARA(PostaGideri),
        QUV_PARA(DamgaPuluGideri),
        QUV_PARA(DosyaGideri),
        QUV_PARA(BaroPulu),
        QUV_PARA(ToplamMasraf),
        QUV_PARA(TahsilHarci_Odenen),
        QUV_PARA(TahsilHarci_Kalan),
        QUV_PARA(TakipOncesiToplamTahsilat_TL),
        QUV_PARA(TakipOncesiToplamTahsilat_Doviz),
        QUV_PARA(TakipOncesiMahsup_Anapara),
        QUV_PARA(TakipOncesiMahsup_TODA),
        QUV_PARA(TakipOncesiMahsup_FaizMasraf_TL),
        QUV_PARA(TakipOncesiMahsup_FaizMasraf_Doviz),
        QUV_PARA(TakipSonrasiToplamTahsilat_TL),
        QUV_PARA(TakipSonrasiToplamTahsilat_Doviz),
        QUV_PARA(TakipSonrasiMahsup_Anapara),
        QUV_PARA(TakipSonrasiMahsup_TODA),
        QUV_PARA(TakipSonrasiMahsup_FaizMasraf_TL),
        QUV_PARA(TakipSonrasiMahsup_FaizMasraf_Doviz),
        QUV_PARA(ToplamMahsup),
        QUV_PARA(FazlaTahsilat),
        QUV_PARA(Bakiye_TL),
        QUV_PARA(Bakiye_Doviz),
        QUV_PARA(BakiyeGuncelTL),
        QUV_ORAN(GuncelFaizOrani),
        QUV_ORAN(GuncelKidemFaizOrani),
        QUV_ORAN(TakipTarihindeFaizOrani),
        QUV_ORAN(TakipTarihindeKidemFaizOrani),
    };
    for (clsHesapOzeti::Alan& alan : alanlar)
        alan.sutun = sutunAdi(alan.ad);
    return alanlar;
}

#undef QUV_PARA
#undef QUV_ORAN

}  // namespace

const QList<clsHesapOzeti::Alan>& clsHesapOzeti::Alanlar() {
    static const QList<Alan> alanlar = alanListesi();
    return alanlar;
}

void clsHesapOzeti::ClearClass() {
    trapped(QStringLiteral("Hesap.clsHesapOzeti.ClearClass"), [&] { *this = clsHesapOzeti(); });
}

bool clsHesapOzeti::Kaydet(qint32 FoyKodu) {
    return trapped(QStringLiteral("Hesap.clsHesapOzeti.Kaydet"), [&] {
        static const QStringList anahtar = {QStringLiteral("foykodu")};
        static const QStringList sutunlar = [] {
            QStringList s = anahtar;
            for (const Alan& alan : Alanlar())
                s << alan.sutun;
            return s;
        }();
        // Made in place, a value a column: every file of a bulk run passes here.
        QVariantList degerler(sutunlar.size());
        QVariant* deger = degerler.data();
        *deger++ = FoyKodu;
        for (const Alan& alan : Alanlar())
            *deger++ = alan.para ? (this->*alan.para).toSqlValue()
                                 : QVariant(static_cast<double>(this->*alan.oran));
        shared().connection().upsertRow(QStringLiteral("tblfoy_hesap"), anahtar, sutunlar,
                                        std::move(degerler));
    });
}

bool clsHesapOzeti::Yukle(qint32 FoyKodu) {
    ClearClass();
    return trapped(QStringLiteral("Hesap.clsHesapOzeti.Yukle"), [&] {
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("Select * from tblfoy_hesap where foykodu = ") +
            QString::number(FoyKodu));
        if (!rs.eof()) {
            // Read into a copy so that a column that cannot be read leaves the
            // summary all zero instead of partly filled.
            clsHesapOzeti loaded;
            for (const Alan& alan : Alanlar()) {
                QVariant deger = modGeneral::NullKontrol(rs.value(alan.sutun), true);
                if (alan.para)
                    loaded.*alan.para = Money::fromVariant(deger);
                else
                    loaded.*alan.oran = toRate(deger);
            }
            *this = loaded;
        }
        rs.close();
    });
}

QString clsHesapOzeti::ToString() const {
    const QStringList lines = {
        QStringLiteral("Borc Aslı : ") + formatNumber(BorcAsli, FormatMoney),
        QStringLiteral("İşlemiş Faiz : ") + formatNumber(IslemisFaiz, FormatMoney),
        QStringLiteral("TODA : ") + formatNumber(TakipOncesiDigerAlacaklar, FormatMoney),
        QStringLiteral("Harca Esas Deger : ") + formatNumber(HarcaEsasDeger, FormatMoney),
        QStringLiteral("Tahsil Harcı : ") +
            formatNumber(TahsilHarci_Kalan + TahsilHarci_Odenen, FormatMoney),
        QStringLiteral("Sonraki Alacak : ") + formatNumber(SonrakiAlacak, FormatMoney),
        QStringLiteral("Sonraki Faiz : ") + formatNumber(SonrakiFaiz, FormatMoney),
        QStringLiteral("Bakiye : ") + formatNumber(BakiyeGuncelTL, FormatMoney),
    };
    return lines.join(QChar(13));
}

}  // namespace quv
