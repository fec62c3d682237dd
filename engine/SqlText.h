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
// folding only ASCII letters costs far less than a general case-insensitive search.
inline qsizetype indexOfAscii(QStringView text, QLatin1StringView lower, qsizetype from = 0) {
    const qsizetype last = text.size() - lower.size();
    for (qsizetype i = from; i <= last; ++i) {
        qsizetype k = 0;
        while (k < lower.size()) {
            char16_t c = text[i + k].unicode();
            if (c >= u'A' && c <= u'Z')
                c |= 0x20;
            if (c != static_cast<unsigned char>(lower[k].toLatin1()))
                break;
            ++k;
        }
        if (k == lower.size())
            return i;
    }
    return -1;
}

}  // namespace quv::SqlText
