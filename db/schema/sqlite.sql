-- quvHesap host database for SQLite.
-- Text dates are yyyymmdd text (empty = no date), amounts have 4 decimals,
-- flags store 1 for true and 0 for false.
-- Single-column integer keys are declared INT rather than INTEGER: an INTEGER
-- key would become a rowid alias and SQLite would number a row whose key is
-- Null instead of rejecting it.

-- Agenda reminders, one per saved commitment.
CREATE TABLE tblajanda (
    ID                  INT NOT NULL,
    kayittarihi         TEXT,
    foykodu             INTEGER,
    kaydeden            TEXT,
    muhatap             TEXT,
    hatirlatmatarihi    TEXT,
    icerik              TEXT,
    hatirlatmayadevamet INTEGER,
    PRIMARY KEY (ID)
);

-- Creditors and their fee and interest switches.
CREATE TABLE tblalacakli (
    alacaklikodu                  INT NOT NULL,
    harchesapla                   INTEGER,
    tahsilharcihesapla            INTEGER,
    ihharcihesapla                INTEGER,
    faturafaizinekdvekle          INTEGER,
    vekaletharcihesapla           INTEGER,
    pesinharchesapla              INTEGER,
    ceksenetfaizinekdvekle        INTEGER,
    onornekceksenetfaizinekdvekle INTEGER,
    faizyildakigunsayisi          INTEGER,
    mtsharcihesapla               INTEGER,
    PRIMARY KEY (alacaklikodu)
);

-- Attorneys, used to filter files in the bulk update.
CREATE TABLE tblavukat (
    avukatkodu INT NOT NULL,
    ad         TEXT,
    soyad      TEXT,
    PRIMARY KEY (avukatkodu)
);

-- Other attorney fees, each row in force from its date to the next.
CREATE TABLE tbldigervekaletucretleri (
    tarih                   TEXT NOT NULL,
    durusmaaltoran          REAL,
    altoran                 REAL,
    durusmaihtiyatideger    NUMERIC(19,4),
    ihtiyatideger           NUMERIC(19,4),
    durusmaustdeger         NUMERIC(19,4),
    ustdeger                NUMERIC(19,4),
    minvekaletucreti        NUMERIC(19,4),
    konusuparaolmayanvekucr NUMERIC(19,4),
    minvekaletucretitavani  NUMERIC(19,4),
    icracezavekaletucreti   NUMERIC(19,4),
    tahliyevekaletucreti    NUMERIC(19,4),
    PRIMARY KEY (tarih)
);

-- Interest-rate table heads (file 0 = shared table).
CREATE TABLE tblfaizoranitablosu (
    foykodu                 INTEGER,
    faizoranitablosukodu    INTEGER,
    faizoranitablosuadi     TEXT,
    mevduatfaizoranitablosu INTEGER
);
CREATE INDEX ix_tblfaizoranitablosu ON tblfaizoranitablosu (foykodu, faizoranitablosukodu);

-- Dated rates of an interest-rate table.
CREATE TABLE tblfaizoranitablosu_detay (
    foykodu              INTEGER,
    faizoranitablosukodu INTEGER,
    tarih                TEXT,
    faizorani            REAL
);
CREATE INDEX ix_tblfaizoranitablosu_detay ON tblfaizoranitablosu_detay (foykodu, faizoranitablosukodu, tarih);

-- Enforcement files.
CREATE TABLE tblfoy (
    foykodu                          INT NOT NULL,
    borclusayisi                     INTEGER,
    formtipi                         INTEGER,
    takiptarihi                      TEXT,
    dosyasonucu                      INTEGER,
    sonuctarihi                      TEXT,
    hesaptarihi                      TEXT,
    foykayittarihi                   TEXT,
    alacaktipi                       INTEGER,
    parabirimikodu                   INTEGER,
    faizorani                        REAL,
    faizoranitablosufoykodu          INTEGER,
    faizoranitablosukodu             INTEGER,
    bsmvorani                        REAL,
    tazminatorani                    REAL,
    cekkarsiliksiztazminatorani      REAL,
    yillikkira                       NUMERIC(19,4),
    vekaletucreti                    NUMERIC(19,4),
    kidemtazminati                   NUMERIC(19,4),
    kidemfaizorani                   REAL,
    kidemfaizoranitablosufoykodu     INTEGER,
    kidemfaizoranitablosukodu        INTEGER,
    sozlesmevekaletucretiorani       REAL,
    kidemfaizbastarihi               TEXT,
    tahsilatmahsupsirasi             INTEGER,
    ilkhaciztarihi                   TEXT,
    ilksatistarihi                   TEXT,
    ihtiyatihacizvar                 INTEGER,
    kidemtms                         INTEGER,
    komisyonorani                    REAL,
    sonrakitahsilharcihesaplamasekli INTEGER,
    alacaklikodu                     INTEGER,
    icramudurlugukodu                INTEGER,
    mtsicramudurlugukodu             INTEGER,
    tebligatdurumu                   INTEGER,
    avukatkodu                       INTEGER,
    PRIMARY KEY (foykodu)
);

