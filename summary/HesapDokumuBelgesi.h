#pragma once

#include "summary/HesapDokumu.h"
#include "ui/Document.h"

namespace quv {

// The account statement as the document service lays it out: the head, the summary
// by group, each claim's interest periods under their column captions, the
// collections with the debts they paid, the expenses and the calculation's notes.
Document hesapDokumuBelgesi(const HesapDokumu& dokum);

}  // namespace quv
