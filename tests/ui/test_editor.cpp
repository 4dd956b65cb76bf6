#include "dbf.h"
#include "dotaz.h"
#include "editordokladu.h"
#include "ini.h"
#include "kdejeskl.h"
#include "modeltabulky.h"
#include "otevreni.h"
#include "pracovnitabulky.h"
#include "sadaokna.h"
#include "seznamdokladu.h"
#include "strankaobalu.h"
#include "testdb.h"
#include "tform1.h"
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
void zapis(const QString& cesta, const QByteArray& text, bool spustitelny = false) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    if (spustitelny)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

QByteArray precti(const QString& cesta) {
    QFile f(cesta);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// A small company: cost centre 10 without pallets, one mixture with two components.
void zakladniData(TestDb& db, int SM_JAKNC) {
    Spojeni& s = db.spojeni();
    for (const QString& sql :
         {QStringLiteral("insert into strtopc (stred, nazevstr, palety) values ('10', 'Sklad', 0)"),
          QStringLiteral("insert into kavlin (UcetniRok, CislovaniD, SM_JAKNC, SM_vyrobky, "
                         "zakl_mj, kontejnery_DO) "
                         "values ('1', 0, %1, 'A', 'kg', 50)")
              .arg(SM_JAKNC),
          QStringLiteral(
              "insert into smesi (cislodokla, rokd, stredisko, partie, podnik, lomeni, partiecela, "
              "nazevosiva, mnozstvi, mj, pr, nc, datum, smes, ulc, datumzauct) values "
              "('2610000001', '2026', '10', '260050001', '0126', 0, '26-0126-00500-01', 'Směs "
              "luční', "
              "1000, 'kg', 100, 41.5, '2026-05-04', 1, 'C26-1', '1900-01-01'),"
              "('2610000001', '2026', '10', '260010101', '0126', 0, '26-0126-00101-01', 'Jílek', "
              "600, 'kg', 60, 40, '2026-05-04', 0, 'C26-2', '1900-01-01'),"
              "('2610000001', '2026', '10', '260010201', '0126', 0, '26-0126-00102-01', 'Jetel', "
              "400, 'kg', 40, 43.75, '2026-05-04', 0, 'C26-3', '1900-01-01')"),
          QStringLiteral("insert into smesiobal (cislodokla, stredisko, nomenkla, nazevosiva, "
                         "mnozstvi, mj, poceto, "
                         "vahao1, vahao1kg) values ('2610000001', '10', '600000000025', 'Pytel 25 "
                         "kg', 1000, 'kg', "
                         "40, 25, 25)"),
          QStringLiteral(
              "insert into skarta (partiecela, lomeni, stredisko, partie, podnik, nazevosiva, "
              "zustatek, "
              "mj, ulc, mnomenkla1, mo1, vahaobalu, ek1, vahao1, poceto1, navesky, datumrozho) "
              "values "
              "('26-0126-00500-01', 0, '10', '260050001', '0126', 'Směs luční', 1000, 'kg', "
              "'C26-1', "
              "'600000000025', 'Pytel 25 kg', 0.15, 'EK-1', 25, 40, '1-40', '2026-05-05'),"
              "('26-0126-00101-01', 0, '10', '260010101', '0126', 'Jílek', 200, 'kg', 'C26-2', '', "
              "'', 0, "
              "'', 0, 0, '', '1900-01-01'),"
              "('26-0126-00103-01', 0, '10', '260010301', '0126', 'Kostřava', 50, 'kg', 'N26-7', "
              "'', '', "
              "0, '', 0, 0, '', '1900-01-01'),"
              "('26-0126-00104-01', 61, '10', '260010461', '0126', 'Jílek přebalený', 80, 'kg', "
              "'C26-9', "
              "'', '', 0, '', 0, 0, '', '1900-01-01')")})
        ASSERT_TRUE(s.proved(sql)) << s.chyba().toStdString();
}

class Editor : public SadaOkna {
protected:
    std::unique_ptr<TForm1> spust(const TestDb& db,
                                  const QString& stredisko = QStringLiteral("10")) {
        return spustNaStredisku(db, stredisko);
    }
    bool otevri(TForm1& okno, const QString& cislo) {
        if (!okno.seznam()->vyber(cislo))
            return false;
        okno.akce(QStringLiteral("Opravit1"))->trigger();
        return okno.editorOtevren();
    }
};
} // namespace

