#include "ui/DateEdit.h"

#include "engine/SharedState.h"
#include "engine/TextDate.h"

#include <QAction>
#include <QCalendarWidget>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>

namespace quv {

DateEdit::DateEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9./-]{0,10}")), this));
    setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
    QAction* takvim =
        addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    takvim->setToolTip(QStringLiteral("Takvim"));
    connect(takvim, &QAction::triggered, this, &DateEdit::showCalendar);
    connect(this, &QLineEdit::textChanged, this, [this] {
        const QString now = textDate();
        if (now != lastTextDate_) {
            lastTextDate_ = now;
            emit textDateChanged(now);
        }
    });
}

QString DateEdit::readText(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty())
        return QString();
    // Day, month and year separated by dots, slashes or dashes.
    static const QRegularExpression parts(
        QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{4})$"));
    QRegularExpressionMatch m = parts.match(text);
    if (m.hasMatch()) {
        const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
        return date.isValid() ? TextDate::fromDate(date) : QString();
    }
    // Eight digits are read day first, as the users write dates; a text that gives
    // no day of a modern year that way is taken as a text date (year first).
    static const QRegularExpression digits(QStringLiteral("^\\d{8}$"));
    if (!digits.match(text).hasMatch())
        return QString();
    const QDate dayFirst(text.mid(4, 4).toInt(), text.mid(2, 2).toInt(), text.left(2).toInt());
    if (dayFirst.isValid() && dayFirst.year() >= 1900)
        return TextDate::fromDate(dayFirst);
    return TextDate::isValid(text) ? text : QString();
}

QString DateEdit::textDate() const {
    return readText(text());
}

QString DateEdit::textDateOrTyped() const {
    const QString typed = text().trimmed();
    const QString date = readText(typed);
    return date.isEmpty() ? typed : date;
}

void DateEdit::setTextDate(const QString& textDate) {
    if (TextDate::isValid(textDate))
        setText(shared().dates().display(textDate, QStringLiteral(".")));
    else
        clear();
}

void DateEdit::normalize() {
    // A text that names no day stays as typed, so that the window's check names it
    // instead of a run going on without the date.
    const QString date = textDate();
    if (!date.isEmpty())
        setTextDate(date);
    else if (text().trimmed().isEmpty())
        clear();
}

void DateEdit::focusOutEvent(QFocusEvent* event) {
    if (!calendar_ || !calendar_->isVisible())
        normalize();
    QLineEdit::focusOutEvent(event);
}

void DateEdit::showCalendar() {
    if (!calendar_) {
        calendar_ = new QCalendarWidget(this);
        calendar_->setWindowFlags(Qt::Popup);
        calendar_->setGridVisible(true);
        calendar_->setFirstDayOfWeek(Qt::Monday);
        connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate date) {
            setTextDate(TextDate::fromDate(date));
            calendar_->hide();
            setFocus();
        });
        connect(calendar_, &QCalendarWidget::activated, calendar_, &QWidget::hide);
    }
    QString shown = textDate();
    if (shown.isEmpty())
        shown = shared().dates().today();
    calendar_->setSelectedDate(TextDate::toDate(shown));
    calendar_->adjustSize();
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus();
}

}  // namespace quv
