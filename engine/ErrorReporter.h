#pragma once

#include "engine/RuntimeError.h"

#include <QString>
#include <QStringList>

namespace quv {

// The two-line message of a trapped error:
// "Hatanın oluştuğu yer : <source>" CR "Hata : <number> -> <description>".
QString errorMessage(const QString& source, long number, const QString& description);

// Where trapped errors go: a message box when windows are shown, standard error
// for the command line, a list for the tests.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const QString& message) = 0;
};

// Writes every message to standard error and keeps them for a final summary.
class ConsoleErrorReporter : public ErrorReporter {
public:
    void report(const QString& message) override;
    const QStringList& messages() const { return messages_; }

private:
    QStringList messages_;
};

// Keeps the messages only (tests).
class CapturingErrorReporter : public ErrorReporter {
public:
    void report(const QString& message) override { messages_ << message; }
    const QStringList& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    QStringList messages_;
};

}  // namespace quv
