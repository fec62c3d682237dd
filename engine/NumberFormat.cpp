#include "engine/NumberFormat.h"

#include "engine/RuntimeError.h"

#include <QRegularExpression>

#include <cmath>

namespace quv {

namespace {

struct Pattern {
    bool grouping = false;
    int minIntegerDigits = 0;
    int decimals = 0;
};

Pattern parsePattern(const QString& pattern) {
    Pattern p;
    int point = pattern.indexOf(u'.');
    QString integer = point < 0 ? pattern : pattern.left(point);
    QString fraction = point < 0 ? QString() : pattern.mid(point + 1);
    p.grouping = integer.contains(u',');
    p.minIntegerDigits = static_cast<int>(integer.count(u'0'));
    p.decimals = static_cast<int>(fraction.count(u'0') + fraction.count(u'#'));
    return p;
}

// |value| scaled to the pattern's decimals, as digits; value given as raw × 10^4.
QString format(bool negative, unsigned long long integerPart, QString fractionDigits,
               const Pattern& p, const QLocale& locale) {
    QString digits = integerPart == 0 ? QString() : QString::number(integerPart);
    while (digits.size() < p.minIntegerDigits)
        digits.prepend(u'0');
    if (p.grouping && digits.size() > 3) {
        QString grouped;
        int lead = static_cast<int>(digits.size() % 3);
        if (lead == 0)
            lead = 3;
        grouped = digits.left(lead);
        for (int i = lead; i < digits.size(); i += 3)
            grouped += locale.groupSeparator() + digits.mid(i, 3);
        digits = grouped;
    }
    QString out = digits;
    if (p.decimals > 0)
        out += locale.decimalPoint() + fractionDigits;
    bool allZero = integerPart == 0 && fractionDigits.count(u'0') == fractionDigits.size();
    if (negative && !allZero)
        out.prepend(u'-');
    return out;
}

}  // namespace

const QLocale& turkishLocale() {
    static const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    return locale;
}

QString formatNumber(Money value, const QString& pattern, const QLocale& locale) {
    Pattern p = parsePattern(pattern);
    std::int64_t raw = value.raw();
    bool negative = raw < 0;
    unsigned long long a = negative ? 0ULL - static_cast<unsigned long long>(raw)
                                    : static_cast<unsigned long long>(raw);
    int decimals = p.decimals > 4 ? 4 : p.decimals;
    unsigned long long unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    unsigned long long scaled = a / unit;
    if ((a % unit) * 2 >= unit)
        ++scaled;  // half away from zero
    unsigned long long pow10 = 1;
    for (int i = 0; i < decimals; ++i)
        pow10 *= 10;
    QString fraction = decimals == 0
                           ? QString()
                           : QStringLiteral("%1").arg(scaled % pow10, decimals, 10, QChar(u'0'));
    while (fraction.size() < p.decimals)
        fraction += u'0';
    return format(negative, scaled / pow10, fraction, p, locale);
}

QString formatNumber(double value, const QString& pattern, const QLocale& locale) {
    Pattern p = parsePattern(pattern);
    bool negative = std::signbit(value) && value != 0.0;
    double a = std::fabs(value);
    double pow10 = std::pow(10.0, p.decimals);
    double scaled = std::floor(a * pow10 + 0.5);  // half away from zero
    double integer = std::floor(scaled / pow10);
    double frac = scaled - integer * pow10;
    QString fraction = p.decimals == 0 ? QString()
                                       : QStringLiteral("%1").arg(static_cast<qulonglong>(frac),
                                                                  p.decimals, 10, QChar(u'0'));
    return format(negative, static_cast<unsigned long long>(integer), fraction, p, locale);
}

std::optional<Money> parseNumber(const QString& input) {
    QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    static const QRegularExpression turkish(
        QStringLiteral("^[-+]?\\d{1,3}(\\.\\d{3})*(,\\d+)?$|^[-+]?\\d+(,\\d+)?$"));
    static const QRegularExpression grouped(QStringLiteral("^[-+]?\\d{1,3}(\\.\\d{3})+$"));
    static const QRegularExpression plain(QStringLiteral("^[-+]?\\d+(\\.\\d+)?$"));
    QString normalized;
    if (text.contains(u',')) {
        if (!turkish.match(text).hasMatch())
            return std::nullopt;
        normalized = QString(text).remove(u'.').replace(u',', u'.');
    } else if (grouped.match(text).hasMatch()) {
        normalized = QString(text).remove(u'.');
    } else if (plain.match(text).hasMatch()) {
        normalized = text;
    } else {
        return std::nullopt;
    }
    try {
        return Money::parse(normalized);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace quv
