// The version check against a real FTP server on loopback (pyftpdlib, started per test
// with its own root), the stand-in setup program and the messages of the checks.
#include "dotaz.h"
#include "hodiny.h"
#include "ini.h"
#include "testdb.h"
#include "verze.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <memory>

namespace {

const QString kHeslo = QStringLiteral("tajne-heslo");

QString Interpret() {
    // The system interpreter carries the Debian package; a python3 earlier in PATH may not.
    for (const QString& p : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess z;
        z.start(p, {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")});
        if (z.waitForFinished(20000) && z.exitStatus() == QProcess::NormalExit && z.exitCode() == 0)
            return p;
    }
    return {};
}

QByteArray Precti(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Zapis(const QString& cesta, const QByteArray& data) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << cesta.toStdString();
    f.write(data);
}

void ZapisSCasem(const QString& cesta, const QDateTime& cas) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("MZ program");
    f.flush(); // a later flush would move the time again
    ASSERT_TRUE(f.setFileTime(cas, QFileDevice::FileModificationTime));
}

QByteArray SouborVerze(const char* razitko) {
    return QByteArray("Kavlin05 - aktualizace\r\nsetupkv.exe\t5.26.12.1\t") + razitko +
           "\t1843200\r\n";
}

// Waits for a stand-in's record line (it writes the line in pieces).
QString CekejNaZaznam(const QString& cesta) {
    for (int i = 0; i < 200; ++i) {
        const QByteArray b = Precti(cesta);
        if (b.endsWith('\n'))
            return QString::fromUtf8(b);
        QThread::msleep(50);
    }
    return QString::fromUtf8(Precti(cesta));
}

class FtpServer {
public:
    FtpServer() : m_koren(TestTmpDir()), m_log(TestTmpDir() + QStringLiteral("prikazy.log")) {
        QDir().mkpath(m_koren + QStringLiteral("vortek/kavlin05"));
    }
    ~FtpServer() {
        if (m_proces) {
            m_proces->kill();
            m_proces->waitForFinished(5000);
        }
    }
    // Starts the server; extra options of tools/ftp-test-server.py may be given.
    bool spust(const QStringList& volby = {}) {
        const QString python = Interpret();
        if (python.isEmpty()) {
            m_chyba = "no python3 with pyftpdlib (package python3-pyftpdlib)";
            return false;
        }
        m_proces = std::make_unique<QProcess>();
        m_proces->setProcessChannelMode(QProcess::SeparateChannels);
        m_proces->start(python,
                        QStringList{TestToolsDir() + QStringLiteral("/ftp-test-server.py"),
                                    QStringLiteral("--root"), m_koren, QStringLiteral("--password"),
                                    kHeslo, QStringLiteral("--log"), m_log} +
                            volby);
        QByteArray radek;
        for (int i = 0; i < 100 && !radek.contains('\n'); ++i) {
            m_proces->waitForReadyRead(100);
            radek += m_proces->readAllStandardOutput();
            if (m_proces->state() == QProcess::NotRunning)
                break;
        }
        m_port = radek.trimmed().toInt();
        if (m_port <= 0)
            m_chyba = "server did not start: " + m_proces->readAllStandardError().toStdString();
        return m_port > 0;
    }
    void zverejni(const QString& soubor, const QByteArray& data) const {
        Zapis(m_koren + QStringLiteral("vortek/kavlin05/") + soubor, data);
    }
    ServerAktualizaci server() const {
        ServerAktualizaci s;
        s.host = QStringLiteral("127.0.0.1");
        s.port = m_port;
        s.uzivatel = QStringLiteral("vortek");
        s.heslo = kHeslo;
        s.casPripojeni = 5;
        s.casOdpovedi = 5;
        s.casPomalehoPrenosu = 5;
        return s;
    }
    // The commands the server received, one a line.
    QStringList prikazy() const {
        return QString::fromUtf8(Precti(m_log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    int port() const { return m_port; }
    const std::string& chyba() const { return m_chyba; }

private:
    QString m_koren;
    QString m_log;
    std::unique_ptr<QProcess> m_proces;
    int m_port = 0;
    std::string m_chyba;
};

// Commands whose name is one of the given ones.
int Pocet(const QStringList& prikazy, const QStringList& jmena) {
    int n = 0;
    for (const QString& p : prikazy)
        if (jmena.contains(p.section(QLatin1Char(' '), 0, 0)))
            ++n;
    return n;
}

class PevnyDen {
public:
    explicit PevnyDen(QDate d) { nastav(d); }
    ~PevnyDen() { Hodiny::nastav({}); }
    void nastav(QDate d) {
        Hodiny::nastav([d] { return QDateTime(d, QTime(7, 30)); });
    }
};

class PracovniAdresar {
public:
    explicit PracovniAdresar(const QString& d) : m_puvodni(QDir::currentPath()) {
        QDir::setCurrent(d);
    }
    ~PracovniAdresar() { QDir::setCurrent(m_puvodni); }

private:
    QString m_puvodni;
};

struct Zaznamy {
    QList<ZaznamDotazu> dotazy;
    QStringList pracuji;
    QStringList uvodni;
    Zaznamy() {
        NastavOdpovidac([this](const ZaznamDotazu& z) {
            dotazy.append(z);
            return 1;
        });
    }
    ~Zaznamy() { NastavOdpovidac({}); }
    Prubeh pracujiFn() {
        return [this](const QString& t) { pracuji.append(t); };
    }
    Prubeh uvodniFn() {
        return [this](const QString& t) { uvodni.append(t); };
    }
};

class VerzeFtp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ftp.spust()) << ftp.chyba();
        dir = TestTmpDir();
        program = dir + QStringLiteral("smesi");
        ZapisSCasem(program, QDateTime(QDate(2026, 12, 1), QTime(8, 5, 9)));
        p.souborVerze = QStringLiteral("setupkv.ver");
        p.mistniSoubor = program;
        p.logVerze = dir + QStringLiteral("verze.log");
        p.cilovyAdresar = dir;
    }
    FtpServer ftp;
    QString dir;
    QString program;
    PorovnaniVerze p;
};

} // namespace

TEST_F(VerzeFtp, StejneRazitkoNeniNovaVerze) {
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2026-12-01 08:05:09"));
    ftp.zverejni(QStringLiteral("setupkv.exe"), "MZ");
    p.souborSetup = QStringLiteral("setupkv.exe");
    EXPECT_EQ(PorovnejVerzi(ftp.server(), p), QStringLiteral("N"));
    EXPECT_EQ(Precti(p.logVerze), QByteArray("Verze programu: 2026-12-01 08:05:09\r\n"
                                             "Verze internet: 2026-12-01 08:05:09\r\n"));
    // The version file is kept under its own name; the setup program is not fetched.
    EXPECT_EQ(Precti(dir + QStringLiteral("setupkv.ver")), SouborVerze("2026-12-01 08:05:09"));
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("setupkv.exe")));
    EXPECT_EQ(Pocet(ftp.prikazy(), {QStringLiteral("RETR")}), 1);
}

