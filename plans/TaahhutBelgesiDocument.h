#pragma once

#include "ui/Document.h"
#include "plans/TaahhutBelgesi.h"

namespace quv {

// The commitment document as the document service lays it out: the file code in the
// title, the debt statement (amounts right-aligned beside their labels), the
// instalment schedule in two halves side by side and, when asked, the account
// statement of the plan's working copy: every group of it when detailed, otherwise
// its balances (the group "Bakiye").
Document taahhutBelgesiDocument(const TaahhutBelgesi& belge, bool HesapDokumunuMetneEkle,
                                bool DetayliHesapDokumu);

}  // namespace quv
