#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quv::test {

// Acts on the next modal window once its event loop runs: polls until a modal
// widget is shown, then hands it to the script (which closes it). A dialog the
// script leaves open (a failed assertion) is cancelled, so the test cannot hang.
inline void onNextModal(std::function<void(QWidget&)> script) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, script] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> shown(modal);
        script(*modal);
        if (auto* dialog = qobject_cast<QDialog*>(shown.data()); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

}  // namespace quv::test
