#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Encoders and helpers of the SMS gateways.
namespace quv::modSMSGonderme {

// StrConv2 modes.
inline constexpr int vbToUtf8 = 256;
inline constexpr int vbFromUtf8 = 512;

// Mode 256: a text to its UTF-8 bytes; mode 512: UTF-8 bytes to a text. A value of
// the target form is returned as it is. A value that is neither a text nor bytes
// raises run-time error 13 "Expr: Type mismatch (in StrConv2())", any other mode
// run-time error 5.
QVariant StrConv2(const QVariant& value, int mode);

// The text's UTF-8 bytes, each written as itself when it is a letter, a digit or one
// of "-._~" (with KeepSubDelims also "!'()*"), a blank as "%20", any other byte as
// "%" and two upper-case hexadecimal digits.
QString URLEncodeUTF8(const QString& text, bool KeepSubDelims);

// Form encoding in the office's single-byte code page: letters and digits stay, a
// blank is "+", every other character "%" and its code-page byte in two upper-case
// hexadecimal digits.
QString FormEncode(const QString& text);

// The error number of a token-gateway error name.
qint16 GetHermesErrorNo(const QString& Name);

// Scrambles and unscrambles a stored SMS password (the same routine does both):
// two XOR passes over the code-page bytes, with the keys "TzaNoRiLe" and "20030917".
QString Decrypt(const QString& Text);

}  // namespace quv::modSMSGonderme