TEST_F(VerzeFtp, NovejsiStahneSetupBajtPoBajtu) {
    // Line ends and bytes that a text-mode transfer would change or stop at.
    QByteArray setup("MZ\x90\x00\x03\r\n\n\r\x1a\xff\xfe", 13);
    for (int i = 0; i < 70000; ++i)
        setup.append(static_cast<char>((i * 7919) & 0xff));
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2026-12-01 08:05:10"));
    ftp.zverejni(QStringLiteral("setupkv.exe"), setup);
    p.souborSetup = QStringLiteral("setupkv.exe");
    EXPECT_EQ(PorovnejVerzi(ftp.server(), p), QStringLiteral("A"));
    EXPECT_EQ(Precti(dir + QStringLiteral("setupkv.exe")), setup);
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("setupkv.exe")).isExecutable());
    const QStringList c = ftp.prikazy();
    // One session: the server directory, binary type, both files, no second login.
    EXPECT_EQ(Pocet(c, {QStringLiteral("USER")}), 1);
    EXPECT_TRUE(c.contains(QStringLiteral("CWD vortek")));
    EXPECT_TRUE(c.contains(QStringLiteral("CWD kavlin05")));
    EXPECT_TRUE(c.contains(QStringLiteral("TYPE I")));
    EXPECT_FALSE(c.contains(QStringLiteral("TYPE A")));
    EXPECT_TRUE(c.contains(QStringLiteral("RETR setupkv.ver")));
    EXPECT_TRUE(c.contains(QStringLiteral("RETR setupkv.exe")));
}

