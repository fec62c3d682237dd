// The commitment document of the plan display.

#include "plans/frmShowPlan.h"

namespace quv {

void frmShowPlan::cmdPrint_Click() {}

void frmShowPlan::TaahhutBelgesiYazdir(bool, bool) {}

}  // namespace quv
