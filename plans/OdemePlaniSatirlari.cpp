// The rows of the plan handed to the plan display.

#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlani.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/OdemePlaniMesajlari.h"
#include "summary/clsHesapOzeti.h"

#include <limits>

namespace quv {

QString OdemePlaniSatiri::SekmeliMetin() const {
    return QStringList{QString::number(Sira), Tarih, formatNumber(Tutar, FormatMoneyZero),
                       TaahKaydet, Aciklama}
        .join(u'\t');
}

Money FindTotal(const QList<OdemePlaniSatiri>& Satirlar) {
    Money toplam;
    for (const OdemePlaniSatiri& satir : Satirlar)
        toplam += satir.Tutar;
    return toplam;
}

namespace {

// A row's amount: whole cents, half to even.
Money kurus(Money tutar) {
    return tutar.roundTo2();
}

class SatirYazici {
public:
    explicit SatirYazici(QList<OdemePlaniSatiri>& satirlar) : satirlar_(satirlar) {}

    OdemePlaniSatiri& ekle(const QString& tarih, Money tutar, bool taahhut,
                           const QString& aciklama = QString()) {
        if (satirlar_.size() >= std::numeric_limits<qint16>::max())
            throw RuntimeError::overflow();
        satirlar_.append({static_cast<qint16>(satirlar_.size() + 1), tarih, tutar,
                          taahhut ? QStringLiteral("1") : QStringLiteral("0"), aciklama});
        return satirlar_.last();
    }

private:
    QList<OdemePlaniSatiri>& satirlar_;
};

}  // namespace

std::optional<OdemePlani> OdemePlaniHesabi::PlanOlustur() {
    if (GecerliHesap == 0 || !Wizardfoy) {
        bilgi(OdemePlaniMesajlari::TekrarHesapYaptirin);
        return std::nullopt;
    }
    if (GecerliHesap == 1 && (!TaksitTutari || *TaksitTutari <= Money())) {
        bilgi(OdemePlaniMesajlari::TaksitTutariniBelirleyin);
        return std::nullopt;
    }
    if (GecerliHesap == 2 && (!SonTaksitTutari || !TaksitSayisi2)) {
        bilgi(OdemePlaniMesajlari::SonTaksitTutariniBelirleyin);
        return std::nullopt;
    }
    using Sonuc = std::optional<OdemePlani>;
    return trapped<Sonuc>(
        QStringLiteral("frmOdemePlani.cmdOdemePlani_Click"), std::nullopt, [&]() -> Sonuc {
            clsFoyBilgileri& foy = *Wizardfoy;
            const quint64 once = shared().reportedErrors();
            // Collections after the start of proceedings, from today's calculation of the real
            // file.
            std::shared_ptr<clsFoyBilgileri> gercek =
                AktifHesap.TariheGoreHesapla(FoyKodu, QString(), false, true, false, false);
            if (!gercek || shared().reportedErrors() != once)
                return std::nullopt;
            OdemePlani plan;
            plan.TakipSonrasiToplamTahsilat = gercek->HesapOzeti().TakipSonrasiToplamTahsilat_TL;
            plan.GayriResmiMasraflariEkleme = Ayarlar.GayriResmiMasraflariEkleme;
            // Every row is an amount in cents and the last instalment takes what the
            // others leave, so the rows add up to the target (in cents) exactly; the
            // display, the commitments, the document, the SMS and the command line all
            // carry these rows.
            const Money T = kurus(HedefToplamiBul(foy, plan.TakipSonrasiToplamTahsilat));
            SatirYazici yaz(plan.Satirlar);

            if (GecerliHesap == 1) {
                const Money G = kurus(*TaksitTutari);
                const Money P = kurus(Sayiya.Pesinat);
                Money S = P;
                if (P > Money())
                    yaz.ekle(foy.GununTarihi, P, false, OdemePlaniMesajlari::Pesinat);
                QString tarih = Sayiya.IlkTarih;
                for (int i = 1; i <= Sayiya.TaksitSayisi; ++i) {
                    if (i > 1)
                        tarih = TarihiIlerlet(tarih, Sayiya.Periyot, Sayiya.Birim);
                    // The last instalment takes what is left.
                    const Money tutar = i == Sayiya.TaksitSayisi ? T - S : G;
                    yaz.ekle(tarih, tutar, true);
                    S += tutar;
                }
            } else if (GecerliHesap == 2) {
                const Money A = kurus(Tutara.TaksitTutari);
                const Money P = kurus(Tutara.Pesinat);
                const Money sonTaksit = kurus(*SonTaksitTutari);
                Money S = P;
                if (P > Money())
                    yaz.ekle(foy.GununTarihi, P, false, OdemePlaniMesajlari::Pesinat);
                QString tarih = Tutara.IlkTarih;
                for (int i = 1; i <= *TaksitSayisi2; ++i) {
                    if (i > 1)
                        tarih = TarihiIlerlet(tarih, Tutara.Periyot, Tutara.Birim);
                    if (i < *TaksitSayisi2) {
                        yaz.ekle(tarih, A, true);
                        S += A;
                    } else if (sonTaksit > Money()) {
                        yaz.ekle(tarih, sonTaksit, true);
                        S += sonTaksit;
                    }
                }
                // The last instalment absorbs the difference to the target; when nothing
                // would be left of it, it goes. The down payment is never touched.
                if (!plan.Satirlar.isEmpty() && plan.Satirlar.last().taahhutEdilecek()) {
                    OdemePlaniSatiri& son = plan.Satirlar.last();
                    const Money yeni = son.Tutar + (T - S);
                    if (yeni > Money())
                        son.Tutar = yeni;
                    else
                        plan.Satirlar.removeLast();
                }
            } else {
                for (const ManuelTahsilat& satir : Manuel.Satirlar)
                    if (!satir.bosmu())
                        yaz.ekle(satir.Tarih, kurus(satir.Tutar), true);
            }
            plan.Toplam = FindTotal(plan.Satirlar);
            return plan;
        });
}

}  // namespace quv
