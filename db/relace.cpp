#include "relace.h"

#include "hodiny.h"
#include "hodnoty.h"
#include "kodovani.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSysInfo>
#include <QThread>

#ifndef SMESI_ADRESAR_HOST
#define SMESI_ADRESAR_HOST ""
#endif
#ifndef SMESI_ADRESAR_UZIVATEL
#define SMESI_ADRESAR_UZIVATEL ""
#endif
#ifndef SMESI_ADRESAR_HESLO
#define SMESI_ADRESAR_HESLO ""
#endif

AdresarovyServer AdresarovyServer::zeSestaveni() {
    AdresarovyServer a;
    a.host = QStringLiteral(SMESI_ADRESAR_HOST);
    a.uzivatel = QStringLiteral(SMESI_ADRESAR_UZIVATEL);
    a.heslo = QStringLiteral(SMESI_ADRESAR_HESLO);
    return a;
}

Relace::Relace() {
    uzivatelPocitace = UzivatelPocitace();
    jmenoPocitace = JmenoPocitace();
    m_spojeni.nastavMonitor([this](const UdalostSql& u) { m_log.zapis(u); });
}

namespace {
// The port text as an integer, with the message of a failed conversion.
bool PortZTextu(const QString& text, int* port, QString* chyba) {
    bool ok = false;
    int p = text.trimmed().toInt(&ok);
    if (!ok) {
        if (chyba)
            *chyba = QStringLiteral("'%1' není platné celé číslo.").arg(text);
        return false;
    }
    *port = p;
    return true;
}
} // namespace

bool Relace::UrciParametry(const IniSoubor& smesiIni, const IniSoubor& kavlinIni,
                           const QString& cisloPCzeSmesi, const AdresarovyServer& adresar,
                           QString* chyba) {
    NastaveniSpojeni n;
    ParametrySpojeni& p = n.parametry;
    const QString tf = QStringLiteral("TFmozno");
    p.host = smesiIni.cti(tf, QStringLiteral("EditIP_Text"), QStringLiteral("localhost"));
    if (p.host == QLatin1String("localhost")) {
        p.uzivatel = QStringLiteral("root");
        p.heslo.clear();
    }
    const QString lo = QStringLiteral("LogON");
    p.host = kavlinIni.cti(lo, QStringLiteral("IP"), p.host);
    p.uzivatel = kavlinIni.cti(lo, QStringLiteral("User"), p.uzivatel);
    p.heslo = kavlinIni.cti(lo, QStringLiteral("Password"), p.heslo);
    p.databaze = kavlinIni.cti(lo, QStringLiteral("Database"), QStringLiteral("kavlin"));
    n.sqlPort = kavlinIni.cti(lo, QStringLiteral("SQLport"), QStringLiteral("3306"));
    n.altPort = kavlinIni.cti(lo, QStringLiteral("OPENport"), QString());
    n.cisloPC = kavlinIni.cti(lo, QStringLiteral("CisloPC"), cisloPCzeSmesi);
    n.ico = kavlinIni.cti(lo, QStringLiteral("ICO"), QStringLiteral("-"));
    m_nastaveni = n;
    if (!PortZTextu(n.sqlPort, &p.port, chyba)) {
        m_nastaveni = n;
        return false;
    }

    if (n.ico != QLatin1String("-")) {
        // The lookup runs with the SQL log still off: it carries the directory's password.
        Spojeni adr;
        ParametrySpojeni ap;
        ap.host = adresar.host;
        ap.port = adresar.port;
        ap.uzivatel = adresar.uzivatel;
        ap.heslo = adresar.heslo;
        ap.databaze = adresar.databaze;
        if (!adr.pripoj(ap)) {
            if (chyba)
                *chyba = adr.chyba();
            return false;
        }
        Vysledek v;
        if (!adr.proved(QStringLiteral("select * from firmy") + QStringLiteral(" where ICO = ") +
                            SqlText(n.ico),
                        &v)) {
            if (chyba)
                *chyba = adr.chyba();
            return false;
        }
        adr.odpoj();
        // No row leaves the five values empty; the empty port then fails its conversion.
        p.host = v.text(0, QStringLiteral("host"));
        p.uzivatel = v.text(0, QStringLiteral("user"));
        p.heslo = v.text(0, QStringLiteral("pass"));
        p.databaze = v.text(0, QStringLiteral("database"));
        n.sqlPort = v.text(0, QStringLiteral("port"));
        m_nastaveni = n;
        if (!PortZTextu(n.sqlPort, &p.port, chyba))
            return false;
    }
    m_nastaveni = n;
    return true;
}

