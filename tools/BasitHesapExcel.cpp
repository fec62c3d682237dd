#include "tools/BasitHesapExcel.h"

#include <xlsxwriter.h>

#include <QByteArray>

#include <algorithm>

namespace quv {

namespace {

// Colour 15 of the spreadsheet's standard palette, the grey of the heads.
constexpr lxw_color_t kBaslikGrisi = 0xC0C0C0;
constexpr const char* kParaBicimi = "#,##0.00";

QByteArray utf8(const QString& metin) {
    return metin.toUtf8();
}

// A column's width in characters: its longest text and a little room.
double genislik(qsizetype karakter) {
    return static_cast<double>(karakter) + 2.0;
}

}  // namespace

bool BasitHesapExcelYaz(const QList<BasitHesapSatiri>& satirlar, const QString& dosya,
                        QString* hata) {
    lxw_workbook* kitap = workbook_new(utf8(dosya).constData());
    if (!kitap) {
        if (hata)
            *hata = QStringLiteral("Dosya yazılamadı: ") + dosya;
        return false;
    }
    lxw_worksheet* sayfa = workbook_add_worksheet(kitap, nullptr);

    lxw_format* baslik = workbook_add_format(kitap);
    format_set_bold(baslik);
    format_set_pattern(baslik, LXW_PATTERN_SOLID);
    format_set_bg_color(baslik, kBaslikGrisi);
    lxw_format* tutar = workbook_add_format(kitap);
    format_set_num_format(tutar, kParaBicimi);
    lxw_format* kalinTutar = workbook_add_format(kitap);
    format_set_num_format(kalinTutar, kParaBicimi);
    format_set_bold(kalinTutar);
    lxw_format* kalin = workbook_add_format(kitap);
    format_set_bold(kalin);

    const QString tutarBasligi = QStringLiteral("Tutar");
    const QString aciklamaBasligi = QStringLiteral("Açıklama");
    worksheet_write_string(sayfa, 0, 0, utf8(tutarBasligi).constData(), baslik);
    worksheet_write_string(sayfa, 0, 1, utf8(aciklamaBasligi).constData(), baslik);
    qsizetype tutarGenisligi = tutarBasligi.size();
    qsizetype aciklamaGenisligi = aciklamaBasligi.size();

    lxw_row_t satirNo = 1;
    for (const BasitHesapSatiri& satir : satirlar) {
        const bool vurgulu = satir.Vurgulu();
        worksheet_write_number(sayfa, satirNo, 0, satir.Tutar.toDouble(),
                               vurgulu ? kalinTutar : tutar);
        worksheet_write_string(sayfa, satirNo, 1, utf8(satir.Aciklama).constData(),
                               vurgulu ? kalin : nullptr);
        tutarGenisligi = std::max(tutarGenisligi, BasitHesap::TutarMetni(satir.Tutar).size());
        aciklamaGenisligi = std::max(aciklamaGenisligi, satir.Aciklama.size());
        ++satirNo;
    }
    worksheet_set_column(sayfa, 0, 0, genislik(tutarGenisligi), nullptr);
    worksheet_set_column(sayfa, 1, 1, genislik(aciklamaGenisligi), nullptr);

    const lxw_error sonuc = workbook_close(kitap);
    if (sonuc != LXW_NO_ERROR) {
        if (hata)
            *hata = QStringLiteral("Dosya yazılamadı: ") + dosya + QStringLiteral(" (") +
                    QString::fromUtf8(lxw_strerror(sonuc)) + u')';
        return false;
    }
    return true;
}

}  // namespace quv
