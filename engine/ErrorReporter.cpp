#include "engine/ErrorReporter.h"

#include <cstdio>

namespace quv {

QString errorMessage(const QString& source, long number, const QString& description) {
    return QStringLiteral("Hatanın oluştuğu yer : ") + source + QChar(13) +
           QStringLiteral("Hata : ") + QString::number(number) + QStringLiteral(" -> ") +
           description;
}

void ConsoleErrorReporter::report(const QString& message) {
    messages_ << message;
    QString shown = message;
    shown.replace(QChar(13), QChar(10));
    std::fprintf(stderr, "%s\n", shown.toUtf8().constData());
    std::fflush(stderr);
}

}  // namespace quv
