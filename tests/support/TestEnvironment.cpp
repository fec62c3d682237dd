#include "support/TestEnvironment.h"

#include "engine/Schema.h"
#include "engine/SharedState.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

#include <atomic>

namespace quv::test {

SharedStateGuard::SharedStateGuard(const QString& today)
    : errors_(std::make_shared<CapturingErrorReporter>()),
      messages_(std::make_shared<ScriptedMessageService>()) {
    shared().reset();
    shared().setErrorReporter(errors_);
    shared().setMessageService(messages_);
    shared().dates().setFixedToday(today);
}

SharedStateGuard::~SharedStateGuard() {
    shared().reset();
}

QString scratchPath(const QString& name) {
    static QTemporaryDir dir;
    return dir.filePath(name);
}

// Several test programs share one server: the process id keeps their databases apart.
static QString safeName(const QString& testName) {
    static std::atomic<int> counter{0};
    const QString base = testName.toLower().replace(QRegularExpression("[^a-z0-9]+"), "_");
    return QStringLiteral("t%1_%2_").arg(qApp->applicationPid()).arg(++counter) + base.left(30);
}

std::vector<Backend> availableBackends() {
    std::vector<Backend> backends;
    backends.push_back({QStringLiteral("SQLite"), [](const QString& testName) {
                            return scratchPath(safeName(testName) + QStringLiteral(".sqlite"));
                        }});
    if (const QString pg = qEnvironmentVariable("QUV_TEST_PG_URL"); !pg.isEmpty())
        backends.push_back({QStringLiteral("PostgreSQL"), [pg](const QString& testName) {
                                // One database per test, made through the maintenance one.
                                const QString name = safeName(testName);
                                Database::open(pg)->execute("CREATE DATABASE " + name);
                                QUrl url(pg);
                                url.setPath(u'/' + name);
                                return url.toString();
                            }});
    return backends;
}

std::shared_ptr<Database> freshDatabase(const Backend& backend, const QString& testName,
                                        bool withSchema) {
    auto db = Database::open(backend.create(testName), Database::OpenMode::CreateIfMissing);
    if (withSchema)
        Schema::initialize(*db);
    shared().setConnection(db);
    shared().ActiveVeritabaniTuru = db->veritabaniTuru();
    return db;
}

}  // namespace quv::test
