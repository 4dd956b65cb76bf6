#pragma once
// The one connection to the suite's database: a thin layer over MariaDB Connector/C.
// Statements travel as Windows-1250 text (client character set cp1250); a statement with
// a character that the code page cannot hold is refused before anything is sent.
#include "vysledek.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

struct st_mysql;

struct ParametrySpojeni {
    QString host = QStringLiteral("localhost");
    int port = 3306;
    QString databaze = QStringLiteral("kavlin");
    QString uzivatel = QStringLiteral("root");
    QString heslo;
    bool komprese = true;
    int casovyLimitS = 15;
};

struct UdalostSql {
    QDateTime cas;
    QString kategorie; // "Connect", "Disconnect", "Transaction", "Execute", "Other"
    QString text;
    bool chyba = false;
    unsigned kod = 0;
    QString zprava;
};

class Spojeni {
public:
    Spojeni();
    ~Spojeni();
    Spojeni(const Spojeni&) = delete;
    Spojeni& operator=(const Spojeni&) = delete;

    bool pripoj(const ParametrySpojeni& p);
    void odpoj();
    bool jePripojeno() const { return m_mysql != nullptr; }
    // The port of the open connection.
    int port() const { return m_port; }

    // One statement; the result set (if any) goes to *vysledek. A text that holds more than
    // one statement is refused before anything is sent.
    bool proved(const QString& sql, Vysledek* vysledek = nullptr);
    // Statements sent in one round trip. On failure *chybny is the index of the failing
    // statement; statements after it were not run. Results of the last statement that
    // returned rows go to *vysledek; *kazdy gets one result per statement that ran (empty
    // for a statement without rows).
    bool provedVice(const QStringList& prikazy, int* chybny, Vysledek* vysledek = nullptr,
                    QList<Vysledek>* kazdy = nullptr);
    // One statement with one binary parameter ("?"), sent as a bound parameter so the bytes
    // never enter SQL text or the log.
    bool provedSBinarnim(const QString& sql, const QByteArray& data);

    QString chyba() const { return m_chyba; }
    unsigned kodChyby() const { return m_kodChyby; }
    // Commands sent to the server since the connection was made (round trips).
    qint64 pocetPrikazu() const { return m_pocetPrikazu; }

    void nastavMonitor(std::function<void(const UdalostSql&)> m) { m_monitor = std::move(m); }

private:
    bool zakoduj(const QString& sql, QByteArray& b);
    bool nactiVysledek(Vysledek* vysledek, bool* meloPole);
    void zaznamenej(const QString& kategorie, const QString& text, bool chyba);
    void nastavChybu();

    st_mysql* m_mysql = nullptr;
    int m_port = 0;
    QString m_chyba;
    unsigned m_kodChyby = 0;
    qint64 m_pocetPrikazu = 0;
    std::function<void(const UdalostSql&)> m_monitor;
};

// The log category of a statement by its first word.
QString KategoriePrikazu(const QString& sql);
