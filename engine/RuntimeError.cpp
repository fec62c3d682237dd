#include "engine/RuntimeError.h"

#include <utility>

namespace quv {

RuntimeError::RuntimeError(long number, QString description)
    : number_(number),
      description_(std::move(description)),
      what_((QString::number(number_) + QStringLiteral(" -> ") + description_).toStdString()) {}

RuntimeError RuntimeError::overflow() {
    return {ErrNo::Overflow, QStringLiteral("Overflow")};
}

RuntimeError RuntimeError::subscriptOutOfRange() {
    return {ErrNo::SubscriptOutOfRange, QStringLiteral("Subscript out of range")};
}

RuntimeError RuntimeError::divisionByZero() {
    return {ErrNo::DivisionByZero, QStringLiteral("Division by zero")};
}

RuntimeError RuntimeError::typeMismatch() {
    return {ErrNo::TypeMismatch, QStringLiteral("Type mismatch")};
}

RuntimeError RuntimeError::invalidUseOfNull() {
    return {ErrNo::InvalidUseOfNull, QStringLiteral("Invalid use of Null")};
}

RuntimeError RuntimeError::database(const QString& driverText) {
    return {ErrNo::Database, driverText};
}

RuntimeError RuntimeError::application(const QString& text) {
    return {ErrNo::Application, text};
}

}  // namespace quv
