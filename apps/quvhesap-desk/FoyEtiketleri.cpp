#include "FoyEtiketleri.h"

#include "file/Enumerations.h"

namespace quv::desk {

namespace {

QString bilinmeyen(qint32 deger) {
    return deger == 0 ? QString() : QString::number(deger);
}

}  // namespace

QString alacakTipiAdi(qint32 alacakTipi) {
    // The number after each name is that of the enforcement form the type belongs to,
    // which tells apart the kinds that share a name.
    switch (alacakTipi) {
        case E_AT_163CekSenet:
            return QStringLiteral("Çek/Senet (163)");
        case E_AT_49CekSenetSozlesme:
            return QStringLiteral("Çek/Senet/Sözleşme (49)");
        case E_AT_55CocukTeslimi:
            return QStringLiteral("Çocuk Teslimi (55)");
        case E_AT_49Fatura:
            return QStringLiteral("Fatura (49)");
        case E_AT_53IlamliAlacak:
            return QStringLiteral("İlamlı Alacak (53)");
        case E_AT_151IpotekIcraEmri:
            return QStringLiteral("İpotek, İcra Emri (151)");
        case E_AT_152IpotekOdemeEmri:
            return QStringLiteral("İpotek, Ödeme Emri (152)");
        case E_AT_53IrtifakHakki:
            return QStringLiteral("İrtifak Hakkı (53)");
        case E_AT_53IsciAlacagi:
            return QStringLiteral("İşçi Alacağı (53)");
        case E_AT_53IsinYapilmasi:
            return QStringLiteral("İşin Yapılması (53)");
        case E_AT_51Kira:
            return QStringLiteral("Kira (51)");
        case E_AT_49KrediKarti:
            return QStringLiteral("Kredi Kartı (49)");
        case E_AT_49Kredi:
            return QStringLiteral("Kredi (49)");
        case E_AT_54MenkulTeslimi:
            return QStringLiteral("Menkul Teslimi (54)");
        case E_AT_53Nafaka:
            return QStringLiteral("Nafaka (53)");
        case E_AT_50RehinliMenkul:
            return QStringLiteral("Rehinli Menkul (50)");
        case E_AT_201RehinliMenkul:
            return QStringLiteral("Rehinli Menkul (201)");
        case E_AT_54Tahliye:
            return QStringLiteral("Tahliye (54)");
        case E_AT_56Tahliye:
            return QStringLiteral("Tahliye (56)");
        case E_AT_49Nafaka:
            return QStringLiteral("Nafaka (49)");
        case E_AT_53_54IlamliAlacak_Tahliye:
            return QStringLiteral("İlamlı Alacak ve Tahliye (53-54)");
        case E_AT_153Ceksenet:
            return QStringLiteral("Çek/Senet (153)");
        case E_AT_52CekSenet:
            return QStringLiteral("Çek/Senet (52)");
        case E_AT_53_54IlamliAlacak_MenkulTeslimi:
            return QStringLiteral("İlamlı Alacak ve Menkul Teslimi (53-54)");
        case E_AT_53_55IlamliAlacak_cocukTeslimi:
            return QStringLiteral("İlamlı Alacak ve Çocuk Teslimi (53-55)");
        case E_AT_153IsciAlacagi:
            return QStringLiteral("İşçi Alacağı (153)");
        case E_AT_49IsciAlacagi:
            return QStringLiteral("İşçi Alacağı (49)");
        case E_AT_49KrediKombo:
            return QStringLiteral("Kombine Kredi (49)");
        default:
            return bilinmeyen(alacakTipi);
    }
}

QString dosyaSonucuAdi(qint32 dosyaSonucu) {
    switch (dosyaSonucu) {
        case E_DS_Derdest:
            return QStringLiteral("Derdest");
        case E_DS_AcizIleInfaz:
            return QStringLiteral("Aciz ile İnfaz");
        case E_DS_FaizIndirimiIleInfaz:
            return QStringLiteral("Faiz İndirimi ile İnfaz");
        case E_DS_KomiteIleInfaz:
            return QStringLiteral("Komite ile İnfaz");
        case E_DS_TahsilIleInfaz:
            return QStringLiteral("Tahsil ile İnfaz");
        case E_DS_DosyaIade:
            return QStringLiteral("Dosya İade");
        case E_DS_Feragat:
            return QStringLiteral("Feragat");
        case E_DS_Dusme:
            return QStringLiteral("Düşme");
        case E_DS_Temlik:
            return QStringLiteral("Temlik");
        case E_DS_Birlestirme:
            return QStringLiteral("Birleştirme");
        case E_DS_RehinAcigiBelgesi:
            return QStringLiteral("Rehin Açığı Belgesi");
        case E_DS_OdemeEmriIptali:
            return QStringLiteral("Ödeme Emri İptali");
        case E_DS_TakipIptali:
            return QStringLiteral("Takip İptali");
        case E_DS_Konkordato:
            return QStringLiteral("Konkordato");
        case E_DS_Iflas:
            return QStringLiteral("İflas");
        case E_DS_IflasErteleme:
            return QStringLiteral("İflas Erteleme");
        case E_DS_Muvafakat:
            return QStringLiteral("Muvafakat");
        default:
            return bilinmeyen(dosyaSonucu);
    }
}

}  // namespace quv::desk
