#include "editors/BolumDuzenleyici.h"

#include "editors/AlanEtiketleri.h"
#include "engine/Money.h"
#include "engine/RuntimeError.h"
#include "engine/TextDate.h"
#include "formats/JsonSayilari.h"
#include "ui/DateEdit.h"
#include "ui/Kontroller.h"
#include "ui/MoneyEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quv::editors {

using belge::Alan;
using belge::AlanTuru;

namespace {

// A secret cell the user has not typed into: the stored value is kept.
constexpr int kSaklananGizli = Qt::UserRole + 1;
// A cell whose field the document left out (a Null column): left out again while empty.
constexpr int kYok = Qt::UserRole + 2;
const QString kMaske = QStringLiteral("••••••••");
// Amounts and rates are kept with four places.
constexpr int kOndalik = 4;

bool kapali(const Alan& alan) {
    return alan.tur == AlanTuru::Tamsayi && (alan.enAz != 0 || alan.enCok != 0);
}

QString secimAdi(const QList<ComboEntry>& liste, const QString& metin) {
    for (const ComboEntry& e : liste)
        if (e.data.toString() == metin.trimmed())
            return e.text;
    return metin;
}

QLineEdit* tamsayiKutusu(QWidget* parent) {
    auto* kutu = new QLineEdit(parent);
    static const QRegularExpression tam(QStringLiteral("-?[0-9]{0,10}"));
    kutu->setValidator(new QRegularExpressionValidator(tam, kutu));
    return kutu;
}

void secimYaz(QComboBox& kutu, const QString& metin) {
    bool sayi = false;
    const int n = metin.trimmed().toInt(&sayi);
    if (!sayi) {
        kutu.setCurrentIndex(-1);
        return;
    }
    if (!selectComboItemData(kutu, n)) {
        kutu.addItem(QString::number(n), n);
        kutu.setCurrentIndex(kutu.count() - 1);
    }
}

QString secimOku(const QComboBox& kutu) {
    return kutu.currentIndex() < 0 ? QString() : kutu.currentData().toString();
}

// A field with a list of values is chosen from a drop-down of their names.
QWidget* duzenleyiciKutusu(const Alan& alan, const QList<ComboEntry>* liste, QWidget* parent) {
    if (liste) {
        auto* kutu = new QComboBox(parent);
        addComboItems(*kutu, *liste);
        return kutu;
    }
    switch (alan.tur) {
        case AlanTuru::Tarih:
            return new DateEdit(parent);
        case AlanTuru::Para:
        case AlanTuru::Oran: {
            auto* kutu = new MoneyEdit(parent);
            kutu->setDecimals(kOndalik);
            return kutu;
        }
        case AlanTuru::Tamsayi:
            return tamsayiKutusu(parent);
        case AlanTuru::Metin:
            break;
    }
    auto* kutu = new QLineEdit(parent);
    if (alan.gizli)
        kutu->setEchoMode(QLineEdit::Password);
    return kutu;
}

// The text of an editor box; a date box gives its date in day.month.year, or the text
// as typed when it names no day.
QString kutuMetni(const Alan& alan, const QWidget* kutu) {
    if (const auto* secim = qobject_cast<const QComboBox*>(kutu))
        return secimOku(*secim);
    if (alan.tur == AlanTuru::Tarih) {
        const auto* tarih = static_cast<const DateEdit*>(kutu);
        const QString t = tarih->textDate();
        return t.isEmpty() ? tarih->text().trimmed()
                           : t.right(2) + u'.' + t.mid(4, 2) + u'.' + t.left(4);
    }
    return static_cast<const QLineEdit*>(kutu)->text();
}

void kutuyaYaz(QWidget* kutu, const QString& metin) {
    if (auto* secim = qobject_cast<QComboBox*>(kutu))
        secimYaz(*secim, metin);
    else
        // The text as it is: a money box would round what it cannot hold.
        static_cast<QLineEdit*>(kutu)->setText(metin);
}

class Temsilci : public QStyledItemDelegate {
public:
    Temsilci(const BolumDuzenleyici& d, QObject* parent)
        : QStyledItemDelegate(parent), d_(d), bolum_(d.bolum()) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        QWidget* kutu = duzenleyiciKutusu(alan(index), d_.secimListesi(alan(index)), parent);
        if (auto* secim = qobject_cast<QComboBox*>(kutu))
            connect(secim, &QComboBox::activated, this, [this, secim] {
                auto* self = const_cast<Temsilci*>(this);
                emit self->commitData(secim);
                emit self->closeEditor(secim);
            });
        return kutu;
    }
    void setEditorData(QWidget* kutu, const QModelIndex& index) const override {
        const bool saklanan = index.data(kSaklananGizli).toBool();
        kutuyaYaz(kutu, saklanan ? QString() : index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* kutu, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const Alan& a = alan(index);
        QString metin = kutuMetni(a, kutu);
        // A number in the form the grid shows ("1.234,5000" becomes "1.234,50").
        if (a.tur == AlanTuru::Para || a.tur == AlanTuru::Oran) {
            const QJsonValue deger = BolumDuzenleyici::belgeDegeri(a, metin);
            if (belge::sayiMetni(deger))
                metin = BolumDuzenleyici::duzenlemeMetni(a, deger);
        }
        // Opening a secret cell and leaving it empty keeps the stored value.
        if (a.gizli && index.data(kSaklananGizli).toBool() && metin.isEmpty())
            return;
        model->setData(index, metin, Qt::EditRole);
        model->setData(index, QVariant(), kSaklananGizli);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* secenek, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(secenek, index);
        const Alan& a = alan(index);
        const QString metin = index.data(Qt::EditRole).toString();
        if (a.gizli)
            secenek->text =
                index.data(kSaklananGizli).toBool() || !metin.isEmpty() ? kMaske : QString();
        else if (const QList<ComboEntry>* liste = d_.secimListesi(a))
            secenek->text = secimAdi(*liste, metin);
        if (a.tur == AlanTuru::Para || a.tur == AlanTuru::Oran || a.tur == AlanTuru::Tamsayi)
            secenek->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }

private:
    const Alan& alan(const QModelIndex& index) const { return bolum_.alanlar.at(index.column()); }
    const BolumDuzenleyici& d_;
    const belge::Bolum& bolum_;
};

}  // namespace

