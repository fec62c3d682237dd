#include "calc/TahsilatMahsubu.h"

namespace quv {

bool dovizCinsinden(MahsupBileseni bilesen) {
    switch (bilesen) {
        case MahsupBileseni::Anapara:
        case MahsupBileseni::KidemAnapara:
        case MahsupBileseni::FaizDoviz:
        case MahsupBileseni::MasrafDoviz:
        case MahsupBileseni::FaizIslemeyenTutar:
            return true;
        default:
            return false;
    }
}

QString mahsupBileseniAdi(MahsupBileseni bilesen) {
    switch (bilesen) {
        case MahsupBileseni::Anapara:
            return QStringLiteral("Asıl alacak");
        case MahsupBileseni::KidemAnapara:
            return QStringLiteral("Kıdem tazminatı");
        case MahsupBileseni::SonrakiAnapara:
            return QStringLiteral("Sonraki alacaklar");
        case MahsupBileseni::TODAAnapara:
            return QStringLiteral("Takip öncesi diğer alacaklar");
        case MahsupBileseni::FaizDoviz:
            return QStringLiteral("Faiz");
        case MahsupBileseni::FaizTL:
            return QStringLiteral("Diğer alacakların faizi");
        case MahsupBileseni::MasrafDoviz:
            return QStringLiteral("Faiz vergileri, tazminat ve komisyon");
        case MahsupBileseni::FaizIslemeyenTutar:
            return QStringLiteral("Faiz işlemeyen alacak");
        case MahsupBileseni::MasrafTL:
            return QStringLiteral("Harç ve masraflar");
        case MahsupBileseni::VekaletUcreti:
            return QStringLiteral("Vekalet ücreti");
    }
    return QString();
}

void TahsilatMahsubu::ekle(MahsupBileseni bilesen, Money tutar) {
    if (tutar.isZero())
        return;
    for (MahsupKismi& kisim : Kisimlar)
        if (kisim.Bilesen == bilesen) {
            kisim.Tutar += tutar;
            return;
        }
    Kisimlar.append({bilesen, tutar});
}

}  // namespace quv
