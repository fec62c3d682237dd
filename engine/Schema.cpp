#include "engine/Schema.h"

#include "engine/RuntimeError.h"
#include "engine/SqlScript.h"

#include <QFile>
#include <QSet>

namespace quv::Schema {

namespace {

QString scriptText(Backend backend) {
    QString path = backend == Backend::PostgreSQL ? QStringLiteral(":/db/schema/postgresql.sql")
                                                  : QStringLiteral(":/db/schema/sqlite.sql");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError::application(QStringLiteral("Şema betiği okunamadı: ") + path);
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QStringList statements(Backend backend) {
    return SqlScript::statements(scriptText(backend));
}

const TableColumns& expected() {
    static const TableColumns tables = [] {
        std::shared_ptr<Database> memory =
            Database::open(QStringLiteral(":memory:"), Database::OpenMode::CreateIfMissing);
        for (const QString& statement : statements(Backend::SQLite))
            memory->execute(statement);
        TableColumns result;
        for (const QString& table : memory->tables())
            result.insert(table.toLower(), memory->columns(table));
        return result;
    }();
    return tables;
}

Comparison compare(const Database& db) {
    Comparison result;
    QMap<QString, QString> present;  // lower-case name -> name as the database has it
    for (const QString& table : db.tables())
        present.insert(table.toLower(), table);
    int found = 0;
    for (auto it = expected().cbegin(); it != expected().cend(); ++it) {
        auto existing = present.constFind(it.key());
        if (existing == present.cend()) {
            result.differences << QStringLiteral("%1 tablosu yok.").arg(it.key());
            continue;
        }
        ++found;
        QSet<QString> columns;
        for (const QString& column : db.columns(*existing))
            columns.insert(column.toLower());
        QStringList missing;
        for (const QString& column : it.value())
            if (!columns.contains(column.toLower()))
                missing << column;
        if (!missing.isEmpty())
            result.differences << QStringLiteral("%1 tablosunda eksik sütunlar: %2.")
                                      .arg(it.key(), missing.join(QStringLiteral(", ")));
    }
    if (found == 0)
        result.state = Comparison::State::Empty;
    else if (result.differences.isEmpty())
        result.state = Comparison::State::Complete;
    else
        result.state = Comparison::State::Different;
    return result;
}

InitResult initialize(Database& db) {
    Comparison comparison = compare(db);
    if (comparison.state == Comparison::State::Complete)
        return InitResult::AlreadyPresent;
    if (comparison.state == Comparison::State::Different)
        throw RuntimeError::application(
            QStringLiteral(
                "Veritabanındaki tablolar beklenenden farklı; hiçbir değişiklik yapılmadı.\n") +
            comparison.differences.join(u'\n'));
    if (db.backend() == Backend::ODBC)
        throw RuntimeError::application(
            QStringLiteral("ODBC veritabanlarında tablolar oluşturulmaz; tabloları ofisin kendi "
                           "araçlarıyla oluşturun."));
    db.beginTransaction();
    try {
        for (const QString& statement : statements(db.backend()))
            db.execute(statement);
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    return InitResult::Created;
}

}  // namespace quv::Schema
