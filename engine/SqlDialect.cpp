#include "engine/SqlDialect.h"

#include "engine/SqlText.h"

#include <QRegularExpression>
#include <QStringList>

namespace quv::SqlDialect {

Dialect fromDbmsName(const QString& name) {
    const QString n = name.trimmed();
    // SQL Server's own drivers and FreeTDS both report "Microsoft SQL Server".
    if (n.contains(QStringLiteral("SQL Server"), Qt::CaseInsensitive))
        return Dialect::SqlServer;
    // The Access driver reports "ACCESS"; a name merely containing the word is not Access.
    if (n.compare(QStringLiteral("ACCESS"), Qt::CaseInsensitive) == 0)
        return Dialect::Access;
    if (n.startsWith(QStringLiteral("PostgreSQL"), Qt::CaseInsensitive))
        return Dialect::PostgreSQL;
    if (n.startsWith(QStringLiteral("SQLite"), Qt::CaseInsensitive))
        return Dialect::SQLite;
    return Dialect::Other;
}

QString adapt(Dialect dialect, const QString& sql) {
    switch (dialect) {
        case Dialect::SqlServer:
        case Dialect::Access:
            return sql;
        case Dialect::PostgreSQL:
            return nullsSortLow(topToLimit(sql));
        case Dialect::SQLite:
        case Dialect::Other:
            break;
    }
    return topToLimit(sql);
}

namespace {

// True when "TOP" stands where the pattern below looks for it, right after the leading
// SELECT or SELECT DISTINCT: most texts have no TOP there and skip the pattern.
bool mayStartWithTop(QStringView sql) {
    qsizetype i = 0;
    auto blanks = [&] {
        while (i < sql.size() && sql[i].isSpace())
            ++i;
    };
    auto word = [&](QLatin1StringView w) {
        if (!SqlText::matchesAsciiAt(sql, w, i))
            return false;
        i += w.size();
        return true;
    };
    blanks();
    if (!word(QLatin1StringView("select")))
        return false;
    blanks();
    if (word(QLatin1StringView("distinct")))
        blanks();
    return word(QLatin1StringView("top"));
}

}  // namespace

bool mayAdapt(Dialect dialect, const QString& sql) {
    switch (dialect) {
        case Dialect::SqlServer:
        case Dialect::Access:
            return false;
        case Dialect::PostgreSQL:
            return mayStartWithTop(sql) ||
                   SqlText::indexOfAscii(sql, QLatin1StringView("order")) >= 0;
        case Dialect::SQLite:
        case Dialect::Other:
            break;
    }
    return mayStartWithTop(sql);
}

QString topToLimit(const QString& sql) {
    if (!mayStartWithTop(sql))
        return sql;
    static const QRegularExpression top(
        QStringLiteral("^(\\s*SELECT\\s+(?:DISTINCT\\s+)?)TOP\\s+(\\d+)\\s+"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = top.match(sql);
    if (!m.hasMatch())
        return sql;
    QString body = m.captured(1) + sql.mid(m.capturedEnd(0));
    while (!body.isEmpty() && (body.back().isSpace() || body.back() == u';'))
        body.chop(1);
    return body + QStringLiteral(" LIMIT ") + m.captured(2);
}

namespace {

using SqlText::isWordChar;

// True when the lower-case keyword stands at position i as a whole word, in either case.
bool keywordAt(const QString& s, int i, QLatin1StringView keyword) {
    if (!SqlText::matchesAsciiAt(s, keyword, i))
        return false;
    if (i > 0 && isWordChar(s[i - 1]))
        return false;
    int end = i + static_cast<int>(keyword.size());
    return end >= s.size() || !isWordChar(s[end]);
}

// Adds the Null ordering to one ORDER BY term, before its trailing blanks.
QString withNullOrdering(const QString& term) {
    const QStringView trimmed = QStringView(term).trimmed();
    if (trimmed.isEmpty() || SqlText::indexOfAscii(trimmed, QLatin1StringView("nulls")) >= 0)
        return term;
    // A descending term ends in the word DESC.
    const qsizetype kelime = trimmed.size() - 4;
    const bool desc = kelime >= 0 &&
                      SqlText::matchesAsciiAt(trimmed, QLatin1StringView("desc"), kelime) &&
                      (kelime == 0 || !isWordChar(trimmed[kelime - 1]));
    int last = static_cast<int>(term.size()) - 1;
    while (last >= 0 && term[last].isSpace())
        --last;
    return term.left(last + 1) +
           (desc ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST")) +
           term.mid(last + 1);
}

}  // namespace

QString nullsSortLow(const QString& sql) {
    if (SqlText::indexOfAscii(sql, QLatin1StringView("order")) < 0)
        return sql;
    QString out;
    out.reserve(sql.size() + 32);
    int i = 0;
    const int n = static_cast<int>(sql.size());
    while (i < n) {
        // Up to the next literal or word starting with an O, the text stays as it is.
        int run = i;
        while (run < n && sql[run] != u'\'' && (sql[run].unicode() | 0x20) != u'o')
            ++run;
        out += QStringView(sql).mid(i, run - i);
        i = run;
        if (i >= n)
            break;
        QChar c = sql[i];
        if (c == u'\'') {  // copy a literal whole
            int j = i + 1;
            while (j < n) {
                if (sql[j] == u'\'') {
                    if (j + 1 < n && sql[j + 1] == u'\'') {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (!keywordAt(sql, i, QLatin1StringView("order"))) {
            out += c;
            ++i;
            continue;
        }
        static const QRegularExpression orderBy(QStringLiteral("\\GORDER\\s+BY\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
        QRegularExpressionMatch m = orderBy.match(sql, i, QRegularExpression::NormalMatch);
        if (!m.hasMatch()) {
            out += c;
            ++i;
            continue;
        }
        out += m.captured(0);
        i = m.capturedEnd(0);
        // The terms run to a closing parenthesis of this level, a LIMIT/OFFSET, or the end.
        int depth = 0;
        QString term;
        auto flush = [&] {
            out += withNullOrdering(term);
            term.clear();
        };
        while (i < n) {
            QChar d = sql[i];
            if (d == u'\'') {
                int j = i + 1;
                while (j < n && !(sql[j] == u'\'' && (j + 1 >= n || sql[j + 1] != u'\'')))
                    j += (sql[j] == u'\'' ? 2 : 1);
                term += sql.mid(i, j - i + 1);
                i = j + 1;
                continue;
            }
            if (depth == 0 &&
                (d == u')' || d == u';' || keywordAt(sql, i, QLatin1StringView("limit")) ||
                 keywordAt(sql, i, QLatin1StringView("offset")) ||
                 keywordAt(sql, i, QLatin1StringView("for"))))
                break;
            if (d == u'(')
                ++depth;
            if (d == u')')
                --depth;
            if (depth == 0 && d == u',') {
                flush();
                out += d;
                ++i;
                continue;
            }
            term += d;
            ++i;
        }
        flush();
    }
    return out;
}

}  // namespace quv::SqlDialect
