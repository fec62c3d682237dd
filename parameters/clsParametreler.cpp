#include "parameters/clsParametreler.h"

#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/TextDate.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "parameters/ParametreOkuma.h"

#include <limits>

namespace quv {

clsParametreler::clsParametreler() = default;

bool clsParametreler::TumParametreleriYukle(const QString& Tarih, bool blnZorla) {
    bool basarili = true;
    bool hatasiz = trapped(QStringLiteral("Hesap.clsParametreler.TumParametreleriYukle"), [&] {
        // Every group is loaded even when an earlier one failed; each reports its own error.
        basarili = HarclariYukle(Tarih, blnZorla) && basarili;
        basarili = IHVekaletUcretleriniYukle(Tarih, blnZorla, false) && basarili;
        basarili = HesapAyrintilariniYukle() && basarili;
        basarili = VekaletUcretleriniYukle(Tarih, blnZorla) && basarili;
    });
    return hatasiz && basarili;
}

QString clsParametreler::ParametreBitisTarihleri(const QString& tablo, const QString& tarih) {
    return trapped<QString>(
        QStringLiteral("clsParametreler.ParametreBitisTarihleri"), QString(), [&] {
            RecordSet rs = shared().connection().openRecordSet(
                QStringLiteral(" select a.tarih from ") + tablo + QStringLiteral(" as a ") +
                QStringLiteral(" where a.tarih = (select min (b.tarih) ") +
                QStringLiteral(" from ") + tablo + QStringLiteral(" b where b.tarih > ") +
                ParametreOkuma::tirnakli(tarih) + QStringLiteral(");"));
            QString bitis =
                rs.eof() ? TextDate::OpenEnd : toText(rs.value(QStringLiteral("tarih")));
            rs.close();
            return bitis;
        });
}

qint16 clsParametreler::VekaletUcretiAralikSayisi() const {
    if (VekaletUcretiAraliklari.size() >
        static_cast<std::size_t>(std::numeric_limits<qint16>::max()))
        throw RuntimeError::overflow();
    return static_cast<qint16>(VekaletUcretiAraliklari.size());
}

const T_VekaletUcretiAraligi& clsParametreler::VekaletUcretiAraligi(qint16 i) const {
    if (i < 1 || i > VekaletUcretiAralikSayisi())
        throw RuntimeError::subscriptOutOfRange();
    return VekaletUcretiAraliklari[static_cast<std::size_t>(i - 1)];
}

void clsParametreler::ClearHarclar() {
    BasvuruHarci = Money();
    VekaletHarci = Money();
    PesinHarcOrani = 0;
    TahsilHarciOrani1 = 0;
    TahsilHarciOrani2 = 0;
    TahsilHarciOrani3 = 0;
    MaastaTahsilHarciOrani = 0;
    CezaeviHarciOrani = 0;
    FeragatHarciOrani1 = 0;
    FeragatHarciOrani2 = 0;
    FeragatHarciOrani3 = 0;
    TahliyeHarciOrani1 = 0;
    TahliyeHarciOrani2 = 0;
    MenkulTeslimHarciOrani1 = 0;
    MenkulTeslimHarciOrani2 = 0;
    SulhKararHarci = Money();
    AHKararHarci = Money();
    YerineGetirmeHarci = Money();
    MaktuCezaeviHarci = Money();
    IhtiyatiHacizOrani = 0;
    DosyaGideri = Money();
    EvrakGideri = Money();
    SuretDamgaPulu = Money();
    PostaPulu = Money();
    PostaPulu_MTS = Money();
    KefaletHarciOrani = 0;
    KKDFOrani = 0;
    BaroPulu = Money();
    // A rounding unit of 0 would make every fee rounding divide by zero.
    YuvarlamaDegeri = Money::fromUnits(1);
    Stopaj = 0;
    SSDF = 0;
    CekbankaSorumlulukBedeli = Money();
    MTSHarciOrani = 0;
}

void clsParametreler::ClearHesapAyrintilari() {
    DosyaGideriEklensin = false;
    PesinHarcEklensin = false;
    IHDosyaGideriEklensin = false;
    IHTebligGideriEklensin = false;
    CekeSuretDPEklensin = false;
    NafakayaFaizHesaplansin = false;
    VekaletUcretlerineKDVeklensin = false;
    FaizYildakiGunSayisi = 1;
    SeneteKomisyonHesapla = false;
    DortteUcVekaletUcreti = false;
    DortteUcVekaletUcretiBaslamaTarihi.clear();
    TodalariVekaletUcretiBorcAslinaDahilEt = false;
}

void clsParametreler::ClearIHVekaletUcretiBilgileri() {
    IHAltOran = 0;
    IHDeger = Money();
    IHUstDeger = Money();
}

}  // namespace quv
