#pragma once

#include <QDate>
#include <QString>

namespace quv {

// The date object shared by the whole component: text dates to calendar days and
// back, today's date, and the displayed form of a text date.
class DateService {
public:
    virtual ~DateService() = default;

    // Raises run-time error 13 for a text that is not a valid calendar day.
    QDate toDate(const QString& textDate) const;
    QString toText(const QDate& date) const;
    // The local current date as a text date (or the fixed date set for a test).
    QString today() const;
    // Day, month and year of the text date joined by the separator ("15.01.2023").
    QString display(const QString& textDate, const QString& separator = QStringLiteral(".")) const;

    // Makes today() answer a fixed date (tests, reproducible runs); empty resets it.
    void setFixedToday(const QString& textDate) { fixedToday_ = textDate; }

private:
    QString fixedToday_;
};

}  // namespace quv
