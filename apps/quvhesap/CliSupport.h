#pragma once

#include "engine/Database.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

namespace quv::cli {

// Exit codes of the command line.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;  // the run reported an error
inline constexpr int ExitUsage = 2;   // wrong or invalid arguments

// An argument the user gave that cannot be used; the text is Turkish and complete.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

void printOut(const QString& text);
void printErr(const QString& text);

// Runs a command and gives its exit status; what it raises is told on standard error
// (a refused argument, an error with its number, another failure) and ends it with the
// status for that.
int komutuCalistir(const std::function<int()>& komut);

// Parses the command's arguments (after the command name); unknown options and
// missing values raise UsageError. With `positional` (its name in the message) the
// command takes exactly one argument that is not an option (at most one when
// `positionalOptional`).
void parse(QCommandLineParser& parser, const QString& command, const QStringList& arguments,
           const QString& positional = QString(), bool positionalOptional = false);
// Adds an option with its Turkish description and, when it takes a value, the
// value's name as the help shows it.
void addOption(QCommandLineParser& parser, const char* name, const char* description,
               const char* valueName = nullptr);
// A required option's value.
QString required(const QCommandLineParser& parser, const QString& option);

// Validated values.
qint32 fileCode(const QString& value, const QString& option);
QString textDate(const QString& value, const QString& option);
// The validated text date of an option that may be left out (then the empty text).
QString optionalTextDate(const QCommandLineParser& parser, const QString& option);

// False, with a message that says how to fill them, when the database holds no dated
// tariffs yet (a new database before its settings are imported): every calculation
// with fees would fail on it.
bool tariffsPresent(Database& db);

// Refuses, before any work, an output file that cannot be written: its folder missing or
// closed, or a folder or read-only file in its place.
void yazilabilirOlmali(const QString& yol, const QString& secenek);
// The whole content of a file the user named; a file that cannot be read is a usage error.
QByteArray dosyaOku(const QString& yol);
// Every problem of a refused document, one a line, after a line saying nothing was
// written; the exit status of a refused document.
int reddet(const QString& yol, const QStringList& sorunlar);

// Opens the database and hands it to the component's shared state.
std::shared_ptr<Database> connect(const QString& urlOrPath,
                                  Database::OpenMode mode = Database::OpenMode::MustExist);

}  // namespace quv::cli
