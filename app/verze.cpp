#include "verze.h"

#include "dotaz.h"
#include "kodovani.h"
#include "maleoperace.h"
#include "moduly.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>

#include <curl/curl.h>
#include <mutex>

#ifndef SMESI_FTP_HOST
#define SMESI_FTP_HOST ""
#endif
#ifndef SMESI_FTP_HESLO
#define SMESI_FTP_HESLO ""
#endif

ServerAktualizaci ServerAktualizaci::vestaveny() {
    ServerAktualizaci s;
    s.host = QString::fromUtf8(SMESI_FTP_HOST);
    s.heslo = QString::fromUtf8(SMESI_FTP_HESLO);
    return s;
}

ServerAktualizaci ServerAktualizaci::zIni(const IniSoubor& kavlinIni) {
    const QString sekce = QStringLiteral("LogON");
    ServerAktualizaci s = vestaveny();
    s.host = kavlinIni.cti(sekce, QStringLiteral("_FTP"), s.host);
    s.uzivatel = kavlinIni.cti(sekce, QStringLiteral("_FTPuser"), s.uzivatel);
    s.heslo = kavlinIni.cti(sekce, QStringLiteral("_FTPpassword"), s.heslo);
    bool ok = false;
    const int port =
        kavlinIni.cti(sekce, QStringLiteral("_FTPport"), QStringLiteral("21")).trimmed().toInt(&ok);
    s.port = ok && port > 0 && port < 65536 ? port : 0;
    // "false", "0" or "no" keep passive transfer: the suite's other modules switch it
    // off for exactly "False" and nothing else.
    s.pasivne = kavlinIni.cti(sekce, QStringLiteral("_FTPpassive"), QStringLiteral("True")) !=
                QStringLiteral("False");
    return s;
}

QString AdresarAktualizaci() {
    return QStringLiteral("vortek/kavlin05");
}

QString RazitkoZeSouboruVerze(const QString& obsah) {
    static const QRegularExpression konecRadku(QStringLiteral("\r\n|\r|\n"));
    const QStringList radky = obsah.split(konecRadku);
    if (radky.size() < 2)
        return {};
    const QStringList pole = radky.at(1).split(QLatin1Char('\t'));
    if (pole.size() < 3)
        return {};
    return pole.at(2).left(19);
}

QString MistniRazitko(const QString& soubor) {
    QFileInfo fi(soubor);
    if (soubor.isEmpty() || !fi.exists())
        return {};
    return fi.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString RazitkoBezOddelovacu(const QString& razitko) {
    QString s = razitko;
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('-'));
    s.remove(QLatin1Char(':'));
    return s;
}

bool JeNovejsiVerze(const QString& vzdalene, const QString& mistni) {
    static const QRegularExpression ctrnactCislic(QStringLiteral("^[0-9]{14}$"));
    const QString v = RazitkoBezOddelovacu(vzdalene);
    if (!ctrnactCislic.match(v).hasMatch())
        return false;
    return v > RazitkoBezOddelovacu(mistni);
}

