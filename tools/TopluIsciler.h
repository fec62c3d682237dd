#pragma once

#include "tools/TopluFoyGuncelleyici.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quv {

class BlokDagitici;
struct DatabaseUrl;

// A bulk update shared among worker processes on one machine: each runs the command line's
// `batch` on the slice k/N of the matching files with its own connection. Their progress
// lines are summed into one counter, their other lines (errors naming their file) passed
// on; a stop is passed to every worker, which ends after its current file. The command
// line's --jobs and the bulk update window both run workers this way.
class TopluIsciler {
public:
    // Workers that start `program`, the command line, with "batch", `arguments` and their
    // slice (the window's).
    TopluIsciler(QString program, QStringList arguments, int isSayisi);
    // Workers that are copies of this process, each running `isci` on its slice k of N (from
    // 1) with the run's shared blocks and ending with what it returns: the command line's
    // own, which has its libraries and database driver loaded by then, so a worker goes to
    // its files at once. This process has no thread beside its own and no connection open
    // when they start.
    TopluIsciler(std::function<int(int k, BlokDagitici* dagitici)> isci, int isSayisi);

    // Files done by all workers, files of all slices, and the last file a worker finished.
    std::function<void(int biten, int sayi, qint32 foyKodu)> Ilerleme;
    // A worker's line that is not progress: an error or a question's text.
    std::function<void(const QString& satir)> Satir;
    // Asked between the workers' lines: true once passes the stop on to every worker.
    std::function<bool()> DurdurulsunMu;

    // Starts the workers and waits for every one; the worst exit status among them (0 all
    // done, 1 an error or a stop, 2 a refused argument). Kapanislar holds their closing
    // lines, each once.
    int Calistir();
    QStringList Kapanislar;
    // A server's password for the workers: given in their environment, not their arguments.
    QString Parola;

    // The worker's arguments for the criteria and the database (`batch` options); a server
    // password is not among them but in the environment of the workers (PGPASSWORD).
    static QStringList Argumanlar(const TopluGuncellemeKriterleri& kriterler,
                                  const DatabaseUrl& adres);
    // What makes a run of `batch` a worker: its slice k of N (from 1).
    static QStringList IsciArgumanlari(int k, int isSayisi);
    // The descriptor a started worker finds the run's shared blocks on, and its option.
    static constexpr int BlokTutamagi = 3;
    static QString BlokSecenegi() { return QStringLiteral("worker-blocks"); }
    // The command line next to this program (or on the PATH); empty when there is none.
    static QString KomutSatiri();

private:
    struct Isci;
    bool baslat(Isci& isci, int k, BlokDagitici& dagitici);

    QString program_;
    QStringList arguments_;
    std::function<int(int k, BlokDagitici* dagitici)> kopya_;
    int isSayisi_;
};

}  // namespace quv
