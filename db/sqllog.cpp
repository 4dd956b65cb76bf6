#include "sqllog.h"

#include "hodnoty.h"
#include "kodovani.h"
#include "soubory.h"

QString SqlLog::jmenoSouboru(const QDate& start) {
    return QStringLiteral("../sqllog/sm") + start.toString(QStringLiteral("yyyyMM")) +
           QStringLiteral(".log");
}

QString SqlLog::radek(const UdalostSql& u) {
    QString r = TextDatumCas(u.cas) + QStringLiteral(" cat: ") + u.kategorie +
                QStringLiteral(", proto: mysql, msg: ") + u.text;
    if (u.chyba)
        r += QStringLiteral(", errcode: ") + QString::number(u.kod) + QStringLiteral(", error: ") +
             u.zprava;
    return r;
}

void SqlLog::zapis(const UdalostSql& u) const {
    if (!m_zapnuto || m_soubor.isEmpty())
        return;
    // A log line that cannot be written must never stop the statement it describes.
    PripojKSouboru(m_soubor, DoCp1250Ztratove(radek(u)) + "\r\n");
}
