#include "editors/frmParametreler.h"

#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "formats/AyarBelgesi.h"
#include "formats/JsonSayilari.h"
#include "formats/ReferansBelgesi.h"

#include <QJsonArray>
#include <QTabWidget>
#include <QTextBrowser>

namespace quv::editors {

namespace {

QString gun(const QString& tarih) {
    return QStringLiteral("%1.%2.%3").arg(tarih.mid(6, 2), tarih.mid(4, 2), tarih.left(4));
}

}  // namespace

QString frmParametreler::resmiTablolarMetni() {
    const ReferansBelgesi& b = ReferansBelgesi::gomulu();
    auto kaynaklar = [&](const QStringList& adlar) {
        QStringList metin;
        for (const QString& ad : adlar)
            metin << b.kaynakMetni(ad).toHtmlEscaped();
        return metin.join(QStringLiteral("; "));
    };
    QString html;
    for (const ReferansTablosu& t : b.tablolar) {
        html += QStringLiteral("<h3>%1 — %2</h3><p>%3</p><p>Oranlar %4 tarihine kadar denetlendi.")
                    .arg(t.kod)
                    .arg(t.ad.toHtmlEscaped(), t.aciklama.toHtmlEscaped(), gun(t.denetimTarihi));
        if (!t.kuralKaynaklari.isEmpty())
            html += QStringLiteral(" Kuralın kaynakları: ") + kaynaklar(t.kuralKaynaklari);
        html += QStringLiteral("</p>");
        for (const ReferansNotu& n : t.notlar)
            html += QStringLiteral("<p><b>%1 tarihinden itibaren:</b> %2 (%3)</p>")
                        .arg(gun(n.tarihten), n.metin.toHtmlEscaped(), kaynaklar(n.kaynaklar));
        html += QStringLiteral(
            "<table border=\"1\" cellpadding=\"3\"><tr><th>Yürürlük</th>"
            "<th>Oran</th><th>Dayanak</th><th>Güven</th><th>Kaynaklar</th></tr>");
        for (const ReferansOrani& o : t.oranlar)
            html +=
                QStringLiteral("<tr><td>%1</td><td>%%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(gun(o.tarih), QString::number(o.oran, 'f', 2).replace(u'.', u','),
                         (o.dayanak + (o.not_.isEmpty() ? QString() : u' ' + o.not_))
                             .toHtmlEscaped(),
                         o.guven, kaynaklar(o.kaynaklar));
        html += QStringLiteral("</table>");
    }
    return html;
}

frmParametreler::frmParametreler(Database& db, QWidget* parent) : BelgePenceresi(db, parent) {
    setObjectName(QStringLiteral("frmParametreler"));
    setWindowTitle(QStringLiteral("Parametreler"));
    for (const belge::Bolum& b : belge::ayarBolumleri())
        bolumEkle(b);
    // The public tables the program ships, with their sources; read only (their rows are
    // on the rate-table tabs under the same codes).
    auto* resmi = new QTextBrowser(this);
    resmi->setObjectName(QStringLiteral("txtResmiTablolar"));
    resmi->setOpenExternalLinks(true);
    resmi->setHtml(resmiTablolarMetni());
    sekmeler()->addTab(resmi, QStringLiteral("Resmî Tablolar ve Kaynakları"));
}

bool frmParametreler::yukle() {
    return trapped(QStringLiteral("quvHesap.frmParametreler.yukle"),
                   [&] { belgedenDoldur(AyarBelgesi::disaAktar(db_, true)); });
}

bool frmParametreler::kaydet() {
    QJsonObject belge{{QStringLiteral("format"), QStringLiteral("quvhesap-ayarlar")},
                      {QStringLiteral("version"), belge::sayi(QStringLiteral("1"))}};
    belgeyeYaz(belge);
    // Every section is written, an emptied one too.
    for (const belge::Bolum& b : belge::ayarBolumleri())
        if (!belge.contains(QLatin1String(b.ad)))
            belge.insert(QLatin1String(b.ad), QJsonArray());
    return trapped<bool>(QStringLiteral("quvHesap.frmParametreler.kaydet"), false, [&] {
        const QStringList sorunlar = AyarBelgesi::iceAktar(db_, belge::jsonYaz(belge));
        if (sorunlar.isEmpty())
            return true;
        sorunlariGoster(QStringLiteral("Parametreler kaydedilmedi; hiçbir şey yazılmadı:"),
                        sorunlar);
        return false;
    });
}

}  // namespace quv::editors
