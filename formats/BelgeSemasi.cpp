// The sections of the two documents a user keeps: a case file (one enforcement file
// with everything the calculation reads for it) and the office's settings. Each
// section is one host table; each field one column, under a readable name and with
// the kind of value the column holds.

#include "formats/BelgeSemasi.h"

namespace quv::belge {

namespace {

constexpr AlanTuru T = AlanTuru::Tamsayi;
constexpr AlanTuru M = AlanTuru::Metin;
constexpr AlanTuru D = AlanTuru::Tarih;
constexpr AlanTuru P = AlanTuru::Para;
constexpr AlanTuru O = AlanTuru::Oran;

// The fields of a notification: every notification and the current one per party.
const QList<Alan>& tebligatAlanlari() {
    static const QList<Alan> alanlar = {
        {"foySahisKodu", "foysahiskodu", T},
        {"tebligatKodu", "tebligatkodu", T},
        {"tebligTarihi", "tebligtarihi", D},
        {"tebligatDurumu", "tebligatdurumu", T},
        {"itirazTarihi", "itiraztarihi", D},
        {"kesinlesmeTarihi", "kesinlesmetarihi", D},
        {"sonOdemeTarihi", "sonodemetarihi", D},
        {"malBeyaniTarihi", "malbeyanitarihi", D},
        {"aciklama", "aciklama", M},
    };
    return alanlar;
}

// A rate table and its dated rates: a file's own (in its case file) and the shared ones
// (in the settings).
Bolum faizTablolari() {
    return {"faizTablolari", "tblfaizoranitablosu", "foykodu", "faizoranitablosukodu", false,
            {
                {"faizOraniTablosuKodu", "faizoranitablosukodu", T},
                {"faizOraniTablosuAdi", "faizoranitablosuadi", M},
                {"mevduatFaizOraniTablosu", "mevduatfaizoranitablosu", T},
            }};
}

Bolum faizOranlari() {
    return {"faizOranlari", "tblfaizoranitablosu_detay", "foykodu", "faizoranitablosukodu, tarih",
            false,
            {
                {"faizOraniTablosuKodu", "faizoranitablosukodu", T},
                {"tarih", "tarih", D},
                {"faizOrani", "faizorani", O},
            }};
}

}  // namespace

const QList<Bolum>& foyBolumleri() {
    static const QList<Bolum> bolumler = {
        {"foy", "tblfoy", "foykodu", "", true,
         {
             {"borcluSayisi", "borclusayisi", T},
             {"formTipi", "formtipi", T, 1, 15},
             {"takipTarihi", "takiptarihi", D},
             {"dosyaSonucu", "dosyasonucu", T, 0, 17},
             {"sonucTarihi", "sonuctarihi", D},
             {"hesapTarihi", "hesaptarihi", D},
             {"foyKayitTarihi", "foykayittarihi", D},
             {"alacakTipi", "alacaktipi", T, 1, 28},
             {"paraBirimiKodu", "parabirimikodu", T},
             {"faizOrani", "faizorani", O},
             {"faizOraniTablosuFoyKodu", "faizoranitablosufoykodu", T},
             {"faizOraniTablosuKodu", "faizoranitablosukodu", T},
             {"bsmvOrani", "bsmvorani", O},
             {"tazminatOrani", "tazminatorani", O},
             {"cekKarsiliksizTazminatOrani", "cekkarsiliksiztazminatorani", O},
             {"yillikKira", "yillikkira", P},
             {"vekaletUcreti", "vekaletucreti", P},
             {"kidemTazminati", "kidemtazminati", P},
             {"kidemFaizOrani", "kidemfaizorani", O},
             {"kidemFaizOraniTablosuFoyKodu", "kidemfaizoranitablosufoykodu", T},
             {"kidemFaizOraniTablosuKodu", "kidemfaizoranitablosukodu", T},
             {"sozlesmeVekaletUcretiOrani", "sozlesmevekaletucretiorani", O},
             {"kidemFaizBasTarihi", "kidemfaizbastarihi", D},
             {"tahsilatMahsupSirasi", "tahsilatmahsupsirasi", T, 1, 5},
             {"ilkHacizTarihi", "ilkhaciztarihi", D},
             {"ilkSatisTarihi", "ilksatistarihi", D},
             {"ihtiyatiHacizVar", "ihtiyatihacizvar", T},
             {"kidemTms", "kidemtms", T},
             {"komisyonOrani", "komisyonorani", O},
             {"sonrakiTahsilHarciHesaplamaSekli", "sonrakitahsilharcihesaplamasekli", T},
             {"alacakliKodu", "alacaklikodu", T},
             {"icraMudurluguKodu", "icramudurlugukodu", T},
             {"mtsIcraMudurluguKodu", "mtsicramudurlugukodu", T},
             {"tebligatDurumu", "tebligatdurumu", T},
             {"avukatKodu", "avukatkodu", T},
         }},
        {"alacakli", "tblalacakli", "", "", true,
         {
             {"alacakliKodu", "alacaklikodu", T},
             {"harcHesapla", "harchesapla", T},
             {"tahsilHarciHesapla", "tahsilharcihesapla", T},
             {"ihHarciHesapla", "ihharcihesapla", T},
             {"faturaFaizineKdvEkle", "faturafaizinekdvekle", T},
             {"vekaletHarciHesapla", "vekaletharcihesapla", T},
             {"pesinHarcHesapla", "pesinharchesapla", T},
             {"cekSenetFaizineKdvEkle", "ceksenetfaizinekdvekle", T},
             {"onOrnekCekSenetFaizineKdvEkle", "onornekceksenetfaizinekdvekle", T},
             {"faizYildakiGunSayisi", "faizyildakigunsayisi", T},
             {"mtsHarciHesapla", "mtsharcihesapla", T},
         }},
        {"sahislar", "tblfoy_sahis", "foykodu", "foysahiskodu", false,
         {
             {"foySahisKodu", "foysahiskodu", T},
             {"foySahisTipi", "foysahistipi", T},
             {"ad", "ad", M},
             {"soyad", "soyad", M},
             {"tahsilHarciHesapla", "tahsilharcihesapla", T},
             {"tumAdreslereGonderilsin", "tumadresleregonderilsin", T},
             {"muvekkileTebligatGonderilmesin", "muvekkiletebligatgonderilmesin", T},
             {"vekileTebligatGonder", "vekiletebligatgonder", T},
             {"vekilAdiSoyadi", "vekiladisoyadi", M},
             {"vekilSoyadi", "vekilsoyadi", M},
             {"adres1", "adres1", M},
             {"adres2", "adres2", M},
             {"tel1", "tel1", M},
             {"tel2", "tel2", M},
             {"cepTel", "ceptel", M},
             {"cepTel2", "ceptel2", M},
         }},
        {"tebligatlar", "tblfoy_tebligat", "foykodu", "foysahiskodu, tebligatkodu", false,
         tebligatAlanlari()},
        {"guncelTebligatlar", "tblfoy_tebligat_iz", "foykodu", "foysahiskodu, tebligatkodu",
         false, tebligatAlanlari()},
        {"alacaklar", "tblfoy_alacak", "foykodu", "alacakkodu", false,
         {
             {"alacakKodu", "alacakkodu", T},
             {"tarih", "tarih", D},
             {"tutar", "tutar", P},
             {"birikmisFaiz", "birikmisfaiz", P},
             {"faizOrani", "faizorani", O},
             {"faizOraniTablosuKodu", "faizoranitablosukodu", T},
             {"faizOraniTablosuFoyKodu", "faizoranitablosufoykodu", T},
             {"faizIslemeyecekTutar", "faizislemeyecektutar", P},
             {"alacakTuru", "alacakturu", T},
             {"kartNo", "kartno", M},
             {"bankaSubesi", "bankasubesi", M},
             {"aciklama", "aciklama", M},
             {"digerAlacakAdi", "digeralacakadi", M},
             {"cekSenetTutari", "ceksenettutari", P},
             {"yil", "yil", T},
             {"birinciAy", "birinciay", T},
             {"ikinciAy", "ikinciay", T},
             {"odemeGunu", "odemegunu", T},
             {"duzenlemeTarihi", "duzenlemetarihi", D},
             {"nafakaFaizBaslangicTarihi", "nafakafaizbaslangictarihi", D},
         }},
        {"sonrakiAlacaklar", "tblfoy_sonrakialacak", "foykodu", "tarih, alacakkodu", false,
         {
             {"alacakKodu", "alacakkodu", T},
             {"alacakAdi", "alacakadi", M},
             {"tarih", "tarih", D},
             {"tutar", "tutar", P},
             {"faizOrani", "faizorani", O},
             {"faizOraniTablosuKodu", "faizoranitablosukodu", T},
             {"faizOraniTablosuFoyKodu", "faizoranitablosufoykodu", T},
             {"matrahlaraDahil", "matrahlaradahil", T},
         }},
        {"todalar", "tblfoy_toda", "foykodu", "alacakkodu", false,
         {
             {"alacakKodu", "alacakkodu", T},
             {"ad", "ad", M},
             {"tutar", "tutar", P},
             {"faizBaslangicTarihi", "faizbaslangictarihi", D},
             {"faizOrani", "faizorani", O},
             {"faizOraniTablosuKodu", "faizoranitablosukodu", T},
             {"faizOraniTablosuFoyKodu", "faizoranitablosufoykodu", T},
         }},
        {"tahsilatlar", "tblfoy_tahsilat", "foykodu", "tahsilattarihi", false,
         {
             {"tahsilatTarihi", "tahsilattarihi", D},
             {"tahsilatMiktari", "tahsilatmiktari", P},
             {"paraBirimiKodu", "parabirimikodu", T},
             {"tahsilatSekli", "tahsilatsekli", T, 1, 13},
         }},
        {"masraflar", "tblfoy_masraf", "foykodu", "masraftarihi, masrafkodu", false,
         {
             {"masrafKodu", "masrafkodu", T},
             {"masrafTarihi", "masraftarihi", D},
             {"masrafTutari", "masraftutari", P},
             {"resmi", "resmi", T},
             {"masrafTuruKodu", "masrafturukodu", T},
         }},
        faizTablolari(),
        faizOranlari(),
        {"mahsupSiralari", "tblfoy_tahsilatmahsupsirasi", "foykodu", "tarih", false,
         {
             {"tarih", "tarih", D},
             {"tahsilatMahsupSirasi", "tahsilatmahsupsirasi", T, 1, 5},
         }},
        {"ilamlar", "tblfoy_ilam", "foykodu", "karartarihi", false,
         {
             {"mahkemeOrNoter", "mahkemeornoter", T},
             {"kararTarihi", "karartarihi", D},
             {"noterTarihi", "notertarihi", D},
         }},
        {"ilamMahsuplari", "tblfoy_mahsup", "foykodu", "mahsupmiktari", false,
         {
             {"mahsupMiktari", "mahsupmiktari", P},
         }},
        {"ihtiyatiHacizler", "tblfoy_ihtiyatihaciz", "foykodu", "taleptarihi", false,
         {
             {"talepTarihi", "taleptarihi", D},
             {"takipTarihi", "takiptarihi", D},
             {"durusmali", "durusmali", T},
             {"giderHesapla", "giderhesapla", T},
             {"vekaletUcretiHesapla", "vekaletucretihesapla", T},
             {"mahkemeKodu", "mahkemekodu", T},
         }},
        {"sozlesmeler", "tblfoy_sozlesme", "foykodu", "muacceliyetdurumu", false,
         {
             {"muacceliyetDurumu", "muacceliyetdurumu", T},
             {"tahliyeVekaletUcretiEkle", "tahliyevekaletucretiekle", T},
             {"vekaletUcretiniYillikKiraUzerindenHesapla", "VekaletUcretiniYillikKiraUzerindenHesapla", T},
         }},
        {"ekSahalar", "tblfoy_eksahalar", "foykodu", "pesinharchesaplanmasin", false,
         {
             {"pesinHarcHesaplanmasin", "pesinharchesaplanmasin", T},
             {"ilkTebligatGideriEklenmesin", "ilktebligatgiderieklenmesin", T},
         }},
        {"ekAlacaklilar", "tblfoy_alacakli", "foykodu", "", false,
         {
         }},
    };
    return bolumler;
}

const QList<Bolum>& ayarBolumleri() {
    static const QList<Bolum> bolumler = {
        {"harclar", "tblharclar", "", "tarih", false,
         {
             {"tarih", "tarih", D},
             {"basvuruHarci", "basvuruharci", P},
             {"vekaletnameHarci", "vekaletnameharci", P},
             {"pesinHarcOrani", "pesinharcorani", O},
             {"tahsilHarcOrani1", "tahsilharcorani1", O},
             {"tahsilHarcOrani2", "tahsilharcorani2", O},
             {"tahsilHarcOrani3", "tahsilharcorani3", O},
             {"maasdaTahsilHarciOrani", "maasdatahsilharciorani", O},
             {"cezaeviHarciOrani", "cezaeviharciorani", O},
             {"feragatHarciOrani1", "feragatharciorani1", O},
             {"feragatHarciOrani2", "feragatharciorani2", O},
             {"feragatHarciOrani3", "feragatharciorani3", O},
             {"tahliyeHarcOrani1", "tahliyeharcorani1", O},
             {"tahliyeHarcOrani2", "tahliyeharcorani2", O},
             {"menkulTeslimHarciOrani1", "menkulteslimharciorani1", O},
             {"menkulTeslimHarciOrani2", "menkulteslimharciorani2", O},
             {"sulhKararHarci", "sulhkararharci", P},
             {"asliyeHukukKararHarci", "ahkararharci", P},
             {"yerineGetirmeHarci", "yerinegetirmeharci", P},
             {"maktuCezaeviHarci", "maktucezaeviharci", P},
             {"ihtiyatiHaciz", "ihtiyatihaciz", O},
             {"dosyaGideri", "dosyagideri", P},
             {"evrakGideri", "evrakgideri", P},
             {"suretDamgaPulu", "suretdamgapulu", P},
             {"ilkTebligatGideri", "ilktebligatgideri", P},
             {"ilkTebligatGideriMts", "ilktebligatgideri_mts", P},
             {"kefaletHarciOrani", "kefaletharciorani", O},
             {"kkdfOrani", "kkdforani", O},
             {"baroPulu", "baropulu", P},
             {"yuvarlamaDegeri", "yuvarlamadegeri", P},
             {"stopaj", "stopaj", O},
             {"ssdf", "ssdf", O},
             {"kdv", "kdv", O},
             {"cekBankaSorumlulukBedeli", "cekbankasorumlulukbedeli", P},
             {"mtsHarciOrani", "mtsharciorani", O},
         }},
        {"vekaletUcretiOranlari", "tblvekaletucretioranlari", "", "tarih, kod", false,
         {
             {"tarih", "tarih", D},
             {"kod", "kod", T},
             {"miktar", "miktar", P},
             {"oran", "oran", O},
         }},
        {"digerVekaletUcretleri", "tbldigervekaletucretleri", "", "tarih", false,
         {
             {"tarih", "tarih", D},
             {"durusmaAltOran", "durusmaaltoran", O},
             {"altOran", "altoran", O},
             {"durusmaIhtiyatiDeger", "durusmaihtiyatideger", P},
             {"ihtiyatiDeger", "ihtiyatideger", P},
             {"durusmaUstDeger", "durusmaustdeger", P},
             {"ustDeger", "ustdeger", P},
             {"minVekaletUcreti", "minvekaletucreti", P},
             {"konusuParaOlmayanVekaletUcreti", "konusuparaolmayanvekucr", P},
             {"minVekaletUcretiTavani", "minvekaletucretitavani", P},
             {"icraCezaVekaletUcreti", "icracezavekaletucreti", P},
             {"tahliyeVekaletUcreti", "tahliyevekaletucreti", P},
         }},
        faizTablolari(),
        faizOranlari(),
        {"paraBirimleri", "tblparabirimi", "", "kod", false,
         {
             {"kod", "kod", T},
             {"ad", "ad", M},
             {"simge", "simge", M},
         }},
        {"kurlar", "tblkur", "", "tarih, parabirimikodu", false,
         {
             {"tarih", "tarih", D},
             {"paraBirimiKodu", "parabirimikodu", T},
             {"tlTutar", "tltutar", P},
         }},
        {"icraMudurlukleri", "tblicramudurlugu", "", "kod", false,
         {
             {"kod", "kod", T},
             {"isMts", "ismts", T},
         }},
        {"mahkemeler", "tblmahkeme", "", "mahkemekodu", false,
         {
             {"mahkemeKodu", "mahkemekodu", T},
             {"mahkemeGoreviKodu", "mahkemegorevikodu", T},
         }},
        {"masrafTurleri", "tblmasrafturu", "", "kod", false,
         {
             {"kod", "kod", T},
             {"ad", "ad", M},
         }},
        {"avukatlar", "tblavukat", "", "avukatkodu", false,
         {
             {"avukatKodu", "avukatkodu", T},
             {"ad", "ad", M},
             {"soyad", "soyad", M},
         }},
        {"secenekler", "tbloptions_all", "", "kod", false,
         {
             {"kod", "kod", T},
             {"dosyaGidBorcaEkle", "dosyagidborcaekle", T},
             {"pesinHarcBorcaEkle", "pesinharcborcaekle", T},
             {"ihDosyaGidEkle", "ihdosyagidekle", T},
             {"ihTebligGidEkle", "ihtebliggidekle", T},
             {"cekeSuretDpEkle", "cekesuretdpekle", T},
             {"nafakayaFaiz", "nafakayafaiz", T},
             {"vekUcreteKdvEkle", "vekucretekdvekle", T},
             {"faizYildakiGunSayisi", "faizyildakigunsayisi", T},
             {"seneteKomisyonHesapla", "senetekomisyonhesapla", T},
             {"dortteUcVekaletUcretiUygula", "dortteucvekaletucretiuygula", T},
             {"dortteUcVekaletUcretiBaslamaTarihi", "dortteucvekaletucretiuygulamabaslamatarihi", D},
             {"todalariVekaletUcretiBorcAslinaDahilEt", "TodalariVekaletUcretiBorcAslinaDahilEt", T},
             {"smsServisSaglayiciId", "SmsServisSaglayiciId", T},
             {"smsKullaniciAdi", "smskullaniciadi", M},
             {"smsSifresi", "smssifresi", M, 0, 0, true},
             {"smsHermesKullaniciAdi", "SmsHermesKullaniciAdi", M},
             {"smsHermesSifresi", "SmsHermesSifresi", M, 0, 0, true},
             {"smsHermesMusteriKodu", "SmsHermesMusteriKodu", M},
             {"smsHermesVendorId", "SmsHermesVendorId", M},
             {"smsHermesApiKey", "SmsHermesApiKey", M, 0, 0, true},
             {"smsHermesOriginatorIdTelNo", "SmsHermesOriginatorIdTelNo", M},
         }},
    };
    return bolumler;
}

const Alan* Bolum::alan(const QString& ad) const {
    for (const Alan& a : alanlar)
        if (QLatin1String(a.ad) == ad)
            return &a;
    return nullptr;
}

}  // namespace quv::belge