const QList<ComboEntry>* BolumDuzenleyici::secimListesi(const Alan& alan) const {
    const auto it = listeler_.constFind(QString::fromLatin1(alan.ad));
    return it == listeler_.cend() ? nullptr : &it.value();
}

QString BolumDuzenleyici::duzenlemeMetni(const Alan& alan, const QJsonValue& deger) {
    if (deger.isNull() || deger.isUndefined())
        return QString();
    const std::optional<QString> sayi = belge::sayiMetni(deger);
    const QString metin = sayi ? *sayi : deger.toString();
    switch (alan.tur) {
        case AlanTuru::Tarih: {
            static const QRegularExpression bicim(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
            const auto m = bicim.match(metin);
            return m.hasMatch() ? m.captured(3) + u'.' + m.captured(2) + u'.' + m.captured(1)
                                : metin;
        }
        case AlanTuru::Para: {
            static const QRegularExpression tutar(QStringLiteral("^-?\\d{1,15}(\\.(\\d{1,4}))?$"));
            const auto m = tutar.match(metin);
            if (!m.hasMatch())
                return metin;
            QString kesir = m.captured(2);
            while (kesir.endsWith(u'0'))
                kesir.chop(1);
            return MoneyEdit::formatValue(Money::parse(metin), std::max<int>(2, int(kesir.size())));
        }
        case AlanTuru::Oran:
            return QString(metin).replace(u'.', u',');
        case AlanTuru::Tamsayi:
        case AlanTuru::Metin:
            break;
    }
    return metin;
}

QJsonValue BolumDuzenleyici::belgeDegeri(const Alan& alan, const QString& metin) {
    const QString t = metin.trimmed();
    switch (alan.tur) {
        case AlanTuru::Metin:
            return metin;
        case AlanTuru::Tarih: {
            if (t.isEmpty())
                return QString();
            const QString tarih = DateEdit::readText(t);
            if (!tarih.isEmpty())
                return tarih.left(4) + u'-' + tarih.mid(4, 2) + u'-' + tarih.right(2);
            // A typed day that is not in the calendar goes in the document's form, so
            // the message shows the day that does not exist.
            static const QRegularExpression gun(
                QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{4})$"));
            const auto m = gun.match(t);
            if (m.hasMatch())
                return QStringLiteral("%1-%2-%3")
                    .arg(m.captured(3), m.captured(2).rightJustified(2, u'0'),
                         m.captured(1).rightJustified(2, u'0'));
            return t;
        }
        case AlanTuru::Para:
        case AlanTuru::Oran: {
            if (t.isEmpty())
                return QJsonValue();
            static const QRegularExpression gruplu(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})+$"));
            QString n = t;
            if (n.contains(u','))
                n = n.remove(u'.').replace(u',', u'.');
            else if (gruplu.match(n).hasMatch())
                n.remove(u'.');
            static const QRegularExpression sayi(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
            return sayi.match(n).hasMatch() ? belge::sayi(n) : QJsonValue(t);
        }
        case AlanTuru::Tamsayi: {
            if (t.isEmpty())
                return QJsonValue();
            static const QRegularExpression tam(QStringLiteral("^-?\\d+$"));
            return tam.match(t).hasMatch() ? belge::sayi(t) : QJsonValue(t);
        }
    }
    return QJsonValue();
}

BolumDuzenleyici::BolumDuzenleyici(const belge::Bolum& bolum,
                                   const QHash<QString, QList<ComboEntry>>& secimler,
                                   QWidget* parent)
    : QWidget(parent), bolum_(bolum) {
    for (const Alan& a : bolum.alanlar) {
        const QString ad = QString::fromLatin1(a.ad);
        QList<ComboEntry> liste = secimler.value(ad, degerAdlari(a));
        if (liste.isEmpty() && kapali(a))
            for (int n = a.enAz; n <= a.enCok; ++n)
                liste.append({QString::number(n), n});
        if (!liste.isEmpty())
            listeler_.insert(ad, liste);
    }
    setObjectName(QString::fromLatin1(bolum.ad));
    auto* duzen = new QVBoxLayout(this);
    if (bolum.tekNesne) {
        // The fields in two columns of labelled boxes.
        auto* icerik = new QWidget;
        auto* sutunlar = new QHBoxLayout(icerik);
        QFormLayout* formlar[2] = {new QFormLayout, new QFormLayout};
        const qsizetype yari = (bolum.alanlar.size() + 1) / 2;
        for (qsizetype i = 0; i < bolum.alanlar.size(); ++i) {
            const Alan& a = bolum.alanlar.at(i);
            formlar[i < yari ? 0 : 1]->addRow(alanEtiketi(a.ad), formKutusu(a));
        }
        sutunlar->addLayout(formlar[0]);
        sutunlar->addSpacing(16);
        sutunlar->addLayout(formlar[1]);
        auto* kaydirma = new QScrollArea;
        kaydirma->setWidgetResizable(true);
        kaydirma->setWidget(icerik);
        duzen->addWidget(kaydirma);
        return;
    }
    tablo_ = adli(new QTableWidget(0, static_cast<int>(bolum.alanlar.size()), this), "tablo");
    QStringList basliklar;
    for (const Alan& a : bolum.alanlar)
        basliklar << alanEtiketi(a.ad);
    tablo_->setHorizontalHeaderLabels(basliklar);
    tablo_->setItemDelegate(new Temsilci(*this, tablo_));
    tablo_->setSelectionMode(QAbstractItemView::SingleSelection);
    tablo_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tablo_->verticalHeader()->setDefaultSectionSize(tablo_->fontMetrics().height() + 8);
    auto* ekle = komutDugmesi(this, "cmdSatirEkle", QStringLiteral("Satır Ekle"));
    auto* sil = komutDugmesi(this, "cmdSatirSil", QStringLiteral("Satırı Sil"));
    connect(ekle, &QPushButton::clicked, this, [this] { odakla(satirEkle(), QString()); });
    connect(sil, &QPushButton::clicked, this, [this] {
        if (tablo_->currentRow() >= 0)
            satirSil(tablo_->currentRow());
    });
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addWidget(ekle);
    dugmeler->addWidget(sil);
    dugmeler->addStretch();
    duzen->addWidget(tablo_);
    duzen->addLayout(dugmeler);
}

QWidget* BolumDuzenleyici::formKutusu(const Alan& alan) {
    QWidget* kutu = duzenleyiciKutusu(alan, secimListesi(alan), this);
    kutu->setObjectName(QString::fromLatin1(alan.ad));
    kutu->setMinimumWidth(alan.tur == AlanTuru::Metin || secimListesi(alan) ? 200 : 120);
    kutular_.insert(QString::fromLatin1(alan.ad), kutu);
    return kutu;
}

int BolumDuzenleyici::sutun(const QString& alan) const {
    for (int i = 0; i < bolum_.alanlar.size(); ++i)
        if (QLatin1String(bolum_.alanlar.at(i).ad) == alan)
            return i;
    return -1;
}

void BolumDuzenleyici::yukle(const QJsonValue& deger) {
    if (!tablo_) {
        const QJsonObject nesne = deger.toObject();
        yokAlanlar_.clear();
        for (const Alan& a : bolum_.alanlar) {
            const QJsonValue v = nesne.value(QLatin1String(a.ad));
            if (v.isNull() || v.isUndefined())
                yokAlanlar_.insert(QString::fromLatin1(a.ad));
            kutuyaYaz(kutular_.value(QString::fromLatin1(a.ad)), duzenlemeMetni(a, v));
        }
        return;
    }
    tablo_->setRowCount(0);
    const QJsonArray satirlar = deger.toArray();
    tablo_->setRowCount(static_cast<int>(satirlar.size()));
    for (int r = 0; r < satirlar.size(); ++r) {
        const QJsonObject satir = satirlar.at(r).toObject();
        for (int c = 0; c < bolum_.alanlar.size(); ++c) {
            const Alan& a = bolum_.alanlar.at(c);
            const QJsonValue v = satir.value(QLatin1String(a.ad));
            auto* hucre = new QTableWidgetItem;
            if (v.isNull() || v.isUndefined())
                hucre->setData(kYok, true);
            if (a.gizli)
                // Left out of the document until retyped: the stored one stays.
                hucre->setData(kSaklananGizli, !duzenlemeMetni(a, v).isEmpty());
            else
                hucre->setText(duzenlemeMetni(a, v));
            tablo_->setItem(r, c, hucre);
        }
    }
}

QJsonValue BolumDuzenleyici::belgeDegeri(QList<int>* satirlar) const {
    auto nesne = [this](int r) {
        QJsonObject o;
        for (int c = 0; c < bolum_.alanlar.size(); ++c) {
            const Alan& a = bolum_.alanlar.at(c);
            const QString ad = QString::fromLatin1(a.ad);
            const QTableWidgetItem* hucre = tablo_ ? tablo_->item(r, c) : nullptr;
            if (hucre && a.gizli && hucre->data(kSaklananGizli).isValid())
                continue;
            const QString m = metin(r, ad);
            if (m.isEmpty() && (hucre ? hucre->data(kYok).toBool() : yokAlanlar_.contains(ad)))
                continue;
            const QJsonValue v = belgeDegeri(a, m);
            if (!v.isNull())
                o.insert(QLatin1String(a.ad), v);
        }
        return o;
    };
    if (!tablo_)
        return nesne(0);
    QJsonArray dizi;
    for (int r = 0; r < tablo_->rowCount(); ++r) {
        bool bos = true;
        for (int c = 0; c < bolum_.alanlar.size() && bos; ++c)
            bos = metin(r, QString::fromLatin1(bolum_.alanlar.at(c).ad)).trimmed().isEmpty() &&
                  !(tablo_->item(r, c) && tablo_->item(r, c)->data(kSaklananGizli).toBool());
        if (bos)
            continue;
        dizi.append(nesne(r));
        if (satirlar)
            satirlar->append(r);
    }
    return dizi;
}

int BolumDuzenleyici::satirSayisi() const {
    return tablo_ ? tablo_->rowCount() : 1;
}

int BolumDuzenleyici::satirEkle() {
    if (!tablo_)
        return 0;
    const int r = tablo_->rowCount();
    tablo_->insertRow(r);
    const QJsonObject verilen = yeniSatir_ ? yeniSatir_() : QJsonObject();
    const QString sira = QString::fromLatin1(bolum_.sira);
    for (int c = 0; c < bolum_.alanlar.size(); ++c) {
        const Alan& a = bolum_.alanlar.at(c);
        const QString sutunAdi = QString::fromLatin1(a.sutun);
        QString deger;
        if (verilen.contains(QLatin1String(a.ad))) {
            deger = duzenlemeMetni(a, verilen.value(QLatin1String(a.ad)));
        } else if (c == 0 && a.tur == AlanTuru::Tamsayi &&
                   (sira == sutunAdi || sira.endsWith(QStringLiteral(", ") + sutunAdi))) {
            // The row's own code: the next free one.
            int enBuyuk = 0;
            for (int s = 0; s < r; ++s)
                enBuyuk = std::max(enBuyuk, metin(s, QString::fromLatin1(a.ad)).toInt());
            deger = QString::number(enBuyuk + 1);
        } else if (const QList<ComboEntry>* liste = secimListesi(a); liste && !liste->isEmpty()) {
            deger = liste->first().data.toString();
        } else if (a.tur == AlanTuru::Para || a.tur == AlanTuru::Oran ||
                   a.tur == AlanTuru::Tamsayi) {
            deger = duzenlemeMetni(a, belge::sayi(QStringLiteral("0")));
        }
        tablo_->setItem(r, c, new QTableWidgetItem(deger));
    }
    return r;
}

void BolumDuzenleyici::satirSil(int satir) {
    if (tablo_ && satir >= 0 && satir < tablo_->rowCount())
        tablo_->removeRow(satir);
}

QString BolumDuzenleyici::metin(int satir, const QString& alan) const {
    const int c = sutun(alan);
    if (c < 0)
        throw RuntimeError::subscriptOutOfRange();
    if (!tablo_)
        return kutuMetni(bolum_.alanlar.at(c), kutular_.value(alan));
    const QTableWidgetItem* hucre = tablo_->item(satir, c);
    return hucre ? hucre->text() : QString();
}

void BolumDuzenleyici::setMetin(int satir, const QString& alan, const QString& yeni) {
    const int c = sutun(alan);
    if (c < 0 || (tablo_ && (satir < 0 || satir >= tablo_->rowCount())))
        throw RuntimeError::subscriptOutOfRange();
    if (!tablo_) {
        kutuyaYaz(kutular_.value(alan), yeni);
        return;
    }
    QTableWidgetItem* hucre = tablo_->item(satir, c);
    if (!hucre)
        tablo_->setItem(satir, c, hucre = new QTableWidgetItem);
    hucre->setText(yeni);
    hucre->setData(kSaklananGizli, QVariant());
}

void BolumDuzenleyici::odakla(int satir, const QString& alan) {
    const int c = std::max(0, sutun(alan));
    if (!tablo_) {
        if (QWidget* kutu = kutular_.value(alan)) {
            if (auto* kaydirma = findChild<QScrollArea*>())
                kaydirma->ensureWidgetVisible(kutu);
            kutu->setFocus();
        }
        return;
    }
    if (satir < 0 || satir >= tablo_->rowCount())
        return;
    tablo_->setCurrentCell(satir, c);
    tablo_->scrollToItem(tablo_->item(satir, c));
    tablo_->setFocus();
}

}  // namespace quv::editors
