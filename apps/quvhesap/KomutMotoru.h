#pragma once

#include "CliSupport.h"

#include "engine/Database.h"
#include "engine/ErrorReporter.h"
#include "engine/MessageService.h"
#include "engine/clsHesapAna.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/TaahhutKayit.h"

#include <QString>

#include <memory>
#include <optional>

namespace quv::cli {

// The engine of a command that works on the files of a database: errors go to the
// console, nobody answers questions (the information messages are kept to be
// printed), exchange rates are asked on the terminal, and the facade works on the
// opened database with the session's user name.
struct KomutMotoru {
    explicit KomutMotoru(const QString& url);

    // Loads the plan's working copy of the file. On failure the exit code: a file that
    // is not there is a usage error (said on the error output), a reported error a
    // failed run.
    std::optional<int> calismaKopyasiniYukle(OdemePlaniHesabi& plan);

    std::shared_ptr<ConsoleErrorReporter> raporcu;
    std::shared_ptr<ScriptedMessageService> mesajlar;
    std::shared_ptr<Database> db;
    clsHesapAna hesap;
};

// The party code typed for --debtor; a text that is no whole number raises UsageError.
qint32 borcluKodu(const QString& deger);
// The file's party with the code, or none when the file has no such party.
std::optional<Borclu> borcluBul(qint32 foyKodu, qint32 kod);
// The usage error of a --debtor value that names none of the file's parties.
UsageError borcluHatasi(const QString& deger);

}  // namespace quv::cli