TEST(Otevreni, StavZauctovaniAKontrolaPohybu) {
    EXPECT_EQ(StavZauctovani(QStringLiteral("2002-11-11 00:00:00")), Zauctovani::Uctuje);
    EXPECT_EQ(StavZauctovani(QStringLiteral("2002-11-12")), Zauctovani::Zauctovan);
    EXPECT_EQ(StavZauctovani(QStringLiteral("1900-01-01 00:00:00")), Zauctovani::Ne);
    EXPECT_EQ(StavZauctovani(QString()), Zauctovani::Ne);

    const Desetinne cena = Desetinne::zCeleho(40), nula;
    const PohybPartie dlNezauct{QStringLiteral("DL"), QStringLiteral("2610000009"),
                                QStringLiteral("1900-01-01"), nula};
    const PohybPartie dlZauct{QStringLiteral("DL"), QStringLiteral("2610000009"),
                              QStringLiteral("1990-01-01"), nula};
    const PohybPartie kaCena{QStringLiteral("KA"), QStringLiteral("2610000004"), QString(), cena};
    const PohybPartie kaBezCeny{QStringLiteral("KA"), QStringLiteral("2610000004"), QString(),
                                nula};
    struct Pripad {
        QVector<PohybPartie> pohyby;
        int jaknc;
        Desetinne ncDokladu;
        int stav;
        const char* zprava;
    } pripady[] = {
        {{}, 0, cena, 0, ""},
        {{dlNezauct},
         0,
         cena,
         9,
         "Nelze opravit! Partie byla již expedována\rna dokladu DL 2610000009"},
        {{dlNezauct}, 1, cena, 1, ""},
        {{dlZauct},
         1,
         cena,
         9,
         "Nelze opravit! Partie byla již expedována\ra zaúčtována na dokladu DL 2610000009"},
        {{dlNezauct, kaCena},
         1,
         cena,
         9,
         "Nelze opravit! Partie byla již potvrzena\ra zpracována na dokladu KA 2610000004"},
        {{kaBezCeny}, 1, cena, 1, ""},
        {{kaCena}, 1, nula, 1, ""},  // an unconfirmed mixture may be corrected
        {{dlZauct}, 2, cena, 0, ""}, // other values do not examine the rows
    };
    for (const auto& p : pripady) {
        KontrolaOpravy k = KontrolaPohybu(p.pohyby, p.jaknc, p.ncDokladu, 0);
        EXPECT_EQ(k.StavZapisu, p.stav) << p.zprava;
        EXPECT_EQ(k.zprava, QString::fromUtf8(p.zprava));
    }
}

TEST(Otevreni, NactiSklRadky) {
    const QStringList s = SqlNactiSkl(QStringLiteral("1'0"), false, false);
    EXPECT_EQ(s.value(5), QStringLiteral(" where stredisko = '1''0'"));
    EXPECT_EQ(s.value(7), QStringLiteral(" AND lomeni < 60"));
    EXPECT_EQ(
        s.value(8),
        QStringLiteral(" AND (ulc <> \"\" and ulc not LIKE \"%N%\" AND ulc not LIKE \"%Z%\")"));
    EXPECT_EQ(s.last(), QStringLiteral(" order by partiecela,lomeni"));
    EXPECT_EQ(SqlNactiSkl(QStringLiteral("10"), true, true).size(), 8);
    EXPECT_EQ(
        PrikazovyRadek(QStringLiteral("grem.exe"),
                       ArgumentyKarty(QStringLiteral("10"), QStringLiteral("26-0126-00101-01"),
                                      QStringLiteral("0"))),
        QStringLiteral("\"grem.exe\" \"/TK\" \"10\" \"26-0126-00101-01\" \"0\""));
}

