#pragma once
// The local work tables in the program's data directory and the steps of their life: made
// anew at every start from the structures of the server tables, emptied and filled when a
// document is opened new or for correction, filtered while its lines are edited.
#include "dbf.h"

#include <QLatin1String>
#include <QString>

class Spojeni;

// File names in the data directory.
inline constexpr QLatin1String SouborHlavicky("smesi20.dbf");        // header row (smesi)
inline constexpr QLatin1String SouborRadku("smesi.dbf");             // component lines (smesi)
inline constexpr QLatin1String SouborPuvodnichRadku("smesi10.dbf");  // rows as posted (smesi)
inline constexpr QLatin1String SouborObalu("smesiob.dbf");           // packaging (smesiobal)
inline constexpr QLatin1String SouborPalet("smepal.dbf");            // pallets taken (smesipa)
inline constexpr QLatin1String SouborPuvodnichPalet("smepal10.dbf"); // pallets as posted
inline constexpr QLatin1String SouborVybranychPalet("smesklpa.dbf"); // pallet picker (sklpalety)
// The label functions keep their data in files of their own. They create their table anew
// with another structure each time; were it "smesi.dbf", printing a label while a document
// is open would destroy the document's component lines.
inline constexpr QLatin1String SouborStitkuPalety("smestpal.dbf"); // pallet-label dialog (skarta)
inline constexpr QLatin1String SouborStitkuVzorku("smestvz.dbf");  // sample labels (smesi+skarta)
// The hand-over file of the external pallet-label program; it comes with that program's
// installation and is never created here.
inline constexpr QLatin1String SouborKotr("KOTR.DBF");

// Creates a work table anew (replacing the file) with the structure of a server table,
// taken from "select * from <tabulka> limit 0,1"; the table is left open.
bool VytvorZeServeru(Spojeni& spojeni, const QString& tabulka, const QString& cesta,
                     TabulkaDbf& cil, QString* chyba = nullptr);
// Appends every row of the result to the open table, field by field by name, each record
// posted.
bool PridejRadky(TabulkaDbf& cil, const Vysledek& vysledek, QString* chyba = nullptr);
// The pallet-label export: opens "KOTR.DBF" in the data directory, empties and packs it; the
// caller appends one record per pallet and closes it.
bool PripravKotr(const QString& adresarDat, TabulkaDbf& kotr, QString* chyba = nullptr);

// The main window's work tables. Every step answers false with chyba() set (the message of
// the layer, naming the file) and stops at the first table that fails.
class PracovniTabulky {
public:
    explicit PracovniTabulky(const QString& adresarDat);

    QString adresar() const { return m_adresar; }
    QString cesta(QLatin1String soubor) const;

    TabulkaDbf& hlavicka() { return m_hlavicka; }           // smesi20.dbf
    TabulkaDbf& radky() { return m_radky; }                 // smesi.dbf
    TabulkaDbf& puvodniRadky() { return m_puvodniRadky; }   // smesi10.dbf
    TabulkaDbf& obaly() { return m_obaly; }                 // smesiob.dbf
    TabulkaDbf& palety() { return m_palety; }               // smepal.dbf
    TabulkaDbf& puvodniPalety() { return m_puvodniPalety; } // smepal10.dbf

    // Start of the program: closes every table and creates them anew from the server's
    // smesipa, smesi and smesiobal, whether or not the cost centre keeps pallets. They stay
    // open (and locked) afterwards.
    bool udelejDBF(Spojeni& spojeni);

    // New document: with pallets, empties smepal10.dbf and (filter off) smepal.dbf; empties
    // smesi20.dbf and appends the header record, left in insert state: lomeni 0, smes 1,
    // datum today, jazyk "C", stredisko; empties smesi.dbf, smesi10.dbf and smesiob.dbf.
    bool novyDoklad(bool paletyStrediska, const QString& stredisko);

    // Opening a posted document for correction, in the stages the editor traces one by one.
    // Rows of the document: all into smesi10.dbf, the header (smes = 1) into smesi20.dbf,
    // the others into smesi.dbf, in the server's order.
    bool nactiRadkyDokladu(Spojeni& spojeni, const QString& cisloDokladu);
    // Packaging lines into smesiob.dbf.
    bool nactiObalyDokladu(Spojeni& spojeni, const QString& cisloDokladu);
    // Pallets by cislo into smepal10.dbf and, filter off, smepal.dbf. Call it only when the
    // cost centre keeps pallets; otherwise both tables keep what they hold.
    bool nactiPaletyDokladu(Spojeni& spojeni, const QString& cisloDokladu);
    // All three stages.
    bool otevriDoklad(Spojeni& spojeni, const QString& cisloDokladu, bool paletyStrediska);

    // The current component line changed: while the document can be posted and the cost
    // centre keeps pallets, smepal.dbf shows only that lot's pallets; otherwise all.
    bool filtrujPalety(bool lzeZapsat, bool paletyStrediska, const QString& partiecela);

    // Leaving the editor: every table closed, files keep their records.
    bool zavriVse();

    QString chyba() const { return m_chyba; }

private:
    bool otevriAVyprazdni(TabulkaDbf& t, QLatin1String soubor);
    bool selhalo(const TabulkaDbf& t);
    bool dotaz(Spojeni& spojeni, const QString& sql, Vysledek& v);

    QString m_adresar;
    TabulkaDbf m_hlavicka;
    TabulkaDbf m_radky;
    TabulkaDbf m_puvodniRadky;
    TabulkaDbf m_obaly;
    TabulkaDbf m_palety;
    TabulkaDbf m_puvodniPalety;
    QString m_chyba;
};
