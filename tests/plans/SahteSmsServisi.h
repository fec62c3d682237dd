#pragma once

#include <QList>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace quv::test {

// A tiny HTTP server on 127.0.0.1 standing in for an SMS gateway: it records every
// request and answers each path with the answers set for it in turn (the last one is
// repeated), or not at all.
class SahteSmsServisi {
public:
    struct Istek {
        QByteArray yontem, yol, icerikTuru, govde;
    };
    struct Yanit {
        int durum = 200;
        QByteArray govde;
        bool cevapVerme = false;
    };

    SahteSmsServisi() {
        QObject::connect(&sunucu_, &QTcpServer::newConnection, &sunucu_, [this] {
            while (QTcpSocket* soket = sunucu_.nextPendingConnection()) {
                QObject::connect(soket, &QTcpSocket::disconnected, soket, &QObject::deleteLater);
                auto tampon = std::make_shared<QByteArray>();
                QObject::connect(soket, &QTcpSocket::readyRead, soket,
                                 [this, soket, tampon] { oku(*soket, *tampon); });
            }
        });
        sunucu_.listen(QHostAddress::LocalHost, 0);
    }
    QString adres() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(sunucu_.serverPort());
    }
    void yanitla(const QByteArray& yol, QList<Yanit> yanitlar) { yanitlar_[yol] = yanitlar; }
    QList<Istek> istekler;

private:
    void oku(QTcpSocket& soket, QByteArray& tampon) {
        tampon += soket.readAll();
        const qsizetype basSonu = tampon.indexOf("\r\n\r\n");
        if (basSonu < 0)
            return;
        const QList<QByteArray> satirlar = tampon.left(basSonu).split('\n');
        const QList<QByteArray> ilk = satirlar.first().trimmed().split(' ');
        Istek istek{ilk.value(0), ilk.value(1), {}, {}};
        qsizetype uzunluk = 0;
        for (const QByteArray& satir : satirlar.mid(1)) {
            const QByteArray ad = satir.left(satir.indexOf(':')).trimmed().toLower();
            const QByteArray deger = satir.mid(satir.indexOf(':') + 1).trimmed();
            if (ad == "content-length")
                uzunluk = deger.toLongLong();
            else if (ad == "content-type")
                istek.icerikTuru = deger;
        }
        if (tampon.size() < basSonu + 4 + uzunluk)
            return;
        istek.govde = tampon.mid(basSonu + 4, uzunluk);
        tampon.clear();
        istekler.append(istek);
        QList<Yanit>& sira = yanitlar_[istek.yol];
        const Yanit yanit = sira.isEmpty() ? Yanit{404, "yok"} : sira.first();
        if (sira.size() > 1)
            sira.removeFirst();
        if (yanit.cevapVerme)
            return;
        soket.write("HTTP/1.1 " + QByteArray::number(yanit.durum) +
                    " X\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                    QByteArray::number(yanit.govde.size()) + "\r\nConnection: close\r\n\r\n" +
                    yanit.govde);
        soket.disconnectFromHost();
    }

    QTcpServer sunucu_;
    QMap<QByteArray, QList<Yanit>> yanitlar_;
};

}  // namespace quv::test
