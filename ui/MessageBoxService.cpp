#include "ui/MessageBoxService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quv {

QString messageBoxTitle() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("quvHesap") : name;
}

QString messageBoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(13), QChar(10));
    return shown;
}

void MessageBoxService::information(const QString& text) {
    QMessageBox box(QMessageBox::Information, messageBoxTitle(), messageBoxText(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxService::question(const QString& text) {
    QMessageBox box(QMessageBox::Question, messageBoxTitle(), messageBoxText(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* evet = box.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
    QPushButton* hayir = box.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
    box.setDefaultButton(evet);
    box.setEscapeButton(hayir);
    box.exec();
    return box.clickedButton() == evet;
}

}  // namespace quv
