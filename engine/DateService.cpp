#include "engine/DateService.h"

#include "engine/TextDate.h"

namespace quv {

QDate DateService::toDate(const QString& textDate) const {
    return TextDate::toDate(textDate);
}

QString DateService::toText(const QDate& date) const {
    return TextDate::fromDate(date);
}

QString DateService::today() const {
    if (!fixedToday_.isEmpty())
        return fixedToday_;
    return TextDate::fromDate(QDate::currentDate());
}

QString DateService::display(const QString& textDate, const QString& separator) const {
    if (textDate.isEmpty())
        return QString();
    return textDate.mid(6, 2) + separator + textDate.mid(4, 2) + separator + textDate.left(4);
}

}  // namespace quv