TEST(KdeJeSkl, TabulkaPohybuPartie) {
    TestDb db;
    Spojeni& s = db.spojeni();
    const QString lot = QStringLiteral("26-0126-00101-01");
    for (const QString& sql :
         {// Two mixtures took the lot as a component; the mixture that made it does not count.
          QStringLiteral(
              "insert into smesi (cislodokla, partiecela, lomeni, smes, nc, mnozstvi) values "
              "('2610000001', '26-0126-00500-01', 0, 1, 41.5, 1000), ('2610000001', '%1', 0, 0, "
              "40, 600),"
              "('2610000002', 'X', 0, 1, 0, 10), ('2610000002', '%1', 0, 0, 40, 10),"
              "('2610000003', '%1', 0, 1, 12, 10)"),
          QStringLiteral(
              "insert into pv9 (cislodokla, pohyb, partiecela, lomeni, mnozstvi, nc) values "
              "('2610000004', '1', '%1', 0, 50, 0), ('2610000004', '9', 'Y', 0, 50, 77.7)"),
          QStringLiteral(
              "insert into krsmesi (cislodokla, smes, partiecela, lomeni, mnozstvi, nc) values "
              "('2610000005', '1', '%1', 0, 5, 19), ('2610000005', '0', '%1', 0, 6, 0)"),
          // A delivery-note row whose header is missing.
          QStringLiteral("insert into dlrad (cislodokla, partiecela, lomeni, hmotnostvn) values "
                         "('2610000006', '%1', 0, 30)"),
          QStringLiteral("insert into dlrad (cislodokla, partiecela, lomeni, hmotnostvn) values "
                         "('2610000007', '%1', 1, 30)")})
        ASSERT_TRUE(s.proved(sql.arg(lot))) << s.chyba().toStdString();

    Relace r;
    ASSERT_TRUE(r.spojeni().pripoj(db.parametry()));
    StavProgramu stav(r);
    stav.CisloPC = QStringLiteral("05");
    StavProgramu druhy(r);
    druhy.CisloPC = QStringLiteral("06");
    const qint64 pred = r.spojeni().pocetPrikazu();
    ASSERT_TRUE(KdeJeSkl(stav, lot, 0));
    EXPECT_EQ(r.spojeni().pocetPrikazu() - pred, 1); // one batch
    ASSERT_TRUE(KdeJeSkl(druhy, QStringLiteral("26-0126-00500-01"), 0));
    EXPECT_EQ(
        db.hodnota(QStringLiteral(
            "select group_concat(concat(doklad, ':', ifnull(cislodokla, ''), ':', ifnull(pohyb, "
            "''), "
            "':', round(ifnull(nc, 0), 2)) order by doklad, cislodokla, pohyb) from tmp05smesi")),
        QStringLiteral(
            "DL:::0.00,KA:2610000004:1:77.70,KS:2610000005:0:19.00,KS:2610000005:1:19.00,"
            "SM:2610000001:0:41.50,SM:2610000002:0:0.00"));
    // The other workstation's table holds its own lot only.
    EXPECT_EQ(db.hodnota(QStringLiteral("select count(*) from tmp06smesi")), QStringLiteral("0"));
    // A lot number with a quote and a backslash is a value, not SQL.
    ASSERT_TRUE(KdeJeSkl(stav, QStringLiteral("26-0126-0'\\1-01"), 0));
    EXPECT_EQ(db.hodnota(QStringLiteral("select count(*) from tmp05smesi")), QStringLiteral("0"));
}

