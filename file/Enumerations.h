#pragma once

#include <QtGlobal>

namespace quv {

// Enforcement form of a file (tblfoy.formtipi); the numbers in the names are those
// of the official enforcement forms.
enum Enum_FormTipi : qint16 {
    E_FT_7_49 = 1,
    E_FT_8_50 = 2,
    E_FT_13_51 = 3,
    E_FT_4_5_53 = 4,
    E_FT_2_54 = 5,
    E_FT_3_55 = 6,
    E_FT_14_56 = 7,
    E_FT_6_151 = 8,
    E_FT_9_152 = 9,
    E_FT_10_163 = 10,
    E_FT_44_201 = 11,
    E_FT_53_54 = 12,
    E_FT_153 = 13,
    E_FT_52 = 14,
    E_FT_53_55 = 15,
};

// Claim type of a file (tblfoy.alacaktipi).
enum Enum_AlacakTipi : qint16 {
    E_AT_163CekSenet = 1,
    E_AT_49CekSenetSozlesme = 2,
    E_AT_55CocukTeslimi = 3,
    E_AT_49Fatura = 4,
    E_AT_53IlamliAlacak = 5,
    E_AT_151IpotekIcraEmri = 6,
    E_AT_152IpotekOdemeEmri = 7,
    E_AT_53IrtifakHakki = 8,
    E_AT_53IsciAlacagi = 9,
    E_AT_53IsinYapilmasi = 10,
    E_AT_51Kira = 11,
    E_AT_49KrediKarti = 12,
    E_AT_49Kredi = 13,
    E_AT_54MenkulTeslimi = 14,
    E_AT_53Nafaka = 15,
    E_AT_50RehinliMenkul = 16,
    E_AT_201RehinliMenkul = 17,
    E_AT_54Tahliye = 18,
    E_AT_56Tahliye = 19,
    E_AT_49Nafaka = 20,
    E_AT_53_54IlamliAlacak_Tahliye = 21,
    E_AT_153Ceksenet = 22,
    E_AT_52CekSenet = 23,
    E_AT_53_54IlamliAlacak_MenkulTeslimi = 24,
    E_AT_53_55IlamliAlacak_cocukTeslimi = 25,
    E_AT_153IsciAlacagi = 26,
    E_AT_49IsciAlacagi = 27,
    E_AT_49KrediKombo = 28,
};

// Kind of one claim in cheque, bill, contract and invoice files (tblfoy_alacak.alacakturu).
enum Enum_AlacakTipi_49_163 : qint16 {
    E_AT49163_Senet = 1,
    E_AT49163_Cek = 2,
    E_AT49163_Kira = 3,
    E_AT49163_KiraFarki = 4,
    E_AT49163_YonetimGideri = 5,
    E_AT49163_Sozlesme = 6,
    E_AT49163_Diger = 7,
    E_AT49163_Aidat = 8,
    E_AT49163_Fatura = 9,
    E_AT49163_IrsaliyeliFatura = 10,
    E_AT49163_TrafikSigortasiRucu = 11,
    E_AT49163_KaskoRucu = 12,
};

// Outcome of a file (tblfoy.dosyasonucu); 1 is the pending file.
enum Enum_DosyaSonucu : qint16 {
    E_DS_Tanimlanmamis = 0,
    E_DS_Derdest = 1,
    E_DS_AcizIleInfaz = 2,
    E_DS_FaizIndirimiIleInfaz = 3,
    E_DS_KomiteIleInfaz = 4,
    E_DS_TahsilIleInfaz = 5,
    E_DS_DosyaIade = 6,
    E_DS_Feragat = 7,
    E_DS_Dusme = 8,
    E_DS_Temlik = 9,
    E_DS_Birlestirme = 10,
    E_DS_RehinAcigiBelgesi = 11,
    E_DS_OdemeEmriIptali = 12,
    E_DS_TakipIptali = 13,
    E_DS_Konkordato = 14,
    E_DS_Iflas = 15,
    E_DS_IflasErteleme = 16,
    E_DS_Muvafakat = 17,
};

// Manner of a partial payment; published, read by no operation.
enum Enum_HesaplamaSekli : qint16 {
    E_HS_Tanimlanmamis = 0,
    E_HS_KismiOdemeBorcAslindanDusulecek = 1,
    E_HS_KismiOdemeToplamBorcdanDusulecek = 2,
};

// Whether a claim's interest comes from its rate table or from its fixed rate.
enum enum_TabloOran : qint16 {
    E_TO_TabloKullan = 1,
    E_TO_OranKullan = 2,
};

// The party type of a debtor in tblfoy_sahis (guarantors and the other parties have
// types of their own).
inline constexpr qint32 kBorcluSahisTipi = 1;

// The groups of values that several calculations branch on. A stored value outside
// the tables (0, say) belongs to no group.
namespace FoyGruplari {

// Judgment-based forms.
constexpr bool ilamli(qint16 formTipi) {
    return formTipi == E_FT_4_5_53 || formTipi == E_FT_2_54 || formTipi == E_FT_3_55 ||
           formTipi == E_FT_6_151 || formTipi == E_FT_44_201 || formTipi == E_FT_53_54 ||
           formTipi == E_FT_53_55;
}
// Employee-claim files (severance claim).
constexpr bool isciAlacagi(qint16 alacakTipi) {
    return alacakTipi == E_AT_53IsciAlacagi || alacakTipi == E_AT_153IsciAlacagi ||
           alacakTipi == E_AT_49IsciAlacagi;
}
// Alimony files.
constexpr bool nafaka(qint16 alacakTipi) {
    return alacakTipi == E_AT_53Nafaka || alacakTipi == E_AT_49Nafaka;
}
// Cheque and bill files (commission).
constexpr bool cekSenet(qint16 alacakTipi) {
    return alacakTipi == E_AT_163CekSenet || alacakTipi == E_AT_153Ceksenet ||
           alacakTipi == E_AT_52CekSenet;
}
// Cheque, bill, contract and invoice files (compensation).
constexpr bool cekSenetSozlesmeFatura(qint16 alacakTipi) {
    return alacakTipi == E_AT_49CekSenetSozlesme || alacakTipi == E_AT_49Fatura;
}
// Rent and eviction files (eviction fee).
constexpr bool kiraTahliye(qint16 alacakTipi) {
    return alacakTipi == E_AT_51Kira || alacakTipi == E_AT_54Tahliye ||
           alacakTipi == E_AT_56Tahliye || alacakTipi == E_AT_53_54IlamliAlacak_Tahliye;
}

}  // namespace FoyGruplari

}  // namespace quv
