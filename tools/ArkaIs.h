#pragma once

namespace quv {

// Lowers the calling thread's priority. A thread that reads ahead or writes behind for a
// bulk run has a block's time for its work; the calculation it serves has none to spare,
// so on a busy machine the calculation gets a processor first.
void arkaIsOnceligi();

}  // namespace quv
