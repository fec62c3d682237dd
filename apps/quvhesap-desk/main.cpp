// quvhesap-desk: the desktop program over the calculation component.
//
//   quvhesap-desk [database]
//
// The database is a SQLite file, a postgresql:// URL or an odbc: connection string;
// without one the database opened last is opened again.

#include "AnaPencere.h"

#include "engine/SharedState.h"
#include "ui/MessageBoxErrorReporter.h"
#include "ui/MessageBoxService.h"
#include "ui/WidgetWindowHost.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("quvHesap"));
    QApplication::setApplicationName(QStringLiteral("quvhesap-desk"));
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));

    // Turkish texts of Qt's own dialogs (the file chooser), where they are installed.
    QTranslator qtCevirisi;
    if (qtCevirisi.load(QLocale(QLocale::Turkish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtCevirisi);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("quvHesap icra hesabı"));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("veritabani"),
        QStringLiteral("SQLite dosyası, postgresql:// adresi ya da odbc: bağlantı metni"));
    parser.process(app);

    using namespace quv;
    shared().setMessageService(std::make_shared<MessageBoxService>());
    shared().setErrorReporter(std::make_shared<MessageBoxErrorReporter>());
    shared().setWindowHost(std::make_shared<WidgetWindowHost>());

    desk::AnaPencere pencere;
    pencere.show();
    const QString adres = parser.positionalArguments().isEmpty()
                              ? pencere.hatirlananAdres()
                              : parser.positionalArguments().constFirst();
    if (!adres.isEmpty()) {
        pencere.adresKutusu()->setText(adres);
        // Opened once the window is on the screen, so that a message has a parent.
        QTimer::singleShot(0, &pencere, [&pencere, adres] { pencere.veritabaniAc(adres); });
    }
    return app.exec();
}
