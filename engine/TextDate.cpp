#include "engine/TextDate.h"

#include "engine/RuntimeError.h"

namespace quv::TextDate {

namespace {

bool parts(const QString& text, int& y, int& m, int& d) {
    if (text.size() != 8)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    y = text.left(4).toInt();
    m = text.mid(4, 2).toInt();
    d = text.mid(6, 2).toInt();
    return QDate::isValid(y, m, d) && y >= 1;
}

}  // namespace

bool isValid(const QString& text) {
    int y, m, d;
    return parts(text, y, m, d);
}

QDate toDate(const QString& text) {
    int y, m, d;
    if (!parts(text, y, m, d))
        throw RuntimeError::typeMismatch();
    return QDate(y, m, d);
}

QString fromDate(const QDate& date) {
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1%2%3")
        .arg(date.year(), 4, 10, QChar(u'0'))
        .arg(date.month(), 2, 10, QChar(u'0'))
        .arg(date.day(), 2, 10, QChar(u'0'));
}

QString invalidMessage(const QString& field, const QString& text) {
    if (text.isEmpty() || isValid(text))
        return QString();
    return QStringLiteral("Lütfen ") + field +
           QStringLiteral(" için geçerli bir tarih giriniz: \"") + text + u'"';
}

}  // namespace quv::TextDate
