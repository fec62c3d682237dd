#include "editors/AlanEtiketleri.h"

#include <QHash>
#include <QRegularExpression>

namespace quv::editors {

namespace {

// The words of the field names whose Turkish spelling is not the word capitalised.
const QHash<QString, QString>& sozcukler() {
    static const QHash<QString, QString> s = {
        {"aciklama", "Açıklama"},
        {"adi", "Adı"},
        {"alacakli", "Alacaklı"},
        {"aslina", "Aslına"},
        {"bas", "Baş."},
        {"baslama", "Başlama"},
        {"baslangic", "Başlangıç"},
        {"basvuru", "Başvuru"},
        {"beyani", "Beyanı"},
        {"birikmis", "Birikmiş"},
        {"borc", "Borç"},
        {"borclu", "Borçlu"},
        {"bsmv", "BSMV"},
        {"cek", "Çek"},
        {"ceke", "Çeke"},
        {"degeri", "Değeri"},
        {"deger", "Değer"},
        {"diger", "Diğer"},
        {"dortte", "Dörtte"},
        {"dp", "DP"},
        {"durusma", "Duruşma"},
        {"durusmali", "Duruşmalı"},
        {"duzenleme", "Düzenleme"},
        {"foy", "Föy"},
        {"gid", "Gid."},
        {"gonder", "Gönder"},
        {"gonderilmesin", "Gönderilmesin"},
        {"gonderilsin", "Gönderilsin"},
        {"gorevi", "Görevi"},
        {"gun", "Gün"},
        {"gunu", "Günü"},
        {"harc", "Harç"},
        {"harci", "Harcı"},
        {"hesaplanmasin", "Hesaplanmasın"},
        {"icra", "İcra"},
        {"ih", "İH"},
        {"ihtiyati", "İhtiyati"},
        {"ikinci", "İkinci"},
        {"ilk", "İlk"},
        {"islemeyecek", "İşlemeyecek"},
        {"itiraz", "İtiraz"},
        {"karsiliksiz", "Karşılıksız"},
        {"kayit", "Kayıt"},
        {"kdv", "KDV"},
        {"kesinlesme", "Kesinleşme"},
        {"kidem", "Kıdem"},
        {"kkdf", "KKDF"},
        {"maasda", "Maaşta"},
        {"miktari", "Miktarı"},
        {"min", "En Az"},
        {"mts", "MTS"},
        {"mudurlugu", "Müdürlüğü"},
        {"musteri", "Müşteri"},
        {"muvekkile", "Müvekkile"},
        {"odeme", "Ödeme"},
        {"on", "Ön"},
        {"or", "/"},
        {"orani", "Oranı"},
        {"ornek", "Örnek"},
        {"pesin", "Peşin"},
        {"resmi", "Resmî"},
        {"saglayici", "Sağlayıcı"},
        {"sahis", "Şahıs"},
        {"satis", "Satış"},
        {"sayisi", "Sayısı"},
        {"sekli", "Şekli"},
        {"sifresi", "Şifresi"},
        {"sirasi", "Sırası"},
        {"sms", "SMS"},
        {"sonuc", "Sonuç"},
        {"sozlesme", "Sözleşme"},
        {"ssdf", "SSDF"},
        {"subesi", "Şubesi"},
        {"tavani", "Tavanı"},
        {"tazminati", "Tazminatı"},
        {"tl", "TL"},
        {"tms", "Mahsup Sırası"},
        {"todalari", "TODA'ları"},
        {"tum", "Tüm"},
        {"turu", "Türü"},
        {"tutari", "Tutarı"},
        {"uc", "Üç"},
        {"ucrete", "Ücrete"},
        {"ucreti", "Ücreti"},
        {"ucretini", "Ücretini"},
        {"ust", "Üst"},
        {"uzerinden", "Üzerinden"},
        {"vek", "Vek."},
        {"yildaki", "Yıldaki"},
        {"yillik", "Yıllık"},
        {"api", "API"},
        {"id", "Id"},
    };
    return s;
}

// Fields whose name alone does not read well.
const QHash<QString, QString>& alanlar() {
    static const QHash<QString, QString> a = {
        {"isMts", "MTS Müdürlüğü"},
        {"konusuParaOlmayanVekaletUcreti", "Konusu Para Olmayan Vekalet Ücreti"},
        {"foySahisTipi", "Şahıs Tipi"},
    };
    return a;
}

QList<ComboEntry> numarali(const QStringList& adlar, int ilk) {
    QList<ComboEntry> liste;
    for (int i = 0; i < adlar.size(); ++i)
        liste.append({adlar.at(i), ilk + i});
    return liste;
}

}  // namespace

QString alanEtiketi(const char* alanAdi) {
    const QString ad = QString::fromLatin1(alanAdi);
    if (const auto it = alanlar().constFind(ad); it != alanlar().cend())
        return it.value();
    static const QRegularExpression sozcuk(QStringLiteral("[a-z]+|[A-Z][a-z]*|[0-9]+"));
    QStringList parcalar;
    for (auto it = sozcuk.globalMatch(ad); it.hasNext();) {
        const QString s = it.next().captured().toLower();
        const auto bilinen = sozcukler().constFind(s);
        parcalar << (bilinen != sozcukler().cend() ? bilinen.value()
                                                   : s.left(1).toUpper() + s.mid(1));
    }
    return parcalar.join(u' ');
}

QString bolumEtiketi(const char* bolumAdi) {
    static const QHash<QString, QString> adlar = {
        {"foy", "Föy"},
        {"alacakli", "Alacaklı"},
        {"sahislar", "Şahıslar"},
        {"tebligatlar", "Tebligatlar"},
        {"guncelTebligatlar", "Güncel Tebligatlar"},
        {"alacaklar", "Alacaklar"},
        {"sonrakiAlacaklar", "Sonraki Alacaklar"},
        {"todalar", "TODA"},
        {"tahsilatlar", "Tahsilatlar"},
        {"masraflar", "Masraflar"},
        {"faizTablolari", "Faiz Tabloları"},
        {"faizOranlari", "Faiz Oranları"},
        {"mahsupSiralari", "Mahsup Sıraları"},
        {"ilamlar", "İlam"},
        {"ilamMahsuplari", "İlam Mahsupları"},
        {"ihtiyatiHacizler", "İhtiyati Haciz"},
        {"sozlesmeler", "Sözleşme"},
        {"ekSahalar", "Ek Sahalar"},
        {"ekAlacaklilar", "Ek Alacaklılar"},
        {"harclar", "Harçlar"},
        {"vekaletUcretiOranlari", "Vekalet Ücreti Tarifesi"},
        {"digerVekaletUcretleri", "Diğer Vekalet Ücretleri"},
        {"paraBirimleri", "Para Birimleri"},
        {"kurlar", "Kurlar"},
        {"icraMudurlukleri", "İcra Müdürlükleri"},
        {"mahkemeler", "Mahkemeler"},
        {"masrafTurleri", "Masraf Türleri"},
        {"avukatlar", "Avukatlar"},
        {"secenekler", "Seçenekler"},
    };
    return adlar.value(QString::fromLatin1(bolumAdi), QString::fromLatin1(bolumAdi));
}

QList<ComboEntry> degerAdlari(const belge::Alan& alan) {
    const QString ad = QString::fromLatin1(alan.ad);
    if (ad == QLatin1String("formTipi"))
        // The official form number, then the article of the enforcement law.
        return numarali(
            {"Örnek 7 (49)", "Örnek 8 (50)", "Örnek 13 (51)", "Örnek 4-5 (53)", "Örnek 2 (54)",
             "Örnek 3 (55)", "Örnek 14 (56)", "Örnek 6 (151)", "Örnek 9 (152)", "Örnek 10 (163)",
             "Örnek 44 (201)", "Örnek 53 (54)", "Madde 153", "Madde 52", "Örnek 53 (55)"},
            1);
    if (ad == QLatin1String("alacakTipi"))
        return numarali({"Çek/Senet (163)",
                         "Çek/Senet/Sözleşme (49)",
                         "Çocuk Teslimi (55)",
                         "Fatura (49)",
                         "İlamlı Alacak (53)",
                         "İpotek, İcra Emri (151)",
                         "İpotek, Ödeme Emri (152)",
                         "İrtifak Hakkı (53)",
                         "İşçi Alacağı (53)",
                         "İşin Yapılması (53)",
                         "Kira (51)",
                         "Kredi Kartı (49)",
                         "Kredi (49)",
                         "Menkul Teslimi (54)",
                         "Nafaka (53)",
                         "Rehinli Menkul (50)",
                         "Rehinli Menkul (201)",
                         "Tahliye (54)",
                         "Tahliye (56)",
                         "Nafaka (49)",
                         "İlamlı Alacak ve Tahliye (53-54)",
                         "Çek/Senet (153)",
                         "Çek/Senet (52)",
                         "İlamlı Alacak ve Menkul Teslimi (53-54)",
                         "İlamlı Alacak ve Çocuk Teslimi (53-55)",
                         "İşçi Alacağı (153)",
                         "İşçi Alacağı (49)",
                         "Kombine Kredi (49)"},
                        1);
    if (ad == QLatin1String("dosyaSonucu"))
        return numarali({"Tanımlanmamış", "Derdest", "Aciz ile İnfaz", "Faiz İndirimi ile İnfaz",
                         "Komite ile İnfaz", "Tahsil ile İnfaz", "Dosya İade", "Feragat", "Düşme",
                         "Temlik", "Birleştirme", "Rehin Açığı Belgesi", "Ödeme Emri İptali",
                         "Takip İptali", "Konkordato", "İflas", "İflas Erteleme", "Muvafakat"},
                        0);
    if (ad == QLatin1String("tahsilatSekli"))
        return numarali(
            {"İcradan Alınan", "İcraya Yatan", "Şubeye/Hesaba Yatan", "Çek/Senet Tahsili",
             "Gayrimenkul Alımı", "Menkul Alımı", "Elden Yapılan", "Avukatın Bankasına Yatan",
             "Müvekkile Ödenen", "POS", "Posta Çeki", "İcra Satışı", "Barokart"},
            1);
    if (ad == QLatin1String("tahsilatMahsupSirasi"))
        return numarali({"Önce Borç Aslından", "Toplam Borçtan (Takipten Önce Uygulama)",
                         "Toplam Borçtan (Takipten Önce de Uygula)", "Tablo Kullan",
                         "Toplam Borçtan (Vekalet Ücreti Sonda)"},
                        1);
    return {};
}

}  // namespace quv::editors
