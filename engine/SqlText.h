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

// Where the lower-case ASCII word `lower` stands in `text` from `from` on, its letters in
// either case; -1 if nowhere. Statement texts are searched this way many times a file:
// the first letter is found in either case by the fast character search, and only ASCII
// letters are folded.
inline qsizetype indexOfAscii(QStringView text, QLatin1StringView lower, qsizetype from = 0) {
    if (lower.isEmpty())
        return from <= text.size() ? from : -1;
    auto matchesAt = [&](qsizetype i) {
        if (i + lower.size() > text.size())
            return false;
        for (qsizetype k = 1; k < lower.size(); ++k) {
            char16_t c = text[i + k].unicode();
            if (c >= u'A' && c <= u'Z')
                c |= 0x20;
            if (c != static_cast<unsigned char>(lower[k].toLatin1()))
                return false;
        }
        return true;
    };
    const QChar first = lower[0];
    const bool letter = first >= u'a' && first <= u'z';
    const QChar upper = letter ? QChar(first.unicode() - 0x20) : first;
    qsizetype small = text.indexOf(first, from);
    qsizetype large = letter ? text.indexOf(upper, from) : -1;
    while (small >= 0 || large >= 0) {
        const bool smallFirst = large < 0 || (small >= 0 && small < large);
        const qsizetype i = smallFirst ? small : large;
        if (matchesAt(i))
            return i;
        if (smallFirst)
            small = text.indexOf(first, i + 1);
        else
            large = text.indexOf(upper, i + 1);
    }
    return -1;
}

}  // namespace quv::SqlText
