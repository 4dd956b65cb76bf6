#pragma once
// The database session of the program: settling the connection from the INI files
// (optionally through the directory server), the session statements, the audit rows,
// the SQL log and the script executor with its failure path.
#include "ini.h"
#include "skript.h"
#include "spojeni.h"
#include "sqllog.h"

#include <QDateTime>
#include <functional>

// The directory server that maps a company number to its database. The program's values
// come from the build (never literals in the sources); tests point it at their own server.
struct AdresarovyServer {
    QString host;
    int port = 3306;
    QString uzivatel;
    QString heslo;
    QString databaze = QStringLiteral("vortek");
    static AdresarovyServer zeSestaveni();
};

// What the INI files and the directory say about the connection.
struct NastaveniSpojeni {
    ParametrySpojeni parametry;
    QString sqlPort = QStringLiteral("3306");
    QString altPort;
    QString cisloPC;
    QString ico = QStringLiteral("-");
};

struct VysledekSkriptu {
    bool ok = true;
    int chybnyPrikaz = -1;
    QString chyba;
    unsigned kod = 0;       // the server's error number of the failure
    bool ocekavana = false; // a failure the caller answers itself (see ProvedSkript)
    int opakovani = 0;      // runs repeated after a deadlock or a lock-wait time-out
    Vysledek vysledek;      // rows of the script's last statement that returned any
};

// Tells by the error number and the failing statement whether a failed script is one the
// caller answers itself (the transaction undone, the session kept).
using OcekavanaChyba = std::function<bool(unsigned kod, const QString& prikaz)>;

class Relace {
public:
    Relace();

    Spojeni& spojeni() { return m_spojeni; }
    SqlLog& log() { return m_log; }
    SkriptovyProcesor& skript() { return m_skript; }
    const NastaveniSpojeni& nastaveni() const { return m_nastaveni; }

    // Steps 1 to 3 of the settling: smesi.ini's host guess, ../Kavlin05.ini "LogON", and
    // the directory lookup when "ICO" is set. On failure *chyba holds the error's own
    // message. The SQL log stays off throughout.
    bool UrciParametry(const IniSoubor& smesiIni, const IniSoubor& kavlinIni,
                       const QString& cisloPCzeSmesi, const AdresarovyServer& adresar,
                       QString* chyba);
    // Opens the session (alternate port first when set), sends the session statements and
    // writes the start audit row; answers whether it did both.
    bool OtevriSpojeni(const QString& sqlPort, const QString& altPort, const QString& cisloPC,
                       const QString& stredisko, const QString& modul);

    // The start audit row as it is sent.
    QString AuditStartu(const QString& cisloPC, const QString& stredisko,
                        const QString& modul) const;

    // Runs the script of the executor (again after a deadlock or lock-wait time-out, a
    // bounded number of times). On failure: ROLLBACK on the same connection, one block
    // appended to "sme.err" (working directory), disconnect. The caller shows the message
    // and ends the program. A failure that `ocekavana` accepts is only rolled back.
    VysledekSkriptu ProvedSkript(const OcekavanaChyba& ocekavana = {});

    // Fixed identity of the workstation for the audit rows (tests set them).
    QString uzivatelPocitace;
    QString jmenoPocitace;
    QString souborChyb = QStringLiteral("sme.err");
    // How often a script is run in all when the server reports a deadlock (1213) or a
    // lock-wait time-out (1205).
    int pokusuPriZablokovani = 4;

private:
    Spojeni m_spojeni;
    SqlLog m_log;
    SkriptovyProcesor m_skript;
    NastaveniSpojeni m_nastaveni;
};

// One complete historied insert ending in ";" (values escaped inside their quotes).
QString SestavHistorieD(const QString& cisloPC, const QString& stredisko, const QString& modul,
                        const QString& typDokladu, const QString& cisloDokladu,
                        const QString& identifikator, const QString& misto, const QString& uzivatel,
                        const QString& pocitac);
QString SestavHistorieD(const QString& cisloPC, const QString& stredisko, const QString& modul,
                        const QString& typDokladu, const QString& cisloDokladu,
                        const QString& identifikator, const QString& misto);

// The first IPv4 address the host's own name resolves to; "255.255.255.255" when none.
QString AdresaIP();
QString AdresaIP(const QString& jmenoHostitele);
// The program's version "%d.%d.%d.%d" compiled in from the project version.
QString VerzeProgramu();
// Last-write time of the executable; 30 December 1899 when it cannot be read.
QDateTime DatumProgramu();
QString UzivatelPocitace();
QString JmenoPocitace();
