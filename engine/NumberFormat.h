#pragma once

#include "engine/Money.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace quv {

// The locale every user-facing number uses unless a caller passes another.
const QLocale& turkishLocale();

// Formats a number with a pattern of the "#,#.00" family: "#" digits show only when
// needed, "0" digits always; a "," in the integer part groups thousands; the
// count of characters after "." is the number of decimals. The group and decimal
// separators come from the locale, Turkish by default, so
//   "#,#.00"  : 1234.56 -> "1.234,56", 0 -> ",00"
//   "#,#0.00" : 1234.56 -> "1.234,56", 0 -> "0,00"
//   "0000"    : 7 -> "0007".
// Display rounding is half away from zero.
QString formatNumber(Money value, const QString& pattern, const QLocale& locale = turkishLocale());
QString formatNumber(double value, const QString& pattern, const QLocale& locale = turkishLocale());

// Reads an amount a user typed: "1.234,56" (Turkish), "1234,56" or "1234.56".
// With a comma, dots group thousands; without one, a dot followed by groups of
// exactly three digits groups thousands, any other dot is the decimal point.
// Nothing when the text is not such a number.
std::optional<Money> parseNumber(const QString& text);

// The two patterns the windows and documents use.
inline const QString FormatMoney = QStringLiteral("#,#.00");
inline const QString FormatMoneyZero = QStringLiteral("#,#0.00");

}  // namespace quv