TEST_F(Editor, StavyZauctovani) {
    struct Pripad {
        const char* datumzauct; // nullptr: NULL
        const char* zprava;
    } pripady[] = {{"2002-11-11", "Nelze opravit! Doklad je právě účtován!"},
                   {"2002-11-12", "Nelze opravit! Doklad je již zaúčtován."},
                   {"1900-01-01", nullptr},
                   {nullptr, nullptr}};
    TestDb db;
    zakladniData(db, 1);
    auto okno = spust(db);
    ASSERT_TRUE(okno->fazeZobrazeniHotova()) << zpravy.join(QLatin1Char('|')).toStdString();
    for (const auto& p : pripady) {
        zpravy.clear();
        ASSERT_TRUE(db.spojeni().proved(
            QStringLiteral("update smesi set datumzauct = %1")
                .arg(p.datumzauct ? QStringLiteral("'%1'").arg(QLatin1String(p.datumzauct))
                                  : QStringLiteral("NULL"))));
        okno->NavratDoSeznamu();
        ASSERT_TRUE(otevri(*okno, QStringLiteral("2610000001")))
            << zpravy.join(QLatin1Char('|')).toStdString();
        EditorDokladu* e = okno->editor();
        if (p.zprava) {
            EXPECT_EQ(zpravy, QStringList{QString::fromUtf8(p.zprava)});
            EXPECT_FALSE(e->tlacitkoZapsat()->isEnabled());
            EXPECT_EQ(e->StavZapisu, 9);
        } else {
            EXPECT_TRUE(zpravy.isEmpty()) << zpravy.join(QLatin1Char('|')).toStdString();
            EXPECT_TRUE(e->tlacitkoZapsat()->isEnabled());
            EXPECT_EQ(e->StavZapisu, 0);
        }
        // Viewable either way: header, lines and packaging are in the editor.
        EXPECT_EQ(e->pole(QStringLiteral("PARTIECELA"))->text(),
                  QStringLiteral("26-0126-00500-01"));
        EXPECT_EQ(e->modelRadku()->rowCount(), 2);
        EXPECT_EQ(e->strankaObalu()->model()->rowCount(), 1);
        EXPECT_FALSE(okno->akce(QStringLiteral("Novdoklad1"))->isEnabled());
        e->tlacitkoZpet()->click();
        EXPECT_TRUE(okno->akce(QStringLiteral("Novdoklad1"))->isEnabled());
        EXPECT_FALSE(okno->editorOtevren());
    }
}

TEST_F(Editor, PozdejsiPohybyPartie) {
    TestDb db;
    zakladniData(db, 1);
    // An unposted delivery note of the mixed lot: the lot keeps its number.
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("insert into dlrad (cislodokla, partiecela, lomeni, hmotnostvn) values "
                       "('2610000008', '26-0126-00500-01', 0, 100)")));
    ASSERT_TRUE(
        db.spojeni().proved(QStringLiteral("insert into dl (cislodokla, datumvn1, datumzauct) "
                                           "values ('2610000008', '2026-06-01', '1900-01-01')")));
    auto okno = spust(db);
    ASSERT_TRUE(otevri(*okno, QStringLiteral("2610000001")));
    EditorDokladu* e = okno->editor();
    EXPECT_TRUE(zpravy.isEmpty());
    EXPECT_EQ(e->StavZapisu, 1);
    EXPECT_TRUE(e->pole(QStringLiteral("PARTIE"))->isReadOnly());
    EXPECT_TRUE(e->pole(QStringLiteral("LOMENI"))->isReadOnly());
    EXPECT_TRUE(e->tlacitkoZapsat()->isEnabled());
    EXPECT_TRUE(e->potvrzena()->isChecked()); // the header has a price
    // The movement table is dropped again.
    EXPECT_EQ(db.hodnota(QStringLiteral(
                  "select count(*) from information_schema.tables where table_schema = database() "
                  "and table_name = 'tmp05smesi'")),
              QStringLiteral("0"));
    e->tlacitkoZpet()->click();
    EXPECT_FALSE(e->pole(QStringLiteral("PARTIE"))->isReadOnly());
    EXPECT_EQ(okno->seznam()->vybranyDoklad(), QStringLiteral("2610000001"));

    // Posted in accounting: writing is blocked.
    ASSERT_TRUE(db.spojeni().proved(QStringLiteral("update dl set datumzauct = '2026-07-01'")));
    ASSERT_TRUE(otevri(*okno, QStringLiteral("2610000001")));
    EXPECT_EQ(zpravy, QStringList{QStringLiteral(
                          "Nelze opravit! Partie byla již expedována\ra zaúčtována na dokladu DL "
                          "2610000008")});
    EXPECT_EQ(e->StavZapisu, 9);
    EXPECT_FALSE(e->tlacitkoZapsat()->isEnabled());
}

