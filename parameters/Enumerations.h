#pragma once

#include <QtGlobal>

namespace quv {

// Jurisdiction of the court that granted a precautionary attachment.
enum Enum_MahkemeGorevi : qint16 {
    E_MG_Tanimlanmamis = 0,
    E_MG_AsliyeHukuk = 1,
    E_MG_SulhHukuk = 2,
    E_MG_AsliyeTicaret = 3,
    E_MG_AsliyeCeza = 4,
    E_MG_SulhCeza = 5,
    E_MG_IcraCeza = 6,
    E_MG_AgirCeza = 7,
    E_MG_IcraMahkemesi = 8,
    E_MG_Cumhuriyet = 9,
    E_MG_Idare = 10,
    E_MG_Is = 11,
    E_MG_Aile = 12,
    E_MG_Tuketici = 13,
    E_MG_FikriSinaiHakCeza = 14,
    E_MG_FikriSinaiHakHukuk = 15,
    E_MG_Vergi = 16,
    E_MG_TuketiciHakemHeyeti = 17,
    E_MG_Kadastro = 18,
    E_MG_IcraHukuk = 19,
    E_MG_BolgeIdare = 20,
    E_MG_Cocuk = 21,
    E_MG_CocukAgirCeza = 22,
    E_MG_AskeriYuksekIdareMahkemesi = 23,
    E_MG_BolgeAdliye = 24,
};

}  // namespace quv
