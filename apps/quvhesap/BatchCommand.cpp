#include "CliSupport.h"

namespace quv::cli {

// quvhesap batch: placeholder until the command exists.
int batch(const QStringList& arguments) {
    (void)arguments;
    printErr(QStringLiteral("Bu komut henüz yok: batch"));
    return ExitUsage;
}

}  // namespace quv::cli
