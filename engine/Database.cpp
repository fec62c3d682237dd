#include "engine/Database.h"

#include "engine/RuntimeError.h"
#include "engine/SqlDialect.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <atomic>
#include <mutex>

// unixODBC's declarations, for asking the server behind a QODBC connection its name.
#include <sql.h>
#include <sqlext.h>
// SQLite's, for its settings before the first connection.
#include <sqlite3.h>

namespace quv {

namespace {

// How long a SQLite statement waits for a lock another connection holds.
constexpr int kSqliteBusyTimeoutMs = 10000;

// The wait for another connection's lock, in short steps: 0.1, 0.2, 0.4 and 0.8 ms, then
// 1 ms each, until kSqliteBusyTimeoutMs have passed. SQLite's own steps grow to 25 ms and
// more, while a writer beside this one (another worker of a bulk run) holds the lock for a
// few milliseconds: the waiting connection slept on long after the lock was free.
int kisaAdimlarlaBekle(void*, int kez) {
    constexpr int kIlkAdimlar = 4;
    const qint64 beklenen = kez < kIlkAdimlar ? 100 * ((qint64(1) << kez) - 1)
                                              : 1500 + qint64(kez - kIlkAdimlar) * 1000;
    if (beklenen >= qint64(kSqliteBusyTimeoutMs) * 1000)
        return 0;
    QThread::usleep(kez < kIlkAdimlar ? 100UL << kez : 1000UL);
    return 1;
}

// The SQLite library's own handle of a connection; none on another backend.
sqlite3* sqliteBaglantisi(const QSqlDatabase& db) {
    const QVariant surucu = db.driver()->handle();
    return qstrcmp(surucu.typeName(), "sqlite3*") == 0
               ? *static_cast<sqlite3* const*>(surucu.constData())
               : nullptr;
}

// Prepared statements kept per connection; texts with spliced values vary, so the
// cache is bounded.
constexpr int kStatementCacheSize = 256;

QString errorText(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    QString driver = error.driverText().trimmed();
    // A lost connection may come without any text: say so rather than nothing.
    if (text.isEmpty() && driver.isEmpty())
        return QStringLiteral("veritabanı bağlantısı kesildi (sürücü hata metni vermedi)");
    if (text.isEmpty())
        return driver;
    if (!driver.isEmpty() && !text.contains(driver))
        text += QStringLiteral(" (") + driver + u')';
    return text;
}

QString driverName(Backend backend) {
    switch (backend) {
        case Backend::SQLite:
            return QStringLiteral("QSQLITE");
        case Backend::PostgreSQL:
            return QStringLiteral("QPSQL");
        case Backend::ODBC:
            return QStringLiteral("QODBC");
    }
    return QString();
}

// The dialect of the server behind an open connection. Behind ODBC the driver is
// asked for the server's name (SQL_DBMS_NAME); a driver that does not answer leaves
// the dialect that knows no TOP, which most servers share.
SqlDialect::Dialect dialectOf(Backend backend, const QSqlDatabase& db) {
    switch (backend) {
        case Backend::SQLite:
            return SqlDialect::Dialect::SQLite;
        case Backend::PostgreSQL:
            return SqlDialect::Dialect::PostgreSQL;
        case Backend::ODBC:
            break;
    }
    const QVariant handle = db.driver()->handle();
    if (handle.metaType() != QMetaType::fromType<SQLHANDLE>())
        return SqlDialect::Dialect::Other;
    SQLHANDLE connection = *static_cast<const SQLHANDLE*>(handle.constData());
    SQLCHAR name[256] = {};
    SQLSMALLINT length = 0;
    if (!connection ||
        !SQL_SUCCEEDED(SQLGetInfo(connection, SQL_DBMS_NAME, name, sizeof name, &length)))
        return SqlDialect::Dialect::Other;
    return SqlDialect::fromDbmsName(QString::fromUtf8(reinterpret_cast<const char*>(name)));
}

}  // namespace

Database::Database(DatabaseUrl url, QString connectionName)
    : url_(std::move(url)), connectionName_(std::move(connectionName)) {}

std::shared_ptr<Database> Database::open(const QString& urlOrPath, OpenMode mode) {
    return open(DatabaseUrl::parse(urlOrPath), mode);
}

std::shared_ptr<Database> Database::open(const DatabaseUrl& url, OpenMode mode) {
    static std::atomic<int> counter{0};
    // SQLite counts every allocation under one lock for its memory figures, which nothing
    // here reads: the connections of a bulk run's threads (reading ahead, writing behind)
    // would wait on it for each other thousands of times a block. Off before the first
    // connection, when the library still takes settings.
    static std::once_flag sqliteAyari;
    std::call_once(sqliteAyari, [] { sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0); });
    if (url.backend == Backend::SQLite && mode == OpenMode::MustExist &&
        url.path != QStringLiteral(":memory:") && !QFileInfo::exists(url.path))
        throw RuntimeError::application(QStringLiteral("Veritabanı dosyası bulunamadı: ") +
                                        url.path);
    if (!QSqlDatabase::isDriverAvailable(driverName(url.backend)))
        throw RuntimeError::application(QStringLiteral("Veritabanı sürücüsü yüklü değil: ") +
                                        driverName(url.backend));