TEST_F(Editor, NovyDokladAOpakovaneOtevreni) {
    TestDb db;
    zakladniData(db, 1);
    auto okno = spust(db);
    ASSERT_TRUE(okno->fazeZobrazeniHotova());
    okno->akce(QStringLiteral("Novdoklad1"))->trigger();
    ASSERT_TRUE(okno->editorOtevren());
    EditorDokladu* e = okno->editor();
    EXPECT_EQ(e->RezimEditoru, QStringLiteral("N"));
    TabulkaDbf& h = okno->pracovniTabulky()->hlavicka();
    EXPECT_EQ(h.cele(QStringLiteral("LOMENI")), 0);
    EXPECT_EQ(h.text(QStringLiteral("JAZYK")), QStringLiteral("C"));
    EXPECT_EQ(h.text(QStringLiteral("STREDISKO")), QStringLiteral("10"));
    EXPECT_EQ(h.datum(QStringLiteral("DATUM")), QDate::currentDate());
    EXPECT_EQ(e->modelRadku()->rowCount(), 0);
    EXPECT_EQ(e->OdeslanoUKZUZ.date(), QDate(1911, 11, 11));
    // The stock cards offered: certified, below sub-lot 60, with a balance.
    ASSERT_EQ(e->modelKaret()->rowCount(), 2);
    e->iKalkulace()->setChecked(true);
    EXPECT_EQ(e->modelKaret()->rowCount(), 3);
    e->iNeuznane()->setChecked(true);
    EXPECT_EQ(e->modelKaret()->rowCount(), 4);
    e->tlacitkoZpet()->click();
    EXPECT_EQ(okno->seznam()->vybranyDoklad(),
              QStringLiteral("2610000001")); // a new one never saved: first row

    // The same document twice: identical work tables.
    auto soubory = [&] {
        QStringList obsah;
        for (const char* s : {"smesi20.dbf", "smesi.dbf", "smesi10.dbf", "smesiob.dbf"})
            obsah << QString::fromLatin1(
                precti(prog + QStringLiteral("data/") + QString::fromLatin1(s)).toHex());
        return obsah;
    };
    ASSERT_TRUE(otevri(*okno, QStringLiteral("2610000001")));
    EXPECT_EQ(e->obalKarty.mo1, QStringLiteral("Pytel 25 kg"));
    EXPECT_EQ(e->obalKarty.vahaobalu.text(), QStringLiteral("0.15"));
    EXPECT_EQ(e->obalKarty.poceto1, 40);
    EXPECT_EQ(e->obalKarty.datumrozho, QDate(2026, 5, 5));
    EXPECT_EQ(e->PuvodniPartie, QStringLiteral("26-0126-00500-01"));
    e->tlacitkoZpet()->click();
    const QStringList prvni = soubory();
    ASSERT_TRUE(otevri(*okno, QStringLiteral("2610000001")));
    e->tlacitkoZpet()->click();
    EXPECT_EQ(soubory(), prvni);
}

TEST_F(Editor, BezPotvrzovaniNeniZaskrtavatko) {
    for (int jaknc : {0, 1}) {
        TestDb db;
        zakladniData(db, jaknc);
        // Even with confirming switched on in the settings.
        IniSoubor(prog + QStringLiteral("smesi.ini"))
            .zapis(QStringLiteral("TFmozno"), QStringLiteral("suiCheckBoxPotvrzovat_Checked"),
                   QStringLiteral("True"));
        auto okno = spust(db);
        ASSERT_TRUE(otevri(*okno, QStringLiteral("2610000001")));
        EXPECT_EQ(!okno->editor()->potvrzena()->isHidden(), jaknc != 0) << jaknc;
        EXPECT_TRUE(okno->editor()->potvrzena()->isEnabled()) << jaknc;
        okno->close();
    }
}

TEST_F(Editor, ZmizelyDokladSeNeotevre) {
    TestDb db;
    zakladniData(db, 1);
    auto okno = spust(db);
    ASSERT_TRUE(okno->seznam()->vyber(QStringLiteral("2610000001")));
    ASSERT_TRUE(db.spojeni().proved(QStringLiteral("delete from smesi")));
    okno->akce(QStringLiteral("Opravit1"))->trigger();
    EXPECT_FALSE(okno->editorOtevren());
    ASSERT_EQ(zpravy.size(), 1);
    EXPECT_TRUE(zpravy[0].contains(QStringLiteral("již v databázi není")));
    EXPECT_TRUE(okno->akce(QStringLiteral("Novdoklad1"))->isEnabled());
    EXPECT_EQ(okno->seznam()->modelSeznamu()->rowCount(), 0); // the list was rebuilt
}