TEST_F(VerzeFtp, ChybejiciMistniProgramJeVzdyStarsi) {
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2001-01-01 00:00:00"));
    p.mistniSoubor = dir + QStringLiteral("grem.exe");
    EXPECT_EQ(PorovnejVerzi(ftp.server(), p), QStringLiteral("A"));
    EXPECT_EQ(Precti(p.logVerze),
              QByteArray("Verze programu: \r\nVerze internet: 2001-01-01 00:00:00\r\n"));
}

TEST_F(VerzeFtp, PoskozenySouborVerzeNeniNovaVerze) {
    struct Pripad {
        const char* nazev;
        QByteArray obsah;
        QByteArray vzdalene; // as verze.log shows it
    };
    const Pripad pripady[] = {
        {"one line", "setupkv.exe\t5.26.12.1\t2099-01-01 00:00:00\r\n", ""},
        {"two fields", "x\r\nsetupkv.exe\t2099-01-01 00:00:00\r\n", ""},
        // Windows-1250 text where the stamp belongs; letters would sort above any digit.
        {"garbage stamp", "x\r\nsetupkv.exe\t5.26\tnov\xe9 vyd\xe1n\xed brzy\r\n",
         "nov\xe9 vyd\xe1n\xed brzy"},
        {"empty", "", ""},
    };
    ftp.zverejni(QStringLiteral("setupkv.exe"), "MZ");
    p.souborSetup = QStringLiteral("setupkv.exe");
    for (const Pripad& c : pripady) {
        ftp.zverejni(QStringLiteral("setupkv.ver"), c.obsah);
        EXPECT_EQ(PorovnejVerzi(ftp.server(), p), QStringLiteral("N")) << c.nazev;
        EXPECT_EQ(Precti(p.logVerze),
                  "Verze programu: 2026-12-01 08:05:09\r\nVerze internet: " + c.vzdalene + "\r\n")
            << c.nazev;
        EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("setupkv.exe"))) << c.nazev;
    }
}

TEST_F(VerzeFtp, SelhaniDavaE) {
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2099-01-01 00:00:00"));
    ftp.zverejni(QStringLiteral("setupkv.exe"), QByteArray(100000, 'x'));
    p.souborSetup = QStringLiteral("setupkv.exe");
    QString chyba;

    ServerAktualizaci spatneHeslo = ftp.server();
    spatneHeslo.heslo = QStringLiteral("jine");
    EXPECT_EQ(PorovnejVerzi(spatneHeslo, p, &chyba), QStringLiteral("E")) << "login refused";
    EXPECT_FALSE(chyba.isEmpty());

    PorovnaniVerze chybi = p;
    chybi.souborVerze = QStringLiteral("setupgrem.ver");
    EXPECT_EQ(PorovnejVerzi(ftp.server(), chybi), QStringLiteral("E")) << "version file missing";
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("setupgrem.ver")));

    ServerAktualizaci spatnyPort = ftp.server();
    spatnyPort.port = 0; // "_FTPport" was not a number
    EXPECT_EQ(PorovnejVerzi(spatnyPort, p), QStringLiteral("E"));
    // Nothing was fetched, so neither comparison wrote verze.log.
    EXPECT_FALSE(QFileInfo::exists(p.logVerze));
}

TEST_F(VerzeFtp, SetupPreruseny) {
    FtpServer preruseny;
    ASSERT_TRUE(preruseny.spust({QStringLiteral("--cut"), QStringLiteral("setupkv.exe")}))
        << preruseny.chyba();
    preruseny.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2099-01-01 00:00:00"));
    preruseny.zverejni(QStringLiteral("setupkv.exe"), QByteArray(100000, 'x'));
    Zapis(dir + QStringLiteral("setupkv.exe"), "the previous setup");
    p.souborSetup = QStringLiteral("setupkv.exe");
    QString chyba;
    EXPECT_EQ(PorovnejVerzi(preruseny.server(), p, &chyba), QStringLiteral("E"));
    EXPECT_FALSE(chyba.isEmpty());
    // The half that arrived never replaces a complete file.
    EXPECT_EQ(Precti(dir + QStringLiteral("setupkv.exe")), QByteArray("the previous setup"));
    EXPECT_EQ(QDir(dir).entryList({QStringLiteral("setupkv.exe*")}, QDir::Files),
              QStringList{QStringLiteral("setupkv.exe")});
    // The version file had been fetched: the comparison is logged.
    EXPECT_TRUE(Precti(p.logVerze).startsWith("Verze programu: "));
}

