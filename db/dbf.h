#pragma once
// A small dBase III+ layer for the local work tables: one .dbf per table plus a .dbt memo
// file when the structure has a memo field, no index files, records in append order, text
// in Windows-1250.
//
// Every operation leaves the file complete: the header's record count and the end-of-file
// marker are written with the data, records are written in place (an append writes one
// record, never the whole file), and the count is raised only after the record is on disk,
// so an independent reader opens the file between any two calls.
//
// Exclusive use: opening or creating takes an OS lock on the open .dbf descriptor and on
// the .dbt (an open-file-description lock, so even a second open in the same process is
// refused). A second program gets an error naming the file; nothing is retried and the
// file of the program that holds it is not touched.
#include "desetinne.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QVector>

class Vysledek;

enum class TypDbf : char { Znak = 'C', Cislo = 'N', Datum = 'D', Memo = 'M', Logicke = 'L' };

struct DefinicePole {
    QString jmeno; // at most 10 ASCII letters, digits or '_'; stored upper-case
    TypDbf typ = TypDbf::Znak;
    int delka = 0;   // bytes; a date is always 8, a memo pointer 10, a logical 1
    int desetin = 0; // numbers only
};

// Fractional numbers copied from the server: 19 places (the dBase III+ maximum) with four
// decimals hold every quantity and price of the suite exactly (14 whole digits, 13 when
// negative; the server columns have 11).
inline constexpr int DbfSirkaCisla = 19;
inline constexpr int DbfDesetinCisla = 4;
// Integers copied from the server: the server's display width, at least 11, at most 19.
inline constexpr int DbfMinSirkaCeleho = 11;
// Date-time and time columns become text fields of this width.
inline constexpr int DbfSirkaDatumCasu = 30;
// The widest character field; a wider text column becomes a memo field.
inline constexpr int DbfMaxSirkaZnaku = 254;

// The field definitions for a server result: character columns keep their width, numbers
// become numeric fields (see above), dates date fields, date-times text of 30, text blobs
// memo fields. Binary columns are left out (a dBase III memo cannot hold arbitrary bytes)
// and a repeated column name keeps its first occurrence, as the result's own lookup does.
// A column name that dBase cannot hold (longer than 10 characters, or not ASCII letters,
// digits and '_') is an error.
bool DefiniceZVysledku(const Vysledek& vysledek, QVector<DefinicePole>& pole,
                       QString* chyba = nullptr);

class TabulkaDbf {
public:
    enum class Stav { Zavrena, Prochazeni, Uprava, Vkladani };

    TabulkaDbf();
    ~TabulkaDbf();
    TabulkaDbf(const TabulkaDbf&) = delete;
    TabulkaDbf& operator=(const TabulkaDbf&) = delete;

    // Creates the table anew (replacing any file of that name with an empty table) and
    // leaves it open and locked. Definitions are checked before any file is touched, and a
    // file held by another program is neither truncated nor changed.
    bool vytvor(const QString& cesta, const QVector<DefinicePole>& pole);
    bool vytvor(const QString& cesta, const Vysledek& strukturaZeServeru);
    // Opens an existing table for exclusive use and moves to its first record. The name is
    // matched case-insensitively when no file has exactly that name (tables installed by
    // other programs are often upper-case). A damaged file is refused, never changed.
    bool otevri(const QString& cesta);
    // Posts a record being edited and releases the file. Answers false when that post
    // failed (the table is closed either way).
    bool zavri();
    bool jeOtevrena() const { return m_fd >= 0; }
    Stav stav() const { return m_stav; }
    QString soubor() const { return m_cesta; }
    QString souborMemo() const { return m_cestaMemo; }

    const QVector<DefinicePole>& pole() const { return m_pole; }
    // Index of a field by name, case-insensitive; -1 when absent.
    int indexPole(const QString& jmeno) const;

    // Removes every record (the file keeps its structure).
    bool vyprazdni();
    // Removes the deleted records for good and compacts the memo file; moves to the first.
    bool zhutni();

    // A blank record in insert state; it reaches the file with uloz().
    bool pridej();
    // The current record in edit state.
    bool uprav();
    // Writes the record being inserted or edited; nothing to do in browse state.
    bool uloz();
    // Drops the changes of the record being inserted or edited.
    void zrus();
    // Marks the current record deleted (an insert in progress is just dropped) and moves
    // to the next visible record, or to the previous one when it was the last.
    bool smaz();

