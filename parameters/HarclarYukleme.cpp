// Loading of the dated fees and rates (tblharclar) and of the value-added-tax rate.

#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "parameters/ParametreOkuma.h"
#include "parameters/clsParametreler.h"

#include <array>

namespace quv {

namespace {

using namespace ParametreOkuma;

struct TutarKolonu {
    const char* kolon;
    Money clsParametreler::*uye;
};

struct OranKolonu {
    const char* kolon;
    float clsParametreler::*uye;
};

// Columns that must hold a value: a Null there fails the load.
constexpr std::array kZorunluTutarlar = {
    TutarKolonu{"basvuruharci", &clsParametreler::BasvuruHarci},
    TutarKolonu{"vekaletnameharci", &clsParametreler::VekaletHarci},
    TutarKolonu{"sulhkararharci", &clsParametreler::SulhKararHarci},
    TutarKolonu{"ahkararharci", &clsParametreler::AHKararHarci},
    TutarKolonu{"yerinegetirmeharci", &clsParametreler::YerineGetirmeHarci},
    TutarKolonu{"maktucezaeviharci", &clsParametreler::MaktuCezaeviHarci},
    TutarKolonu{"dosyagideri", &clsParametreler::DosyaGideri},
    TutarKolonu{"evrakgideri", &clsParametreler::EvrakGideri},
    TutarKolonu{"suretdamgapulu", &clsParametreler::SuretDamgaPulu},
    TutarKolonu{"ilktebligatgideri", &clsParametreler::PostaPulu},
    TutarKolonu{"ilktebligatgideri_mts", &clsParametreler::PostaPulu_MTS},
    TutarKolonu{"baropulu", &clsParametreler::BaroPulu},
};

constexpr std::array kZorunluOranlar = {
    OranKolonu{"pesinharcorani", &clsParametreler::PesinHarcOrani},
    OranKolonu{"tahsilharcorani1", &clsParametreler::TahsilHarciOrani1},
    OranKolonu{"tahsilharcorani2", &clsParametreler::TahsilHarciOrani2},
    OranKolonu{"tahsilharcorani3", &clsParametreler::TahsilHarciOrani3},
    OranKolonu{"maasdatahsilharciorani", &clsParametreler::MaastaTahsilHarciOrani},
    OranKolonu{"cezaeviharciorani", &clsParametreler::CezaeviHarciOrani},
    OranKolonu{"feragatharciorani1", &clsParametreler::FeragatHarciOrani1},
    OranKolonu{"feragatharciorani2", &clsParametreler::FeragatHarciOrani2},
    OranKolonu{"feragatharciorani3", &clsParametreler::FeragatHarciOrani3},
    OranKolonu{"tahliyeharcorani1", &clsParametreler::TahliyeHarciOrani1},
    OranKolonu{"tahliyeharcorani2", &clsParametreler::TahliyeHarciOrani2},
    OranKolonu{"menkulteslimharciorani1", &clsParametreler::MenkulTeslimHarciOrani1},
    OranKolonu{"menkulteslimharciorani2", &clsParametreler::MenkulTeslimHarciOrani2},
    OranKolonu{"ihtiyatihaciz", &clsParametreler::IhtiyatiHacizOrani},
    OranKolonu{"kefaletharciorani", &clsParametreler::KefaletHarciOrani},
    OranKolonu{"kkdforani", &clsParametreler::KKDFOrani},
};

// Rates added later to the table: a Null there reads as 0.
constexpr std::array kSifirlanabilirOranlar = {
    OranKolonu{"stopaj", &clsParametreler::Stopaj},
    OranKolonu{"ssdf", &clsParametreler::SSDF},
    OranKolonu{"mtsharciorani", &clsParametreler::MTSHarciOrani},
};

QString kolon(const char* ad) {
    return QString::fromLatin1(ad);
}

}  // namespace

bool clsParametreler::HarclariYukle(const QString& strTarih, bool blnZorla) {
    return trapped<bool>(QStringLiteral("clsParametreler.HarclariYukle"), false, [&] {
        if (!blnZorla && harclarDonemi_.Icinde(strTarih))
            return true;
        // Until every value has been read the group is not loaded, so that a failure
        // below makes the next call read again.
        harclarDonemi_.Bosalt();
        tarihleriDenetle("tblharclar");
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral(" select a.* from tblharclar as a ") +
            QStringLiteral(" where a.tarih = (select max (b.tarih) ") +
            QStringLiteral(" from tblharclar b where b.tarih <= ") + tirnakli(strTarih) +
            QStringLiteral(");"));
        if (rs.eof()) {
            rs.close();
            ClearHarclar();
            return true;
        }
        const QString baslangic = toText(rs.value(QStringLiteral("tarih")));
        std::array<Money, kZorunluTutarlar.size()> tutarlar;
        for (std::size_t i = 0; i < kZorunluTutarlar.size(); ++i)
            tutarlar[i] = tutar(rs, kolon(kZorunluTutarlar[i].kolon));
        std::array<float, kZorunluOranlar.size()> oranlar;
        for (std::size_t i = 0; i < kZorunluOranlar.size(); ++i)
            oranlar[i] = oran(rs, kolon(kZorunluOranlar[i].kolon));
        std::array<float, kSifirlanabilirOranlar.size()> sifirlanabilir;
        for (std::size_t i = 0; i < kSifirlanabilirOranlar.size(); ++i)
            sifirlanabilir[i] = oranVeyaSifir(rs, kolon(kSifirlanabilirOranlar[i].kolon));
        const Money yuvarlama = tutar(rs, QStringLiteral("yuvarlamadegeri"), Money::fromUnits(1));
        const Money cekBankaSorumluluk =
            tutar(rs, QStringLiteral("cekbankasorumlulukbedeli"), Money());
        rs.close();

        const QString bitis = ParametreBitisTarihleri(QStringLiteral("tblharclar"), baslangic);
        if (bitis.isEmpty())
            return false;  // reported by the end-date search

        for (std::size_t i = 0; i < kZorunluTutarlar.size(); ++i)
            this->*kZorunluTutarlar[i].uye = tutarlar[i];
        for (std::size_t i = 0; i < kZorunluOranlar.size(); ++i)
            this->*kZorunluOranlar[i].uye = oranlar[i];
        for (std::size_t i = 0; i < kSifirlanabilirOranlar.size(); ++i)
            this->*kSifirlanabilirOranlar[i].uye = sifirlanabilir[i];
        YuvarlamaDegeri = yuvarlama;
        CekbankaSorumlulukBedeli = cekBankaSorumluluk;
        harclarDonemi_ = {baslangic, bitis};
        return true;
    });
}