namespace {

void InicializujCurl() {
    static std::once_flag jednou;
    std::call_once(jednou, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t ZapisDoZarizeni(char* data, size_t velikost, size_t pocet, void* cil) {
    auto* zarizeni = static_cast<QIODevice*>(cil);
    const qint64 n = static_cast<qint64>(velikost * pocet);
    // A short count makes libcurl abort the transfer with a write error.
    return zarizeni->write(data, n) == n ? static_cast<size_t>(n) : 0;
}

// One FTP session: libcurl keeps the control connection between the two downloads and
// closes it when the handle is cleaned up.
class SpojeniFtp {
public:
    explicit SpojeniFtp(const ServerAktualizaci& s) : m_server(s) {
        InicializujCurl();
        m_curl = curl_easy_init();
    }
    ~SpojeniFtp() {
        if (m_curl)
            curl_easy_cleanup(m_curl);
    }
    SpojeniFtp(const SpojeniFtp&) = delete;
    SpojeniFtp& operator=(const SpojeniFtp&) = delete;

    // Downloads adresar/soubor into the device; false with *chyba set on any failure.
    bool stahni(const QString& adresar, const QString& soubor, QIODevice* cil, QString* chyba) {
        if (!m_curl) {
            *chyba = QStringLiteral("libcurl nelze inicializovat");
            return false;
        }
        if (m_server.port == 0 || m_server.host.isEmpty()) {
            *chyba = QStringLiteral("neplatná adresa serveru");
            return false;
        }
        QString host = m_server.host;
        if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('[')))
            host = QLatin1Char('[') + host + QLatin1Char(']');
        QByteArray cesta;
        for (const QString& cast : adresar.split(QLatin1Char('/'), Qt::SkipEmptyParts))
            cesta += QUrl::toPercentEncoding(cast) + '/';
        cesta += QUrl::toPercentEncoding(soubor);
        const QByteArray url =
            "ftp://" + host.toUtf8() + ':' + QByteArray::number(m_server.port) + '/' + cesta;
        const QByteArray uzivatel = m_server.uzivatel.toUtf8();
        const QByteArray heslo = m_server.heslo.toUtf8();
        char chybaCurl[CURL_ERROR_SIZE] = {};

        curl_easy_setopt(m_curl, CURLOPT_URL, url.constData());
        curl_easy_setopt(m_curl, CURLOPT_USERNAME, uzivatel.constData());
        curl_easy_setopt(m_curl, CURLOPT_PASSWORD, heslo.constData());
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, chybaCurl);
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 1L);
        // "TYPE I": the setup program must arrive byte for byte.
        curl_easy_setopt(m_curl, CURLOPT_TRANSFERTEXT, 0L);
        curl_easy_setopt(m_curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_MULTICWD));
        if (m_server.pasivne) {
            curl_easy_setopt(m_curl, CURLOPT_FTPPORT, static_cast<char*>(nullptr));
            curl_easy_setopt(m_curl, CURLOPT_FTP_USE_EPSV, 1L);
        } else {
            // Active mode announces the address of the control connection, which is the
            // one the server can reach back.
            curl_easy_setopt(m_curl, CURLOPT_FTPPORT, "-");
        }
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(m_server.casPripojeni));
        curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                         static_cast<long>(m_server.casOdpovedi));
        curl_easy_setopt(m_curl, CURLOPT_ACCEPTTIMEOUT_MS, 1000L * m_server.casOdpovedi);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME,
                         static_cast<long>(m_server.casPomalehoPrenosu));
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &ZapisDoZarizeni);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, static_cast<void*>(cil));

        const CURLcode kod = curl_easy_perform(m_curl);
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, static_cast<char*>(nullptr));
        if (kod != CURLE_OK) {
            *chyba = QString::fromUtf8(chybaCurl[0] ? chybaCurl : curl_easy_strerror(kod));
            return false;
        }
        return true;
    }

private:
    ServerAktualizaci m_server;
    CURL* m_curl = nullptr;
};

