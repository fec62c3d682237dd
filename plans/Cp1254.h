#pragma once

#include <QByteArray>
#include <QString>

// The Turkish single-byte code page (Windows-1254) in which the office's stored SMS
// passwords are scrambled and the simple gateway's form values are written.
namespace quv::Cp1254 {

// The character of a byte. The five bytes the code page leaves unassigned stand for
// the control characters of the same value, so every byte has a character and back.
QChar karakter(quint8 bayt);
// The byte of a character; '?' for a character the code page cannot write.
quint8 bayt(QChar karakter);

QByteArray kodla(const QString& metin);
QString coz(const QByteArray& baytlar);

}  // namespace quv::Cp1254
