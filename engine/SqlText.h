#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace quv::SqlText {

// A value placed inside single quotes of an SQL text: embedded quotes are doubled,
// so a value can never end the literal early.
inline QString escaped(const QString& value) {
    QString out = value;
    out.replace(u'\'', QStringLiteral("''"));
    return out;
}

// A letter, digit or underscore: part of a name or keyword.
inline bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// True when the lower-case ASCII word `lower` stands at `at` in `text`, its letters in either
// case. Only ASCII letters are folded: statement texts pass here many times a file.
inline bool matchesAsciiAt(QStringView text, QLatin1StringView lower, qsizetype at) {
    if (at < 0 || at + lower.size() > text.size())
        return false;
    for (qsizetype k = 0; k < lower.size(); ++k) {
        char16_t c = text[at + k].unicode();
        if (c >= u'A' && c <= u'Z')
            c |= 0x20;
        if (c != static_cast<unsigned char>(lower[k].toLatin1()))
            return false;
    }
    return true;
}

// Where the lower-case ASCII word `lower` stands in `text` from `from` on, its letters in
// either case; -1 if nowhere. The first letter is found in either case by the fast
// character search.
inline qsizetype indexOfAscii(QStringView text, QLatin1StringView lower, qsizetype from = 0) {
    if (lower.isEmpty())
        return from <= text.size() ? from : -1;
    const QChar first = lower[0];
    const bool letter = first >= u'a' && first <= u'z';
    const QChar upper = letter ? QChar(first.unicode() - 0x20) : first;
    qsizetype small = text.indexOf(first, from);
    qsizetype large = letter ? text.indexOf(upper, from) : -1;
    while (small >= 0 || large >= 0) {
        const bool smallFirst = large < 0 || (small >= 0 && small < large);
        const qsizetype i = smallFirst ? small : large;
        if (matchesAsciiAt(text, lower, i))
            return i;
        if (smallFirst)
            small = text.indexOf(first, i + 1);
        else
            large = text.indexOf(upper, i + 1);
    }
    return -1;
}

}  // namespace quv::SqlText
