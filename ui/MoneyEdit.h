#pragma once

#include "engine/Money.h"

#include <QLineEdit>

#include <optional>

namespace quv {

// A box for amounts, rates and counts in the Turkish form "1.234,56": digits, the
// group dot and the decimal comma only (and a leading minus where negatives are
// allowed). The text is put into its full form when the box loses the focus.
// An empty box holds 0.
class MoneyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MoneyEdit(QWidget* parent = nullptr);

    // The value shown, rounded to the box's decimals; 0 when empty.
    Money value() const;
    void setValue(Money value);

    // Decimals shown and accepted: 2 for amounts, 0 for counts, up to 4.
    int decimals() const { return decimals_; }
    void setDecimals(int decimals);
    bool allowsNegative() const { return allowNegative_; }
    void setAllowNegative(bool allow);

    // The amount of a typed text by the box's rules ("1.234,56", "1234,56",
    // "1234.56", ",5", "12,"); nothing when it is not a number.
    static std::optional<Money> readText(const QString& text, int decimals);
    // The full form of an amount with the given decimals ("1.234,56", "0,00", "7").
    static QString formatValue(Money value, int decimals);

signals:
    // Every change of the text that changes the value.
    void valueChanged(quv::Money value);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void normalize();
    void installValidator();

    int decimals_ = 2;
    bool allowNegative_ = false;
    Money lastValue_;
};

}  // namespace quv
