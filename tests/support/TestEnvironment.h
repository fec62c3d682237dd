#pragma once

#include "engine/Database.h"
#include "engine/ErrorReporter.h"
#include "engine/MessageService.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace quv::test {

// The process-wide state for one test: captured errors, scripted messages, a fixed today.
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

// A database backend: its name and the maker of a new empty database, returning its URL;
// when it cannot run here, why (its tests are skipped).
struct Backend {
    QString name;
    std::function<QString(const QString& testName)> create;
    QString unavailable{};
};

// SQLite always; PostgreSQL when QUV_TEST_PG_URL names a server.
std::vector<Backend> availableBackends();
// Both reached through ODBC by a connection string naming the driver library by its path;
// the native URL of such a database.
std::vector<Backend> odbcBackends();
QString nativeUrl(const Database& odbc);
inline QString backendName(const Backend& backend) {
    return backend.name;
}

// A new database of the backend with the host tables, made the shared connection.
std::shared_ptr<Database> freshDatabase(const Backend& backend, const QString& testName,
                                        bool withSchema = true);

// A process-lifetime scratch folder.
QString scratchPath(const QString& name);

// The schema and the demo files (twelve files 1001 to 1012, calculated up to 20241231) in a
// new database at the URL or path; a bare name is a scratch SQLite file of that name.
QString demo(QString url);

}  // namespace quv::test
