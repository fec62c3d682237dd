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

// Where each field is stored in tblfoy_hesap: the property's name in lower case,
// except the two columns the host database names differently.
struct MoneyColumn {
    const char* column;
    Money clsHesapOzeti::*field;
};

struct RateColumn {
    const char* column;
    float clsHesapOzeti::*field;
};

constexpr MoneyColumn kMoneyColumns[] = {
    {"borcasli", &clsHesapOzeti::BorcAsli},
    {"takibekonuborcasli", &clsHesapOzeti::TakibeKonuBorcAsli},
    {"takibekonukidem", &clsHesapOzeti::TakibeKonuKidem},
    {"takiponcesidigeralacaklar", &clsHesapOzeti::TakipOncesiDigerAlacaklar},
    {"takipcikisi_tlkismi", &clsHesapOzeti::TakipCikisi_TLKismi},
    {"takipcikisi_dovizkismi", &clsHesapOzeti::TakipCikisi_DovizKismi},
    {"harcaesasdeger", &clsHesapOzeti::HarcaEsasDeger},
    {"islemisfaiz", &clsHesapOzeti::IslemisFaiz},
    {"islemisfaiz_asilalacak", &clsHesapOzeti::IslemisFaiz_AsilAlacak},
    {"islemisfaiz_kidem", &clsHesapOzeti::IslemisFaiz_Kidem},
    {"islemisfaiz_digeriscialacagi", &clsHesapOzeti::IslemisFaiz_DigerIsciAlacagi},
    {"islemisfaiz_toda", &clsHesapOzeti::IslemisFaiz_TODA},
    {"bsmvislemisfaiz", &clsHesapOzeti::BSMVIslemisFaiz},
    {"kdvislemisfaiz", &clsHesapOzeti::KDVIslemisFaiz},
    {"sonrakifaiz", &clsHesapOzeti::SonrakiFaiz},
    {"sonrakifaiz_asilalacak", &clsHesapOzeti::SonrakiFaiz_AsilAlacak},
    {"sonrakifaiz_kidem", &clsHesapOzeti::SonrakiFaiz_Kidem},
    {"sonrakifaiz_digeriscialacagi", &clsHesapOzeti::SonrakiFaiz_DigerIsciAlacagi},
    {"sonrakifaiz_toda", &clsHesapOzeti::SonrakiFaiz_TODA},
    {"sonrakifaiz_sonrakialacak", &clsHesapOzeti::SonrakiFaiz_SonrakiAlacak},
    {"bsmvsonrakifaiz", &clsHesapOzeti::BSMVSonrakiFaiz},
    {"kdvsonrakifaiz", &clsHesapOzeti::KDVSonrakiFaiz},
    {"sonrakialacak", &clsHesapOzeti::SonrakiAlacak},
    {"eklenennafaka", &clsHesapOzeti::EklenenNafaka},
    {"komisyon", &clsHesapOzeti::Komisyon},
    {"tazminat", &clsHesapOzeti::Tazminat},
    {"karsiliksizcektazminati", &clsHesapOzeti::KarsiliksizCekTazminati},
    {"ihgideri", &clsHesapOzeti::IHGideri},
    {"ihtiyatihacizdeborcasli", &clsHesapOzeti::IhtiyatiHacizdeBorcAsli},
    {"ihtiyatihacizdeborcasli_TL", &clsHesapOzeti::IhtiyatiHacizdeBorcAsli_TL},
    {"ihvekaletucreti", &clsHesapOzeti::IHVekaletUcreti},
    {"ihvekaletucreti_kdv", &clsHesapOzeti::IHVekaletUcreti_KDV},
    {"vekaletucreti", &clsHesapOzeti::VekaletUcreti},
    {"vekaletucreti_kdv", &clsHesapOzeti::VekaletUcreti_KDV},
    {"basvuruharci", &clsHesapOzeti::BasvuruHarci},
    {"vekaletharci", &clsHesapOzeti::VekaletHarci},
    {"pesinharc", &clsHesapOzeti::PesinHarc},
    {"mtsharci", &clsHesapOzeti::MTSHarci},
    {"tahliyeharci", &clsHesapOzeti::TahliyeHarci},
    {"menkulteslimharci", &clsHesapOzeti::MenkulTeslimHarci},
    {"evrakgideri", &clsHesapOzeti::EvrakGideri},
    {"postagideri", &clsHesapOzeti::PostaGideri},
    {"damgapulugideri", &clsHesapOzeti::DamgaPuluGideri},
    {"dosyagideri", &clsHesapOzeti::DosyaGideri},
    {"baropulu", &clsHesapOzeti::BaroPulu},
    {"toplammasraf", &clsHesapOzeti::ToplamMasraf},
    {"tahsilharci_odenen", &clsHesapOzeti::TahsilHarci_Odenen},
    {"tahsilharci_kalan", &clsHesapOzeti::TahsilHarci_Kalan},
    {"takiponcesitoplamtahsilat_tl", &clsHesapOzeti::TakipOncesiToplamTahsilat_TL},
    {"takiponcesitoplamtahsilat_doviz", &clsHesapOzeti::TakipOncesiToplamTahsilat_Doviz},
    {"takiponcesimahsup_anapara", &clsHesapOzeti::TakipOncesiMahsup_Anapara},
    {"takiponcesimahsup_toda", &clsHesapOzeti::TakipOncesiMahsup_TODA},
    {"takiponcesimahsup_faizmasraf_tl", &clsHesapOzeti::TakipOncesiMahsup_FaizMasraf_TL},
    {"takiponcesimahsup_faizmasraf_doviz", &clsHesapOzeti::TakipOncesiMahsup_FaizMasraf_Doviz},
    {"takipsonrasitoplamtahsilat_tl", &clsHesapOzeti::TakipSonrasiToplamTahsilat_TL},
    {"takipsonrasitoplamtahsilat_doviz", &clsHesapOzeti::TakipSonrasiToplamTahsilat_Doviz},
    {"takipsonrasimahsup_anapara", &clsHesapOzeti::TakipSonrasiMahsup_Anapara},
    {"takipsonrasimahsup_toda", &clsHesapOzeti::TakipSonrasiMahsup_TODA},
    {"takipsonrasimahsup_faizmasraf_tl", &clsHesapOzeti::TakipSonrasiMahsup_FaizMasraf_TL},
    {"takipsonrasimahsup_faizmasraf_doviz", &clsHesapOzeti::TakipSonrasiMahsup_FaizMasraf_Doviz},
    {"toplammahsup", &clsHesapOzeti::ToplamMahsup},
    {"fazlatahsilat", &clsHesapOzeti::FazlaTahsilat},
    {"bakiye_tl", &clsHesapOzeti::Bakiye_TL},
    {"bakiye_doviz", &clsHesapOzeti::Bakiye_Doviz},
    {"bakiye_guncel_tl", &clsHesapOzeti::BakiyeGuncelTL},
};

