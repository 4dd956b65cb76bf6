#include "sled.h"

#include "hodiny.h"
#include "kodovani.h"
#include "soubory.h"

#include <QSaveFile>

void Sled::UklidStarych(const QString& adresarProgramu, const QDate& dnes) {
    for (int dni : {40, 60})
        SmazSoubory(adresarProgramu + QStringLiteral("err/sm") +
                    dnes.addDays(-dni).toString(QStringLiteral("yyMM")) + QStringLiteral("*.txt"));
}

void Sled::zacni(const QString& adresarProgramu) {
    QDateTime ted = Hodiny::ted();
    UklidStarych(adresarProgramu, ted.date());
    m_soubor = adresarProgramu + QStringLiteral("err/sm") +
               ted.toString(QStringLiteral("yyMMddHHmmss")) + QStringLiteral(".txt");
    m_radky.clear();
    ZapisSled(1);
}

void Sled::ZapisSled(int kod) {
    if (m_soubor.isEmpty())
        return;
    m_radky << QString::number(kod) + QLatin1Char(' ') +
                   Hodiny::ted().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    uloz();
}

void Sled::ukonci() {
    if (m_soubor.isEmpty())
        return;
    ZapisSled(999);
    m_soubor.clear();
    m_radky.clear();
}

void Sled::uloz() const {
    QSaveFile f(m_soubor);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(DoCp1250Ztratove(m_radky.join(QLatin1String("\r\n")) + QLatin1String("\r\n")));
    f.commit();
}