-- Claims of a file: general, rent and alimony rows.
CREATE TABLE tblfoy_alacak (
    foykodu                   INTEGER,
    alacakkodu                INTEGER,
    tarih                     TEXT,
    tutar                     NUMERIC(19,4),
    birikmisfaiz              NUMERIC(19,4),
    faizorani                 REAL,
    faizoranitablosukodu      INTEGER,
    faizoranitablosufoykodu   INTEGER,
    faizislemeyecektutar      NUMERIC(19,4),
    alacakturu                INTEGER,
    kartno                    TEXT,
    bankasubesi               TEXT,
    aciklama                  TEXT,
    digeralacakadi            TEXT,
    ceksenettutari            NUMERIC(19,4),
    yil                       INTEGER,
    birinciay                 INTEGER,
    ikinciay                  INTEGER,
    odemegunu                 INTEGER,
    duzenlemetarihi           TEXT,
    nafakafaizbaslangictarihi TEXT
);
CREATE INDEX ix_tblfoy_alacak ON tblfoy_alacak (foykodu);

-- Extra creditors of a file (only counted).
CREATE TABLE tblfoy_alacakli (
    foykodu INTEGER
);
CREATE INDEX ix_tblfoy_alacakli ON tblfoy_alacakli (foykodu);

-- Research results of a party (phone numbers).
CREATE TABLE tblfoy_arastirma (
    arastirmakodu INTEGER,
    foykodu       INTEGER,
    foysahiskodu  INTEGER,
    tel           TEXT,
    sonuc         INTEGER,
    teloradres    INTEGER
);
CREATE INDEX ix_tblfoy_arastirma ON tblfoy_arastirma (foykodu);

-- Extra switches of a file.
CREATE TABLE tblfoy_eksahalar (
    foykodu                     INTEGER,
    pesinharchesaplanmasin      INTEGER,
    ilktebligatgiderieklenmesin INTEGER
);
CREATE INDEX ix_tblfoy_eksahalar ON tblfoy_eksahalar (foykodu);

-- Phone calls with a party.
CREATE TABLE tblfoy_gorusme (
    gorusmekodu       INTEGER,
    foykodu           INTEGER,
    foysahiskodu      INTEGER,
    arananno          TEXT,
    ulasildi          INTEGER,
    ulasilamamanedeni INTEGER,
    gorusmetarihi     TEXT
);
CREATE INDEX ix_tblfoy_gorusme ON tblfoy_gorusme (foykodu);

