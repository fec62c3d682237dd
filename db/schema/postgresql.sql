-- quvHesap host database for PostgreSQL.
-- Text dates are yyyymmdd text (empty = no date), amounts have 4 decimals,
-- flags store 1 for true and 0 for false. Names are unquoted and fold to lower case.

-- Agenda reminders, one per saved commitment.
CREATE TABLE tblajanda (
    ID                  INTEGER NOT NULL,
    kayittarihi         TEXT,
    foykodu             INTEGER,
    kaydeden            TEXT,
    muhatap             TEXT,
    hatirlatmatarihi    TEXT,
    icerik              TEXT,
    hatirlatmayadevamet SMALLINT,
    PRIMARY KEY (ID)
);

-- Creditors and their fee and interest switches.
CREATE TABLE tblalacakli (
    alacaklikodu                  INTEGER NOT NULL,
    harchesapla                   SMALLINT,
    tahsilharcihesapla            SMALLINT,
    ihharcihesapla                SMALLINT,
    faturafaizinekdvekle          SMALLINT,
    vekaletharcihesapla           SMALLINT,
    pesinharchesapla              SMALLINT,
    ceksenetfaizinekdvekle        SMALLINT,
    onornekceksenetfaizinekdvekle SMALLINT,
    faizyildakigunsayisi          SMALLINT,
    mtsharcihesapla               SMALLINT,
    PRIMARY KEY (alacaklikodu)
);

-- Attorneys, used to filter files in the bulk update.
CREATE TABLE tblavukat (
    avukatkodu INTEGER NOT NULL,
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
    mevduatfaizoranitablosu SMALLINT
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
    foykodu                          INTEGER NOT NULL,
    borclusayisi                     SMALLINT,
    formtipi                         SMALLINT,
    takiptarihi                      TEXT,
    dosyasonucu                      SMALLINT,
    sonuctarihi                      TEXT,
    hesaptarihi                      TEXT,
    foykayittarihi                   TEXT,
    alacaktipi                       SMALLINT,
    parabirimikodu                   SMALLINT,
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
    tahsilatmahsupsirasi             SMALLINT,
    ilkhaciztarihi                   TEXT,
    ilksatistarihi                   TEXT,
    ihtiyatihacizvar                 SMALLINT,
    kidemtms                         SMALLINT,
    komisyonorani                    REAL,
    sonrakitahsilharcihesaplamasekli SMALLINT,
    alacaklikodu                     INTEGER,
    icramudurlugukodu                INTEGER,
    mtsicramudurlugukodu             INTEGER,
    tebligatdurumu                   SMALLINT,
    avukatkodu                       INTEGER,
    PRIMARY KEY (foykodu)
);

-- Claims of a file: general, rent and alimony rows.
CREATE TABLE tblfoy_alacak (
    foykodu                   INTEGER,
    alacakkodu                SMALLINT,
    tarih                     TEXT,
    tutar                     NUMERIC(19,4),
    birikmisfaiz              NUMERIC(19,4),
    faizorani                 REAL,
    faizoranitablosukodu      INTEGER,
    faizoranitablosufoykodu   INTEGER,
    faizislemeyecektutar      NUMERIC(19,4),
    alacakturu                SMALLINT,
    kartno                    TEXT,
    bankasubesi               TEXT,
    aciklama                  TEXT,
    digeralacakadi            TEXT,
    ceksenettutari            NUMERIC(19,4),
    yil                       SMALLINT,
    birinciay                 SMALLINT,
    ikinciay                  SMALLINT,
    odemegunu                 SMALLINT,
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
    foysahiskodu  SMALLINT,
    tel           TEXT,
    sonuc         SMALLINT,
    teloradres    SMALLINT
);
CREATE INDEX ix_tblfoy_arastirma ON tblfoy_arastirma (foykodu);

-- Extra switches of a file.
CREATE TABLE tblfoy_eksahalar (
    foykodu                     INTEGER,
    pesinharchesaplanmasin      SMALLINT,
    ilktebligatgiderieklenmesin SMALLINT
);
CREATE INDEX ix_tblfoy_eksahalar ON tblfoy_eksahalar (foykodu);

-- Phone calls with a party.
CREATE TABLE tblfoy_gorusme (
    gorusmekodu       INTEGER,
    foykodu           INTEGER,
    foysahiskodu      SMALLINT,
    arananno          TEXT,
    ulasildi          SMALLINT,
    ulasilamamanedeni SMALLINT,
    gorusmetarihi     TEXT
);
CREATE INDEX ix_tblfoy_gorusme ON tblfoy_gorusme (foykodu);

-- Account summary, one row per file.
CREATE TABLE tblfoy_hesap (
    foykodu                             INTEGER NOT NULL,
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
    durusmali            SMALLINT,
    giderhesapla         SMALLINT,
    vekaletucretihesapla SMALLINT,
    mahkemekodu          INTEGER
);
CREATE INDEX ix_tblfoy_ihtiyatihaciz ON tblfoy_ihtiyatihaciz (foykodu);

-- Judgement of a file.
CREATE TABLE tblfoy_ilam (
    foykodu        INTEGER,
    mahkemeornoter SMALLINT,
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
    resmi          SMALLINT,
    masrafturukodu INTEGER
);
CREATE INDEX ix_tblfoy_masraf ON tblfoy_masraf (foykodu);

