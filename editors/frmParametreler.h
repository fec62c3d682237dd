#pragma once

#include "editors/BelgePenceresi.h"

namespace quv::editors {

// The office's settings, one tab per section: dated tariffs, the attorney-fee scale,
// other attorney fees, the shared rate tables and their rates, currencies, exchange
// rates, enforcement offices, courts, expense kinds, attorneys and the options with
// the SMS settings. Passwords are shown masked and kept unless retyped. Saving
// replaces every section in one transaction. A last tab shows the public rate tables the
// program ships, each rate with its legal basis, confidence mark and sources.
class frmParametreler : public BelgePenceresi {
    Q_OBJECT
public:
    explicit frmParametreler(Database& db, QWidget* parent = nullptr);

    bool yukle();
    bool kaydet() override;

    // The shipped tables as the tab shows them (HTML).
    static QString resmiTablolarMetni();
};

}  // namespace quv::editors