QString SlozkaSeSeparatorem(QString d) {
    if (!d.isEmpty() && !d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

} // namespace

QString PorovnejVerzi(const ServerAktualizaci& server, const PorovnaniVerze& p, QString* chyba) {
    QString mojeChyba;
    QString& ch = chyba ? *chyba : mojeChyba;
    ch.clear();
    const QString cil =
        SlozkaSeSeparatorem(p.cilovyAdresar.isEmpty() ? QDir::currentPath() : p.cilovyAdresar);
    SpojeniFtp ftp(server);

    QBuffer obsahVerze;
    obsahVerze.open(QIODevice::WriteOnly);
    if (!ftp.stahni(AdresarAktualizaci(), p.souborVerze, &obsahVerze, &ch))
        return QStringLiteral("E");
    // The version file is kept under its own name, as the suite's other modules do; a
    // failure to keep it does not spoil the comparison.
    if (QSaveFile f(cil + p.souborVerze); f.open(QIODevice::WriteOnly)) {
        f.write(obsahVerze.data());
        f.commit();
    }

    const QString vzdalene = RazitkoZeSouboruVerze(ZCp1250(obsahVerze.data()));
    const QString mistni = MistniRazitko(
        p.mistniSoubor.isEmpty() ? QCoreApplication::applicationFilePath() : p.mistniSoubor);
    const QString log =
        p.logVerze.isEmpty() ? AdresarProgramu() + QStringLiteral("verze.log") : p.logVerze;
    if (QSaveFile f(log); f.open(QIODevice::WriteOnly)) {
        f.write(DoCp1250Ztratove(QStringLiteral("Verze programu: ") + mistni +
                                 QStringLiteral("\r\nVerze internet: ") + vzdalene +
                                 QStringLiteral("\r\n")));
        f.commit();
    }

    if (!JeNovejsiVerze(vzdalene, mistni))
        return QStringLiteral("N");
    if (p.souborSetup.isEmpty())
        return QStringLiteral("A");
    // Written aside and renamed only when complete, so a cut-off download never leaves a
    // truncated setup program to be started.
    QSaveFile setup(cil + p.souborSetup);
    if (!setup.open(QIODevice::WriteOnly)) {
        ch = setup.errorString();
        return QStringLiteral("E");
    }
    if (!ftp.stahni(AdresarAktualizaci(), p.souborSetup, &setup, &ch)) {
        setup.cancelWriting();
        return QStringLiteral("E");
    }
    if (!setup.commit()) {
        ch = setup.errorString();
        return QStringLiteral("E");
    }
    // The setup program is started from here; on this platform it needs the right to run.
    QFile::setPermissions(cil + p.souborSetup, QFile::permissions(cil + p.souborSetup) |
                                                   QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return QStringLiteral("A");
}

namespace {

QString AdresarZMist(const MistaVerze& m) {
    return m.adresarProgramu.isEmpty() ? AdresarProgramu() : SlozkaSeSeparatorem(m.adresarProgramu);
}

// A sibling module against its version file on the built-in server; silent on "N" and
// "E", a warning on "A".
void KontrolaModulu(const QString& program, const QString& souborVerze, const QString& zprava,
                    const ServerAktualizaci& server, const Prubeh& pracuji,
                    const MistaVerze& mista) {
    if (!ModulExistuje(program))
        return;
    if (pracuji)
        pracuji(QStringLiteral("Kavlin05 - kontrola nové verze"));
    PorovnaniVerze p;
    p.souborVerze = souborVerze;
    p.mistniSoubor = AdresarZMist(mista) + program;
    p.logVerze = AdresarZMist(mista) + QStringLiteral("verze.log");
    const QString odpoved = PorovnejVerzi(server, p);
    if (pracuji)
        pracuji(QString());
    if (odpoved == QStringLiteral("A"))
        dotaz(zprava, Ikona::Stop);
}

} // namespace

PoKontrole KontrolaNoveVerze(const IniSoubor& kavlinIni, const Prubeh& uvodniOkno,
                             const Prubeh& pracuji, const MistaVerze& mista) {
    const bool naUvodnim = static_cast<bool>(uvodniOkno);
    if (naUvodnim)
        uvodniOkno(QStringLiteral("kontrola nové verze"));
    else if (pracuji)
        pracuji(QStringLiteral("Kavlin05 - kontrola nové verze"));

    const QString adresar = AdresarZMist(mista);
    PorovnaniVerze p;
    p.souborVerze = QStringLiteral("setupkv.ver");
    p.souborSetup = QStringLiteral("setupkv.exe");
    p.mistniSoubor = mista.program;
    p.logVerze = adresar + QStringLiteral("verze.log");
    const QString odpoved = PorovnejVerzi(ServerAktualizaci::zIni(kavlinIni), p);
    if (!naUvodnim && pracuji)
        pracuji(QString());

    if (odpoved == QStringLiteral("A")) {
        dotaz(QStringLiteral("Nyní bude aktualizován program Směsi.\rNutný restart programu!"),
              Ikona::Informace);
        // The program ends whether or not the setup could be started: the new version
        // is on disk and the user was told to restart.
        SpustProces(QStringLiteral("setupkv.exe /DIR=\"") + adresar + QLatin1Char('"'), false);
        return PoKontrole::UkoncitProgram;
    }
    if (odpoved == QStringLiteral("E")) {
        dotaz(QStringLiteral("Chyba připojení."), Ikona::Stop);
    } else if (naUvodnim) {
        uvodniOkno(QStringLiteral("kontrola nové verze - není nová verze"));
        Cekej(1500);
    } else {
        dotaz(QStringLiteral("Není nová verze."), Ikona::Informace);
    }
    return PoKontrole::Pokracovat;
}

PoKontrole DenniKontrolaVerzi(const IniSoubor& kavlinIni, bool testVerze, const Prubeh& uvodniOkno,
                              const Prubeh& pracuji, const MistaVerze& mista,
                              const ServerAktualizaci& vestaveny) {
    // Asked first and always, so that today counts as checked even with the check off.
    if (DnesUzSpusteno(QStringLiteral("smesi")) || !testVerze)
        return PoKontrole::Pokracovat;
    KontrolaModulu(QStringLiteral("grem.exe"), QStringLiteral("setupgrem.ver"),
                   QStringLiteral("POZOR nutná aktualizace modulu\rSKL - skladová karta"),
                   vestaveny, pracuji, mista);
    KontrolaModulu(QStringLiteral("hurn.exe"), QStringLiteral("setuphurn.ver"),
                   QStringLiteral("POZOR nutná aktualizace modulu\rKA - kalkulace"), vestaveny,
                   pracuji, mista);
    return KontrolaNoveVerze(kavlinIni, uvodniOkno, pracuji, mista);
}
