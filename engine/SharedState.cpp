#include "engine/SharedState.h"

#include "engine/RuntimeError.h"

namespace quv {

SharedState& shared() {
    static SharedState state;
    return state;
}

Database& SharedState::connection() const {
    if (!connection_)
        throw RuntimeError(
            91, QStringLiteral("Object variable or With block variable not set (bağlantı yok)"));
    return *connection_;
}

DateService& SharedState::dates() {
    if (!dates_)
        dates_ = std::make_unique<DateService>();
    return *dates_;
}

MessageService& SharedState::messages() {
    // Without windows nobody can answer: questions are answered "no".
    if (!messages_)
        messages_ = std::make_shared<ScriptedMessageService>(false);
    return *messages_;
}

ErrorReporter& SharedState::reporter() {
    if (!reporter_)
        reporter_ = std::make_shared<ConsoleErrorReporter>();
    return *reporter_;
}

WindowHost& SharedState::windowHost() {
    if (!windowHost_)
        windowHost_ = std::make_shared<NoUserWindowHost>();
    return *windowHost_;
}

void SharedState::reset() {
    *this = SharedState();
}

}  // namespace quv