constexpr RateColumn kRateColumns[] = {
    {"guncelfaizorani", &clsHesapOzeti::GuncelFaizOrani},
    {"guncelkidemfaizorani", &clsHesapOzeti::GuncelKidemFaizOrani},
    {"takiptarihindefaizorani", &clsHesapOzeti::TakipTarihindeFaizOrani},
    {"takiptarihindekidemfaizorani", &clsHesapOzeti::TakipTarihindeKidemFaizOrani},
};

QString columnName(const char* column) {
    return QString::fromLatin1(column);
}

}  // namespace

void clsHesapOzeti::ClearClass() {
    trapped(QStringLiteral("Hesap.clsHesapOzeti.ClearClass"), [&] { *this = clsHesapOzeti(); });
}

bool clsHesapOzeti::Kaydet(qint32 FoyKodu) {
    return trapped(QStringLiteral("Hesap.clsHesapOzeti.Kaydet"), [&] {
        FieldValues fields;
        fields.reserve(1 + std::size(kMoneyColumns) + std::size(kRateColumns));
        fields.append({QStringLiteral("foykodu"), FoyKodu});
        for (const MoneyColumn& c : kMoneyColumns)
            fields.append({columnName(c.column), (this->*c.field).toSqlValue()});
        for (const RateColumn& c : kRateColumns)
            fields.append({columnName(c.column), static_cast<double>(this->*c.field)});
        shared().connection().upsertRow(QStringLiteral("tblfoy_hesap"), {QStringLiteral("foykodu")},
                                        fields);
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
            for (const MoneyColumn& c : kMoneyColumns)
                loaded.*c.field = Money::fromVariant(
                    modGeneral::NullKontrol(rs.value(columnName(c.column)), true));
            for (const RateColumn& c : kRateColumns)
                loaded.*c.field =
                    toRate(modGeneral::NullKontrol(rs.value(columnName(c.column)), true));
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
