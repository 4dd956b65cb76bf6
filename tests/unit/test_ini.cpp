#include "ini.h"
#include "kodovani.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {
QByteArray precti(const QString& cesta) {
    QFile f(cesta);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void zapisBajty(const QString& cesta, const QByteArray& b) {
    QFile f(cesta);
    f.open(QIODevice::WriteOnly);
    f.write(b);
}
} // namespace

TEST(Ini, ChybejiciSouborDavaVychozi) {
    IniSoubor ini(TestTmpDir() + QStringLiteral("neni.ini"));
    EXPECT_EQ(ini.cti(QStringLiteral("TFmozno"), QStringLiteral("EditIP_Text"),
                      QStringLiteral("localhost")),
              QStringLiteral("localhost"));
    EXPECT_TRUE(ini.ctiBool(QStringLiteral("TFmozno"), QStringLiteral("x"), true));
    EXPECT_EQ(ini.ctiInt(QStringLiteral("a"), QStringLiteral("b"), 7), 7);
}

TEST(Ini, VelikostPismenAUvozovky) {
    QString cesta = TestTmpDir() + QStringLiteral("k.ini");
    zapisBajty(cesta, QByteArray("; suite file\r\n[LogON]\r\nIP = 10.0.0.5 \r\nUser=\"spravce\"\r\n"
                                 "[kavlin]\r\nPassword=\r\n"));
    IniSoubor ini(cesta);
    EXPECT_EQ(ini.cti(QStringLiteral("logon"), QStringLiteral("ip")), QStringLiteral("10.0.0.5"));
    EXPECT_EQ(ini.cti(QStringLiteral("LOGON"), QStringLiteral("USER")), QStringLiteral("spravce"));
    // A key that is present but empty gives the empty text, not the default.
    EXPECT_EQ(ini.cti(QStringLiteral("Kavlin"), QStringLiteral("Password"), QStringLiteral("x")),
              QString());
    EXPECT_TRUE(ini.obsahuje(QStringLiteral("KAVLIN"), QStringLiteral("password")));
}

TEST(Ini, ZapisZachovaOstatniRadkyACp1250) {
    QString cesta = TestTmpDir() + QStringLiteral("smesi.ini");
    QByteArray puvodni;
    DoCp1250(QStringLiteral("[TForm1]\r\nLabel1_Caption=20\r\n; poznámka\r\n\r\n[TFmozno]\r\n"
                            "Editpodnik_Text=0126\r\nEditFirma_Text=Osiva Žďár\r\n"),
             puvodni);
    zapisBajty(cesta, puvodni);
    IniSoubor ini(cesta);
    ASSERT_TRUE(ini.zapis(QStringLiteral("tfmozno"), QStringLiteral("EDITPODNIK_TEXT"),
                          QStringLiteral("0999")));
    ASSERT_TRUE(ini.zapis(QStringLiteral("TForm1"), QStringLiteral("OvcSplitter1_Position"),
                          QStringLiteral("412")));
    ASSERT_TRUE(
        ini.zapis(QStringLiteral("Dnes"), QStringLiteral("Datum"), QStringLiteral("2026-12-11")));
    QByteArray ocekavano;
    DoCp1250(QStringLiteral(
                 "[TForm1]\r\nLabel1_Caption=20\r\nOvcSplitter1_Position=412\r\n; poznámka\r\n\r\n"
                 "[TFmozno]\r\nEDITPODNIK_TEXT=0999\r\nEditFirma_Text=Osiva Žďár\r\n\r\n"
                 "[Dnes]\r\nDatum=2026-12-11\r\n"),
             ocekavano);
    EXPECT_EQ(precti(cesta), ocekavano);
    EXPECT_EQ(ini.cti(QStringLiteral("TFmozno"), QStringLiteral("EditFirma_Text")),
              QStringLiteral("Osiva Žďár"));
    // A value that the code page cannot hold is refused and the file stays as it was.
    EXPECT_FALSE(ini.zapis(QStringLiteral("TFmozno"), QStringLiteral("x"), QStringLiteral("✓")));
    EXPECT_EQ(precti(cesta), ocekavano);
}
