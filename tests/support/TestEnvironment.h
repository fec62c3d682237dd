#pragma once

#include "engine/Database.h"
#include "engine/ErrorReporter.h"
#include "engine/MessageService.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

#include <ostream>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace quv::test {

// Resets the process-wide state for one test: a capturing error reporter, a
// scripted message service, a fixed today, no connection.
class SharedStateGuard {
public:
    explicit SharedStateGuard(const QString& today = QStringLiteral("20240115"));
    ~SharedStateGuard();

    CapturingErrorReporter& errors() { return *errors_; }
    ScriptedMessageService& messages() { return *messages_; }

private:
    std::shared_ptr<CapturingErrorReporter> errors_;
    std::shared_ptr<ScriptedMessageService> messages_;
};

// A database backend the database tests run on.
struct Backend {
    QString name;
    // Makes a new empty database and returns its URL.
    std::function<QString(const QString& testName)> create;
};

// SQLite always; PostgreSQL when QUV_TEST_PG_URL names a server (the test command
// starts a private cluster and sets it).
std::vector<Backend> availableBackends();
QString backendName(const Backend& backend);

// A new empty database of the backend with the host tables created, connected as
// the component's shared connection.
std::shared_ptr<Database> freshDatabase(const Backend& backend, const QString& testName,
                                        bool withSchema = true);

// A process-lifetime scratch folder.
QString scratchPath(const QString& name);

}  // namespace quv::test
