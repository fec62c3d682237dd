#pragma once

#include "engine/Money.h"
#include "plans/BellekGridi.h"
#include "plans/OdemePlani.h"
#include "plans/OdemePlaniDenetimleri.h"
#include "plans/OdemePlaniGirdileri.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace quv {

class clsFoyBilgileri;
class clsHesapAna;

// The payment-plan computation behind the wizard. It never computes interest itself:
// it adds trial collections to a private working copy of the file, has the facade
// recalculate the copy, reads the balance from the copy's summary, adjusts, and
// removes the trial collections again. The working copy is never saved.
//
// The window copies its controls into the inputs (Ayarlar and the three mode inputs),
// calls ResetGecerliHesap whenever one of them changes, runs one of the compute
// commands and shows the outputs; PlanOlustur gives the rows for the plan display.
// Messages go through the message service; trapped errors through the error reporter.
class OdemePlaniHesabi {
public:
    OdemePlaniHesabi(clsHesapAna& AktifHesap, qint32 FoyKodu);
    ~OdemePlaniHesabi();
    OdemePlaniHesabi(const OdemePlaniHesabi&) = delete;
    OdemePlaniHesabi& operator=(const OdemePlaniHesabi&) = delete;

    clsHesapAna& AktifHesap;
    const qint32 FoyKodu;
    // The working copy (made by CalismaKopyasiniYukle).
    std::shared_ptr<clsFoyBilgileri> Wizardfoy;

    // Inputs.
    OdemePlaniAyarlari Ayarlar;
    SayiyaGorePlan Sayiya;
    TutaraGorePlan Tutara;
    ManuelPlan Manuel;

    // Outputs, empty while the control is cleared.
    std::optional<Money> TaksitTutari;     // oceTaksitTutari (by count)
    std::optional<qint16> TaksitSayisi2;   // oceTaksitSayisi2 (by amount)
    std::optional<Money> SonTaksitTutari;  // oceSonTaksitTutari (by amount)
    Money ToplamOdenen;                    // lblToplamOdenen (manual)
    // Manual: the balance left, the overpayment negative; none when cleared.
    std::optional<Money> KalanBakiye;
    // lblBakiye: the balance left, "-" and the overpayment, or empty.
    QString BakiyeMetni() const;

    // Which computation the plan is built from: 0 none, 1 by count, 2 by amount, 3 manual.
    qint16 GecerliHesap = 0;
    // The input check that stopped the last compute command (passed when none did).
    Denetim SonDenetim;
    // Called after the recalculation of a compute command, before the computation:
    // the window shows the date and balance of the working copy (LoadInfoGrid).
    std::function<void()> HesapYenilendi;

    // Opening: makes the working copy (not to be saved, no tiered-interest detail),
    // loads it with the parameters of its reference date, and calculates it. False
    // when the file does not load or its calculation reported an error.
    bool CalismaKopyasiniYukle();
    // The settings the wizard starts with, taken from the working copy: the file's
    // fixed rate or its rate table, the severance claim's rate or table and its offset
    // preference, the file's offset order or its dated table.
    void AyarlariFoydenAl();

    // The compute commands (cmdCalcAuto1, cmdCalcAuto2, cmdCalcManuel): the checks,
    // the settings into the working copy, a recalculation with the calculation date as
    // the commitment date, then the computation. True when it succeeded; GecerliHesap
    // then names the mode, otherwise it is reset.
    bool HesaplaSayiya();
    bool HesaplaTutara();
    bool HesaplaManuel();
    // Forgets the current computation (every input change calls it).
    void ResetGecerliHesap() { GecerliHesap = 0; }

    Denetim ValuesOK() const;
    // Copies the settings into the working copy and reloads its claims and expenses.
    // False when a step reported an error.
    bool WizardFoyeDegerleriAta();
    // The three computations on a working copy that has just been recalculated.
    bool OtomatikHesap1();
    bool OtomatikHesap2();
    bool ManuelHesap();
    // Removes the collections from position OncekiSayi + 1 on, highest first.
    void SonradanEklenenTahsilatlariCikar(int OncekiSayi);
    // What the plan's rows must add up to, from the file's last calculated summary.
    static Money HedefToplamiBul(clsFoyBilgileri& Foy, Money TakipSonrasiToplamTahsilat);

    // The plan rows of the current computation (cmdOdemePlani); none with a message
    // when there is no valid computation or an output is missing, or after an error.
    // Every row is an amount in cents; by count and by amount they add up to the target
    // (HedefToplamiBul, in cents). Every consumer (display, commitments, document, SMS,
    // command line) carries these rows.
    std::optional<OdemePlani> PlanOlustur();

private:
    bool hesapla(qint16 mod, const std::function<Denetim()>& denetim,
                 const std::function<bool()>& hesap);
    // Runs a computation that adds trial collections: its errors are reported with the
    // source text, a recalculation that reported an error stops it, and the trial
    // collections are removed whatever the outcome.
    bool denemeli(const QString& kaynak, const std::function<bool()>& govde);
    // Recalculates the working copy (in wizard mode when asked); stops the computation
    // when the recalculation reported an error.
    void yenidenHesapla(const QString& taahhutTarihi = QString(), bool sihirbazdan = false);
    void denemeTahsilatiEkle(Money tutar, const QString& tarih,
                             std::optional<qint16> tahsilatSekli = std::nullopt);
    void ilkEklenenNoyuSakla();
    bool otomatikHesap1();
    bool otomatikHesap2();
    void manuelHesap();
    void bilgi(const QString& mesaj);

    BellekGridi faizGridi_;
    BellekGridi kidemFaizGridi_;
    BellekGridi mahsupGridi_;
};

}  // namespace quv
