#include "support/TestEnvironment.h"

#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "formats/DemoVerisi.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
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

QString demo(QString url) {
    if (!url.contains(u':') && !url.contains(u'/')) {
        url = scratchPath(url);
        QFile::remove(url);
    }
    auto db = Database::open(url, Database::OpenMode::CreateIfMissing);
    Schema::initialize(*db);
    demoVerisiniYukle(*db, QStringLiteral(QUV_DEMO_DIR));
    return url;
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

// The native URLs of the databases behind ODBC connection strings.
static QHash<QString, QString> nativeUrls;

std::vector<Backend> odbcBackends() {
    std::vector<Backend> backends, natives = availableBackends();
    for (const auto& [name, library] :
         {std::pair{"SQLite", "libsqlite3odbc.so"}, {"PostgreSQL", "psqlodbcw.so"}}) {
        const QString driver = QStringLiteral(QUV_ODBC_DIR "/") + library;
        const auto native = std::ranges::find(natives, QString(name), &Backend::name);
        Backend odbc{QStringLiteral("ODBC_") + name, nullptr,
                     !QFile::exists(driver)    ? "ODBC sürücüsü kurulu değil: " + driver
                     : native == natives.end() ? "QUV_TEST_PG_URL yok"
                                               : ""};
        if (odbc.unavailable.isEmpty())
            odbc.create = [native = *native, driver](const QString& testName) {
                const QString url = native.create(testName);
                const DatabaseUrl u = DatabaseUrl::parse(url);
                const QString text =
                    u.backend == quv::Backend::SQLite
                        ? QStringLiteral("Driver=%1;Database=%2").arg(driver, u.path)
                        : QStringLiteral("Driver=%1;Server=%2;Port=%3;Database=%4;Uid=%5;Pwd={%6}")
                              .arg(driver, u.host, QString::number(u.port), u.database, u.user,
                                   u.password);
                nativeUrls.insert(text, url);
                return "odbc:" + text;
            };
        backends.push_back(odbc);
    }
    return backends;
}

QString nativeUrl(const Database& odbc) {
    return nativeUrls.value(odbc.url().odbcConnection);
}

std::shared_ptr<Database> freshDatabase(const Backend& backend, const QString& testName,
                                        bool withSchema) {
    auto db = Database::open(backend.create(testName), Database::OpenMode::CreateIfMissing);
    // The engine makes no tables through ODBC: they are made natively.
    if (withSchema)
        Schema::initialize(db->backend() == quv::Backend::ODBC ? *Database::open(nativeUrl(*db))
                                                               : *db);
    shared().setConnection(db);
    shared().ActiveVeritabaniTuru = db->veritabaniTuru();
    return db;
}

}  // namespace quv::test