TEST(VerzeBezServeru, NedostupnyANemyServerDavajiEBezVisnuti) {
    PorovnaniVerze p;
    p.souborVerze = QStringLiteral("setupkv.ver");
    p.cilovyAdresar = TestTmpDir();
    p.logVerze = p.cilovyAdresar + QStringLiteral("verze.log");
    ServerAktualizaci s;
    s.host = QStringLiteral("127.0.0.1");
    s.casPripojeni = 2;
    s.casOdpovedi = 2;

    // A port nobody listens on: refused at once.
    {
        QTcpServer volny;
        ASSERT_TRUE(volny.listen(QHostAddress::LocalHost));
        s.port = volny.serverPort();
    }
    EXPECT_EQ(PorovnejVerzi(s, p), QStringLiteral("E"));

    // A server that accepts the connection and never greets: the time-outs end it.
    QTcpServer nemy;
    ASSERT_TRUE(nemy.listen(QHostAddress::LocalHost));
    s.port = nemy.serverPort();
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(PorovnejVerzi(s, p), QStringLiteral("E"));
    EXPECT_LT(t.elapsed(), 10000);
    EXPECT_FALSE(QFileInfo::exists(p.logVerze));
}

TEST_F(VerzeFtp, PasivniRezimJenBezPresnehoFalse) {
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2026-12-01 08:05:09"));
    const QString iniCesta = dir + QStringLiteral("Kavlin05.ini");
    IniSoubor ini(iniCesta);
    const QString logon = QStringLiteral("LogON");
    ini.zapis(logon, QStringLiteral("_FTP"), QStringLiteral("127.0.0.1"));
    ini.zapis(logon, QStringLiteral("_FTPport"), QString::number(ftp.port()));
    ini.zapis(logon, QStringLiteral("_FTPpassword"), kHeslo);
    struct Pripad {
        const char* hodnota; // nullptr: key absent
        bool pasivne;
    };
    for (const Pripad& c : {Pripad{nullptr, true}, Pripad{"false", true}, Pripad{"True", true},
                            Pripad{"False", false}}) {
        if (c.hodnota)
            ini.zapis(logon, QStringLiteral("_FTPpassive"), QString::fromUtf8(c.hodnota));
        const int predtim = static_cast<int>(ftp.prikazy().size());
        EXPECT_EQ(PorovnejVerzi(ServerAktualizaci::zIni(ini), p), QStringLiteral("N"))
            << (c.hodnota ? c.hodnota : "absent");
        const QStringList nove = ftp.prikazy().mid(predtim);
        const int pasivni = Pocet(nove, {QStringLiteral("PASV"), QStringLiteral("EPSV")});
        const int aktivni = Pocet(nove, {QStringLiteral("PORT"), QStringLiteral("EPRT")});
        const char* jak = c.hodnota ? c.hodnota : "absent";
        if (c.pasivne) {
            EXPECT_GE(pasivni, 1) << jak;
            EXPECT_EQ(aktivni, 0) << jak;
        } else {
            EXPECT_EQ(pasivni, 0) << jak;
            EXPECT_GE(aktivni, 1) << jak;
        }
    }
}

// "Kontrola nové verze" from the menu and during the start.
class KontrolaVerze : public VerzeFtp {
protected:
    void SetUp() override {
        VerzeFtp::SetUp();
        qunsetenv("SMESI_ZAZNAM");
        // A program directory with a blank, to see the quotes of "/DIR=" hold it together.
        programDir = dir + QStringLiteral("Kavlin05 smesi/");
        QDir().mkpath(programDir);
        prac = dir + QStringLiteral("prac/");
        QDir().mkpath(prac);
        IniSoubor ini(prac + QStringLiteral("Kavlin05.ini"));
        const QString logon = QStringLiteral("LogON");
        ini.zapis(logon, QStringLiteral("_FTP"), QStringLiteral("127.0.0.1"));
        ini.zapis(logon, QStringLiteral("_FTPport"), QString::number(ftp.port()));
        ini.zapis(logon, QStringLiteral("_FTPpassword"), kHeslo);
        mista.adresarProgramu = programDir;
        mista.program = program;
    }
    IniSoubor kavlin() const { return IniSoubor(prac + QStringLiteral("Kavlin05.ini")); }
    QString programDir;
    QString prac;
    MistaVerze mista;
};

