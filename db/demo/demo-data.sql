-- quvHesap demo database: sample data.
--
-- SAMPLE VALUES ONLY. Every tariff, fee, rate, attorney-fee scale, interest rate,
-- exchange rate, name, address and amount below is illustrative: they are shaped
-- like the real ones so that the calculations look familiar, but they are not
-- official figures and must not be used for real files.
--
-- Loads into an empty database made by `quvhesap init-db` (SQLite or PostgreSQL):
-- plain INSERT statements, text dates as 'yyyymmdd' (the empty text = no date),
-- flags 1/0, amounts with at most four decimals. Every file is calculated up to
-- 20241231 (tblfoy.hesaptarihi).
--
-- Sample files (tblfoy.foykodu):
--   1001  loan (bank), fixed contractual rate, BSMV, 360-day year, collections and
--         expenses before and after the enforcement start, an interest-free part
--   1002  two uncovered cheques (kambiyo), cheque compensation and commission,
--         first seizure and a sale (collection at the sale rate)
--   1003  two bills (kambiyo), bill commission, a payment before the enforcement,
--         payment period still running on the calculation date (three-quarter fee)
--   1004  invoices, commercial rate table, compensation for denial, collections
--         by bank transfer, no first-notification postage, remaining fee at half rate
--   1005  rent without acceleration: monthly rent and rent-difference rows,
--         a February due date on day 30 (moves to the 29th), two creditors
--   1006  rent with acceleration (one claim "Kira ve Kira Farkı"), attorney fee on
--         the annual rent plus an eviction attorney fee
--   1007  alimony by judgment: monthly instalments, an increase from June 2024,
--         instalments after the enforcement start, principal-first offsetting
--   1008  employee claim by judgment: severance pay on the deposit-rate table,
--         other worker claims at the legal rate, TODA (court costs, judgment fee)
--   1009  foreign-currency (USD) contract claim, fixed rate, collections in TL and USD
--   1010  contract claim with a precautionary attachment (commercial court) that
--         was converted into the enforcement a week later
--   1011  site management dues at 5 % a month, TODA and later claims (dues after
--         the enforcement start), attorney fee last in the offset order
--   1012  credit card, card-default rate table, dated offset-order table
--         (principal first, then total debt from July 2023)

-- ---------------------------------------------------------------------------
-- Currencies, offices, courts, expense kinds, attorneys
-- ---------------------------------------------------------------------------

INSERT INTO tblparabirimi (kod, ad, simge) VALUES
    (1, 'Türk Lirası', 'TL'),
    (2, 'ABD Doları', 'USD'),
    (3, 'Euro', 'EUR');

-- 1 İstanbul 5. İcra Dairesi, 2 Ankara 11. İcra Dairesi, 3 İzmir 4. İcra Dairesi,
-- 4 İstanbul Merkezi Takip Sistemi (MTS) birimi.
INSERT INTO tblicramudurlugu (kod, ismts) VALUES
    (1, 0),
    (2, 0),
    (3, 0),
    (4, 1);

-- mahkemegorevikodu: 1 Asliye Hukuk, 2 Sulh Hukuk, 3 Asliye Ticaret, 11 İş, 12 Aile.
-- 1 İstanbul 12. Asliye Ticaret, 2 Ankara 5. Asliye Hukuk, 3 İzmir 3. Sulh Hukuk,
-- 4 İstanbul 7. İş Mahkemesi, 5 Ankara 2. Aile Mahkemesi.
INSERT INTO tblmahkeme (mahkemekodu, mahkemegorevikodu) VALUES
    (1, 3),
    (2, 1),
    (3, 2),
    (4, 11),
    (5, 12);

INSERT INTO tblmasrafturu (kod, ad) VALUES
    (1, 'Tebligat gideri'),
    (2, 'Haciz yolluğu'),
    (3, 'Kıymet takdiri bilirkişi ücreti'),
    (4, 'Satış ilanı gideri'),
    (5, 'İhtarname gideri (noter)'),
    (6, 'Müzekkere ve posta gideri'),
    (7, 'İhtiyati haciz müzekkere gideri'),
    (8, 'Yediemin ücreti');

INSERT INTO tblavukat (avukatkodu, ad, soyad) VALUES
    (1, 'Ayşe', 'Yılmaz'),
    (2, 'Mehmet', 'Demir'),
    (3, 'Zeynep', 'Kaya');

-- ---------------------------------------------------------------------------
-- Creditors (faizyildakigunsayisi: 1 = 360-day year, 2 = 365-day year)
-- ---------------------------------------------------------------------------
-- 1 Marmara Bankası A.Ş.                      (bank: 360-day year)
-- 2 Ege Tekstil San. ve Tic. Ltd. Şti.        (VAT on invoice interest)
-- 3 Karadeniz Yapı Malzemeleri A.Ş.
-- 4 Ahmet Öztürk                              (landlord)
-- 5 Elif Şahin                                (alimony creditor)
-- 6 Mustafa Arslan                            (employee: no court or advance fees)
-- 7 Boğaziçi Konutları Site Yönetimi
-- 8 Atlas Lojistik A.Ş.
-- 9 Derya Aksoy                               (landlord)
INSERT INTO tblalacakli (alacaklikodu, harchesapla, tahsilharcihesapla, ihharcihesapla,
    faturafaizinekdvekle, vekaletharcihesapla, pesinharchesapla, ceksenetfaizinekdvekle,
    onornekceksenetfaizinekdvekle, faizyildakigunsayisi, mtsharcihesapla) VALUES
    (1, 1, 1, 1, 0, 1, 1, 0, 0, 1, 1),
    (2, 1, 1, 1, 1, 1, 1, 0, 0, 2, 1),
    (3, 1, 1, 1, 0, 1, 1, 0, 0, 2, 1),
    (4, 1, 1, 1, 0, 1, 1, 0, 0, 2, 0),
    (5, 1, 1, 1, 0, 1, 1, 0, 0, 2, 0),
    (6, 0, 1, 0, 0, 1, 0, 0, 0, 2, 0),
    (7, 1, 1, 1, 0, 1, 1, 0, 0, 2, 0),
    (8, 1, 1, 1, 0, 1, 1, 0, 0, 2, 1),
    (9, 1, 1, 1, 0, 1, 1, 0, 0, 2, 0);