    QString name = QStringLiteral("quvhesap-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(driverName(url.backend), name);
    switch (url.backend) {
        case Backend::SQLite:
            db.setDatabaseName(url.path);
            db.setConnectOptions(
                QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kSqliteBusyTimeoutMs));
            break;
        case Backend::PostgreSQL:
            db.setHostName(url.host);
            db.setPort(url.port);
            db.setDatabaseName(url.database);
            db.setUserName(url.user);
            db.setPassword(url.password);
            if (!url.options.isEmpty())
                db.setConnectOptions(url.options);
            break;
        case Backend::ODBC:
            db.setDatabaseName(url.odbcConnection);
            break;
    }
    // Exact decimals come back as text, so money is read without binary rounding.
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    std::shared_ptr<Database> result(new Database(url, name));
    auto acilamadi = [&](const QString& text) {
        return RuntimeError::database(QStringLiteral("Veritabanı açılamadı (") + url.redacted() +
                                      QStringLiteral("): ") + text);
    };
    if (!db.open()) {
        QString text = errorText(db.lastError());
        // The handle goes before the connection is removed, which it would keep in use.
        db = QSqlDatabase();
        result.reset();
        throw acilamadi(text);
    }
    if (url.backend == Backend::SQLite)
        if (sqlite3* baglanti = sqliteBaglantisi(db))
            sqlite3_busy_handler(baglanti, kisaAdimlarlaBekle, nullptr);
    if (url.backend == Backend::SQLite && mode == OpenMode::MustExist &&
        url.path != QStringLiteral(":memory:")) {
        // A file that is not a database is refused untouched (nothing is written before this
        // read); an empty file is an empty database that nothing writes to until its tables
        // are made. The header is read by SQLite itself: a file of its own closed by this
        // process would give up the locks the process's other connections hold on it.
        QSqlQuery deneme(db);
        if (!deneme.exec(QStringLiteral("select count(*) from sqlite_master"))) {
            const QSqlError hata = deneme.lastError();
            deneme = QSqlQuery();
            db = QSqlDatabase();
            result.reset();
            if (hata.nativeErrorCode() == QLatin1String("26"))  // SQLITE_NOTADB
                throw RuntimeError::application(
                    QStringLiteral("%1 bir SQLite veritabanı değil (yeni bir veritabanını "
                                   "quvhesap init-db oluşturur).")
                        .arg(url.path));
            throw acilamadi(errorText(hata));
        }
    }
    result->dialect_ = dialectOf(url.backend, db);
    if (url.backend == Backend::SQLite && url.path != QStringLiteral(":memory:") &&
        (mode == OpenMode::CreateIfMissing || QFileInfo(url.path).size() > 0)) {
        // The embedded database lives on the user's own disk (offices that share data
        // between machines use the server): a write-ahead log keeps readers and the
        // writer apart, and commits without a disk flush each; a crash can lose the
        // last commits but never corrupts the file.
        result->execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        result->execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    result->sunucuAyarlari();
    return result;
}

Database::~Database() {
    direct_.reset();
    once_.reset();
    for (const CachedStatement& c : std::as_const(statements_))
        delete c.query;
    statements_.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase Database::handle() const {
    return QSqlDatabase::database(connectionName_, false);
}

QString Database::adapt(const QString& sql) const {
    return SqlDialect::adapt(dialect_, sql);
}

const QString& Database::runText(const QString& sql, QString& adapted) const {
    if (!SqlDialect::mayAdapt(dialect_, sql))
        return sql;
    adapted = adapt(sql);
    return adapted;
}

bool Database::preparable(const QString& adaptedSql) const {
    if (url_.backend != Backend::PostgreSQL)
        return true;
    static const QRegularExpression dml(
        QStringLiteral("^\\s*\\(?\\s*(SELECT|INSERT|UPDATE|DELETE|VALUES|WITH)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return dml.match(adaptedSql).hasMatch();
}

QSqlQuery& Database::prepared(const QString& adaptedSql) {
    if (!keepStatements_) {
        auto query = std::make_unique<QSqlQuery>(handle());
        if (!query->prepare(adaptedSql))
            throw RuntimeError::database(errorText(query->lastError()));
        once_ = std::move(query);
        return *once_;
    }
    ++useCounter_;
    auto it = statements_.find(adaptedSql);
    if (it != statements_.end()) {
        it->lastUse = useCounter_;
        return *it->query;
    }
    if (statements_.size() >= kStatementCacheSize) {
        // The half used longest ago goes; texts used again and again stay prepared.
        QList<quint64> uses;
        for (const CachedStatement& c : std::as_const(statements_))
            uses << c.lastUse;
        std::nth_element(uses.begin(), uses.begin() + uses.size() / 2, uses.end());
        const quint64 median = uses[uses.size() / 2];
        for (auto c = statements_.begin(); c != statements_.end();) {
            if (c->lastUse <= median) {
                delete c->query;
                c = statements_.erase(c);
            } else {
                ++c;
            }
        }
    }
    auto* query = new QSqlQuery(handle());
    if (!query->prepare(adaptedSql)) {
        QString text = errorText(query->lastError());
        delete query;
        throw RuntimeError::database(text);
    }
    statements_.insert(adaptedSql, {query, useCounter_});
    return *query;
}

QSqlQuery& Database::run(const QString& text, const QVariantList& parameters, bool forwardOnly) {
    if (parameters.isEmpty() && !preparable(text)) {
        // Statements the server cannot prepare (table definitions, settings) run directly.
        direct_ = std::make_unique<QSqlQuery>(handle());
        direct_->setForwardOnly(forwardOnly);
        if (!direct_->exec(text)) {
            QString error = errorText(direct_->lastError());
            direct_.reset();
            throw RuntimeError::database(error);
        }
        return *direct_;
    }
    QSqlQuery& query = prepared(text);
    query.setForwardOnly(forwardOnly);
    for (int i = 0; i < parameters.size(); ++i)
        query.bindValue(i, parameters[i]);
    if (!query.exec()) {
        QString error = errorText(query.lastError());
        query.finish();
        // A statement that failed may have left the prepared handle unusable.
        if (&query == once_.get()) {
            once_.reset();
        } else {
            statements_.remove(text);
            delete &query;
        }
        throw RuntimeError::database(error);
    }
    return query;
}

RecordSet Database::openRecordSet(const QString& sql, CursorType type,
                                  const QVariantList& parameters) {
    // The source is asked with the text as given: a read it answers is never adapted.
    if (source_)
        if (auto rows = source_->answer(sql, parameters))
            return RecordSet(std::move(rows->first), std::move(rows->second), type);
    QString adapted;
    const QString& text = runText(sql, adapted);
    if (recorder_)
        recorder_(text, parameters, true);
    QElapsedTimer timer;
    timer.start();
    QSqlQuery& query = run(text, parameters, url_.backend != Backend::PostgreSQL);
    QSqlRecord record = query.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    std::vector<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row << query.value(i);
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid()) {
        QString error = errorText(query.lastError());
        query.finish();
        throw RuntimeError::database(error);
    }
    query.finish();
    int count = static_cast<int>(rows.size());
    if (log_)
        log_(text, timer.nsecsElapsed(), count);
    return RecordSet(columns, std::move(rows), type);
}

void Database::noteRead(const QString& sql, qint64 nanoseconds, int rows) {
    // Told as the text that ran, as a read of this connection is.
    QString adapted;
    const QString& text = runText(sql, adapted);
    if (recorder_)
        recorder_(text, {}, true);
    if (log_)
        log_(text, nanoseconds, rows);
}

void Database::noteWrite(const QString& ranText, const QVariantList& parameters,
                         qint64 nanoseconds, int rows) {
    if (recorder_)
        recorder_(ranText, parameters, false);
    if (log_ && nanoseconds >= 0)
        log_(ranText, nanoseconds, rows);
}

int Database::execute(const QString& sql, const QVariantList& parameters) {
    if (source_ && source_->written(sql, parameters))
        return 1;
    QString adapted;
    const QString& text = runText(sql, adapted);
    if (recorder_)
        recorder_(text, parameters, false);
    QElapsedTimer timer;
    timer.start();
    QSqlQuery& query = run(text, parameters, url_.backend != Backend::PostgreSQL);
    int affected = query.numRowsAffected();
    query.finish();
    if (log_)
        log_(text, timer.nsecsElapsed(), affected);
    return affected;
}

namespace {

// "INSERT INTO table (a, b) VALUES (?, ?)" for the fields' columns.
QString insertText(const QString& table, const FieldValues& fields) {
    QStringList names;
    QStringList marks;
    for (const auto& field : fields) {
        names << field.first;
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
           names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
           marks.join(QStringLiteral(", ")) + u')';
}

}  // namespace

void Database::addRow(const QString& table, const FieldValues& fields) {
    QVariantList values;
    for (const auto& field : fields)
        values << field.second;
    execute(insertText(table, fields), values);
}

void Database::upsertRow(const QString& table, const QStringList& keyColumns,
                         const QStringList& columns, QVariantList values) {
    // A summary is saved file after file with the same columns (one list, so comparing it is
    // quick): the text of the one before.
    const LastUpsert& last = lastUpsert_;
    const bool upsert =
        dialect_ == SqlDialect::Dialect::SQLite || dialect_ == SqlDialect::Dialect::PostgreSQL;
    if (upsert && !columns.isEmpty() && columns == last.columns &&
        keyColumns == last.keyColumns && table == last.table &&
        values.size() == columns.size()) {
        execute(last.text, values);
        return;
    }
    FieldValues fields;
    fields.reserve(columns.size());
    for (qsizetype i = 0; i < columns.size(); ++i)
        fields.append({columns[i], values.value(i)});
    upsertRow(table, keyColumns, fields);
    if (upsert)
        lastUpsert_.columns = columns;
}

void Database::upsertRow(const QString& table, const QStringList& keyColumns,
                         const FieldValues& fields) {
    // SQLite and PostgreSQL (natively or behind ODBC) write the row in one statement.
    if (dialect_ == SqlDialect::Dialect::SQLite || dialect_ == SqlDialect::Dialect::PostgreSQL) {
        // The text is built once for each table and set of columns.
        QString key;
        key.reserve(table.size() + 24 * fields.size());
        key += table;
        QVariantList values;
        values.reserve(fields.size());
        for (const auto& [name, value] : fields) {
            key += u',';
            key += name;
            values << value;
        }
        key += u'|';
        key += keyColumns.join(u',');
        auto text = upsertTexts_.constFind(key);
        if (text == upsertTexts_.constEnd()) {
            QStringList updates;
            for (const auto& field : fields)
                if (!keyColumns.contains(field.first, Qt::CaseInsensitive))
                    updates << field.first + QStringLiteral(" = excluded.") + field.first;
            text = upsertTexts_.insert(
                key, insertText(table, fields) + QStringLiteral(" ON CONFLICT (") +
                         keyColumns.join(QStringLiteral(", ")) + u')' +
                         (updates.isEmpty() ? QStringLiteral(" DO NOTHING")
                                            : QStringLiteral(" DO UPDATE SET ") +
                                                  updates.join(QStringLiteral(", "))));
        }
        // The columns are kept by the overload that has them as one list.
        lastUpsert_ = {table, keyColumns, {}, *text};
        execute(*text, values);
        return;
    }
    // Without an upsert statement: replace the row if it is there, otherwise add it.
    QStringList sets;
    QVariantList setValues;
    QStringList where;
    QVariantList keyValues;
    for (const auto& [name, value] : fields) {
        if (keyColumns.contains(name, Qt::CaseInsensitive)) {
            where << name + QStringLiteral(" = ?");
            keyValues << value;
        } else {
            sets << name + QStringLiteral(" = ?");
            setValues << value;
        }
    }
    int affected = 0;
    if (!sets.isEmpty())
        affected = execute(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") +
                               sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") +
                               where.join(QStringLiteral(" AND ")),
                           setValues + keyValues);
    if (affected <= 0)
        addRow(table, fields);
}

QStringList Database::tables() const {
    return handle().tables(QSql::Tables);
}

QStringList Database::columns(const QString& table) const {
    QSqlRecord record = handle().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

bool Database::alive() {
    QSqlQuery deneme(handle());
    return deneme.exec(QStringLiteral("select 1"));
}

bool Database::reconnect() {
    // The prepared statements belong to the lost connection.
    direct_.reset();
    once_.reset();
    for (const CachedStatement& c : std::as_const(statements_))
        delete c.query;
    statements_.clear();
    QSqlDatabase db = handle();
    db.close();
    if (!db.open())
        return false;
    sunucuAyarlari();
    return true;
}

void Database::sunucuAyarlari() {
    if (dialect_ != SqlDialect::Dialect::PostgreSQL)
        return;
    // A frozen server cannot hold a run forever: every statement has a time limit
    // (QUV_STATEMENT_TIMEOUT, in seconds; 300 when not set).
    bool ok = false;
    int saniye = qEnvironmentVariableIntValue("QUV_STATEMENT_TIMEOUT", &ok);
    if (!ok || saniye <= 0)
        saniye = 300;
    execute(QStringLiteral("SET statement_timeout = %1").arg(qint64(saniye) * 1000));
}

void Database::beginTransaction() {
    if (recorder_)
        recorder_(QStringLiteral("BEGIN"), {}, false);
    if (!handle().transaction())
        throw RuntimeError::database(errorText(handle().lastError()));
}

bool Database::beginImmediateIfFree() {
    const QString begin = QStringLiteral("BEGIN IMMEDIATE");
    sqlite3* baglanti = url_.backend == Backend::SQLite ? sqliteBaglantisi(handle()) : nullptr;
    if (!baglanti) {
        url_.backend == Backend::SQLite ? void(execute(begin)) : beginTransaction();
        return true;
    }
    // No busy wait for this one statement: a lock held elsewhere answers at once. (Run on
    // the driver's own handle: Qt SQL keeps no state of a transaction begun by a statement.)
    QElapsedTimer sure;
    sure.start();
    sqlite3_busy_timeout(baglanti, 0);
    const int sonuc = sqlite3_exec(baglanti, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_busy_handler(baglanti, kisaAdimlarlaBekle, nullptr);
    if (sonuc == SQLITE_BUSY)
        return false;
    if (sonuc != SQLITE_OK)
        throw RuntimeError::database(QString::fromUtf8(sqlite3_errmsg(baglanti)));
    if (recorder_)
        recorder_(begin, {}, false);
    if (log_)
        log_(begin, sure.nsecsElapsed(), 0);
    return true;
}

void Database::commit() {
    if (recorder_)
        recorder_(QStringLiteral("COMMIT"), {}, false);
    if (!handle().commit())
        throw RuntimeError::database(errorText(handle().lastError()));
}

void Database::rollback() {
    handle().rollback();
}

}  // namespace quv