-- Account summary, one row per file.
CREATE TABLE tblfoy_hesap (
    foykodu                             INT NOT NULL,
    borcasli                            NUMERIC(19,4),
    takibekonuborcasli                  NUMERIC(19,4),
    takibekonukidem                     NUMERIC(19,4),
    takiponcesidigeralacaklar           NUMERIC(19,4),
    takipcikisi_tlkismi                 NUMERIC(19,4),
    takipcikisi_dovizkismi              NUMERIC(19,4),
    harcaesasdeger                      NUMERIC(19,4),
    islemisfaiz                         NUMERIC(19,4),
    islemisfaiz_asilalacak              NUMERIC(19,4),
    islemisfaiz_kidem                   NUMERIC(19,4),
    islemisfaiz_digeriscialacagi        NUMERIC(19,4),
    islemisfaiz_toda                    NUMERIC(19,4),
    bsmvislemisfaiz                     NUMERIC(19,4),
    kdvislemisfaiz                      NUMERIC(19,4),
    sonrakifaiz                         NUMERIC(19,4),
    sonrakifaiz_asilalacak              NUMERIC(19,4),
    sonrakifaiz_kidem                   NUMERIC(19,4),
    sonrakifaiz_digeriscialacagi        NUMERIC(19,4),
    sonrakifaiz_toda                    NUMERIC(19,4),
    sonrakifaiz_sonrakialacak           NUMERIC(19,4),
    bsmvsonrakifaiz                     NUMERIC(19,4),
    kdvsonrakifaiz                      NUMERIC(19,4),
    sonrakialacak                       NUMERIC(19,4),
    eklenennafaka                       NUMERIC(19,4),
    komisyon                            NUMERIC(19,4),
    tazminat                            NUMERIC(19,4),
    karsiliksizcektazminati             NUMERIC(19,4),
    ihgideri                            NUMERIC(19,4),
    ihtiyatihacizdeborcasli             NUMERIC(19,4),
    ihtiyatihacizdeborcasli_TL          NUMERIC(19,4),
    ihvekaletucreti                     NUMERIC(19,4),
    ihvekaletucreti_kdv                 NUMERIC(19,4),
    vekaletucreti                       NUMERIC(19,4),
    vekaletucreti_kdv                   NUMERIC(19,4),
    basvuruharci                        NUMERIC(19,4),
    vekaletharci                        NUMERIC(19,4),
    pesinharc                           NUMERIC(19,4),
    mtsharci                            NUMERIC(19,4),
    tahliyeharci                        NUMERIC(19,4),
    menkulteslimharci                   NUMERIC(19,4),
    evrakgideri                         NUMERIC(19,4),
    postagideri                         NUMERIC(19,4),
    damgapulugideri                     NUMERIC(19,4),
    dosyagideri                         NUMERIC(19,4),
    baropulu                            NUMERIC(19,4),
    toplammasraf                        NUMERIC(19,4),
    tahsilharci_odenen                  NUMERIC(19,4),
    tahsilharci_kalan                   NUMERIC(19,4),
    takiponcesitoplamtahsilat_tl        NUMERIC(19,4),
    takiponcesitoplamtahsilat_doviz     NUMERIC(19,4),
    takiponcesimahsup_anapara           NUMERIC(19,4),
    takiponcesimahsup_toda              NUMERIC(19,4),
    takiponcesimahsup_faizmasraf_tl     NUMERIC(19,4),
    takiponcesimahsup_faizmasraf_doviz  NUMERIC(19,4),
    takipsonrasitoplamtahsilat_tl       NUMERIC(19,4),
    takipsonrasitoplamtahsilat_doviz    NUMERIC(19,4),
    takipsonrasimahsup_anapara          NUMERIC(19,4),
    takipsonrasimahsup_toda             NUMERIC(19,4),
    takipsonrasimahsup_faizmasraf_tl    NUMERIC(19,4),
    takipsonrasimahsup_faizmasraf_doviz NUMERIC(19,4),
    toplammahsup                        NUMERIC(19,4),
    fazlatahsilat                       NUMERIC(19,4),
    bakiye_tl                           NUMERIC(19,4),
    bakiye_doviz                        NUMERIC(19,4),
    bakiye_guncel_tl                    NUMERIC(19,4),
    guncelfaizorani                     REAL,
    guncelkidemfaizorani                REAL,
    takiptarihindefaizorani             REAL,
    takiptarihindekidemfaizorani        REAL,
    PRIMARY KEY (foykodu)
);

-- Precautionary attachment of a file.
CREATE TABLE tblfoy_ihtiyatihaciz (
    foykodu              INTEGER,
    taleptarihi          TEXT,
    takiptarihi          TEXT,
    durusmali            INTEGER,
    giderhesapla         INTEGER,
    vekaletucretihesapla INTEGER,
    mahkemekodu          INTEGER
);
CREATE INDEX ix_tblfoy_ihtiyatihaciz ON tblfoy_ihtiyatihaciz (foykodu);

-- Judgement of a file.
CREATE TABLE tblfoy_ilam (
    foykodu        INTEGER,
    mahkemeornoter INTEGER,
    karartarihi    TEXT,
    notertarihi    TEXT
);
CREATE INDEX ix_tblfoy_ilam ON tblfoy_ilam (foykodu);

-- Judgement offsets of a file.
CREATE TABLE tblfoy_mahsup (
    foykodu       INTEGER,
    mahsupmiktari NUMERIC(19,4)
);
CREATE INDEX ix_tblfoy_mahsup ON tblfoy_mahsup (foykodu);

-- Expenses of a file.
CREATE TABLE tblfoy_masraf (
    foykodu        INTEGER,
    masrafkodu     INTEGER,
    masraftarihi   TEXT,
    masraftutari   NUMERIC(19,4),
    resmi          INTEGER,
    masrafturukodu INTEGER
);
CREATE INDEX ix_tblfoy_masraf ON tblfoy_masraf (foykodu);

-- Windows used for a file, one row per window.
CREATE TABLE tblfoy_pencere (
    foykodu     INTEGER NOT NULL,
    pencerekodu INTEGER NOT NULL,
    PRIMARY KEY (foykodu, pencerekodu)
);