-- ---------------------------------------------------------------------------
-- Dated fees and rates (sample values). Each row is in force from its date to
-- the next row's date. Collection-fee rates: 4.55 % before a seizure, 9.10 %
-- after it, 11.38 % on sale proceeds; advance fee 0.5 %. The 20230117 row marks
-- the day from which the advance fee is rounded to the nearest unit instead of
-- upwards; the 20230710 row raises VAT from 18 % to 20 %.
-- ---------------------------------------------------------------------------
INSERT INTO tblharclar (tarih, basvuruharci, vekaletnameharci, pesinharcorani,
    tahsilharcorani1, tahsilharcorani2, tahsilharcorani3, maasdatahsilharciorani,
    cezaeviharciorani, feragatharciorani1, feragatharciorani2, feragatharciorani3,
    tahliyeharcorani1, tahliyeharcorani2, menkulteslimharciorani1, menkulteslimharciorani2,
    sulhkararharci, ahkararharci, yerinegetirmeharci, maktucezaeviharci, ihtiyatihaciz,
    dosyagideri, evrakgideri, suretdamgapulu, ilktebligatgideri, ilktebligatgideri_mts,
    kefaletharciorani, kkdforani, baropulu, yuvarlamadegeri, stopaj, ssdf, kdv,
    cekbankasorumlulukbedeli, mtsharciorani) VALUES
    ('20200101', 54.40, 6.30, 0.5, 4.55, 9.10, 11.38, 4.55, 2, 2.27, 4.55, 5.69,
     1.138, 2.276, 1.138, 2.276, 44.40, 54.40, 54.40, 6.00, 1.138,
     14.00, 1.50, 2.00, 21.00, 18.00, 0.5, 15, 10.00, 0.10, 20, 0, 18, 1600.00, 0.5),
    ('20210101', 59.30, 6.80, 0.5, 4.55, 9.10, 11.38, 4.55, 2, 2.27, 4.55, 5.69,
     1.138, 2.276, 1.138, 2.276, 48.40, 59.30, 59.30, 6.50, 1.138,
     16.00, 1.70, 2.20, 23.50, 20.00, 0.5, 15, 12.00, 0.10, 20, 0, 18, 1780.00, 0.5),
    ('20220101', 80.70, 9.20, 0.5, 4.55, 9.10, 11.38, 4.55, 2, 2.27, 4.55, 5.69,
     1.138, 2.276, 1.138, 2.276, 65.90, 80.70, 80.70, 8.80, 1.138,
     22.00, 2.30, 3.00, 32.00, 27.00, 0.5, 15, 16.00, 0.10, 20, 0, 18, 2240.00, 0.5),
    ('20230101', 179.90, 20.50, 0.5, 4.55, 9.10, 11.38, 4.55, 2, 2.27, 4.55, 5.69,
     1.138, 2.276, 1.138, 2.276, 146.90, 179.90, 179.90, 19.60, 1.138,
     50.00, 5.00, 6.50, 71.00, 60.00, 0.5, 15, 35.00, 0.10, 20, 0, 18, 3000.00, 0.5),
    ('20230117', 179.90, 20.50, 0.5, 4.55, 9.10, 11.38, 4.55, 2, 2.27, 4.55, 5.69,
     1.138, 2.276, 1.138, 2.276, 146.90, 179.90, 179.90, 19.60, 1.138,
     50.00, 5.00, 6.50, 71.00, 60.00, 0.5, 15, 35.00, 0.10, 20, 0, 18, 3000.00, 0.5),
    ('20230710', 179.90, 20.50, 0.5, 4.55, 9.10, 11.38, 4.55, 2, 2.27, 4.55, 5.69,
     1.138, 2.276, 1.138, 2.276, 146.90, 179.90, 179.90, 19.60, 1.138,
     50.00, 5.00, 6.50, 71.00, 60.00, 0.5, 15, 35.00, 0.10, 20, 0, 20, 3000.00, 0.5),
    ('20240101', 269.85, 30.80, 0.5, 4.55, 9.10, 11.38, 4.55, 2, 2.27, 4.55, 5.69,
     1.138, 2.276, 1.138, 2.276, 220.40, 427.60, 269.85, 29.40, 1.138,
     85.00, 10.00, 12.00, 155.00, 120.00, 0.5, 15, 60.00, 0.10, 20, 0, 20, 4500.00, 0.5);

-- Other attorney fees (sample values). The precautionary-attachment fee is the
-- principal itself (rate 100 %) up to the fixed fee, so it never exceeds the
-- principal; the minimum fee is also the ceiling below which the fee is the
-- principal.
INSERT INTO tbldigervekaletucretleri (tarih, durusmaaltoran, altoran, durusmaihtiyatideger,
    ihtiyatideger, durusmaustdeger, ustdeger, minvekaletucreti, konusuparaolmayanvekucr,
    minvekaletucretitavani, icracezavekaletucreti, tahliyevekaletucreti) VALUES
    ('20200101', 100, 100, 2040.00, 1360.00, 2040.00, 1360.00, 1020.00, 2040.00, 1020.00, 1360.00, 2040.00),
    ('20210101', 100, 100, 2400.00, 1600.00, 2400.00, 1600.00, 1200.00, 2400.00, 1200.00, 1600.00, 2400.00),
    ('20220101', 100, 100, 2720.00, 1800.00, 2720.00, 1800.00, 1360.00, 2720.00, 1360.00, 1800.00, 2720.00),
    ('20230101', 100, 100, 6800.00, 4500.00, 6800.00, 4500.00, 3400.00, 6800.00, 3400.00, 4500.00, 6800.00),
    ('20240101', 100, 100, 12000.00, 8000.00, 12000.00, 8000.00, 6000.00, 12000.00, 6000.00, 8000.00, 12000.00);

