#pragma once

#include "engine/DatabaseUrl.h"
#include "engine/RecordSet.h"
#include "engine/SqlDialect.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace quv {

// One named value of a row to write.
using FieldValue = std::pair<QString, QVariant>;
using FieldValues = QList<FieldValue>;

// The one connection through which every query and command of the component runs.
// The SQL texts run as written; the layer adapts only what the server lacks
// ("SELECT TOP n" becomes "LIMIT n" on SQLite and PostgreSQL). Behind ODBC the server
// is asked for its name once the connection is open, and its dialect follows from
// that, not from the connection text. Positional "?"
// parameters are bound in order. A failing statement raises a run-time error that
// carries the driver's text. Statements are not wrapped in transactions.
class Database {
public:
    enum class OpenMode { MustExist, CreateIfMissing };

    // Opens the database named by a path or URL (see DatabaseUrl).
    static std::shared_ptr<Database> open(const QString& urlOrPath,
                                          OpenMode mode = OpenMode::MustExist);
    static std::shared_ptr<Database> open(const DatabaseUrl& url,
                                          OpenMode mode = OpenMode::MustExist);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Backend backend() const { return url_.backend; }
    const DatabaseUrl& url() const { return url_; }
    QSqlDatabase handle() const;
    // The dialect of the server: the backend's own, or behind ODBC the one the server
    // reports by name.
    SqlDialect::Dialect dialect() const { return dialect_; }
    // The database kind to hand to the facade: 2 (Access dialect) when the server is
    // Access, 1 (the other dialect) for every other server.
    qint16 veritabaniTuru() const { return dialect_ == SqlDialect::Dialect::Access ? 2 : 1; }

    // The text that actually runs on this backend.
    QString adapt(const QString& sql) const;

    RecordSet openRecordSet(const QString& sql, CursorType type = CursorType::ForwardOnly,
                            const QVariantList& parameters = {});
    // Runs an UPDATE, DELETE, INSERT or DDL text; returns the rows affected (-1 if unknown).
    int execute(const QString& sql, const QVariantList& parameters = {});
    // Adds one row with the given fields (an INSERT with bound values).
    void addRow(const QString& table, const FieldValues& fields);
    // Writes one row by its key in a single statement: inserted when missing,
    // otherwise every given field is replaced. A failure leaves the stored row as it was.
    void upsertRow(const QString& table, const QStringList& keyColumns, const FieldValues& fields);
    // The same with the columns and their values apart: a row saved again and again with one
    // list of columns.
    void upsertRow(const QString& table, const QStringList& keyColumns, const QStringList& columns,
                   QVariantList values);

    QStringList tables() const;
    // Column names of a table as the database reports them.
    QStringList columns(const QString& table) const;

    // True when the server answers; a connection lost (a server restart) answers false.
    bool alive();
    // Opens the connection again after it was lost; false when the server is not back.
    bool reconnect();

    void beginTransaction();
    // SQLite beside other writers: takes the write lock at once ("BEGIN IMMEDIATE") if no
    // other connection holds it, without waiting for it; false when another holds it. On
    // other backends a transaction begins as with beginTransaction().
    bool beginImmediateIfFree();
    void commit();
    void rollback();

    // Diagnostics: called after every statement with the text that ran, its
    // duration in nanoseconds and the rows read or affected.
    using StatementLog = std::function<void(const QString& sql, qint64 nanoseconds, int rows)>;
    void setStatementLog(StatementLog log) { log_ = std::move(log); }
    // Benchmarks: called before every statement with the text that runs, its
    // parameters and whether it reads rows, so the sequence can be replayed alone.
    using StatementRecorder =
        std::function<void(const QString& sql, const QVariantList& parameters, bool readsRows)>;
    void setStatementRecorder(StatementRecorder recorder) { recorder_ = std::move(recorder); }
    // Statements are kept prepared for the next run of the same text (the default); a
    // connection that runs each text once (a block's reads with its file codes) keeps none.
    void setKeepsStatements(bool keep) { keepStatements_ = keep; }
    // While it lives, the connection keeps no statement it runs: a text that names a block's
    // files runs once, and kept it would hold its prepared form until the cache is full.
    class RunsOnce {
    public:
        explicit RunsOnce(Database& db)
            : db_(db), keep_(std::exchange(db.keepStatements_, false)) {}
        ~RunsOnce() { db_.keepStatements_ = keep_; }
        RunsOnce(const RunsOnce&) = delete;
        RunsOnce& operator=(const RunsOnce&) = delete;

    private:
        Database& db_;
        bool keep_;
    };
    // A read without parameters that ran on another connection on this one's behalf (a bulk
    // run reading ahead): told to the log and the recorder as if it had run here.
    void noteRead(const QString& text, qint64 nanoseconds, int rows);
    // A statement that ran on another connection of the same backend for this one (a bulk
    // run writing behind), as it ran there: told to the recorder, and to the log unless it
    // has no duration (a transaction's begin or end, which the log never hears of).
    void noteWrite(const QString& ranText, const QVariantList& parameters, qint64 nanoseconds,
                   int rows);
    // True while a log or a recorder listens.
    bool observed() const { return log_ || recorder_; }

    // Bulk runs: a source that may answer a read from rows it read before (for many
    // files at once), and that is told of every statement that writes, so it can forget
    // what the write changed or keep the write to send it later with others of its kind.
    // Statements it does not answer or keep run as usual.
    class ReadSource {
    public:
        virtual ~ReadSource() = default;
        // The rows of the read (its text as the caller gave it, before the backend adapts
        // it, and its parameters); none: run it.
        virtual std::optional<std::pair<QStringList, RecordSet::Rows>> answer(
            const QString& text, const QVariantList& parameters) = 0;
        // True when the source keeps the write (it counts as one row written).
        virtual bool written(const QString& text, const QVariantList& parameters) = 0;
    };
    // The source in use until it is set to none; the caller keeps it alive.
    void setReadSource(ReadSource* source) { source_ = source; }
    ReadSource* readSource() const { return source_; }

private:
    // The text that runs: `sql` itself when the backend changes nothing in it (no copy made),
    // otherwise `adapted`, set to the adapted text.
    const QString& runText(const QString& sql, QString& adapted) const;
    Database(DatabaseUrl url, QString connectionName);
    bool preparable(const QString& adaptedSql) const;
    // The session settings of a server connection (after each open).
    void sunucuAyarlari();
    QSqlQuery& prepared(const QString& adaptedSql);
    // Runs a text already adapted to the backend.
    QSqlQuery& run(const QString& text, const QVariantList& parameters, bool forwardOnly);

    DatabaseUrl url_;
    SqlDialect::Dialect dialect_ = SqlDialect::Dialect::Other;
    QString connectionName_;
    struct CachedStatement {
        QSqlQuery* query = nullptr;
        quint64 lastUse = 0;
    };
    QHash<QString, CachedStatement> statements_;
    // The upsert texts by table, columns and key.
    QHash<QString, QString> upsertTexts_;
    // The last upsert's table, key and columns, and its text.
    struct LastUpsert {
        QString table;
        QStringList keyColumns;
        QStringList columns;
        QString text;
    };
    LastUpsert lastUpsert_;
    quint64 useCounter_ = 0;
    std::unique_ptr<QSqlQuery> direct_;
    // The statement of a connection that keeps none.
    std::unique_ptr<QSqlQuery> once_;
    bool keepStatements_ = true;
    StatementLog log_;
    StatementRecorder recorder_;
    ReadSource* source_ = nullptr;
};

}  // namespace quv
