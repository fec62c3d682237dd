#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace quv::belge {

// The numbers of a document are kept as their text, so that an amount is read
// exactly and never through a binary double: after reading, each number is a string
// that starts with this mark; a string so marked is written as a bare number.
inline constexpr char16_t kSayiIsareti = 0xE000;

// Reads a JSON document, its numbers kept as marked text. A syntax error gives none
// and the Turkish description with its line and column.
std::optional<QJsonDocument> jsonOku(const QByteArray& metin, QString& hata);
// Writes a document indented, marked strings as bare numbers.
QByteArray jsonYaz(const QJsonObject& belge);

// A number for a document, from its decimal text.
QJsonValue sayi(const QString& metin);
// The text of a number read from a document; none when the value is no number.
std::optional<QString> sayiMetni(const QJsonValue& deger);

}  // namespace quv::belge
