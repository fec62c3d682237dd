#include "ui/MoneyEdit.h"

#include "engine/NumberFormat.h"

#include <QRegularExpression>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace quv {
namespace {

// Whole digits a box takes: every amount of fourteen digits fits a money value.
constexpr int MaxIntegerDigits = 14;

std::int64_t powerOfTen(int n) {
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Rounds half away from zero, the rounding of the displayed form. An amount at the
// very end of the range that would round past it is kept as it is.
Money roundToDecimals(Money value, int decimals) {
    const std::int64_t step = powerOfTen(4 - decimals);
    if (step == 1)
        return value;
    const std::int64_t raw = value.raw();
    __int128 q = raw / step;
    const std::int64_t r = raw % step;
    if (2 * static_cast<__int128>(r < 0 ? -static_cast<__int128>(r) : r) >= step)
        q += raw < 0 ? -1 : 1;
    const __int128 rounded = q * step;
    if (rounded > std::numeric_limits<std::int64_t>::max() ||
        rounded < std::numeric_limits<std::int64_t>::min())
        return value;
    return Money::fromRaw(static_cast<std::int64_t>(rounded));
}

class MoneyValidator : public QValidator {
public:
    MoneyValidator(int decimals, bool allowNegative, QObject* parent)
        : QValidator(parent), decimals_(decimals), allowNegative_(allowNegative) {}

    State validate(QString& input, int&) const override {
        QString text = input.trimmed();
        if (text.isEmpty())
            return Intermediate;
        QString body = text;
        if (body.startsWith(u'-')) {
            if (!allowNegative_)
                return Invalid;
            body.remove(0, 1);
        }
        static const QRegularExpression allowed(QStringLiteral("^[0-9.,]*$"));
        if (!allowed.match(body).hasMatch())
            return Invalid;
        const int comma = body.indexOf(u',');
        if (comma >= 0) {
            if (decimals_ == 0 || body.indexOf(u',', comma + 1) >= 0)
                return Invalid;
            const QString fraction = body.mid(comma + 1);
            if (fraction.contains(u'.') || fraction.size() > decimals_)
                return Invalid;
        }
        const QString whole = comma >= 0 ? body.left(comma) : body;
        if (QString(whole).remove(u'.').size() > MaxIntegerDigits)
            return Invalid;
        if (body.isEmpty())
            return Intermediate;
        return MoneyEdit::readText(text, decimals_) ? Acceptable : Intermediate;
    }

private:
    int decimals_;
    bool allowNegative_;
};

}  // namespace

MoneyEdit::MoneyEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    installValidator();
    connect(this, &QLineEdit::textChanged, this, [this] {
        const Money now = value();
        if (now != lastValue_) {
            lastValue_ = now;
            emit valueChanged(now);
        }
    });
}

std::optional<Money> MoneyEdit::readText(const QString& input, int decimals) {
    QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // ",5" and "12," are read as 0,5 and 12.
    QString sign;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        sign = text.left(1);
        text.remove(0, 1);
    }
    if (text.startsWith(u','))
        text.prepend(u'0');
    if (text.endsWith(u','))
        text.chop(1);
    std::optional<Money> value = parseNumber(sign + text);
    if (!value)
        return std::nullopt;
    return roundToDecimals(*value, std::clamp(decimals, 0, 4));
}

QString MoneyEdit::formatValue(Money value, int decimals) {
    QString pattern = QStringLiteral("#,#0");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    return formatNumber(value, pattern);
}

Money MoneyEdit::value() const {
    return readText(text(), decimals_).value_or(Money());
}

void MoneyEdit::setValue(Money value) {
    setText(formatValue(roundToDecimals(value, decimals_), decimals_));
}

void MoneyEdit::setDecimals(int decimals) {
    decimals_ = std::clamp(decimals, 0, 4);
    installValidator();
    normalize();
}

void MoneyEdit::setAllowNegative(bool allow) {
    allowNegative_ = allow;
    installValidator();
}

void MoneyEdit::installValidator() {
    QValidator* old = const_cast<QValidator*>(validator());
    setValidator(new MoneyValidator(decimals_, allowNegative_, this));
    delete old;
}

void MoneyEdit::normalize() {
    if (text().trimmed().isEmpty())
        return;
    std::optional<Money> read = readText(text(), decimals_);
    if (read)
        setText(formatValue(*read, decimals_));
    else
        clear();
}

void MoneyEdit::focusOutEvent(QFocusEvent* event) {
    normalize();
    QLineEdit::focusOutEvent(event);
}

}  // namespace quv