    // Navigation over the visible records (not deleted, passing the filter). A record
    // being edited is posted first. After dalsi() past the last record jeKonec() is true
    // and the cursor stays on the last one.
    bool prvni();
    bool dalsi();
    bool jeKonec() const { return m_konec; }
    bool maZaznam() const { return m_stav == Stav::Vkladani || m_pozice >= 0; }
    // Visible records (not deleted, passing the filter).
    int pocet() const;
    // Records in the file including the deleted ones (the header's count).
    int pocetVeSouboru() const { return static_cast<int>(m_pocet); }

    // Reading a field of the current record. A blank field reads as "", 0 or an invalid
    // date. Text of a number is its shortest form with the workstation's decimal separator,
    // of a date "dd.MM.yyyy", of a character field without its trailing blanks. An unknown
    // field name reads as blank and sets chyba().
    QString text(const QString& jmeno) const;
    Desetinne cislo(const QString& jmeno) const;
    qint64 cele(const QString& jmeno) const;
    QDate datum(const QString& jmeno) const;
    bool jePrazdne(const QString& jmeno) const;

    // Writing a field of the record being inserted or edited. A value that does not fit is
    // refused with a message naming the field and the file (a text may be cut instead when
    // oriznout is set); so is a character that Windows-1250 cannot hold. Numbers are
    // rounded half away from zero to the field's decimals. Character fields take numbers
    // and dates in their text form.
    bool nastavText(const QString& jmeno, const QString& hodnota, bool oriznout = false);
    bool nastavCislo(const QString& jmeno, Desetinne hodnota);
    bool nastavCele(const QString& jmeno, qint64 hodnota);
    bool nastavDatum(const QString& jmeno, const QDate& hodnota);
    bool vymazPole(const QString& jmeno);

    // Copies every field of the record that has a column of the same name in the row
    // (case-insensitive); fields missing on either side are skipped, NULL gives a blank.
    bool kopirujRadek(const Vysledek& vysledek, int radek);

    // The one-field filter: "jmeno = 'hodnota'" (or double quotes); the field's text
    // without trailing blanks must equal the value exactly. Moves to the first record.
    bool nastavFiltr(const QString& vyraz);
    bool nastavFiltr(const QString& jmenoPole, const QString& hodnota);
    bool zrusFiltr();
    bool jeFiltr() const { return m_filtrPole >= 0; }

    QString chyba() const { return m_chyba; }

private:
    bool otevriSoubory(const QString& cesta, bool vytvorit);
    bool nactiStrukturu();
    bool nactiMemo();
    bool zkontrolujZaznamy();
    void uvolni();
    bool chybaZapisu(const QString& soubor);
    bool zapisHlavicku();
    bool nactiZaznam(qint64 i, QByteArray& cil) const;
    bool jeViditelny(const QByteArray& zaznam) const;
    qint64 najdi(qint64 od, int smer) const;
    bool najedNa(qint64 i);
    bool dokonci();
    void prazdnyZaznam();
    int polePro(const QString& jmeno) const;
    int poleProZapis(const QString& jmeno);
    QByteArray syrove(int i) const;
    void nastavSyrove(int i, const QByteArray& hodnota);
    bool nastavZnaky(int i, const QString& hodnota, bool oriznout);
    bool nastavCisloPole(int i, Desetinne hodnota);
    bool nastavTextCisla(int i, const QString& cislo);
    QByteArray memoBajty(int i) const;
    bool ctiMemo(quint32 blok, QByteArray& cil) const;
    bool zapisMemo(const QByteArray& data, quint32& blok);
    QString chybaPole(int i, const QString& co) const;

    int m_fd = -1;
    int m_fdMemo = -1;
    QString m_cesta;
    QString m_cestaMemo;
    QVector<DefinicePole> m_pole;
    QVector<int> m_posun;         // offset of each field in the record (after the flag)
    QHash<QString, int> m_indexy; // upper-case name -> index
    quint16 m_delkaHlavicky = 0;
    quint16 m_delkaZaznamu = 0;
    quint32 m_pocet = 0;     // records in the file (header's count)
    qint64 m_aktivnich = 0;  // records not deleted
    qint64 m_velikostMemo = 0;

    Stav m_stav = Stav::Zavrena;
    qint64 m_pozice = -1; // physical index of the current record, -1 = none
    bool m_konec = true;
    QByteArray m_zaznam;               // the current record as stored, flag included
    QHash<int, QByteArray> m_memoNove; // memo fields changed in the record being edited

    int m_filtrPole = -1;
    QByteArray m_filtrHodnota; // Windows-1250 bytes without trailing blanks

    mutable QString m_chyba;
};