-- Parties of a file.
CREATE TABLE tblfoy_sahis (
    foykodu                        INTEGER NOT NULL,
    foysahiskodu                   INTEGER NOT NULL,
    foysahistipi                   INTEGER,
    ad                             TEXT,
    soyad                          TEXT,
    tahsilharcihesapla             INTEGER,
    tumadresleregonderilsin        INTEGER,
    muvekkiletebligatgonderilmesin INTEGER,
    vekiletebligatgonder           INTEGER,
    vekiladisoyadi                 TEXT,
    vekilsoyadi                    TEXT,
    adres1                         TEXT,
    adres2                         TEXT,
    tel1                           TEXT,
    tel2                           TEXT,
    ceptel                         TEXT,
    ceptel2                        TEXT,
    PRIMARY KEY (foykodu, foysahiskodu)
);

-- Claims arising after the start of enforcement.
CREATE TABLE tblfoy_sonrakialacak (
    foykodu                 INTEGER,
    alacakkodu              INTEGER,
    alacakadi               TEXT,
    tarih                   TEXT,
    tutar                   NUMERIC(19,4),
    faizorani               REAL,
    faizoranitablosukodu    INTEGER,
    faizoranitablosufoykodu INTEGER,
    matrahlaradahil         INTEGER
);
CREATE INDEX ix_tblfoy_sonrakialacak ON tblfoy_sonrakialacak (foykodu);

-- Rent-contract switches of a file.
CREATE TABLE tblfoy_sozlesme (
    foykodu                                   INTEGER,
    muacceliyetdurumu                         INTEGER,
    tahliyevekaletucretiekle                  INTEGER,
    VekaletUcretiniYillikKiraUzerindenHesapla INTEGER
);
CREATE INDEX ix_tblfoy_sozlesme ON tblfoy_sozlesme (foykodu);

-- Payment commitments, numbered within the file.
CREATE TABLE tblfoy_taahhut (
    foykodu           INTEGER NOT NULL,
    taahhutkodu       INTEGER NOT NULL,
    foysahiskodu      INTEGER,
    taahhuttarihi     TEXT,
    taahhutmiktari    NUMERIC(19,4),
    kabultarihi       TEXT,
    kabultebligtarihi TEXT,
    odenenmiktar      NUMERIC(19,4),
    taahutdurumu      INTEGER,
    parabirimikodu    INTEGER,
    PRIMARY KEY (foykodu, taahhutkodu)
);

-- Collections of a file.
CREATE TABLE tblfoy_tahsilat (
    foykodu         INTEGER,
    tahsilattarihi  TEXT,
    tahsilatmiktari NUMERIC(19,4),
    parabirimikodu  INTEGER,
    tahsilatsekli   INTEGER
);
CREATE INDEX ix_tblfoy_tahsilat ON tblfoy_tahsilat (foykodu);

-- Dated offset orders of a file.
CREATE TABLE tblfoy_tahsilatmahsupsirasi (
    foykodu              INTEGER,
    tarih                TEXT,
    tahsilatmahsupsirasi INTEGER
);
CREATE INDEX ix_tblfoy_tahsilatmahsupsirasi ON tblfoy_tahsilatmahsupsirasi (foykodu);

-- Every notification of every party.
CREATE TABLE tblfoy_tebligat (
    foykodu          INTEGER,
    foysahiskodu     INTEGER,
    tebligatkodu     INTEGER,
    tebligtarihi     TEXT,
    tebligatdurumu   INTEGER,
    itiraztarihi     TEXT,
    kesinlesmetarihi TEXT,
    sonodemetarihi   TEXT,
    malbeyanitarihi  TEXT,
    aciklama         TEXT
);
CREATE INDEX ix_tblfoy_tebligat ON tblfoy_tebligat (foykodu);

-- Current notification, one row per party.
CREATE TABLE tblfoy_tebligat_iz (
    foykodu          INTEGER NOT NULL,
    tebligatkodu     INTEGER NOT NULL,
    foysahiskodu     INTEGER,
    tebligtarihi     TEXT,
    tebligatdurumu   INTEGER,
    itiraztarihi     TEXT,
    kesinlesmetarihi TEXT,
    sonodemetarihi   TEXT,
    malbeyanitarihi  TEXT,
    aciklama         TEXT,
    PRIMARY KEY (foykodu, tebligatkodu),
    UNIQUE (foykodu, foysahiskodu)
);

-- Other claims from before enforcement.
CREATE TABLE tblfoy_toda (
    foykodu                 INTEGER,
    alacakkodu              INTEGER,
    ad                      TEXT,
    tutar                   NUMERIC(19,4),
    faizbaslangictarihi     TEXT,
    faizorani               REAL,
    faizoranitablosukodu    INTEGER,
    faizoranitablosufoykodu INTEGER
);
CREATE INDEX ix_tblfoy_toda ON tblfoy_toda (foykodu);

