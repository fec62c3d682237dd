#include "CliSupport.h"

namespace quv::cli {

// quvhesap interest: placeholder until the command exists.
int interest(const QStringList& arguments) {
    (void)arguments;
    printErr(QStringLiteral("Bu komut henüz yok: interest"));
    return ExitUsage;
}

}  // namespace quv::cli
