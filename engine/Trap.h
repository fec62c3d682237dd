#pragma once

#include "engine/RuntimeError.h"

#include <QString>

#include <exception>
#include <utility>

namespace quv {

void HataGosterFromTrap(const QString& source, const RuntimeError& error);

// Runs a procedure body that traps its errors: a run-time error (or any other
// exception) is reported with the procedure's source text through the error
// reporter and the procedure returns its default.
template <class R, class F>
R trapped(const QString& source, R fallback, F&& body) {
    try {
        return std::forward<F>(body)();
    } catch (const RuntimeError& e) {
        HataGosterFromTrap(source, e);
    } catch (const std::exception& e) {
        HataGosterFromTrap(source, RuntimeError(51, QString::fromLocal8Bit(e.what())));
    }
    return fallback;
}

// The same for a procedure without a result; returns false when an error was reported.
template <class F>
bool trapped(const QString& source, F&& body) {
    return trapped<bool>(source, false, [&] {
        std::forward<F>(body)();
        return true;
    });
}

}  // namespace quv
