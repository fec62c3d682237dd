#pragma once

#include "plans/OdemePlaniGirdileri.h"

#include <QCommandLineParser>
#include <QString>

namespace quv {
class OdemePlaniHesabi;
}

namespace quv::cli {

// How the plan is computed: by instalment count, by instalment amount or by hand.
enum class Yontem { Sayi, Tutar, Manuel };
QString yontemAdi(Yontem yontem);

// The options that describe a payment plan, shared by the commands that compute one:
//   (--count K --first YYYYMMDD | --amount A --first YYYYMMDD | --manual YYYYMMDD=AMOUNT ...)
//   [--down-payment P] [--period N] [--unit gun|ay|yil] [--by-hand] [--no-interest]
//   [--discount PCT] [--rate R] [--last-into-previous]
struct PlanSecenekleri {
    Yontem yontem = Yontem::Sayi;
    SayiyaGorePlan sayiya;
    TutaraGorePlan tutara;
    ManuelPlan manuel;
    bool faizOraniVar = false;
    double faizOrani = 0;
    double indirim = 0;
    bool faizIsletme = false;
    bool elden = false;

    static void ekle(QCommandLineParser& parser);
    // True when any plan option was given.
    static bool verildi(const QCommandLineParser& parser);
    // The validated options; a wrong value raises UsageError.
    static PlanSecenekleri oku(const QCommandLineParser& parser);

    // The file's settings with these options on top, and the computation; true when a
    // plan was computed (the plan's last check tells why not).
    bool hesapla(OdemePlaniHesabi& plan) const;
};

// A message's carriage returns as line breaks, for the terminal.
QString satirMetni(const QString& mesaj);

}  // namespace quv::cli