bool clsParametreler::KDVOraniYukle(const QString& strTarih, bool blnZorla) {
    return trapped<bool>(QStringLiteral("clsParametreler.KDVOraniCek"), false, [&] {
        if (!blnZorla && DonemIcinde(KDVBaslangicTarihi, KDVBitisTarihi, strTarih))
            return true;
        KDVBaslangicTarihi.clear();
        KDVBitisTarihi.clear();
        tarihleriDenetle("tblharclar");
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral(" select a.tarih, a.kdv from tblharclar as a ") +
            QStringLiteral(" where a.tarih = (select max (b.tarih) ") +
            QStringLiteral(" from tblharclar b where b.tarih <= ") + tirnakli(strTarih) +
            QStringLiteral(");"));
        if (rs.eof()) {
            rs.close();
            KDVOrani = 0;
            return true;
        }
        const QString baslangic = toText(rs.value(QStringLiteral("tarih")));
        const float kdv = oranVeyaSifir(rs, QStringLiteral("kdv"));
        rs.close();
        const QString bitis = ParametreBitisTarihleri(QStringLiteral("tblharclar"), baslangic);
        if (bitis.isEmpty())
            return false;
        KDVOrani = kdv;
        KDVBaslangicTarihi = baslangic;
        KDVBitisTarihi = bitis;
        return true;
    });
}

}  // namespace quv
