#include "tools/ArkaIs.h"

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace quv {

void arkaIsOnceligi() {
#ifdef __linux__
    // A thread of its own has its own niceness on Linux; raising it needs no privilege.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

}  // namespace quv