-- Attorney-fee scale (sample values): miktar is the cumulative upper bound of the
-- bracket, oran its rate; the last bracket of each date is open-ended.
INSERT INTO tblvekaletucretioranlari (tarih, kod, miktar, oran) VALUES
    ('20200101', 1, 30000.00, 16),
    ('20200101', 2, 75000.00, 15),
    ('20200101', 3, 165000.00, 14),
    ('20200101', 4, 525000.00, 11),
    ('20200101', 5, 1055000.00, 8),
    ('20200101', 6, 2385000.00, 5),
    ('20200101', 7, 3915000.00, 3),
    ('20200101', 8, 5645000.00, 2),
    ('20200101', 9, 999999999999.00, 1),
    ('20220101', 1, 40000.00, 16),
    ('20220101', 2, 100000.00, 15),
    ('20220101', 3, 220000.00, 14),
    ('20220101', 4, 700000.00, 11),
    ('20220101', 5, 1400000.00, 8),
    ('20220101', 6, 3200000.00, 5),
    ('20220101', 7, 5200000.00, 3),
    ('20220101', 8, 7600000.00, 2),
    ('20220101', 9, 999999999999.00, 1),
    ('20230101', 1, 100000.00, 16),
    ('20230101', 2, 250000.00, 15),
    ('20230101', 3, 550000.00, 14),
    ('20230101', 4, 1750000.00, 11),
    ('20230101', 5, 3450000.00, 8),
    ('20230101', 6, 7450000.00, 5),
    ('20230101', 7, 12450000.00, 3),
    ('20230101', 8, 18450000.00, 2),
    ('20230101', 9, 999999999999.00, 1),
    ('20240101', 1, 400000.00, 16),
    ('20240101', 2, 800000.00, 15),
    ('20240101', 3, 1600000.00, 14),
    ('20240101', 4, 2800000.00, 11),
    ('20240101', 5, 4400000.00, 8),
    ('20240101', 6, 6400000.00, 5),
    ('20240101', 7, 8800000.00, 3),
    ('20240101', 8, 11600000.00, 2),
    ('20240101', 9, 999999999999.00, 1);

-- Office options: file expense and advance fee added to the debt, attachment
-- expenses and notifications added, interest on alimony, commission on bills,
-- the three-quarter attorney fee, TODA counted in the attorney-fee base; no VAT
-- on attorney fees; a 365-day year; no SMS provider configured.
INSERT INTO tbloptions_all (kod, dosyagidborcaekle, pesinharcborcaekle, ihdosyagidekle,
    ihtebliggidekle, cekesuretdpekle, nafakayafaiz, vekucretekdvekle, faizyildakigunsayisi,
    senetekomisyonhesapla, dortteucvekaletucretiuygula,
    dortteucvekaletucretiuygulamabaslamatarihi, TodalariVekaletUcretiBorcAslinaDahilEt,
    SmsServisSaglayiciId, smskullaniciadi, smssifresi, SmsHermesKullaniciAdi,
    SmsHermesSifresi, SmsHermesMusteriKodu, SmsHermesVendorId, SmsHermesApiKey,
    SmsHermesOriginatorIdTelNo) VALUES
    (1, 1, 1, 1, 1, 0, 1, 0, 2, 1, 1, '20120101', 1,
     NULL, '', '', '', '', '', '', '', '');

-- ---------------------------------------------------------------------------
-- Interest-rate tables shared by all files (foykodu 0), sample values
-- ---------------------------------------------------------------------------
INSERT INTO tblfaizoranitablosu (foykodu, faizoranitablosukodu, faizoranitablosuadi,
    mevduatfaizoranitablosu) VALUES
    (0, 1, 'Yasal Faiz', 0),
    (0, 2, 'Ticari Temerrüt (Avans) Faizi', 0),
    (0, 3, 'Mevduata Uygulanan En Yüksek Faiz', 1),
    (0, 4, 'Kredi Kartı Gecikme Faizi', 0);

INSERT INTO tblfaizoranitablosu_detay (foykodu, faizoranitablosukodu, tarih, faizorani) VALUES
    (0, 1, '20060101', 9),
    (0, 1, '20240601', 24),
    (0, 2, '20190101', 25.5),
    (0, 2, '20200101', 13.75),
    (0, 2, '20200601', 10.25),
    (0, 2, '20210101', 18.25),
    (0, 2, '20220101', 15.75),
    (0, 2, '20230101', 10.75),
    (0, 2, '20230701', 16.75),
    (0, 2, '20240101', 44.5),
    (0, 2, '20240401', 51.75),
    (0, 3, '20190101', 22),
    (0, 3, '20200101', 11.5),
    (0, 3, '20210101', 17),
    (0, 3, '20220101', 18),
    (0, 3, '20230101', 21.5),
    (0, 3, '20240101', 45),
    (0, 4, '20200101', 26.4),
    (0, 4, '20210101', 20.4),
    (0, 4, '20220101', 25.2),
    (0, 4, '20230801', 36.6),
    (0, 4, '20240101', 46.2),
    (0, 4, '20240401', 60);

-- ---------------------------------------------------------------------------
-- Exchange rates (TL value of one unit; sample values) for every date the files
-- need: enforcement starts, collections, the precautionary attachment and the
-- calculation date.
-- ---------------------------------------------------------------------------
INSERT INTO tblkur (tarih, parabirimikodu, tltutar) VALUES
    ('20220301', 2, 13.9123), ('20220301', 3, 15.5621),
    ('20220315', 2, 14.7586), ('20220315', 3, 16.1830),
    ('20220510', 2, 15.2214), ('20220510', 3, 16.0315),
    ('20220620', 2, 17.3215), ('20220620', 3, 18.2410),
    ('20220915', 2, 18.2950), ('20220915', 3, 18.2780),
    ('20221011', 2, 18.5870), ('20221011', 3, 18.0520),
    ('20230220', 2, 18.8712), ('20230220', 3, 20.1540),
    ('20230315', 2, 18.9843), ('20230315', 3, 20.1520),
    ('20230410', 2, 19.2565), ('20230410', 3, 20.9950),
    ('20230510', 2, 19.5845), ('20230510', 3, 21.4220),
    ('20230620', 2, 23.5780), ('20230620', 3, 25.7690),
    ('20230801', 2, 26.9540), ('20230801', 3, 29.6120),
    ('20230803', 2, 26.9810), ('20230803', 3, 29.5050),
    ('20230905', 2, 26.7520), ('20230905', 3, 28.7360),
    ('20230915', 2, 26.9370), ('20230915', 3, 28.7260),
    ('20231020', 2, 28.0210), ('20231020', 3, 29.6830),
    ('20231110', 2, 28.5640), ('20231110', 3, 30.5240),
    ('20231115', 2, 28.6310), ('20231115', 3, 31.1230),
    ('20231215', 2, 29.0480), ('20231215', 3, 31.8210),
    ('20231220', 2, 29.1190), ('20231220', 3, 31.8810),
    ('20240115', 2, 30.1050), ('20240115', 3, 32.9760),
    ('20240122', 2, 30.2540), ('20240122', 3, 32.9570),
    ('20240220', 2, 30.8230), ('20240220', 3, 33.2350),
    ('20240305', 2, 31.5520), ('20240305', 3, 34.2880),
    ('20240410', 2, 32.2360), ('20240410', 3, 34.9890),
    ('20240515', 2, 32.2510), ('20240515', 3, 34.8760),
    ('20240520', 2, 32.2010), ('20240520', 3, 34.9720),
    ('20240605', 2, 32.2790), ('20240605', 3, 35.1050),
    ('20240610', 2, 32.4230), ('20240610', 3, 34.9170),
    ('20240710', 2, 32.9460), ('20240710', 3, 35.6530),
    ('20240720', 2, 33.0470), ('20240720', 3, 35.9880),
    ('20240805', 2, 33.3520), ('20240805', 3, 36.4360),
    ('20240815', 2, 33.6210), ('20240815', 3, 36.9750),
    ('20240920', 2, 34.0780), ('20240920', 3, 38.0120),
    ('20241105', 2, 34.3020), ('20241105', 3, 37.4240),
    ('20241120', 2, 34.5210), ('20241120', 3, 36.5670),
    ('20241205', 2, 34.7190), ('20241205', 3, 36.6880),
    ('20241231', 2, 35.2730), ('20241231', 3, 36.7362);