-- Windows used for a file, one row per window.
CREATE TABLE tblfoy_pencere (
    foykodu     INTEGER NOT NULL,
    pencerekodu SMALLINT NOT NULL,
    PRIMARY KEY (foykodu, pencerekodu)
);

-- Parties of a file.
CREATE TABLE tblfoy_sahis (
    foykodu                        INTEGER NOT NULL,
    foysahiskodu                   SMALLINT NOT NULL,
    foysahistipi                   SMALLINT,
    ad                             TEXT,
    soyad                          TEXT,
    tahsilharcihesapla             SMALLINT,
    tumadresleregonderilsin        SMALLINT,
    muvekkiletebligatgonderilmesin SMALLINT,
    vekiletebligatgonder           SMALLINT,
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
    alacakkodu              SMALLINT,
    alacakadi               TEXT,
    tarih                   TEXT,
    tutar                   NUMERIC(19,4),
    faizorani               REAL,
    faizoranitablosukodu    INTEGER,
    faizoranitablosufoykodu INTEGER,
    matrahlaradahil         SMALLINT
);
CREATE INDEX ix_tblfoy_sonrakialacak ON tblfoy_sonrakialacak (foykodu);

-- Rent-contract switches of a file.
CREATE TABLE tblfoy_sozlesme (
    foykodu                                   INTEGER,
    muacceliyetdurumu                         SMALLINT,
    tahliyevekaletucretiekle                  SMALLINT,
    VekaletUcretiniYillikKiraUzerindenHesapla SMALLINT
);
CREATE INDEX ix_tblfoy_sozlesme ON tblfoy_sozlesme (foykodu);

-- Payment commitments, numbered within the file.
CREATE TABLE tblfoy_taahhut (
    foykodu           INTEGER NOT NULL,
    taahhutkodu       INTEGER NOT NULL,
    foysahiskodu      SMALLINT,
    taahhuttarihi     TEXT,
    taahhutmiktari    NUMERIC(19,4),
    kabultarihi       TEXT,
    kabultebligtarihi TEXT,
    odenenmiktar      NUMERIC(19,4),
    taahutdurumu      SMALLINT,
    parabirimikodu    SMALLINT,
    PRIMARY KEY (foykodu, taahhutkodu)
);

-- Collections of a file.
CREATE TABLE tblfoy_tahsilat (
    foykodu         INTEGER,
    tahsilattarihi  TEXT,
    tahsilatmiktari NUMERIC(19,4),
    parabirimikodu  SMALLINT,
    tahsilatsekli   SMALLINT
);
CREATE INDEX ix_tblfoy_tahsilat ON tblfoy_tahsilat (foykodu);

-- Dated offset orders of a file.
CREATE TABLE tblfoy_tahsilatmahsupsirasi (
    foykodu              INTEGER,
    tarih                TEXT,
    tahsilatmahsupsirasi SMALLINT
);
CREATE INDEX ix_tblfoy_tahsilatmahsupsirasi ON tblfoy_tahsilatmahsupsirasi (foykodu);

-- Every notification of every party.
CREATE TABLE tblfoy_tebligat (
    foykodu          INTEGER,
    foysahiskodu     SMALLINT,
    tebligatkodu     INTEGER,
    tebligtarihi     TEXT,
    tebligatdurumu   SMALLINT,
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
    foysahiskodu     SMALLINT,
    tebligtarihi     TEXT,
    tebligatdurumu   SMALLINT,
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
    alacakkodu              SMALLINT,
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
    kod   INTEGER NOT NULL,
    ismts SMALLINT,
    PRIMARY KEY (kod)
);

-- Exchange rates, one row per date and currency.
CREATE TABLE tblkur (
    tarih          TEXT NOT NULL,
    parabirimikodu SMALLINT NOT NULL,
    tltutar        NUMERIC(19,4),
    PRIMARY KEY (tarih, parabirimikodu)
);

-- Courts.
CREATE TABLE tblmahkeme (
    mahkemekodu       INTEGER NOT NULL,
    mahkemegorevikodu SMALLINT,
    PRIMARY KEY (mahkemekodu)
);

-- Expense kinds.
CREATE TABLE tblmasrafturu (
    kod INTEGER NOT NULL,
    ad  TEXT,
    PRIMARY KEY (kod)
);

-- Office options and SMS settings (row kod = 1).
CREATE TABLE tbloptions_all (
    kod                                        INTEGER NOT NULL,
    dosyagidborcaekle                          SMALLINT,
    pesinharcborcaekle                         SMALLINT,
    ihdosyagidekle                             SMALLINT,
    ihtebliggidekle                            SMALLINT,
    cekesuretdpekle                            SMALLINT,
    nafakayafaiz                               SMALLINT,
    vekucretekdvekle                           SMALLINT,
    faizyildakigunsayisi                       SMALLINT,
    senetekomisyonhesapla                      SMALLINT,
    dortteucvekaletucretiuygula                SMALLINT,
    dortteucvekaletucretiuygulamabaslamatarihi TEXT,
    TodalariVekaletUcretiBorcAslinaDahilEt     SMALLINT,
    SmsServisSaglayiciId                       SMALLINT,
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
    kod   SMALLINT NOT NULL,
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
