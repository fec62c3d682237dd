#include "SahteSmsServisi.h"

#include <QTcpSocket>

namespace quv::test {

SahteSmsServisi::SahteSmsServisi() {
    connect(&sunucu_, &QTcpServer::newConnection, this, &SahteSmsServisi::baglanti);
    sunucu_.listen(QHostAddress::LocalHost, 0);
}

QString SahteSmsServisi::adres() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(sunucu_.serverPort());
}

void SahteSmsServisi::yanitla(const QByteArray& yol, QList<Yanit> yanitlar) {
    yanitlar_[yol] = std::move(yanitlar);
}

void SahteSmsServisi::baglanti() {
    while (QTcpSocket* soket = sunucu_.nextPendingConnection()) {
        connect(soket, &QTcpSocket::disconnected, soket, &QObject::deleteLater);
        auto tampon = std::make_shared<QByteArray>();
        connect(soket, &QTcpSocket::readyRead, this, [this, soket, tampon] {
            tampon->append(soket->readAll());
            const qsizetype basSonu = tampon->indexOf("\r\n\r\n");
            if (basSonu < 0)
                return;
            Istek istek;
            qsizetype uzunluk = 0;
            const QList<QByteArray> satirlar = tampon->left(basSonu).split('\n');
            const QList<QByteArray> ilk = satirlar.first().trimmed().split(' ');
            istek.yontem = ilk.value(0);
            istek.yol = ilk.value(1);
            for (const QByteArray& satir : satirlar.mid(1)) {
                const qsizetype iki = satir.indexOf(':');
                const QByteArray ad = satir.left(iki).trimmed().toLower();
                const QByteArray deger = satir.mid(iki + 1).trimmed();
                if (ad == "content-length")
                    uzunluk = deger.toLongLong();
                else if (ad == "content-type")
                    istek.icerikTuru = deger;
            }
            if (tampon->size() < basSonu + 4 + uzunluk)
                return;
            istek.govde = tampon->mid(basSonu + 4, uzunluk);
            tampon->clear();
            istekler_.append(istek);
            QList<Yanit>& sira = yanitlar_[istek.yol];
            const Yanit yanit = sira.isEmpty() ? Yanit{404, "yok"} : sira.first();
            if (sira.size() > 1)
                sira.removeFirst();
            if (yanit.cevapVerme)
                return;
            QByteArray cevap = "HTTP/1.1 " + QByteArray::number(yanit.durum) + " X\r\n";
            cevap += "Content-Type: " + yanit.icerikTuru + "\r\n";
            cevap += "Content-Length: " + QByteArray::number(yanit.govde.size()) + "\r\n";
            cevap += "Connection: close\r\n\r\n" + yanit.govde;
            soket->write(cevap);
            soket->disconnectFromHost();
        });
    }
}

}  // namespace quv::test
