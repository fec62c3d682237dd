// Loading of the attorney-fee values: the precautionary-attachment fees and the
// attorney-fee scale with its five companion amounts (tbldigervekaletucretleri).

#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "parameters/ParametreOkuma.h"
#include "parameters/clsParametreler.h"

#include <array>
#include <limits>

namespace quv {

using namespace ParametreOkuma;

bool clsParametreler::IHVekaletUcretleriniYukle(const QString& strTarih, bool blnZorla,
                                                bool blnDurusmali) {
    return trapped<bool>(QStringLiteral("clsParametreler.IHVekaletUcretleriniYukle"), false, [&] {
        // Inside a loaded period the earlier values stay, whatever the hearing flag.
        if (!blnZorla && ihVekaletDonemi_.Icinde(strTarih))
            return true;
        ihVekaletDonemi_.Bosalt();
        tarihleriDenetle("tbldigervekaletucretleri");
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral(" select a.* from tbldigervekaletucretleri as a ") +
            QStringLiteral(" where a.tarih = (select max (b.tarih) ") +
            QStringLiteral(" from tbldigervekaletucretleri b where b.tarih <= ") +
            tirnakli(strTarih) + QStringLiteral(" ); "));
        if (rs.eof()) {
            rs.close();
            ClearIHVekaletUcretiBilgileri();
            return true;
        }
        const QString baslangic = toText(rs.value(QStringLiteral("tarih")));
        const float altOran =
            oran(rs, blnDurusmali ? QStringLiteral("durusmaaltoran") : QStringLiteral("altoran"));
        const Money deger = tutar(rs, blnDurusmali ? QStringLiteral("durusmaihtiyatideger")
                                                   : QStringLiteral("ihtiyatideger"));
        const Money ustDeger = tutar(
            rs, blnDurusmali ? QStringLiteral("durusmaustdeger") : QStringLiteral("ustdeger"));
        rs.close();
        const QString bitis =
            ParametreBitisTarihleri(QStringLiteral("tbldigervekaletucretleri"), baslangic);
        if (bitis.isEmpty())
            return false;
        IHAltOran = altOran;
        IHDeger = deger;
        IHUstDeger = ustDeger;
        ihVekaletDonemi_ = {baslangic, bitis};
        return true;
    });
}

bool clsParametreler::VekaletUcretleriniYukle(const QString& strTarih, bool blnZorla) {
    return trapped<bool>(QStringLiteral("clsParametreler.VekaletUcretleriniYukle"), false, [&] {
        if (!blnZorla && vekaletDonemi_.Icinde(strTarih))
            return true;
        vekaletDonemi_.Bosalt();
        tarihleriDenetle("tblvekaletucretioranlari");
        tarihleriDenetle("tbldigervekaletucretleri");
        Database& db = shared().connection();

        RecordSet rs =
            db.openRecordSet(QStringLiteral("select miktar, oran, tarih  ") +
                                 QStringLiteral(" from tblvekaletucretioranlari as a ") +
                                 QStringLiteral(" where a.tarih = (select max (b.tarih) ") +
                                 QStringLiteral(" from tblvekaletucretioranlari b ") +
                                 QStringLiteral(" where b.tarih <= ") + tirnakli(strTarih) +
                                 QStringLiteral(" ) order by kod asc; "),
                             CursorType::Static);
        std::vector<T_VekaletUcretiAraligi> araliklar;
        QString baslangic;
        QString bitis;
        if (!rs.eof()) {
            rs.moveLast();
            rs.moveFirst();
            const int sayi = rs.recordCount();
            if (sayi > std::numeric_limits<qint16>::max())
                throw RuntimeError::overflow();
            const VekaletOlcegi* okunmus = vekaletOlcekleri_.bul(rs);
            baslangic = okunmus ? okunmus->baslangic : toText(rs.value(QStringLiteral("tarih")));
            bitis = ParametreBitisTarihleri(QStringLiteral("tblvekaletucretioranlari"), baslangic);
            if (bitis.isEmpty())
                return false;
            if (okunmus) {
                araliklar = okunmus->araliklar;
            } else {
                araliklar.resize(static_cast<std::size_t>(sayi));
                for (T_VekaletUcretiAraligi& aralik : araliklar) {
                    aralik.Deger = Money::fromVariant(rs.value(0));
                    aralik.Oran = toRate(rs.value(1));
                    rs.moveNext();
                }
                vekaletOlcekleri_.ekle(rs, {araliklar, baslangic});
            }
        }
        rs.close();

        // The five amounts: a Null reads as 0; without a row the earlier values stay.
        RecordSet diger = db.openRecordSet(
            QStringLiteral(" select a.minvekaletucreti, a.konusuparaolmayanvekucr, "
                           "a.minvekaletucretitavani, a.icracezavekaletucreti, "
                           "a.tahliyevekaletucreti ") +
            QStringLiteral(" from tbldigervekaletucretleri as a ") +
            QStringLiteral(" where a.tarih = (select max (b.tarih) ") +
            QStringLiteral(" from tbldigervekaletucretleri b ") +
            QStringLiteral(" where b.tarih <= ") + tirnakli(strTarih) + QStringLiteral(" ); "));
        const bool digerVar = !diger.eof();
        std::array<Money, 5> tutarlar;
        if (const auto* okunmus = digerVar ? vekaletTutarlari_.bul(diger) : nullptr) {
            tutarlar = *okunmus;
        } else if (digerVar) {
            for (int i = 0; i < 5; ++i)
                tutarlar[static_cast<std::size_t>(i)] =
                    Money::fromVariant(modGeneral::NullKontrol(diger.value(i), true));
            vekaletTutarlari_.ekle(diger, tutarlar);
        }
        diger.close();

        VekaletUcretiAraliklari = std::move(araliklar);
        if (digerVar) {
            TabanVekaletUcreti = tutarlar[0];
            KonusuParaOlmayanVekaletUcreti = tutarlar[1];
            MinVekaletUcretiTavani = tutarlar[2];
            IcraCezaVekaletUcreti = tutarlar[3];
            TahliyeVekaletUcreti = tutarlar[4];
        }
        // An empty scale leaves the group unloaded (begin date empty).
        if (!baslangic.isEmpty())
            vekaletDonemi_ = {baslangic, bitis};
        return true;
    });
}

}  // namespace quv
