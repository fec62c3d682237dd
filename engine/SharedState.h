#pragma once

#include "engine/Database.h"
#include "engine/DateService.h"
#include "engine/ErrorReporter.h"
#include "engine/MessageService.h"
#include "engine/WindowHost.h"

#include <QString>

#include <algorithm>
#include <memory>

namespace quv {

// The state that the whole component shares, one copy per process. The facade's
// property puts write the connection values; the services are created on first use
// and may be replaced (windows install a message box reporter, tests a capture).
class SharedState {
public:
    QString ActiveUserName;
    // 2 selects the Access dialect of the SQL texts, any other value the other one.
    qint16 ActiveVeritabaniTuru = 1;
    // Only forwarded to the document printing.
    QString AccessDBPath;
    QString SQLServerName;
    QString SQLDBName;
    QString SQLUserName;
    QString SQLPassword;

    // The connection; raises a run-time error when none has been handed in.
    Database& connection() const;
    bool hasConnection() const { return connection_ != nullptr; }
    void setConnection(std::shared_ptr<Database> db) { connection_ = std::move(db); }

    DateService& dates();
    MessageService& messages();
    ErrorReporter& reporter();
    std::shared_ptr<ErrorReporter> reporterShared() {
        reporter();
        return reporter_;
    }
    WindowHost& windowHost();
    void setMessageService(std::shared_ptr<MessageService> s) { messages_ = std::move(s); }
    void setErrorReporter(std::shared_ptr<ErrorReporter> r) { reporter_ = std::move(r); }
    void setWindowHost(std::shared_ptr<WindowHost> h) { windowHost_ = std::move(h); }

    // How many errors have been reported so far: a run compares it before and after
    // to learn whether one of its steps reported an error.
    quint64 reportedErrors() const { return reportedErrors_; }
    void countReportedError() { ++reportedErrors_; }
    // Errors of an attempt that is made again are not counted (a run after a reconnect).
    void forgetReportedErrors(quint64 n) { reportedErrors_ -= std::min(n, reportedErrors_); }

    // Back to the state of a fresh process (tests).
    void reset();

private:
    std::shared_ptr<Database> connection_;
    std::unique_ptr<DateService> dates_;
    std::shared_ptr<MessageService> messages_;
    std::shared_ptr<ErrorReporter> reporter_;
    std::shared_ptr<WindowHost> windowHost_;
    quint64 reportedErrors_ = 0;
};

// The process-wide instance.
SharedState& shared();

}  // namespace quv
