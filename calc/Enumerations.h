#pragma once

#include <QtGlobal>

namespace quv {

// Kinds of calculation items. Inside one date the items run in ascending value, so
// the numbering is part of the behaviour: rate changes before the claims they
// belong to, collections on the enforcement date after the enforcement start, and
// the calculation date last.
enum Enum_KalemTipi : qint32 {
    E_KT_FaizOraniDegisikligi = 1,
    E_KT_KidemFaizOraniDegisikligi = 2,
    E_KT_TODAFaizOraniDegisikligi = 3,
    E_KT_SonrakiAlacakFaizOraniDegisikligi = 4,
    E_KT_MahsupSirasiDegisimi = 5,
    E_KT_Alacak = 6,
    E_KT_IsleyenNafaka = 7,
    E_KT_NafakaFaizBaslangicTarihi = 8,
    E_KT_KidemTazminati = 9,
    E_KT_MahsupIslemi = 10,
    E_KT_Masraf = 11,
    E_KT_IlkHaciz = 12,
    E_KT_IlkSatis = 13,
    E_KT_IhtiyatiHacizTarihi = 14,
    E_KT_CevirmeTarihi = 15,
    E_KT_FaizIsleyecekTODA = 16,
    E_KT_TakipTarihi = 17,
    E_KT_SonrakiAlacak = 18,
    E_KT_Tahsilat = 19,
    E_KT_TaahhutteBulunmaTarihi = 20,
    E_KT_GununTarihi = 21,
};

// Offset order of collections.
enum Enum_TahsilatMahsupSirasi : qint16 {
    E_TMS_BorcAslindan = 1,
    E_TMS_ToplamBorctan_TakiptenOnceUygulama = 2,
    E_TMS_ToplamBorctan_TakiptenOnceUygula = 3,
    E_TMS_TabloKullanilmakta = 4,
    E_TMS_ToplamBorctan_EnSonVekaletUcreti = 5,
};

// Employee-claim files: whether collections go first to the severance claim.
enum Enum_KidemMahsupSirasi : qint16 {
    E_MS_OnceDigerAlacaklardan = 0,
    E_MS_OnceKidemTazminatindan = 1,
};

// Manner of a collection; it decides the share of the collection-fee rate.
enum Enum_TahsilatSekli : qint16 {
    E_TS_IcradanAlinan = 1,
    E_TS_IcrayaYatan = 2,
    E_TS_SubeyeHesabaYatan = 3,
    E_TS_CekSenetTahsili = 4,
    E_TS_GayrimenkulAlimi = 5,
    E_TS_MenkulAlimi = 6,
    E_TS_EldenYapilan = 7,
    E_TS_AvBankayaYatan = 8,
    E_TS_MuvekkileOdenen = 9,
    E_TS_POS = 10,
    E_TS_PostaCeki = 11,
    E_TS_IcraSatisi = 12,
    E_TS_Barokart = 13,
};

// How the remaining collection fee is computed at the closing.
enum KalanTahsilHarciHesaplamaSekilleri : qint16 {
    E_KTHS_IcrayaYatan = 1,
    E_KTHS_Elden = 2,
    E_KTHS_Hesaplama = 3,
};

}  // namespace quv
