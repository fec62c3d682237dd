#pragma once

#include <QString>

#include <exception>
#include <string>

namespace quv {

// Numbers of the run-time errors the component raises. They keep the classic
// numbering that the error message shows to the user ("Hata : 6 -> Overflow").
namespace ErrNo {
inline constexpr long Overflow = 6;
inline constexpr long SubscriptOutOfRange = 9;
inline constexpr long DivisionByZero = 11;
inline constexpr long TypeMismatch = 13;
inline constexpr long InvalidUseOfNull = 94;
// An error reported by the database driver; the description carries the driver's text.
inline constexpr long Database = -2147217900;
// No current row: a field was read at the end (or before the start) of a record set.
inline constexpr long NoCurrentRecord = 3021;
// A field name or position that the record set does not have.
inline constexpr long ItemNotFound = 3265;
// Errors raised by the component itself (no exchange rate, invalid argument, ...).
inline constexpr long Application = -2147220991;
}  // namespace ErrNo

// A run-time error: a number and a description. Procedures that trap errors hand
// it to the error reporter with their source text.
class RuntimeError : public std::exception {
public:
    RuntimeError(long number, QString description);

    long number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

    static RuntimeError overflow();
    static RuntimeError subscriptOutOfRange();
    static RuntimeError divisionByZero();
    static RuntimeError typeMismatch();
    static RuntimeError invalidUseOfNull();
    static RuntimeError database(const QString& driverText);
    static RuntimeError application(const QString& text);

private:
    long number_;
    QString description_;
    std::string what_;
};

}  // namespace quv
