#pragma once

#include "summary/clsHesapOzeti.h"

#include <array>

namespace quv::test {

// Every field of the summary with the column the host database keeps it in, as the
// host's table documentation lists them. Kept apart from the class's own mapping so
// that a wrong or missing column there shows up in the tests.
struct SummaryColumn {
    const char* column;
    Money clsHesapOzeti::*money;
    float clsHesapOzeti::*rate;
};

inline constexpr auto kSummaryColumns = std::to_array<SummaryColumn>({
    {"borcasli", &clsHesapOzeti::BorcAsli, nullptr},
    {"takibekonuborcasli", &clsHesapOzeti::TakibeKonuBorcAsli, nullptr},
    {"takibekonukidem", &clsHesapOzeti::TakibeKonuKidem, nullptr},
    {"takiponcesidigeralacaklar", &clsHesapOzeti::TakipOncesiDigerAlacaklar, nullptr},
    {"takipcikisi_tlkismi", &clsHesapOzeti::TakipCikisi_TLKismi, nullptr},
    {"takipcikisi_dovizkismi", &clsHesapOzeti::TakipCikisi_DovizKismi, nullptr},
    {"harcaesasdeger", &clsHesapOzeti::HarcaEsasDeger, nullptr},
    {"islemisfaiz", &clsHesapOzeti::IslemisFaiz, nullptr},
    {"islemisfaiz_asilalacak", &clsHesapOzeti::IslemisFaiz_AsilAlacak, nullptr},
    {"islemisfaiz_kidem", &clsHesapOzeti::IslemisFaiz_Kidem, nullptr},
    {"islemisfaiz_digeriscialacagi", &clsHesapOzeti::IslemisFaiz_DigerIsciAlacagi, nullptr},
    {"islemisfaiz_toda", &clsHesapOzeti::IslemisFaiz_TODA, nullptr},
    {"bsmvislemisfaiz", &clsHesapOzeti::BSMVIslemisFaiz, nullptr},
    {"kdvislemisfaiz", &clsHesapOzeti::KDVIslemisFaiz, nullptr},
    {"sonrakifaiz", &clsHesapOzeti::SonrakiFaiz, nullptr},
    {"sonrakifaiz_asilalacak", &clsHesapOzeti::SonrakiFaiz_AsilAlacak, nullptr},
    {"sonrakifaiz_kidem", &clsHesapOzeti::SonrakiFaiz_Kidem, nullptr},
    {"sonrakifaiz_digeriscialacagi", &clsHesapOzeti::SonrakiFaiz_DigerIsciAlacagi, nullptr},
    {"sonrakifaiz_toda", &clsHesapOzeti::SonrakiFaiz_TODA, nullptr},
    {"sonrakifaiz_sonrakialacak", &clsHesapOzeti::SonrakiFaiz_SonrakiAlacak, nullptr},
    {"bsmvsonrakifaiz", &clsHesapOzeti::BSMVSonrakiFaiz, nullptr},
    {"kdvsonrakifaiz", &clsHesapOzeti::KDVSonrakiFaiz, nullptr},
    {"sonrakialacak", &clsHesapOzeti::SonrakiAlacak, nullptr},
    {"eklenennafaka", &clsHesapOzeti::EklenenNafaka, nullptr},
    {"komisyon", &clsHesapOzeti::Komisyon, nullptr},
    {"tazminat", &clsHesapOzeti::Tazminat, nullptr},
    {"karsiliksizcektazminati", &clsHesapOzeti::KarsiliksizCekTazminati, nullptr},
    {"ihgideri", &clsHesapOzeti::IHGideri, nullptr},
    {"ihtiyatihacizdeborcasli", &clsHesapOzeti::IhtiyatiHacizdeBorcAsli, nullptr},
    {"ihtiyatihacizdeborcasli_TL", &clsHesapOzeti::IhtiyatiHacizdeBorcAsli_TL, nullptr},
    {"ihvekaletucreti", &clsHesapOzeti::IHVekaletUcreti, nullptr},
    {"ihvekaletucreti_kdv", &clsHesapOzeti::IHVekaletUcreti_KDV, nullptr},
    {"vekaletucreti", &clsHesapOzeti::VekaletUcreti, nullptr},
    {"vekaletucreti_kdv", &clsHesapOzeti::VekaletUcreti_KDV, nullptr},
    {"basvuruharci", &clsHesapOzeti::BasvuruHarci, nullptr},
    {"vekaletharci", &clsHesapOzeti::VekaletHarci, nullptr},
    {"pesinharc", &clsHesapOzeti::PesinHarc, nullptr},
    {"mtsharci", &clsHesapOzeti::MTSHarci, nullptr},
    {"tahliyeharci", &clsHesapOzeti::TahliyeHarci, nullptr},
    {"menkulteslimharci", &clsHesapOzeti::MenkulTeslimHarci, nullptr},
    {"evrakgideri", &clsHesapOzeti::EvrakGideri, nullptr},
    {"postagideri", &clsHesapOzeti::PostaGideri, nullptr},
    {"damgapulugideri", &clsHesapOzeti::DamgaPuluGideri, nullptr},
    {"dosyagideri", &clsHesapOzeti::DosyaGideri, nullptr},
    {"baropulu", &clsHesapOzeti::BaroPulu, nullptr},
    {"toplammasraf", &clsHesapOzeti::ToplamMasraf, nullptr},
    {"tahsilharci_odenen", &clsHesapOzeti::TahsilHarci_Odenen, nullptr},
    {"tahsilharci_kalan", &clsHesapOzeti::TahsilHarci_Kalan, nullptr},
    {"takiponcesitoplamtahsilat_tl", &clsHesapOzeti::TakipOncesiToplamTahsilat_TL, nullptr},
    {"takiponcesitoplamtahsilat_doviz", &clsHesapOzeti::TakipOncesiToplamTahsilat_Doviz, nullptr},
    {"takiponcesimahsup_anapara", &clsHesapOzeti::TakipOncesiMahsup_Anapara, nullptr},
    {"takiponcesimahsup_toda", &clsHesapOzeti::TakipOncesiMahsup_TODA, nullptr},
    {"takiponcesimahsup_faizmasraf_tl", &clsHesapOzeti::TakipOncesiMahsup_FaizMasraf_TL, nullptr},
    {"takiponcesimahsup_faizmasraf_doviz", &clsHesapOzeti::TakipOncesiMahsup_FaizMasraf_Doviz,
     nullptr},
    {"takipsonrasitoplamtahsilat_tl", &clsHesapOzeti::TakipSonrasiToplamTahsilat_TL, nullptr},
    {"takipsonrasitoplamtahsilat_doviz", &clsHesapOzeti::TakipSonrasiToplamTahsilat_Doviz, nullptr},
    {"takipsonrasimahsup_anapara", &clsHesapOzeti::TakipSonrasiMahsup_Anapara, nullptr},
    {"takipsonrasimahsup_toda", &clsHesapOzeti::TakipSonrasiMahsup_TODA, nullptr},
    {"takipsonrasimahsup_faizmasraf_tl", &clsHesapOzeti::TakipSonrasiMahsup_FaizMasraf_TL, nullptr},
    {"takipsonrasimahsup_faizmasraf_doviz", &clsHesapOzeti::TakipSonrasiMahsup_FaizMasraf_Doviz,
     nullptr},
    {"toplammahsup", &clsHesapOzeti::ToplamMahsup, nullptr},
    {"fazlatahsilat", &clsHesapOzeti::FazlaTahsilat, nullptr},
    {"bakiye_tl", &clsHesapOzeti::Bakiye_TL, nullptr},
    {"bakiye_doviz", &clsHesapOzeti::Bakiye_Doviz, nullptr},
    {"bakiye_guncel_tl", &clsHesapOzeti::BakiyeGuncelTL, nullptr},
    {"guncelfaizorani", nullptr, &clsHesapOzeti::GuncelFaizOrani},
    {"guncelkidemfaizorani", nullptr, &clsHesapOzeti::GuncelKidemFaizOrani},
    {"takiptarihindefaizorani", nullptr, &clsHesapOzeti::TakipTarihindeFaizOrani},
    {"takiptarihindekidemfaizorani", nullptr, &clsHesapOzeti::TakipTarihindeKidemFaizOrani},
});

static_assert(kSummaryColumns.size() == 69);

// A summary whose fields all differ from each other and from another seed's:
// money field i holds ±(i × 12,345.6789 + seed / 10,000), every third one negative;
// rate field j holds 9.5 + 3.3 × j + seed / 8 (not exact in binary, on purpose).
inline clsHesapOzeti filledSummary(int seed) {
    clsHesapOzeti s;
    int i = 0;
    int j = 0;
    for (const SummaryColumn& c : kSummaryColumns) {
        if (c.money) {
            ++i;
            std::int64_t raw = i * 123456789LL + seed;
            s.*c.money = Money::fromRaw(i % 3 == 0 ? -raw : raw);
        } else {
            ++j;
            s.*c.rate = 9.5f + 3.3f * static_cast<float>(j) + static_cast<float>(seed) / 8.0f;
        }
    }
    return s;
}

}  // namespace quv::test
