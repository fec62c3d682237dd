#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>

namespace quv::test {

// A tiny HTTP server on 127.0.0.1 standing in for an SMS gateway: it records every
// request and answers each path with the answer set for it (the last one is repeated),
// or not at all.
class SahteSmsServisi : public QObject {
    Q_OBJECT
public:
    struct Istek {
        QByteArray yontem;
        QByteArray yol;
        QByteArray icerikTuru;
        QByteArray govde;
    };
    struct Yanit {
        int durum = 200;
        QByteArray govde;
        QByteArray icerikTuru = "text/plain; charset=utf-8";
        bool cevapVerme = false;
    };

    SahteSmsServisi();
    // "http://127.0.0.1:<port>"
    QString adres() const;
    // Answers for a path, used in turn; the last one stays.
    void yanitla(const QByteArray& yol, QList<Yanit> yanitlar);
    const QList<Istek>& istekler() const { return istekler_; }

private:
    void baglanti();

    QTcpServer sunucu_;
    QMap<QByteArray, QList<Yanit>> yanitlar_;
    QList<Istek> istekler_;
};

}  // namespace quv::test
