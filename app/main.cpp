// Until the main window exists the program settles the connection, opens the session
// (with its audit row) and reports the outcome on one line.
#include "dotaz.h"
#include "ini.h"
#include "maleoperace.h"
#include "relace.h"
#include "sled.h"

#include <QApplication>
#include <QDate>
#include <QTextStream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QString adr = AdresarProgramu();
    VytvorAdresar(adr + QStringLiteral("err"));
    VytvorAdresar(adr + QStringLiteral("../sqllog"));
    Sled sled;
    sled.zacni(adr);
    IniSoubor smesiIni(adr + QStringLiteral("smesi.ini"));
    IniSoubor kavlinIni(QStringLiteral("../Kavlin05.ini"));
    Relace relace;
    relace.log().nastavSoubor(SqlLog::jmenoSouboru(QDate::currentDate()));
    QString chyba;
    const QString cisloPC = smesiIni.cti(QStringLiteral("TFmozno"),
                                         QStringLiteral("EditcisloPC_Text"), QStringLiteral("00"));
    if (!relace.UrciParametry(smesiIni, kavlinIni, cisloPC, AdresarovyServer::zeSestaveni(),
                              &chyba)) {
        out << "smesi " << VerzeProgramu() << ": " << chyba << Qt::endl;
        sled.ukonci();
        return 1;
    }
    relace.log().zapni(true);
    const NastaveniSpojeni& n = relace.nastaveni();
    bool ok =
        relace.OtevriSpojeni(n.sqlPort, n.altPort, n.cisloPC, QString(), QStringLiteral("Směsi"));
    if (ok)
        out << "smesi " << VerzeProgramu() << ": session open on " << n.parametry.host << ':'
            << n.parametry.port << '/' << n.parametry.databaze << " as workstation " << n.cisloPC
            << "; the main window is not built yet, ending." << Qt::endl;
    else if (relace.spojeni().jePripojeno())
        out << "smesi " << VerzeProgramu() << ": connected on the alternate port "
            << relace.spojeni().port() << " (no session statements); ending." << Qt::endl;
    else
        out << "smesi " << VerzeProgramu() << ": cannot connect to " << n.parametry.host << ':'
            << n.parametry.port << ": " << relace.spojeni().chyba() << Qt::endl;
    sled.ukonci();
    return ok ? 0 : 1;
}
