#pragma once

#include "engine/WindowHost.h"

namespace quv::cli {

// Asks for a missing exchange rate on the terminal with the exchange-rate dialog's
// texts and stores it as the dialog does. Without a terminal nobody can answer:
// no rate is invented and the calculation reports the missing rate.
class TerminalKurSorucu : public WindowHost {
public:
    Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) override;
    static bool terminalVar();
};

}  // namespace quv::cli