-- Fees and rates, one row per validity date.
CREATE TABLE tblharclar (
    tarih                    TEXT NOT NULL,
    basvuruharci             NUMERIC(19,4),
    vekaletnameharci         NUMERIC(19,4),
    pesinharcorani           REAL,
    tahsilharcorani1         REAL,
    tahsilharcorani2         REAL,
    tahsilharcorani3         REAL,
    maasdatahsilharciorani   REAL,
    cezaeviharciorani        REAL,
    feragatharciorani1       REAL,
    feragatharciorani2       REAL,
    feragatharciorani3       REAL,
    tahliyeharcorani1        REAL,
    tahliyeharcorani2        REAL,
    menkulteslimharciorani1  REAL,
    menkulteslimharciorani2  REAL,
    sulhkararharci           NUMERIC(19,4),
    ahkararharci             NUMERIC(19,4),
    yerinegetirmeharci       NUMERIC(19,4),
    maktucezaeviharci        NUMERIC(19,4),
    ihtiyatihaciz            REAL,
    dosyagideri              NUMERIC(19,4),
    evrakgideri              NUMERIC(19,4),
    suretdamgapulu           NUMERIC(19,4),
    ilktebligatgideri        NUMERIC(19,4),
    ilktebligatgideri_mts    NUMERIC(19,4),
    kefaletharciorani        REAL,
    kkdforani                REAL,
    baropulu                 NUMERIC(19,4),
    yuvarlamadegeri          NUMERIC(19,4),
    stopaj                   REAL,
    ssdf                     REAL,
    kdv                      REAL,
    cekbankasorumlulukbedeli NUMERIC(19,4),
    mtsharciorani            REAL,
    PRIMARY KEY (tarih)
);

-- Enforcement offices.
CREATE TABLE tblicramudurlugu (
    kod   INT NOT NULL,
    ismts INTEGER,
    PRIMARY KEY (kod)
);

-- Exchange rates, one row per date and currency.
CREATE TABLE tblkur (
    tarih          TEXT NOT NULL,
    parabirimikodu INTEGER NOT NULL,
    tltutar        NUMERIC(19,4),
    PRIMARY KEY (tarih, parabirimikodu)
);

-- Courts.
CREATE TABLE tblmahkeme (
    mahkemekodu       INT NOT NULL,
    mahkemegorevikodu INTEGER,
    PRIMARY KEY (mahkemekodu)
);

-- Expense kinds.
CREATE TABLE tblmasrafturu (
    kod INT NOT NULL,
    ad  TEXT,
    PRIMARY KEY (kod)
);

-- Office options and SMS settings (row kod = 1).
CREATE TABLE tbloptions_all (
    kod                                        INT NOT NULL,
    dosyagidborcaekle                          INTEGER,
    pesinharcborcaekle                         INTEGER,
    ihdosyagidekle                             INTEGER,
    ihtebliggidekle                            INTEGER,
    cekesuretdpekle                            INTEGER,
    nafakayafaiz                               INTEGER,
    vekucretekdvekle                           INTEGER,
    faizyildakigunsayisi                       INTEGER,
    senetekomisyonhesapla                      INTEGER,
    dortteucvekaletucretiuygula                INTEGER,
    dortteucvekaletucretiuygulamabaslamatarihi TEXT,
    TodalariVekaletUcretiBorcAslinaDahilEt     INTEGER,
    SmsServisSaglayiciId                       INTEGER,
    smskullaniciadi                            TEXT,
    smssifresi                                 TEXT,
    SmsHermesKullaniciAdi                      TEXT,
    SmsHermesSifresi                           TEXT,
    SmsHermesMusteriKodu                       TEXT,
    SmsHermesVendorId                          TEXT,
    SmsHermesApiKey                            TEXT,
    SmsHermesOriginatorIdTelNo                 TEXT,
    PRIMARY KEY (kod)
);

-- Currencies.
CREATE TABLE tblparabirimi (
    kod   INT NOT NULL,
    ad    TEXT,
    simge TEXT,
    PRIMARY KEY (kod)
);

-- Attorney-fee scale, bracket rows per validity date.
CREATE TABLE tblvekaletucretioranlari (
    tarih  TEXT,
    kod    INTEGER,
    miktar NUMERIC(19,4),
    oran   REAL
);
CREATE INDEX ix_tblvekaletucretioranlari ON tblvekaletucretioranlari (tarih, kod);