TEST_F(Editor, PohledyKartaHistorieAUlc) {
    TestDb db;
    zakladniData(db, 1);
    // The stock-card module stand-in records every argument in quotes.
    zapis(prog + QStringLiteral("grem.exe"),
          "#!/bin/sh\nprintf '\"grem.exe\"' >> grem.zaznam\nfor a in \"$@\"; do printf ' \"%s\"' "
          "\"$a\" >> grem.zaznam; "
          "done\necho >> grem.zaznam\n",
          true);
    zapis(prog + QStringLiteral("xdg-open"), "#!/bin/sh\necho \"$1\" >> otevreno.zaznam\n", true);
    qputenv("PATH", (prog + QStringLiteral(":") + qEnvironmentVariable("PATH")).toUtf8());
    QByteArray pdf("%PDF-1.4 protokol\n");
    ASSERT_TRUE(db.spojeni().provedSBinarnim(
        QStringLiteral("insert into doklady (typ, cislodokladu, objednavka, popis, obsah) values "
                       "(19, 'C26-1', '', 'ULČ', ?)"),
        pdf));
    ASSERT_TRUE(db.spojeni().proved(
        QStringLiteral("update smesi set nazevosiva = 'Jílek \"Bečva\" O''Neil' where smes = 0")));
    auto okno = spust(db);
    ASSERT_TRUE(okno->seznam()->vyber(QStringLiteral("2610000001")));
    okno->akce(QStringLiteral("Zobrazitsklkartu1"))->trigger();
    okno->akce(QStringLiteral("Historiepartie1"))->trigger();
    okno->seznam()->gridRadky()->setCurrentIndex(okno->seznam()->modelRadku()->index(0, 0));
    okno->akce(QStringLiteral("Historiepartie2"))->trigger();
    EXPECT_EQ(
        QString::fromUtf8(precti(prog + QStringLiteral("grem.zaznam"))),
        QStringLiteral(
            "\"grem.exe\" \"/TK\" \"10\" \"26-0126-00500-01\" \"0\"\n"
            "\"grem.exe\" \"/HP\" \"26-0126-00500-01\" \"0\" \"260050001\" \"Směs luční\" \"10\"\n"
            "\"grem.exe\" \"/HP\" \"26-0126-00101-01\" \"0\" \"260010101\" \"Jílek \"Bečva\" "
            "O'Neil\" \"10\"\n"));

    okno->akce(QStringLiteral("ZobrazitUL1"))->trigger();
    okno->akce(QStringLiteral("ZobrazitUL1"))->trigger();
    const QStringList pdfka =
        QDir(koren + QStringLiteral("pdf")).entryList({QStringLiteral("sm05*.pdf")}, QDir::Files);
    ASSERT_EQ(pdfka.size(), 2);
    EXPECT_EQ(precti(koren + QStringLiteral("pdf/") + pdfka[0]), pdf);
    (void)QTest::qWaitFor(
        [&] { return precti(prog + QStringLiteral("otevreno.zaznam")).count('\n') == 2; }, 3000);
    EXPECT_EQ(precti(prog + QStringLiteral("otevreno.zaznam")).count('\n'), 2);
    // A component without a stored protocol.
    okno->akce(QStringLiteral("ZobrazitUL2"))->trigger();
    EXPECT_EQ(zpravy, QStringList{QStringLiteral("ULČ nenalezen!")});
    okno->close();
    EXPECT_TRUE(QDir(koren + QStringLiteral("pdf"))
                    .entryList({QStringLiteral("sm05*.pdf")}, QDir::Files)
                    .isEmpty());

    // Without the stock-card module nothing happens and nothing waits.
    QFile::remove(prog + QStringLiteral("grem.exe"));
    auto druhe = spust(db);
    druhe->akce(QStringLiteral("Zobrazitsklkartu1"))->trigger();
    EXPECT_EQ(zpravy.size(), 1);
}
