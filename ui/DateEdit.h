#pragma once

#include <QLineEdit>

class QCalendarWidget;

namespace quv {

// A date box that may be empty. It shows the date as day.month.year and holds it
// as an eight-digit text date; the empty text means that no date is entered. The
// user types "15.01.2024", "15/1/2024" or "15012024", or picks a day from the
// calendar behind the arrow. Leaving the box shows a valid date as day.month.year;
// a text that names no calendar day stays as typed, for the window's check to name.
class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    // The eight-digit text date, or the empty text.
    QString textDate() const;
    // The text date, the empty text, or the text as typed when it names no calendar
    // day, so that a check before a run names it instead of reading an empty box.
    QString textDateOrTyped() const;
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
