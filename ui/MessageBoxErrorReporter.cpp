#include "ui/MessageBoxErrorReporter.h"

#include "ui/MessageBoxService.h"

#include <QApplication>
#include <QMessageBox>

namespace quv {

void MessageBoxErrorReporter::report(const QString& message) {
    QMessageBox box(QMessageBox::Critical, messageBoxTitle(), messageBoxText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace quv