-- ---------------------------------------------------------------------------
-- Enforcement files
-- formtipi: 1 general attachment (örnek 7), 3 rent with eviction (örnek 13),
--           4 judgment (örnek 4-5), 10 cheque and bill (örnek 10)
-- alacaktipi: 1 cheque or bill, 2 cheque/bill/contract, 4 invoice,
--           9 employee claim (judgment), 11 rent, 12 credit card, 13 loan,
--           15 alimony (judgment)
-- tahsilatmahsupsirasi: 1 principal first, 2 total debt after the enforcement
--           start, 3 total debt, 4 dated table, 5 total debt, attorney fee last
-- ---------------------------------------------------------------------------
INSERT INTO tblfoy (foykodu, borclusayisi, formtipi, takiptarihi, dosyasonucu, sonuctarihi,
    hesaptarihi, foykayittarihi, alacaktipi, parabirimikodu, faizorani,
    faizoranitablosufoykodu, faizoranitablosukodu, bsmvorani, tazminatorani,
    cekkarsiliksiztazminatorani, yillikkira, vekaletucreti, kidemtazminati, kidemfaizorani,
    kidemfaizoranitablosufoykodu, kidemfaizoranitablosukodu, sozlesmevekaletucretiorani,
    kidemfaizbastarihi, tahsilatmahsupsirasi, ilkhaciztarihi, ilksatistarihi, ihtiyatihacizvar,
    kidemtms, komisyonorani, sonrakitahsilharcihesaplamasekli, alacaklikodu, icramudurlugukodu,
    mtsicramudurlugukodu, tebligatdurumu, avukatkodu) VALUES
    -- 1001 loan: 28.8 % contractual default rate, 5 % BSMV on interest.
    (1001, 2, 1, '20220315', 1, '', '20241231', '20220314', 13, 1, 28.8, 0, 0, 5, 0,
     0, 0, 0, 0, 0, 0, 0, 0, '', 3, '20220405', '', 0, 0, 0, 1, 1, 1, NULL, 1, 1),
    -- 1002 cheques: commercial rate table, 10 % uncovered-cheque compensation,
    -- 0.3 % commission; seized in June 2023, sold in January 2024.
    (1002, 2, 10, '20230510', 1, '', '20241231', '20230509', 1, 1, 0, 0, 2, 0, 0,
     10, 0, 0, 0, 0, 0, 0, 0, '', 3, '20230605', '20240115', 0, 0, 0.3, 1, 3, 2, NULL, 1, 2),
    -- 1003 bills: legal rate table, 0.3 % commission.
    (1003, 1, 10, '20241205', 1, '', '20241231', '20241205', 1, 1, 0, 0, 1, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, '', 2, '', '', 0, 0, 0.3, 1, 2, 1, NULL, 1, 3),
    -- 1004 invoices: commercial rate table, 20 % compensation; remaining collection
    -- fee computed as if paid by hand (2).
    (1004, 1, 1, '20230905', 1, '', '20241231', '20230904', 4, 1, 0, 0, 2, 0, 20,
     0, 0, 0, 0, 0, 0, 0, 0, '', 3, '', '', 0, 0, 0, 2, 2, 3, NULL, 1, 2),
    -- 1005 rent, no acceleration: annual rent 180,000, legal rate table.
    (1005, 2, 3, '20240305', 1, '', '20241231', '20240304', 11, 1, 0, 0, 1, 0, 0,
     0, 180000.00, 0, 0, 0, 0, 0, 0, '', 3, '', '', 0, 0, 0, 1, 4, 1, NULL, 1, 1),
    -- 1006 rent with acceleration: annual rent 240,000, legal rate table.
    (1006, 1, 3, '20240805', 1, '', '20241231', '20240802', 11, 1, 0, 0, 1, 0, 0,
     0, 240000.00, 0, 0, 0, 0, 0, 0, '', 3, '', '', 0, 0, 0, 1, 9, 2, NULL, 1, 3),
    -- 1007 alimony by judgment: legal rate table, principal first.
    (1007, 1, 4, '20230915', 1, '', '20241231', '20230914', 15, 1, 0, 0, 1, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, '', 1, '', '', 0, 0, 0, 1, 5, 2, NULL, 1, 3),
    -- 1008 employee claim: severance pay 96,500 from the termination on 20210831 on
    -- the deposit-rate table (one rate per anniversary), collections go to the
    -- severance pay first; other claims on the legal rate table.
    (1008, 1, 4, '20230220', 1, '', '20241231', '20230217', 9, 1, 0, 0, 1, 0, 0,
     0, 0, 0, 96500.00, 0, 0, 3, 0, '20210831', 3, '20230301', '', 0, 1, 0, 1, 6, 3, NULL, 1, 2),
    -- 1009 USD contract claim: fixed 5 % rate, 20 % compensation.
    (1009, 1, 1, '20231110', 1, '', '20241231', '20231109', 2, 2, 5, 0, 0, 0, 20,
     0, 0, 0, 0, 0, 0, 0, 0, '', 3, '', '', 0, 0, 0, 1, 8, 1, NULL, 1, 1),
    -- 1010 contract claim with a precautionary attachment: commercial rate table,
    -- 20 % compensation.
    (1010, 1, 1, '20240122', 1, '', '20241231', '20240115', 2, 1, 0, 0, 2, 0, 20,
     0, 0, 0, 0, 0, 0, 0, 0, '', 3, '20240125', '', 1, 0, 0, 1, 3, 1, NULL, 1, 2),
    -- 1011 site dues: the dues carry their own 60 % a year, everything else the
    -- legal rate table; attorney fee last in the offset order.
    (1011, 1, 1, '20230803', 1, '', '20241231', '20230802', 2, 1, 0, 0, 1, 0, 0,
     0, 0, 0, 0, 0, 0, 0, 0, '', 5, '', '', 0, 0, 0, 1, 7, 2, NULL, 1, 3),
    -- 1012 credit card: card-default rate table, 5 % BSMV, dated offset orders.
    (1012, 1, 1, '20220620', 1, '', '20241231', '20220617', 12, 1, 0, 0, 4, 5, 0,
     0, 0, 0, 0, 0, 0, 0, 0, '', 4, '20220705', '', 0, 0, 0, 1, 1, 1, NULL, 1, 1);

