#pragma once

#include "../calc/MotorTestDestegi.h"
#include "plans/OdemePlaniHesabi.h"

#include <QList>

#include <memory>
#include <utility>

namespace quv::test {

// The payment-plan computation on file 1 of the engine tests (no fees, a 365-day
// interest year, a fixed 9 % unless a test says otherwise).
class OdemePlaniTesti : public HesapMotoruTesti {
protected:
    // A file whose enforcement and calculation date are 31 December 2023 with one
    // claim of the amount on that day: the balance is the amount, no interest yet.
    void faizsizDosya(const char* tutar);
    // A file with a claim of the amount from 1 March 2023 (the enforcement start) at
    // 9 %, calculated on 31 December 2023.
    void faizliDosya(const char* tutar);

    // Opens the computation on file 1 with the settings the file gives.
    OdemePlaniHesabi& ac();
    // The working copy's collections as (date, amount).
    QList<std::pair<QString, Money>> tahsilatlar() const;
    QStringList mesajlar() { return guard_.messages().informations(); }
    // The balance and the overpayment of file 1 recalculated (not saved) on a date.
    std::pair<Money, Money> bakiyeVeFazla(const QString& tarih);

    std::unique_ptr<OdemePlaniHesabi> plan_;
};

}  // namespace quv::test
