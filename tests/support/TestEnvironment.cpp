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

namespace {

QString safeName(const QString& testName) {
    static std::atomic<int> counter{0};
    QString base = testName.toLower();
    base.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("_"));
    // Several test programs share one server: the process id keeps their databases apart.
    return QStringLiteral("t%1_%2_%3").arg(QCoreApplication::applicationPid()).arg(++counter).arg(base.left(30));
}

}  // namespace

std::vector<Backend> availableBackends() {
    std::vector<Backend> backends;
    backends.push_back({QStringLiteral("SQLite"), [](const QString& testName) {
                            return scratchPath(safeName(testName) + QStringLiteral(".sqlite"));
                        }});
    QString pg = qEnvironmentVariable("QUV_TEST_PG_URL");
    if (!pg.isEmpty()) {
        backends.push_back({QStringLiteral("PostgreSQL"), [pg](const QString& testName) {
                                // One database per test, made through the server's maintenance
                                // database.
                                QString name = safeName(testName);
                                auto admin = Database::open(pg);
                                admin->execute(QStringLiteral("CREATE DATABASE ") + name);
                                QUrl url(pg);
                                url.setPath(u'/' + name);
                                return url.toString();
                            }});
    }
    return backends;
}

QString backendName(const Backend& backend) {
    return backend.name;
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
