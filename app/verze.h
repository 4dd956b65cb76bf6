#pragma once
// The version check against the maker's update server: the module's program file is
// compared with the release stamp published in a version file over FTP and, for this
// module, the setup program is fetched and started. The comparison itself shows nothing;
// the menu command and the daily check of the sibling modules speak through dotaz.
#include "ini.h"

#include <QString>
#include <functional>

// The update server and the limits that keep a dead link from hanging the window.
struct ServerAktualizaci {
    QString host;
    int port = 21; // 0 when the configured port is not a number
    QString uzivatel = QStringLiteral("vortek");
    QString heslo;
    bool pasivne = true;
    // Seconds: connecting and logging in; waiting for any one server reply (and, in
    // active mode, for the server to connect back); a transfer slower than one byte a
    // second for this long is given up.
    int casPripojeni = 15;
    int casOdpovedi = 30;
    int casPomalehoPrenosu = 30;

    // The built-in account of the build (host and password are build settings).
    static ServerAktualizaci vestaveny();
    // Section "LogON" of the suite's INI file: "_FTP", "_FTPuser", "_FTPpassword",
    // "_FTPport", "_FTPpassive" over the built-in values. Only the exact text "False"
    // switches passive transfer off.
    static ServerAktualizaci zIni(const IniSoubor& kavlinIni);
};

// The server directory of every version file and setup program of the suite.
QString AdresarAktualizaci();

struct PorovnaniVerze {
    QString souborVerze;   // "setupkv.ver"
    QString souborSetup;   // fetched on a newer version; empty: nothing is fetched
    QString mistniSoubor;  // the program file compared; empty: the running program
    QString logVerze;      // empty: "verze.log" in the program directory
    QString cilovyAdresar; // where downloads land; empty: the working directory
};

// Line 2, field 3 (tab-separated) of the version file, its first 19 characters; empty
// when the file has fewer lines or the line fewer fields.
QString RazitkoZeSouboruVerze(const QString& obsah);
// The last-write time of a file as "yyyy-mm-dd hh:nn:ss"; empty when it does not exist.
QString MistniRazitko(const QString& soubor);
// The stamp without blanks, "-" and ":" (fourteen digits for a well-formed stamp).
QString RazitkoBezOddelovacu(const QString& razitko);
// Whether the published stamp is newer than the local one. The digits are compared as
// text; a published stamp that is not fourteen digits is no release stamp at all and
// never counts as newer, so a damaged version file cannot start an update loop.
bool JeNovejsiVerze(const QString& vzdalene, const QString& mistni);

// The comparison: "A" a newer version exists (and the setup file asked for has been
// fetched), "N" none, "E" the server, the login or a download failed. *chyba receives
// the transfer's own error text on "E".
QString PorovnejVerzi(const ServerAktualizaci& server, const PorovnaniVerze& p,
                      QString* chyba = nullptr);

// Reports that a check is at work: a text shows it, an empty text takes it away. The
// splash window of the start gets only texts; pass an empty function once it is gone.
using Prubeh = std::function<void(const QString& text)>;

// Where the checks look; the defaults are those of the running program.
struct MistaVerze {
    QString adresarProgramu; // empty: AdresarProgramu(); sibling programs and verze.log
    QString program;         // empty: the running program's file
};

enum class PoKontrole { Pokracovat, UkoncitProgram };

// "Kontrola nové verze": compares this program with "setupkv.ver" on the server of
// section "LogON", fetches "setupkv.exe" when newer, says so and starts
// "setupkv.exe /DIR="<program directory>"". On UkoncitProgram the caller closes the
// main window (the setup program replaces this one).
PoKontrole KontrolaNoveVerze(const IniSoubor& kavlinIni, const Prubeh& uvodniOkno,
                             const Prubeh& pracuji, const MistaVerze& mista = {});

// The daily check of the show phase: once a day (DnesUzSpusteno "smesi") and only with
// testVerze on, "grem.exe" and "hurn.exe" (when they exist) against their version files
// on the built-in server, then KontrolaNoveVerze.
PoKontrole DenniKontrolaVerzi(const IniSoubor& kavlinIni, bool testVerze, const Prubeh& uvodniOkno,
                              const Prubeh& pracuji, const MistaVerze& mista = {},
                              const ServerAktualizaci& vestaveny = ServerAktualizaci::vestaveny());