QString Relace::AuditStartu(const QString& cisloPC, const QString& stredisko,
                            const QString& modul) const {
    auto q = [](const QString& s) { return SqlEscape(s, QLatin1Char('"')); };
    return QStringLiteral("insert into historiem \n") + QStringLiteral("set modul = \"") +
           q(modul) + QStringLiteral("\", pc = \"") + q(cisloPC) +
           QStringLiteral("\", stredisko = \"") + q(stredisko) + QStringLiteral("\",\n") +
           QStringLiteral("datumcas = \"") + TextDatumCas(Hodiny::ted()) + QStringLiteral("\",\n") +
           QStringLiteral("ipadr = \"") + q(AdresaIP()) + QStringLiteral("\", computeruser = \"") +
           q(uzivatelPocitace) + QStringLiteral("\", computername = \"") + q(jmenoPocitace) +
           QStringLiteral("\",\n") + QStringLiteral("mdatumcas = \"") +
           TextDatumCas(DatumProgramu()) + QStringLiteral("\", mverze=\"") + q(VerzeProgramu()) +
           QStringLiteral("\"");
}

bool Relace::OtevriSpojeni(const QString& sqlPort, const QString& altPort, const QString& cisloPC,
                           const QString& stredisko, const QString& modul) {
    ParametrySpojeni p = m_nastaveni.parametry;
    int port = 0;
    if (!altPort.isEmpty() && PortZTextu(altPort, &port, nullptr)) {
        p.port = port;
        if (m_spojeni.pripoj(p) && m_spojeni.jePripojeno()) {
            // The open connection stays on the alternate port; the property goes back.
            PortZTextu(sqlPort, &m_nastaveni.parametry.port, nullptr);
            return false;
        }
    }
    if (!PortZTextu(sqlPort, &port, nullptr))
        return false;
    p.port = port;
    m_nastaveni.parametry.port = port;
    if (!m_spojeni.pripoj(p) || !m_spojeni.jePripojeno())
        return false;
    m_spojeni.proved(QStringLiteral("set @@session.sql_mode=\"\""));
    m_spojeni.proved(QStringLiteral("SET names cp1250;"));
    m_spojeni.proved(AuditStartu(cisloPC, stredisko, modul));
    return true;
}

VysledekSkriptu Relace::ProvedSkript(const OcekavanaChyba& ocekavana) {
    VysledekSkriptu v;
    const QStringList prikazy = m_skript.prikazy();
    int chybny = -1;
    // Two workstations posting over the same cards may deadlock, or one may wait too long
    // for the other's locks. The server has then undone the transaction (or the statement,
    // which the ROLLBACK completes), so the whole script is simply run again; only a
    // failure that persists takes the failure path.
    for (int pokus = 1;; ++pokus) {
        if (m_spojeni.provedVice(prikazy, &chybny, &v.vysledek))
            return v;
        const unsigned kod = m_spojeni.kodChyby();
        v.ocekavana = ocekavana && m_spojeni.jePripojeno() && chybny >= 0 &&
                      ocekavana(kod, prikazy.value(chybny));
        if (v.ocekavana || (kod != 1213 && kod != 1205) || pokus >= pokusuPriZablokovani ||
            !m_spojeni.jePripojeno())
            break;
        ++v.opakovani;
        m_spojeni.proved(QStringLiteral("ROLLBACK;"));
        QThread::msleep(
            static_cast<unsigned long>(QRandomGenerator::global()->bounded(50, 250) * pokus));
    }
    v.ok = false;
    v.chybnyPrikaz = chybny;
    v.chyba = m_spojeni.chyba();
    v.kod = m_spojeni.kodChyby();
    m_spojeni.proved(QStringLiteral("ROLLBACK;"));
    if (v.ocekavana)
        return v; // the caller answers it; the session stays

    QByteArray puvodni;
    {
        QFile f(souborChyb);
        if (f.open(QIODevice::ReadOnly))
            puvodni = f.readAll();
    }
    QStringList blok;
    blok << QString(57, QLatin1Char('-'))
         << QStringLiteral("Smesi ") + Hodiny::ted().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
         << QStringLiteral("radek ") + QString::number(chybny) << QStringLiteral("chyba ") + v.chyba
         << QStringLiteral("--");
    blok << m_skript.radky();
    QByteArray data = puvodni;
    if (!data.isEmpty() && !data.endsWith('\n'))
        data += "\r\n";
    data += DoCp1250Ztratove(blok.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
    QSaveFile f(souborChyb);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(data);
        f.commit();
    }
    m_spojeni.odpoj();
    return v;
}

