#include "calc/clsKademeliFaizKalemi.h"

namespace quv {

namespace {

QString baslamaIfadesi(Enum_KalemTipi tip) {
    switch (tip) {
        case E_KT_FaizOraniDegisikligi:
        case E_KT_KidemFaizOraniDegisikligi:
        case E_KT_TODAFaizOraniDegisikligi:
        case E_KT_SonrakiAlacakFaizOraniDegisikligi:
            return QStringLiteral("Faiz oranı değişiklik tarihinden");
        case E_KT_Alacak:
        case E_KT_KidemTazminati:
        case E_KT_FaizIsleyecekTODA:
        case E_KT_SonrakiAlacak:
            return QStringLiteral("Faiz başlangıç tarihinden");
        case E_KT_IsleyenNafaka:
            return QStringLiteral("Eklenen nafaka tarihinden");
        case E_KT_TakipTarihi:
            return QStringLiteral("Takip tarihinden");
        case E_KT_Tahsilat:
            return QStringLiteral("Tahsilat tarihinden");
        default:
            return QString();
    }
}

QString bitisIfadesi(Enum_KalemTipi tip) {
    switch (tip) {
        case E_KT_FaizOraniDegisikligi:
        case E_KT_KidemFaizOraniDegisikligi:
        case E_KT_TODAFaizOraniDegisikligi:
        case E_KT_SonrakiAlacakFaizOraniDegisikligi:
            return QStringLiteral("faiz oranı değişiklik tarihine kadar.");
        case E_KT_IsleyenNafaka:
            return QStringLiteral("eklenen nafaka tarihine kadar.");
        case E_KT_TakipTarihi:
            return QStringLiteral("takip tarihine kadar.");
        case E_KT_Tahsilat:
            return QStringLiteral("tahsilat tarihine kadar.");
        case E_KT_GununTarihi:
            return QStringLiteral("hesap tarihine kadar.");
        default:
            return QString();
    }
}

}  // namespace

QString clsKademeliFaizKalemi::DefaultAciklama() const {
    return QString(baslamaIfadesi(BaslamaKaynak) + u' ' + bitisIfadesi(BitisKaynak)).trimmed();
}

}  // namespace quv
