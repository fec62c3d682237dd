// SMS from the plan display.

#include "plans/frmShowPlan.h"

#include "plans/SmsGonderici.h"

namespace quv {

frmShowPlan::~frmShowPlan() = default;

void frmShowPlan::SmsAyarlariniYukle() {}

void frmShowPlan::TelefonlariYukle() {}

void frmShowPlan::cmdSmsGonder_Click() {}

}  // namespace quv
