#pragma once

#include <QDate>
#include <QString>

namespace quv::TextDate {

// Dates travel as eight-digit text, year, month, day; the empty text means "no date".
// They are compared as text everywhere; "99991231" stands for an open end.
inline const QString OpenEnd = QStringLiteral("99991231");

// True when the text is eight ASCII digits naming a real calendar day.
bool isValid(const QString& text);
// The calendar day of a text date; anything else raises run-time error 13.
QDate toDate(const QString& text);
// The text date of a calendar day; an invalid (empty) date gives the empty text.
QString fromDate(const QDate& date);
// For a date the user typed: the request to correct it, naming the field ("Lütfen takip
// tarihi için geçerli bir tarih giriniz: "31.04.2023""); the empty text when the text is
// empty or a text date.
QString invalidMessage(const QString& field, const QString& text);

}  // namespace quv::TextDate