-- ---------------------------------------------------------------------------
-- Claims
-- ---------------------------------------------------------------------------
-- General claims: the name comes from bankasubesi (loan, employee claim), kartno
-- (credit card), alacakturu (cheque/bill/contract files: 1 bill, 2 cheque,
-- 6 contract, 7 other, 8 dues) or is "Fatura" (invoice files).
INSERT INTO tblfoy_alacak (foykodu, alacakkodu, tarih, tutar, birikmisfaiz, faizorani,
    faizoranitablosukodu, faizoranitablosufoykodu, faizislemeyecektutar, alacakturu, kartno,
    bankasubesi, aciklama, digeralacakadi, ceksenettutari) VALUES
    -- 1001 loan, account closed on 20220110; 850 of notice costs bear no interest.
    (1001, 1, '20220110', 185000.00, 4870.25, 0, 0, 0, 0, NULL, NULL,
     'Kredi anaparası (Kadıköy Şubesi)', NULL, NULL, NULL),
    (1001, 2, '20220110', 1500.00, 0, 0, 0, 0, 850.00, NULL, NULL,
     'Kredi masrafları ve kat ihtarı', NULL, NULL, NULL),
    -- 1002 cheques: the bank paid its liability amount of 3,000 on the second one.
    (1002, 1, '20230302', 120000.00, 0, 0, 0, 0, 0, 2, NULL, NULL,
     'Çek no 0045871, Trakya Bankası Ümraniye Şubesi', NULL, 120000.00),
    (1002, 2, '20230415', 92000.00, 0, 0, 0, 0, 0, 2, NULL, NULL,
     'Çek no 0045893, Trakya Bankası Ümraniye Şubesi', NULL, 95000.00),
    -- 1003 bills.
    (1003, 1, '20241015', 40000.00, 0, 0, 0, 0, 0, 1, NULL, NULL,
     'Bono, vade 15.10.2024', NULL, 40000.00),
    (1003, 2, '20241115', 40000.00, 0, 0, 0, 0, 0, 1, NULL, NULL,
     'Bono, vade 15.11.2024', NULL, 40000.00),
    -- 1004 invoices (VAT included).
    (1004, 1, '20230612', 64800.00, 0, 0, 0, 0, 0, NULL, NULL, NULL,
     'Fatura no EGT2023000412', NULL, NULL),
    (1004, 2, '20230705', 38400.00, 0, 0, 0, 0, 0, NULL, NULL, NULL,
     'Fatura no EGT2023000467', NULL, NULL),
    -- 1008 worker claims besides the severance pay.
    (1008, 1, '20211015', 20000.00, 0, 0, 0, 0, 0, NULL, NULL,
     'İhbar tazminatı', NULL, NULL, NULL),
    (1008, 2, '20211015', 35000.00, 0, 0, 0, 0, 0, NULL, NULL,
     'Fazla çalışma ücreti', NULL, NULL, NULL),
    (1008, 3, '20220310', 12500.00, 0, 0, 0, 0, 0, NULL, NULL,
     'Yıllık izin ücreti', NULL, NULL, NULL),
    -- 1009 USD: freight under a contract and demurrage.
    (1009, 1, '20230915', 42000.00, 0, 0, 0, 0, 0, 6, NULL, NULL,
     'Navlun sözleşmesi 2023/118', NULL, NULL),
    (1009, 2, '20231001', 6500.00, 0, 0, 0, 0, 0, 7, NULL, NULL,
     'Sözleşme 2023/118 ek 2', 'Demuraj (gecikme) bedeli', NULL),
    -- 1010 contract claim.
    (1010, 1, '20231130', 275000.00, 0, 0, 0, 0, 0, 6, NULL, NULL,
     'Malzeme tedarik sözleşmesi 2023/54', NULL, NULL),
    -- 1011 dues January to June 2023, 5 % a month for late payment.
    (1011, 1, '20230110', 1850.00, 0, 60, 0, 0, 0, 8, NULL, NULL,
     'Ocak 2023 aidatı', NULL, NULL),
    (1011, 2, '20230210', 1850.00, 0, 60, 0, 0, 0, 8, NULL, NULL,
     'Şubat 2023 aidatı', NULL, NULL),
    (1011, 3, '20230310', 1850.00, 0, 60, 0, 0, 0, 8, NULL, NULL,
     'Mart 2023 aidatı', NULL, NULL),
    (1011, 4, '20230410', 1850.00, 0, 60, 0, 0, 0, 8, NULL, NULL,
     'Nisan 2023 aidatı', NULL, NULL),
    (1011, 5, '20230510', 1850.00, 0, 60, 0, 0, 0, 8, NULL, NULL,
     'Mayıs 2023 aidatı', NULL, NULL),
    (1011, 6, '20230610', 1850.00, 0, 60, 0, 0, 0, 8, NULL, NULL,
     'Haziran 2023 aidatı', NULL, NULL),
    -- 1012 credit card, account closed on 20220405.
    (1012, 1, '20220405', 48750.60, 2134.85, 0, 0, 0, 0, NULL, '4543 **** **** 1287',
     NULL, NULL, NULL, NULL);

