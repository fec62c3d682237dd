#pragma once

#include <QLineEdit>

class QCalendarWidget;

namespace quv {

// A date box that may be empty. It shows the date as day.month.year and holds it
// as an eight-digit text date; the empty text means that no date is entered. The
// user types "15.01.2024", "15/1/2024" or "15012024", or picks a day from the
// calendar behind the arrow. A text that names no calendar day is cleared when the
// box loses the focus.
class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    // The eight-digit text date, or the empty text.
    QString textDate() const;
    // A valid text date shows it; the empty text (or any other text) empties the box.
    void setTextDate(const QString& textDate);

    // The text date of a typed text; the empty text when it names no calendar day.
    static QString readText(const QString& text);

    // Opens the calendar below the box.
    void showCalendar();

signals:
    void textDateChanged(const QString& textDate);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void normalize();

    QString lastTextDate_;
    QCalendarWidget* calendar_ = nullptr;
};

}  // namespace quv
