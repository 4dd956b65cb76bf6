#pragma once
// The SQL log: every statement event, one entry appended at once to
// "../sqllog/sm" + yyyymm + ".log" (relative to the working directory).
#include "spojeni.h"

class SqlLog {
public:
    void nastavSoubor(const QString& cesta) { m_soubor = cesta; }
    const QString& soubor() const { return m_soubor; }
    void zapni(bool zapnuto) { m_zapnuto = zapnuto; }
    bool jeZapnuto() const { return m_zapnuto; }
    void zapis(const UdalostSql& u) const;
    static QString radek(const UdalostSql& u);
    static QString jmenoSouboru(const QDate& start);

private:
    QString m_soubor;
    bool m_zapnuto = false;
};