-- Rent rows: months birinciay..ikinciay of yil, due on odemegunu; alacakturu 1 is
-- rent, 2 a rent difference.
INSERT INTO tblfoy_alacak (foykodu, alacakkodu, tarih, tutar, birikmisfaiz, faizorani,
    faizoranitablosukodu, faizoranitablosufoykodu, alacakturu, yil, birinciay, ikinciay,
    odemegunu) VALUES
    -- 1005: rent 15,000 for November 2023 to February 2024 and a rent difference of
    -- 1,250 for January and February 2024, due on the 30th (February: the 29th).
    (1005, 1, '20231130', 15000.00, 0, 0, 0, 0, 1, 2023, 11, 12, 30),
    (1005, 2, '20240130', 15000.00, 0, 0, 0, 0, 1, 2024, 1, 2, 30),
    (1005, 3, '20240130', 1250.00, 0, 0, 0, 0, 2, 2024, 1, 2, 30),
    -- 1006: rent differences of 1,800 for March and April 2024 and the rent of
    -- 20,000 for May to December 2024, all due at once under the acceleration clause.
    (1006, 1, '20240301', 1800.00, 0, 0, 0, 0, 2, 2024, 3, 4, 1),
    (1006, 2, '20240501', 20000.00, 0, 0, 0, 0, 1, 2024, 5, 12, 1);

-- Alimony rows: monthly instalments from tarih up to duzenlemetarihi (empty: up
-- to the calculation date); the judgment raised it from 7,500 to 9,000 in June 2024.
INSERT INTO tblfoy_alacak (foykodu, alacakkodu, tarih, tutar, birikmisfaiz, faizorani,
    faizoranitablosukodu, faizoranitablosufoykodu, alacakturu, duzenlemetarihi,
    nafakafaizbaslangictarihi) VALUES
    (1007, 1, '20230601', 7500.00, 0, 0, 0, 0, 1, '20240601', '20230601'),
    (1007, 2, '20240601', 9000.00, 0, 0, 0, 0, 1, '', '20240601');

-- Claims arising after the enforcement start; matrahlaradahil 1 counts in the fee base.
INSERT INTO tblfoy_sonrakialacak (foykodu, alacakkodu, alacakadi, tarih, tutar, faizorani,
    faizoranitablosukodu, faizoranitablosufoykodu, matrahlaradahil) VALUES
    (1011, 1, 'Ağustos 2023 aidatı', '20230810', 1850.00, 60, 0, 0, 1),
    (1011, 2, 'Eylül 2023 aidatı', '20230910', 1850.00, 60, 0, 0, 1),
    (1011, 3, 'Ekim 2023 aidatı', '20231010', 1850.00, 60, 0, 0, 1),
    (1011, 4, 'Asansör yenileme payı', '20231101', 4500.00, 0, 0, 0, 0);

-- Other claims from before the enforcement (TODA); an empty interest start means
-- no interest.
INSERT INTO tblfoy_toda (foykodu, alacakkodu, ad, tutar, faizbaslangictarihi, faizorani,
    faizoranitablosukodu, faizoranitablosufoykodu) VALUES
    (1008, 1, 'Yargılama gideri', 4250.00, '', 0, 0, 0),
    (1008, 2, 'İlam vekalet ücreti', 17900.00, '20221128', 0, 0, 0),
    (1011, 1, 'İhtarname gideri', 1120.00, '', 0, 0, 0),
    (1011, 2, 'Yakıt payı (2022-2023 kışı)', 6400.00, '20230301', 0, 0, 0);

-- ---------------------------------------------------------------------------
-- Collections. tahsilatsekli: 1 through the office, 2 paid into the office,
-- 3 bank branch, 7 by hand, 8 attorney's account, 9 paid to the creditor,
-- 10 card terminal, 12 sale proceeds.
-- ---------------------------------------------------------------------------
INSERT INTO tblfoy_tahsilat (foykodu, tahsilattarihi, tahsilatmiktari, parabirimikodu,
    tahsilatsekli) VALUES
    (1001, '20220301', 10000.00, 1, 9),
    (1001, '20220915', 15000.00, 1, 2),
    (1001, '20230620', 25000.00, 1, 1),
    (1001, '20240410', 20000.00, 1, 2),
    (1002, '20230801', 30000.00, 1, 1),
    (1002, '20240115', 50000.00, 1, 12),
    (1003, '20241120', 10000.00, 1, 7),
    (1004, '20231115', 20000.00, 1, 8),
    (1004, '20240305', 15000.00, 1, 3),
    (1005, '20240610', 15000.00, 1, 2),
    (1006, '20240720', 20000.00, 1, 9),
    (1006, '20241105', 30000.00, 1, 2),
    (1007, '20231020', 7500.00, 1, 1),
    (1007, '20240115', 7500.00, 1, 1),
    (1007, '20240710', 9000.00, 1, 1),
    (1008, '20230410', 50000.00, 1, 1),
    (1008, '20231215', 40000.00, 1, 1),
    (1009, '20240220', 150000.00, 1, 2),
    (1009, '20240815', 10000.00, 2, 8),
    (1010, '20240520', 100000.00, 1, 1),
    (1010, '20240920', 50000.00, 1, 2),
    (1011, '20231220', 8000.00, 1, 7),
    (1011, '20240605', 6000.00, 1, 10),
    (1012, '20220510', 5000.00, 1, 9),
    (1012, '20221011', 8000.00, 1, 1),
    (1012, '20230315', 10000.00, 1, 1),
    (1012, '20231115', 12000.00, 1, 1),
    (1012, '20240515', 10000.00, 1, 1);

-- Dated offset orders of file 1012: principal first, total debt from July 2023.
INSERT INTO tblfoy_tahsilatmahsupsirasi (foykodu, tarih, tahsilatmahsupsirasi) VALUES
    (1012, '20220101', 1),
    (1012, '20230701', 3);