TEST_F(KontrolaVerze, NovaVerzeSpustiStazenySetupAKonci) {
    // The stand-in setup program itself is published; it records how it was started.
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2099-01-01 00:00:00"));
    ftp.zverejni(QStringLiteral("setupkv.exe"),
                 Precti(TestToolsDir() + QStringLiteral("/setupkv.exe")));
    PracovniAdresar pa(prac);
    Zaznamy z;
    EXPECT_EQ(KontrolaNoveVerze(kavlin(), {}, z.pracujiFn(), mista), PoKontrole::UkoncitProgram);
    ASSERT_EQ(z.dotazy.size(), 1);
    EXPECT_EQ(z.dotazy[0].text,
              QStringLiteral("Nyní bude aktualizován program Směsi.\rNutný restart programu!"));
    EXPECT_EQ(z.dotazy[0].tlacitka, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(z.dotazy[0].ikona, Ikona::Informace);
    EXPECT_EQ(z.pracuji,
              (QStringList{QStringLiteral("Kavlin05 - kontrola nové verze"), QString()}));
    // Started from the working directory, where it was downloaded, with the program
    // directory (its trailing separator included) as one argument.
    EXPECT_EQ(CekejNaZaznam(prac + QStringLiteral("setupkv.exe.log")),
              QStringLiteral("setupkv.exe /DIR=") + programDir + QStringLiteral("\n"));
    EXPECT_TRUE(Precti(programDir + QStringLiteral("verze.log"))
                    .endsWith("Verze internet: 2099-01-01 00:00:00\r\n"));
}

TEST_F(KontrolaVerze, NeniNovaVerzeZMenuAPriStartu) {
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2001-01-01 00:00:00"));
    PracovniAdresar pa(prac);
    {
        Zaznamy z;
        EXPECT_EQ(KontrolaNoveVerze(kavlin(), {}, z.pracujiFn(), mista), PoKontrole::Pokracovat);
        ASSERT_EQ(z.dotazy.size(), 1);
        EXPECT_EQ(z.dotazy[0].text, QStringLiteral("Není nová verze."));
        EXPECT_EQ(z.dotazy[0].ikona, Ikona::Informace);
        EXPECT_EQ(z.pracuji,
                  (QStringList{QStringLiteral("Kavlin05 - kontrola nové verze"), QString()}));
    }
    {
        // With the splash up the outcome is written on it and nothing else opens.
        Zaznamy z;
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(KontrolaNoveVerze(kavlin(), z.uvodniFn(), z.pracujiFn(), mista),
                  PoKontrole::Pokracovat);
        EXPECT_GE(t.elapsed(), 1500);
        EXPECT_TRUE(z.dotazy.isEmpty());
        EXPECT_TRUE(z.pracuji.isEmpty());
        EXPECT_EQ(z.uvodni, (QStringList{QStringLiteral("kontrola nové verze"),
                                         QStringLiteral("kontrola nové verze - není nová verze")}));
    }
    EXPECT_FALSE(QFileInfo::exists(prac + QStringLiteral("setupkv.exe.log")));
}

TEST_F(KontrolaVerze, ChybaPripojeni) {
    IniSoubor ini = kavlin();
    ini.zapis(QStringLiteral("LogON"), QStringLiteral("_FTPpassword"), QStringLiteral("spatne"));
    PracovniAdresar pa(prac);
    for (bool sUvodnim : {false, true}) {
        Zaznamy z;
        EXPECT_EQ(KontrolaNoveVerze(ini, sUvodnim ? z.uvodniFn() : Prubeh{}, z.pracujiFn(), mista),
                  PoKontrole::Pokracovat);
        ASSERT_EQ(z.dotazy.size(), 1);
        EXPECT_EQ(z.dotazy[0].text, QStringLiteral("Chyba připojení."));
        EXPECT_EQ(z.dotazy[0].ikona, Ikona::Stop);
    }
}

TEST_F(KontrolaVerze, DenniKontrolaModuluJednouZaDen) {
    PevnyDen den(QDate(2026, 12, 11));
    // grem.exe is older than its release, hurn.exe current, this program current.
    Zapis(prac + QStringLiteral("grem.exe"), "MZ");
    ZapisSCasem(programDir + QStringLiteral("grem.exe"), QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    Zapis(prac + QStringLiteral("hurn.exe"), "MZ");
    ZapisSCasem(programDir + QStringLiteral("hurn.exe"),
                QDateTime(QDate(2026, 12, 1), QTime(8, 5, 9)));
    ftp.zverejni(QStringLiteral("setupgrem.ver"), SouborVerze("2026-06-30 12:00:00"));
    ftp.zverejni(QStringLiteral("setuphurn.ver"), SouborVerze("2026-12-01 08:05:09"));
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2026-12-01 08:05:09"));
    PracovniAdresar pa(prac);
    {
        Zaznamy z;
        EXPECT_EQ(
            DenniKontrolaVerzi(kavlin(), true, z.uvodniFn(), z.pracujiFn(), mista, ftp.server()),
            PoKontrole::Pokracovat);
        ASSERT_EQ(z.dotazy.size(), 1);
        EXPECT_EQ(z.dotazy[0].text,
                  QStringLiteral("POZOR nutná aktualizace modulu\rSKL - skladová karta"));
        EXPECT_EQ(z.dotazy[0].ikona, Ikona::Stop);
        const QString k = QStringLiteral("Kavlin05 - kontrola nové verze");
        EXPECT_EQ(z.pracuji, (QStringList{k, QString(), k, QString()}));
        EXPECT_EQ(z.uvodni.size(), 2);
        const QStringList c = ftp.prikazy();
        EXPECT_TRUE(c.contains(QStringLiteral("RETR setupgrem.ver")));
        EXPECT_TRUE(c.contains(QStringLiteral("RETR setuphurn.ver")));
        EXPECT_TRUE(c.contains(QStringLiteral("RETR setupkv.ver")));
        // Sibling modules are only compared, never fetched.
        EXPECT_EQ(Pocet(c, {QStringLiteral("RETR")}), 3);
    }
    const int predtim = static_cast<int>(ftp.prikazy().size());
    {
        Zaznamy z;
        EXPECT_EQ(
            DenniKontrolaVerzi(kavlin(), true, z.uvodniFn(), z.pracujiFn(), mista, ftp.server()),
            PoKontrole::Pokracovat);
        EXPECT_TRUE(z.dotazy.isEmpty());
        EXPECT_TRUE(z.pracuji.isEmpty());
        EXPECT_TRUE(z.uvodni.isEmpty());
    }
    EXPECT_EQ(ftp.prikazy().size(), predtim) << "the second start of the day checks nothing";
}

TEST_F(KontrolaVerze, DenniKontrolaVypnutaAChybejiciModuly) {
    PevnyDen den(QDate(2026, 12, 12));
    ftp.zverejni(QStringLiteral("setupkv.ver"), SouborVerze("2001-01-01 00:00:00"));
    PracovniAdresar pa(prac);
    for (bool testVerze : {false, true}) {
        // Off: nothing is checked, yet the day counts as checked, so the second start of
        // the day checks nothing even with the check switched on again.
        Zaznamy z;
        EXPECT_EQ(DenniKontrolaVerzi(kavlin(), testVerze, z.uvodniFn(), z.pracujiFn(), mista,
                                     ftp.server()),
                  PoKontrole::Pokracovat);
        EXPECT_TRUE(ftp.prikazy().isEmpty()) << testVerze;
        EXPECT_TRUE(z.dotazy.isEmpty()) << testVerze;
    }
    den.nastav(QDate(2026, 12, 13));
    {
        // Neither grem.exe nor hurn.exe in the working directory: only this program.
        Zaznamy z;
        EXPECT_EQ(DenniKontrolaVerzi(kavlin(), true, {}, z.pracujiFn(), mista, ftp.server()),
                  PoKontrole::Pokracovat);
        EXPECT_EQ(ftp.prikazy().filter(QStringLiteral("RETR")),
                  QStringList{QStringLiteral("RETR setupkv.ver")});
        ASSERT_EQ(z.dotazy.size(), 1);
        EXPECT_EQ(z.dotazy[0].text, QStringLiteral("Není nová verze."));
    }
}
