#pragma once

#include <QString>
#include <QVariant>

#include <compare>
#include <cstdint>

namespace quv {

// A money amount: a signed 64-bit fixed-point value with four decimal places
// (the amount times 10,000 held as an integer). Every operation is checked:
// overflow raises run-time error 6, division by zero run-time error 11.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(std::int64_t raw) { return Money(raw); }
    // Whole units (lira, dollars ...).
    static Money fromUnits(std::int64_t units);
    // amount × 10,000 rounded to the nearest integer, ties to even.
    static Money fromDouble(double amount);
    // amount rounded once, straight to the cent, ties to even (never through four
    // decimals first: that would turn a value just off half a cent into a tie).
    static Money fromDoubleToCents(double amount);
    // Exact decimal text such as "-1234.5678" or "12,5" (a comma is read as the
    // decimal point); more than four decimals round half to even. Anything else
    // raises run-time error 13.
    static Money parse(QStringView text);
    static Money parse(const QString& text) { return parse(QStringView(text)); }
    // A value read from the database or typed by a user: numbers and numeric text.
    // Null raises run-time error 94, other non-numbers run-time error 13.
    static Money fromVariant(const QVariant& value);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }
    // Exact decimal text with a point and four decimals ("-1234.5000").
    QString toDecimalString() const;
    // The value to bind for a money column: its exact decimal text.
    QVariant toSqlValue() const { return toDecimalString(); }

    constexpr bool isZero() const { return raw_ == 0; }

    // Rounded to two decimals, half to even, on the fixed-point value.
    Money roundTo2() const;

    Money operator-() const;
    // Sums run for every step of a calculation: checked inline.
    Money& operator+=(Money other) {
        if (__builtin_add_overflow(raw_, other.raw_, &raw_))
            overflow();
        return *this;
    }
    Money& operator-=(Money other) {
        if (__builtin_sub_overflow(raw_, other.raw_, &raw_))
            overflow();
        return *this;
    }
    friend Money operator+(Money a, Money b) { return a += b; }
    friend Money operator-(Money a, Money b) { return a -= b; }
    // Exact product with a wide intermediate, then half to even at four decimals.
    friend Money operator*(Money a, Money b);
    friend Money operator*(Money a, std::int64_t n);
    friend Money operator*(std::int64_t n, Money a) { return a * n; }
    // A quotient of two amounts (a ratio) in double; zero divisor raises 11.
    friend double operator/(Money a, Money b);
    // An amount divided by a count, half to even at four decimals.
    friend Money operator/(Money a, std::int64_t n);

    // A product with a rate or factor: computed in double, converted back half to even.
    Money times(double factor) const { return fromDouble(toDouble() * factor); }

    friend constexpr bool operator==(Money a, Money b) = default;
    friend constexpr std::strong_ordering operator<=>(Money a, Money b) = default;

private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    // Raises run-time error 6.
    [[noreturn]] static void overflow();
    std::int64_t raw_ = 0;
};

// Integer division rounding half to even (divisor non-zero, result in range).
std::int64_t divideHalfEven(__int128 numerator, std::int64_t divisor);

}  // namespace quv