-- ---------------------------------------------------------------------------
-- Expenses (resmi 1 = official expense of the enforcement)
-- ---------------------------------------------------------------------------
INSERT INTO tblfoy_masraf (foykodu, masrafkodu, masraftarihi, masraftutari, resmi,
    masrafturukodu) VALUES
    (1001, 1, '20220310', 1250.00, 0, 5),
    (1001, 2, '20220405', 450.00, 1, 2),
    (1001, 3, '20230105', 120.00, 1, 1),
    (1001, 4, '20230620', 1800.00, 1, 3),
    (1002, 1, '20230605', 650.00, 1, 2),
    (1002, 2, '20231020', 2500.00, 1, 3),
    (1002, 3, '20231201', 3200.00, 1, 4),
    (1004, 1, '20231002', 180.00, 1, 1),
    (1006, 1, '20240725', 1450.00, 0, 5),
    (1007, 1, '20231005', 220.00, 1, 6),
    (1008, 1, '20230218', 95.00, 1, 1),
    (1008, 2, '20230301', 380.00, 1, 2),
    (1009, 1, '20231205', 210.00, 1, 1),
    (1010, 1, '20240116', 300.00, 1, 7),
    (1010, 2, '20240205', 750.00, 1, 2),
    (1010, 3, '20240205', 1200.00, 0, 8),
    (1012, 1, '20220705', 320.00, 1, 2),
    (1012, 2, '20221011', 95.00, 1, 6);

-- ---------------------------------------------------------------------------
-- Precautionary attachment, judgments, rent contracts, extra creditors, switches
-- ---------------------------------------------------------------------------
-- 1010: requested on 20240115 from the commercial court (mahkemekodu 1), without a
-- hearing, converted into the enforcement on 20240122.
INSERT INTO tblfoy_ihtiyatihaciz (foykodu, taleptarihi, takiptarihi, durusmali, giderhesapla,
    vekaletucretihesapla, mahkemekodu) VALUES
    (1010, '20240115', '20240122', 0, 1, 1, 1);

-- mahkemeornoter 1: court decision (karartarihi).
INSERT INTO tblfoy_ilam (foykodu, mahkemeornoter, karartarihi, notertarihi) VALUES
    (1007, 1, '20230410', ''),
    (1008, 1, '20221128', '');

-- muacceliyetdurumu: 1 no acceleration, 2 acceleration.
INSERT INTO tblfoy_sozlesme (foykodu, muacceliyetdurumu, tahliyevekaletucretiekle,
    VekaletUcretiniYillikKiraUzerindenHesapla) VALUES
    (1005, 1, 0, 0),
    (1006, 2, 1, 1);

-- 1005 has a second creditor (the co-owner of the flat).
INSERT INTO tblfoy_alacakli (foykodu) VALUES
    (1005);

-- 1004: the payment order went by electronic notification, no first postage.
INSERT INTO tblfoy_eksahalar (foykodu, pesinharchesaplanmasin, ilktebligatgiderieklenmesin) VALUES
    (1004, 0, 1);

-- ---------------------------------------------------------------------------
-- Parties (foysahistipi 1 debtor, 2 guarantor) and their notifications
-- ---------------------------------------------------------------------------
INSERT INTO tblfoy_sahis (foykodu, foysahiskodu, foysahistipi, ad, soyad, tahsilharcihesapla,
    tumadresleregonderilsin, muvekkiletebligatgonderilmesin, vekiletebligatgonder,
    vekiladisoyadi, vekilsoyadi, adres1, adres2, tel1, tel2, ceptel, ceptel2) VALUES
    (1001, 1, 1, 'Hüseyin', 'Çelik', 1, 0, 0, 0, '', '',
     'Caferağa Mah. Moda Cad. No 12 D 4 Kadıköy İstanbul', '', '0216 345 12 40', '',
     '0532 411 27 80', ''),
    (1001, 2, 2, 'Fatma', 'Çelik', 1, 1, 0, 0, '', '',
     'Caferağa Mah. Moda Cad. No 12 D 4 Kadıköy İstanbul',
     'Rasimpaşa Mah. Söğütlüçeşme Cad. No 45 Kadıköy İstanbul', '', '', '0535 604 18 22', ''),
    (1002, 1, 1, 'Aydın Yapı Taahhüt Ltd. Şti.', '', 1, 0, 0, 0, '', '',
     'Atatürk Mah. Alemdağ Cad. No 210 Ümraniye İstanbul', '', '0216 522 40 10', '', '', ''),
    (1002, 2, 1, 'Kemal', 'Aydın', 1, 0, 0, 1, 'Orhan Tekin', 'Tekin',
     'Çakmak Mah. Balkan Cad. No 8 D 3 Ümraniye İstanbul', '', '', '', '0533 712 90 45', ''),
    (1003, 1, 1, 'Serkan', 'Koç', 1, 0, 0, 0, '', '',
     'Bostanlı Mah. Cemal Gürsel Cad. No 331 D 7 Karşıyaka İzmir', '', '', '',
     '0542 318 66 09', ''),
    (1004, 1, 1, 'Demir Konfeksiyon San. ve Tic. Ltd. Şti.', '', 1, 0, 0, 0, '', '',
     'Kazımdirik Mah. 372 Sok. No 14 Bornova İzmir', '', '0232 462 11 35', '', '', ''),
    (1005, 1, 1, 'Burak', 'Yıldız', 1, 0, 0, 0, '', '',
     'Suadiye Mah. Bağdat Cad. No 402 D 9 Kadıköy İstanbul', '', '', '', '0530 221 43 17', ''),
    (1005, 2, 2, 'Selin', 'Yıldız', 1, 0, 0, 0, '', '',
     'Erenköy Mah. Ethem Efendi Cad. No 51 D 2 Kadıköy İstanbul', '', '', '',
     '0536 908 12 64', ''),
    (1006, 1, 1, 'Cem', 'Korkmaz', 1, 0, 0, 0, '', '',
     'Bahçelievler Mah. Aşkabat Cad. No 77 D 5 Çankaya Ankara', '', '', '',
     '0543 502 77 31', ''),
    (1007, 1, 1, 'Onur', 'Şahin', 1, 0, 0, 0, '', '',
     'Kızılay Mah. Ziya Gökalp Cad. No 19 D 11 Çankaya Ankara', '', '', '',
     '0505 633 20 58', ''),
    (1008, 1, 1, 'Yıldız Otomotiv San. A.Ş.', '', 1, 0, 0, 0, '', '',
     'Atatürk Organize Sanayi Bölgesi 10003 Sok. No 6 Çiğli İzmir', '', '0232 376 50 00', '',
     '', ''),
    (1009, 1, 1, 'Global Denizcilik ve Ticaret Ltd. Şti.', '', 1, 0, 0, 0, '', '',
     'Kemeraltı Cad. Karaköy Han No 21 K 4 Beyoğlu İstanbul', '', '0212 293 66 70', '', '', ''),
    (1010, 1, 1, 'Akdeniz İnşaat Taahhüt A.Ş.', '', 1, 0, 0, 0, '', '',
     'Esentepe Mah. Büyükdere Cad. No 185 K 12 Şişli İstanbul', '', '0212 356 84 00', '', '', ''),
    (1011, 1, 1, 'Gökhan', 'Polat', 1, 0, 0, 0, '', '',
     'Boğaziçi Konutları B Blok D 14 Sarıyer İstanbul', '', '', '', '0532 640 91 12', ''),
    (1012, 1, 1, 'Emre', 'Kılıç', 1, 0, 0, 0, '', '',
     'Yenişehir Mah. Menekşe Sok. No 3 D 6 Pendik İstanbul', '', '', '', '0544 287 35 90', '');