QString SestavHistorieD(const QString& cisloPC, const QString& stredisko, const QString& modul,
                        const QString& typDokladu, const QString& cisloDokladu,
                        const QString& identifikator, const QString& misto, const QString& uzivatel,
                        const QString& pocitac) {
    auto q = [](const QString& s) { return SqlEscape(s, QLatin1Char('"')); };
    // A delivery note carries no user or computer, as the suite's other modules write it.
    const bool bezUzivatele = typDokladu == QLatin1String("DL");
    return QStringLiteral("insert into historied ") + QStringLiteral("set modul = \"") + q(modul) +
           QStringLiteral("\", pc = \"") + q(cisloPC) + QStringLiteral("\", stredisko = \"") +
           q(stredisko) + QStringLiteral("\",") + QStringLiteral("datumcas = \"") +
           TextDatumCas(Hodiny::ted()) + QStringLiteral("\",") + QStringLiteral("ipadr = \"") +
           q(AdresaIP()) + QStringLiteral("\", computeruser = \"") +
           (bezUzivatele ? QString() : q(uzivatel)) + QStringLiteral("\", computername = \"") +
           (bezUzivatele ? QString() : q(pocitac)) + QStringLiteral("\",") +
           QStringLiteral("mdatumcas = \"") + TextDatumCas(DatumProgramu()) +
           QStringLiteral("\", mverze=\"") + q(VerzeProgramu()) + QStringLiteral("\",") +
           QStringLiteral("doklad = \"") + q(typDokladu) + QStringLiteral("\", cislodokla=") +
           cisloDokladu + QStringLiteral(",") + QStringLiteral("misto=\"") + q(misto) +
           QStringLiteral("\",") + QStringLiteral("identifik=\"") + q(identifikator) +
           QStringLiteral("\"") + QStringLiteral(";");
}

QString SestavHistorieD(const QString& cisloPC, const QString& stredisko, const QString& modul,
                        const QString& typDokladu, const QString& cisloDokladu,
                        const QString& identifikator, const QString& misto) {
    return SestavHistorieD(cisloPC, stredisko, modul, typDokladu, cisloDokladu, identifikator,
                           misto, UzivatelPocitace(), JmenoPocitace());
}

QString AdresaIP(const QString& jmenoHostitele) {
    const QHostInfo info = QHostInfo::fromName(jmenoHostitele);
    for (const QHostAddress& a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    return QStringLiteral("255.255.255.255");
}

QString AdresaIP() {
    // Resolved once per run: the name service may be slow and the answer does not change.
    static const QString adresa = AdresaIP(QHostInfo::localHostName());
    return adresa;
}

QString VerzeProgramu() {
#if defined(SMESI_VERZE_MAJOR)
    return QString::asprintf("%d.%d.%d.%d", SMESI_VERZE_MAJOR, SMESI_VERZE_MINOR,
                             SMESI_VERZE_RELEASE, SMESI_VERZE_BUILD);
#else
    return QString::asprintf("%d.%d.%d.%d", -1, 0, 0, 0);
#endif
}

QDateTime DatumProgramu() {
    QString cesta =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    QFileInfo fi(cesta);
    if (cesta.isEmpty() || !fi.exists())
        return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    return fi.lastModified();
}

QString UzivatelPocitace() {
    QString u = qEnvironmentVariable("USER");
    if (u.isEmpty())
        u = qEnvironmentVariable("USERNAME");
    if (u.isEmpty())
        u = qEnvironmentVariable("LOGNAME");
    return u.isEmpty() ? QStringLiteral("(Unknown)") : u;
}

QString JmenoPocitace() {
    QString j = QSysInfo::machineHostName();
    return j.isEmpty() ? QStringLiteral("(Unknown)") : j;
}