-- tebligatdurumu 2: served. sonodemetarihi: last day of the payment period.
INSERT INTO tblfoy_tebligat (foykodu, foysahiskodu, tebligatkodu, tebligtarihi, tebligatdurumu,
    itiraztarihi, kesinlesmetarihi, sonodemetarihi, malbeyanitarihi, aciklama) VALUES
    (1001, 1, 1, '20220322', 2, NULL, '20220329', '20220329', NULL, 'Ödeme emri tebliğ edildi'),
    (1001, 2, 2, '20220322', 2, NULL, '20220329', '20220329', NULL, 'Ödeme emri tebliğ edildi'),
    (1002, 1, 1, '20230518', 2, NULL, '20230523', '20230528', NULL, 'Ödeme emri tebliğ edildi'),
    (1002, 2, 2, '20230518', 2, NULL, '20230523', '20230528', NULL, 'Ödeme emri tebliğ edildi'),
    (1003, 1, 1, '20241224', 2, NULL, '', '20250103', NULL, 'Ödeme emri tebliğ edildi'),
    (1004, 1, 1, '20230914', 2, NULL, '20230921', '20230921', NULL, 'Ödeme emri tebliğ edildi'),
    (1005, 1, 1, '20240312', 2, NULL, '20240319', '20240411', NULL, 'Ödeme emri tebliğ edildi'),
    (1005, 2, 2, '20240313', 2, NULL, '20240320', '20240412', NULL, 'Ödeme emri tebliğ edildi'),
    (1006, 1, 1, '20240813', 2, NULL, '20240820', '20240912', NULL, 'Ödeme emri tebliğ edildi'),
    (1007, 1, 1, '20230922', 2, NULL, '20230929', '20230929', NULL, 'İcra emri tebliğ edildi'),
    (1008, 1, 1, '20230227', 2, NULL, '20230306', '20230306', NULL, 'İcra emri tebliğ edildi'),
    (1009, 1, 1, '20231121', 2, NULL, '20231128', '20231128', NULL, 'Ödeme emri tebliğ edildi'),
    (1010, 1, 1, '20240129', 2, NULL, '20240205', '20240205', NULL, 'Ödeme emri tebliğ edildi'),
    (1011, 1, 1, '20230810', 2, NULL, '20230817', '20230817', NULL, 'Ödeme emri tebliğ edildi'),
    (1012, 1, 1, '20220628', 2, NULL, '20220705', '20220705', NULL, 'Ödeme emri tebliğ edildi');

-- The current notification of each party (what the notification refresh derives).
INSERT INTO tblfoy_tebligat_iz (foykodu, tebligatkodu, foysahiskodu, tebligtarihi,
    tebligatdurumu, itiraztarihi, kesinlesmetarihi, sonodemetarihi, malbeyanitarihi,
    aciklama) VALUES
    (1001, 1, 1, '20220322', 2, NULL, '20220329', '20220329', NULL, 'Ödeme emri tebliğ edildi'),
    (1001, 2, 2, '20220322', 2, NULL, '20220329', '20220329', NULL, 'Ödeme emri tebliğ edildi'),
    (1002, 1, 1, '20230518', 2, NULL, '20230523', '20230528', NULL, 'Ödeme emri tebliğ edildi'),
    (1002, 2, 2, '20230518', 2, NULL, '20230523', '20230528', NULL, 'Ödeme emri tebliğ edildi'),
    (1003, 1, 1, '20241224', 2, NULL, '', '20250103', NULL, 'Ödeme emri tebliğ edildi'),
    (1004, 1, 1, '20230914', 2, NULL, '20230921', '20230921', NULL, 'Ödeme emri tebliğ edildi'),
    (1005, 1, 1, '20240312', 2, NULL, '20240319', '20240411', NULL, 'Ödeme emri tebliğ edildi'),
    (1005, 2, 2, '20240313', 2, NULL, '20240320', '20240412', NULL, 'Ödeme emri tebliğ edildi'),
    (1006, 1, 1, '20240813', 2, NULL, '20240820', '20240912', NULL, 'Ödeme emri tebliğ edildi'),
    (1007, 1, 1, '20230922', 2, NULL, '20230929', '20230929', NULL, 'İcra emri tebliğ edildi'),
    (1008, 1, 1, '20230227', 2, NULL, '20230306', '20230306', NULL, 'İcra emri tebliğ edildi'),
    (1009, 1, 1, '20231121', 2, NULL, '20231128', '20231128', NULL, 'Ödeme emri tebliğ edildi'),
    (1010, 1, 1, '20240129', 2, NULL, '20240205', '20240205', NULL, 'Ödeme emri tebliğ edildi'),
    (1011, 1, 1, '20230810', 2, NULL, '20230817', '20230817', NULL, 'Ödeme emri tebliğ edildi'),
    (1012, 1, 1, '20220628', 2, NULL, '20220705', '20220705', NULL, 'Ödeme emri tebliğ edildi');
