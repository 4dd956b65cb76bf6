#include "zapis.h"

#include "dbf.h"
#include "hodnoty.h"
#include "pracovnitabulky.h"
#include "relace.h"

namespace {
QString q(const TabulkaDbf& t, const char* pole) {
    return SqlText(t.text(QString::fromLatin1(pole)));
}
QString n0(const TabulkaDbf& t, const char* pole) {
    return SqlCislo0(t.cislo(QString::fromLatin1(pole)));
}
QString plain(const TabulkaDbf& t, const char* pole) {
    return SqlCislo(t.cislo(QString::fromLatin1(pole)));
}
QString d(const TabulkaDbf& t, const char* pole) {
    return SqlDatum(t.datum(QString::fromLatin1(pole)));
}

// One row of smesi: the components' and (with the last column line changed) the header's.
QStringList VlozRadek(const TabulkaDbf& r, bool hlavicka) {
    QStringList s{QStringLiteral("insert into smesi "),
                  QStringLiteral("(cislodokla,rokd,stredisko,partie,podnik,lomeni,partiecela,"),
                  QStringLiteral("nomenkla,nazevosiva,mnozstvi,mj,pc,nc,pr,ulc,smes,datum,"),
                  hlavicka
                      ? QStringLiteral("druh,odruda,stupen,naz_dru,naz_odru,popis,cinnost,jazyk)")
                      : QStringLiteral("druh,odruda,stupen,naz_dru,naz_odru,jazyk)"),
                  QStringLiteral(" values("),
                  QStringLiteral("@CiDo,"),
                  QStringLiteral("@RokDo,")};
    QStringList h{q(r, "STREDISKO"),  q(r, "PARTIE"),
                  q(r, "PODNIK"),     SqlText(QString::number(r.cele(QStringLiteral("LOMENI")))),
                  q(r, "PARTIECELA"), q(r, "NOMENKLA"),
                  q(r, "NAZEVOSIVA"), n0(r, "MNOZSTVI"),
                  q(r, "MJ"),         n0(r, "PC"),
                  n0(r, "NC"),        n0(r, "PR"),
                  q(r, "ULC"),        hlavicka ? QStringLiteral("01") : QStringLiteral("00"),
                  d(r, "DATUM"),      q(r, "DRUH"),
                  q(r, "ODRUDA"),     q(r, "STUPEN"),
                  q(r, "NAZ_DRU"),    q(r, "NAZ_ODRU")};
    if (hlavicka)
        h << q(r, "POPIS") << q(r, "CINNOST");
    h << q(r, "JAZYK");
    for (int i = 0; i < h.size(); ++i)
        s << h[i] + (i + 1 < h.size() ? QStringLiteral(",") : QStringLiteral(")"));
    s << QStringLiteral(";");
    return s;
}
} // namespace

QString UcetniRokDokladu(const QString& UcetniRok, const QDate& datum) {
    if (UcetniRok == QLatin1String("1"))
        return QString::number(datum.year());
    if (UcetniRok == QLatin1String("2"))
        return QString::number(datum.month() > 6 ? datum.year() : datum.year() - 1);
    return {};
}

QString PrefixCisla(int CislovaniD, const QString& stredisko, const QString& rok) {
    const QString yy = rok.right(2);
    if (stredisko.size() == 2) {
        if (CislovaniD == 0)
            return rok + stredisko;
        if (CislovaniD == 1)
            return QStringLiteral("26") + yy + stredisko;
    } else if (stredisko.size() == 3) {
        if (CislovaniD == 0)
            return yy + QStringLiteral("0") + stredisko;
        if (CislovaniD == 1)
            return yy + QStringLiteral("6") + stredisko;
    }
    return {};
}

QStringList Novy(const QString& rok, const QString& stredisko, int CislovaniD,
                 const QString& cisloPC) {
    const QString prefix = PrefixCisla(CislovaniD, stredisko, rok);
    const QString prvni = prefix + QStringLiteral("0001");
    QStringList s{
        QStringLiteral("BEGIN;"),
        QStringLiteral("SET @RokDo = ") + SqlText(rok) + QStringLiteral(";"),
        QStringLiteral("INSERT INTO `cisdokl` (`STREDISKO`, `ROK`, `TYPD`, `CISLO0`, `CISLOPC`)"),
        // The year and the first number go in unquoted, as the numbering expects; both are
        // digits made here. An empty year is written as the empty text the year column
        // holds (a bare nothing would be a syntax error).
        QStringLiteral(" VALUES (") + SqlText(stredisko) + QStringLiteral(", ") +
            (rok.isEmpty() ? SqlText(rok) : rok) + QStringLiteral(", \"SM\", ") +
            (prvni.size() == 10 ? prvni : SqlText(prvni)) + QStringLiteral(",") + SqlText(cisloPC) +
            QStringLiteral(");"),
        QStringLiteral("SET @CiDo = @pomCis;")};
    if (rok < QLatin1String("2016")) {
        s << QStringLiteral("SET @PoDo = \"\";")
          << QStringLiteral("select @PoDo := LPAD(max(right(cislodokla,4))+1,4,\"0\") from smesi")
          << QStringLiteral(" where stredisko = ") + SqlText(stredisko) +
                 QStringLiteral(" AND rokd = @RokDo")
          << QStringLiteral(" FOR UPDATE;")
          << QStringLiteral("SET @CiDo = CONCAT(") + SqlTextUvozovky(prefix) +
                 QStringLiteral(",IF(@PoDo is NULL,\"0001\",@PoDo));");
    }
    return s;
}

QStringList ZapisSM(const VstupZapisu& v, PracovniTabulky& t) {
    QStringList s;
    TabulkaDbf& h = t.hlavicka();
    h.prvni();
    const QString stredisko = h.text(QStringLiteral("STREDISKO"));
    const QDate datum = h.datum(QStringLiteral("DATUM"));
    const QString jazyk = h.text(QStringLiteral("JAZYK"));
    TabulkaDbf& r = t.radky();
    for (bool ok = r.prvni(); ok && !r.jeKonec(); ok = r.dalsi()) {
        r.uprav();
        r.nastavText(QStringLiteral("STREDISKO"), stredisko);
        r.nastavDatum(QStringLiteral("DATUM"), datum);
        r.nastavText(QStringLiteral("JAZYK"), jazyk);
        r.uloz();
        s << VlozRadek(r, false);
        // Relative updates only: the balance is never written back from a value read earlier.
        s << QStringLiteral("update skarta")
          << QStringLiteral(" set zustatek = zustatek - ") + n0(r, "MNOZSTVI") +
                 QStringLiteral(", smesi = smesi + ") + n0(r, "MNOZSTVI")
          << QStringLiteral(" ,ppohyb=") + d(r, "DATUM")
          << QStringLiteral(" where partiecela = ") + q(r, "PARTIECELA")
          << QStringLiteral(" and lomeni = ") + QString::number(r.cele(QStringLiteral("LOMENI")))
          << QStringLiteral(" and stredisko = ") + SqlText(stredisko) << QStringLiteral(";");
    }
    TabulkaDbf& o = t.obaly();
    for (bool ok = o.prvni(); ok && !o.jeKonec(); ok = o.dalsi()) {
        s << QStringLiteral("insert into smesiobal ")
          << QStringLiteral("(cislodokla,stredisko,nomenkla,nazevosiva,mnozstvi,mj,poceto,")
          << QStringLiteral("vahao1,druh,odruda,stupen,naz_dru,naz_odru,navesky,vahao1kg,cislopv9)")
          << QStringLiteral(" values(") << QStringLiteral("@CiDo,");
        const QStringList h2{q(o, "STREDISKO"), q(o, "NOMENKLA"),  q(o, "NAZEVOSIVA"),
                             n0(o, "MNOZSTVI"), q(o, "MJ"),        n0(o, "POCETO"),
                             n0(o, "VAHAO1"),   q(o, "DRUH"),      q(o, "ODRUDA"),
                             q(o, "STUPEN"),    q(o, "NAZ_DRU"),   q(o, "NAZ_ODRU"),
                             q(o, "NAVESKY"),   n0(o, "VAHAO1KG"), q(o, "CISLOPV9")};
        for (int i = 0; i < h2.size(); ++i)
            s << h2[i] + (i + 1 < h2.size() ? QStringLiteral(",") : QStringLiteral(")"));
        s << QStringLiteral(";");
    }
    s << SestavHistorieD(v.CisloPC, v.stredisko, QStringLiteral("Směsi"), QStringLiteral("SM"),
                         QStringLiteral("@CiDo"),
                         v.CisloPC + v.CisloPC + v.ted.toString(QStringLiteral("yyMMddHHmmss")),
                         QString());
    if (v.PaletyStrediska) {
        TabulkaDbf& p = t.palety();
        p.zrusFiltr();
        for (bool ok = p.prvni(); ok && !p.jeKonec(); ok = p.dalsi()) {
            const QString cislo = QString::number(p.cele(QStringLiteral("CISLO")));
            const QString strP = SqlText(p.text(QStringLiteral("STREDISKO")));
            s << QStringLiteral("insert into smesipa ")
              << QStringLiteral("(cislodokla,cislo,partiecela,lomeni,stredisko,misto,")
              << QStringLiteral("pocet,vahao1,mj,celkem,zbytek,zustatek,datumbal,ppohyb)")
              << QStringLiteral(" values(") << QStringLiteral("@CiDo,");
            const QStringList h3{SqlText(cislo),
                                 q(p, "PARTIECELA"),
                                 SqlText(QString::number(p.cele(QStringLiteral("LOMENI")))),
                                 q(p, "STREDISKO"),
                                 q(p, "MISTO"),
                                 SqlText(QString::number(p.cele(QStringLiteral("POCET")))),
                                 n0(p, "VAHAO1"),
                                 q(p, "MJ"),
                                 n0(p, "CELKEM"),
                                 n0(p, "ZBYTEK"),
                                 n0(p, "ZUSTATEK"),
                                 d(p, "DATUMBAL"),
                                 SqlDatum(datum)};
            for (int i = 0; i < h3.size(); ++i)
                s << h3[i] + (i + 1 < h3.size() ? QStringLiteral(",") : QStringLiteral(")"));
            s << QStringLiteral(";");
            s << QStringLiteral("update sklpalety ")
              << QStringLiteral(" set pocet=pocet - ") +
                     QString::number(p.cele(QStringLiteral("POCET")))
              << QStringLiteral(" ,celkem=celkem - ") + plain(p, "CELKEM")
              << QStringLiteral(" ,zbytek=zbytek - ") + plain(p, "ZBYTEK")
              << QStringLiteral(" ,zustatek=zustatek - ") + plain(p, "ZUSTATEK")
              << QStringLiteral(" ,ppohyb=") + SqlDatum(datum)
              << QStringLiteral(" where cislo=") + cislo << QStringLiteral(" and stredisko=") + strP
              << QStringLiteral(";");
            s << QStringLiteral("select @pocetpal:=TRUNCATE(abs(zbytek)/vahao1,0)+1 from sklpalety")
              << QStringLiteral(" where cislo=") + cislo + QStringLiteral(" and zbytek<0")
              << QStringLiteral(" and stredisko=") + strP << QStringLiteral(";");
            s << QStringLiteral("update sklpalety SET pocet=pocet-IF(@pocetpal is "
                                "NULL,0,@pocetpal), celkem=pocet*vahao1, "
                                "zbytek=zbytek+IF(@pocetpal is NULL,0,@pocetpal*vahao1)")
              << QStringLiteral(" where cislo=") + cislo + QStringLiteral(" and zbytek<0")
              << QStringLiteral(" and stredisko=") + strP << QStringLiteral(";");
        }
    }
    h.prvni();
    if (v.SM_JAKNC > 0 && !v.potvrzena) {
        h.uprav();
        h.nastavCislo(QStringLiteral("NC"), Desetinne());
        h.uloz();
    }
    s << VlozRadek(h, true);
    if (v.OdeslanoUKZUZ.isValid() && v.OdeslanoUKZUZ.date().year() > 2000)
        s << QStringLiteral("UPDATE smesi SET slonaukzuz=") +
                 SqlText(v.OdeslanoUKZUZ.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
          << QStringLiteral("where cislodokla=@CiDo") << QStringLiteral(";");
    if (!h.cislo(QStringLiteral("NC")).jeNula())
        s << QStringLiteral("UPDATE smesi SET potvrzena=1")
          << QStringLiteral("where cislodokla=@CiDo") << QStringLiteral(";");
    s << ZapisNovSkl(v, t);
    return s;
}

QStringList ZapisNovSkl(const VstupZapisu& v, PracovniTabulky& t) {
    TabulkaDbf& h = t.hlavicka();
    h.prvni();
    const ObalKarty& o = v.obalKarty;
    const QDate datumDokladu = h.datum(QStringLiteral("DATUM"));
    if (v.StavZapisu == 1) {
        // The kept card: the correction already took the old quantity off.
        const QString kde = QStringLiteral(" where partiecela = ") + q(h, "PARTIECELA");
        const QString lo = QStringLiteral(" and lomeni = ") +
                           SqlText(QString::number(h.cele(QStringLiteral("LOMENI"))));
        QStringList s{QStringLiteral("UPDATE skarta SET "),
                      QStringLiteral("ZUSTATEK=ZUSTATEK+") + plain(h, "MNOZSTVI") +
                          QStringLiteral(","),
                      QStringLiteral("VLAST_VYRO=") +
                          (v.SM_vyrobky ? QStringLiteral("'A'") : QStringLiteral("' '")),
                      kde,
                      lo,
                      QStringLiteral(" and stredisko = ") + q(h, "STREDISKO"),
                      QStringLiteral(";")};
        s << QStringLiteral("UPDATE skarta SET ")
          << QStringLiteral("NC=") + plain(h, "NC") + QStringLiteral(",")
          << QStringLiteral("PC=") + plain(h, "PC") + QStringLiteral(",");
        for (const char* p :
             {"NOMENKLA", "NAZEVOSIVA", "MJ", "DRUH", "ODRUDA", "STUPEN", "NAZ_DRU", "NAZ_ODRU"})
            s << QString::fromLatin1(p) + QLatin1Char('=') + q(h, p) + QStringLiteral(",");
        if (v.mpDoUlc)
            s << QStringLiteral("ULC=concat(\"mp\",@CiDo,\"-\",") + SqlText(v.podnik) +
                     QStringLiteral("),")
              << QStringLiteral("DATUMROZHO=") + SqlDatum(datumDokladu) + QStringLiteral(",")
              << QStringLiteral("VZDATUM=") + SqlDatum(datumDokladu) + QStringLiteral(",");
        else
            s << QStringLiteral("ULC=") + q(h, "ULC") + QStringLiteral(",")
              << QStringLiteral("DATUMROZHO=") + SqlDatum(o.datumrozho) + QStringLiteral(",");
        s << QStringLiteral("POCETO1=") + SqlText(QString::number(o.poceto1)) + QStringLiteral(",")
          << QStringLiteral("VAHAO1=") + SqlCislo0(o.vahao1) + QStringLiteral(",")
          << QStringLiteral("MNOMENKLA1=") + SqlText(o.mnomenkla1) + QStringLiteral(",")
          << QStringLiteral("MO1=") + SqlText(o.mo1) + QStringLiteral(",")
          << QStringLiteral("EK1=") + SqlText(o.ek1) + QStringLiteral(",")
          << QStringLiteral("VAHAOBALU=") + SqlCislo0(o.vahaobalu) + QStringLiteral(",")
          << QStringLiteral("PPOHYB=NOW(),ZALOZENA=NOW(),")
          << QStringLiteral("POPIS=") + q(h, "POPIS") + QStringLiteral(",")
          << QStringLiteral("NAVESKY=") + SqlText(o.navesky) + QStringLiteral(",")
          << QStringLiteral("PREPNATUNY=1,") << QStringLiteral("vahacelko1=") + SqlCislo0(o.vahao1)
          << kde << lo << QStringLiteral(";");
        s << ZapisNaDoklady(t);
        return s;
    }
    QStringList s{QStringLiteral("insert into skarta "),
                  QStringLiteral("(PARTIE,STREDISKO,PODNIK,LOMENI,PARTIECELA,"),
                  QStringLiteral("NOMENKLA,NAZEVOSIVA,MJ,DRUH,ODRUDA,STUPEN,"),
                  QStringLiteral("NAZ_DRU,NAZ_ODRU,NC,PC,ZUSTATEK,POPIS,VLAST_VYRO,"),
                  QStringLiteral("MNOMENKLA1,MO1,VAHAOBALU,EK1,VAHAO1,POCETO1,NAVESKY,"),
                  QStringLiteral("ULC,DATUMROZHO,VZDATUM,PPOHYB,ZALOZENA,VAHACELKO1)"),
                  QStringLiteral(" values (")};
    for (const char* p : {"PARTIE", "STREDISKO", "PODNIK"})
        s << q(h, p) + QStringLiteral(",");
    s << SqlText(QString::number(h.cele(QStringLiteral("LOMENI")))) + QStringLiteral(",");
    for (const char* p : {"PARTIECELA", "NOMENKLA", "NAZEVOSIVA", "MJ", "DRUH", "ODRUDA", "STUPEN",
                          "NAZ_DRU", "NAZ_ODRU"})
        s << q(h, p) + QStringLiteral(",");
    s << n0(h, "NC") + QStringLiteral(",") << n0(h, "PC") + QStringLiteral(",")
      << n0(h, "MNOZSTVI") + QStringLiteral(",") << q(h, "POPIS") + QStringLiteral(",")
      << (v.SM_vyrobky ? QStringLiteral("'A'") : QStringLiteral("' '")) + QStringLiteral(",")
      << SqlText(o.mnomenkla1) + QStringLiteral(",") << SqlText(o.mo1) + QStringLiteral(",")
      << SqlCislo0(o.vahaobalu) + QStringLiteral(",") << SqlText(o.ek1) + QStringLiteral(",")
      << SqlCislo0(o.vahao1) + QStringLiteral(",")
      << SqlCislo0(Desetinne::zCeleho(o.poceto1)) + QStringLiteral(",")
      << SqlText(o.navesky) + QStringLiteral(",");
    const QDate datum = h.datum(QStringLiteral("DATUM"));
    if (v.mpDoUlc) {
        s << QStringLiteral("concat(\"mp\",@CiDo,\"-\",") + SqlText(v.podnik) + QStringLiteral("),")
          << SqlDatum(datum) + QStringLiteral(",") << SqlDatum(datum) + QStringLiteral(",");
    } else {
        s << q(h, "ULC") + QStringLiteral(",") << SqlDatum(o.datumrozho) + QStringLiteral(",")
          << QStringLiteral("'1900-01-01',");
    }
    s << SqlDatum(datum) + QStringLiteral(",") << SqlDatum(datum) + QStringLiteral(",")
      << SqlCislo0(o.vahao1) + QStringLiteral(")") << QStringLiteral(";");
    return s;
}

QStringList ZapisNaDoklady(PracovniTabulky& t) {
    TabulkaDbf& h = t.hlavicka();
    h.prvni();
    QStringList s;
    for (const char* tabulka : {"pvrad", "dlrad", "vnrad", "vp", "pv9", "smesi", "krsmesi"}) {
        s << QStringLiteral("UPDATE ") + QString::fromLatin1(tabulka) + QStringLiteral(" SET ");
        for (const char* p :
             {"nomenkla", "nazevosiva", "mj", "druh", "odruda", "stupen", "naz_dru", "naz_odru"})
            s << QString::fromLatin1(p) + QStringLiteral(" = ") +
                     SqlText(h.text(QString::fromLatin1(p).toUpper())) + QStringLiteral(",");
        s << QStringLiteral("nc = ") + plain(h, "NC")
          << QStringLiteral(" where partiecela = ") + q(h, "PARTIECELA")
          << QStringLiteral(" and lomeni = ") +
                 SqlText(QString::number(h.cele(QStringLiteral("LOMENI"))))
          << QStringLiteral(";");
    }
    return s;
}

QStringList Oprava(const VstupZapisu& v, PracovniTabulky& t) {
    TabulkaDbf& h = t.hlavicka();
    h.prvni();
    QStringList s{QStringLiteral("BEGIN;"),
                  QStringLiteral("SET @CiDo = ") + q(h, "CISLODOKLA"),
                  QStringLiteral(";"),
                  QStringLiteral("SET @RokDo = ") + q(h, "ROKD") + QStringLiteral(";"),
                  QStringLiteral("delete from smesi where cislodokla = @CiDo"),
                  QStringLiteral(";"),
                  QStringLiteral("delete from smesiobal where cislodokla = @CiDo"),
                  QStringLiteral(";")};
    if (v.PaletyStrediska) {
        s << QStringLiteral("delete from smesipa where cislodokla = @CiDo") << QStringLiteral(";");
        TabulkaDbf& p = t.puvodniPalety();
        for (bool ok = p.prvni(); ok && !p.jeKonec(); ok = p.dalsi()) {
            const QString cislo = QString::number(p.cele(QStringLiteral("CISLO")));
            const QString strP = q(p, "STREDISKO");
            s << QStringLiteral("update sklpalety ")
              << QStringLiteral(" set pocet=pocet + ") +
                     QString::number(p.cele(QStringLiteral("POCET")))
              << QStringLiteral(" ,celkem=celkem + ") + plain(p, "CELKEM")
              << QStringLiteral(" ,zbytek=zbytek + ") + plain(p, "ZBYTEK")
              << QStringLiteral(" ,zustatek=zustatek + ") + plain(p, "ZUSTATEK")
              << QStringLiteral(" where cislo=") + cislo << QStringLiteral(" and stredisko=") + strP
              << QStringLiteral(";");
            s << QStringLiteral("select @pocetpal:=TRUNCATE(abs(zbytek)/vahao1,0) from sklpalety")
              << QStringLiteral(" where cislo=") + cislo << QStringLiteral(" and stredisko=") + strP
              << QStringLiteral(";");
            s << QStringLiteral("update sklpalety SET pocet=pocet+IF(@pocetpal is "
                                "NULL,0,@pocetpal), celkem=pocet*vahao1, "
                                "zbytek=zbytek-IF(@pocetpal is NULL,0,@pocetpal*vahao1)")
              << QStringLiteral(" where cislo=") + cislo << QStringLiteral(" and stredisko=") + strP
              << QStringLiteral(";");
        }
    }
    TabulkaDbf& o = t.puvodniRadky();
    for (bool ok = o.prvni(); ok && !o.jeKonec(); ok = o.dalsi()) {
        const QString podminky = QStringLiteral(" where partiecela = ") + q(o, "PARTIECELA") +
                                 QLatin1Char('\n') + QStringLiteral(" and lomeni = ") +
                                 SqlText(QString::number(o.cele(QStringLiteral("LOMENI")))) +
                                 QLatin1Char('\n') + QStringLiteral(" and stredisko = ") +
                                 q(o, "STREDISKO");
        if (o.text(QStringLiteral("SMES")).trimmed() != QLatin1String("1")) {
            s << QStringLiteral("update skarta")
              << QStringLiteral(" set zustatek = zustatek + ") + n0(o, "MNOZSTVI") +
                     QStringLiteral(", smesi = smesi - ") + n0(o, "MNOZSTVI")
              << podminky << QStringLiteral(";");
        } else if (v.StavZapisu == 1) {
            s << QStringLiteral("update skarta")
              << QStringLiteral(" set zustatek = zustatek - ") + plain(o, "MNOZSTVI") << podminky
              << QStringLiteral(";");
        } else {
            s << QStringLiteral("delete from skarta") << podminky << QStringLiteral(";");
        }
    }
    s << ZapisSM(v, t);
    s << QStringLiteral("COMMIT;");
    return s;
}

QStringList SkriptNovehoDokladu(const VstupZapisu& v, PracovniTabulky& t) {
    TabulkaDbf& h = t.hlavicka();
    h.prvni();
    const QString rok = UcetniRokDokladu(v.UcetniRok, h.datum(QStringLiteral("DATUM")));
    QStringList s = Novy(rok, v.stredisko, v.CislovaniD, v.CisloPC);
    s << ZapisSM(v, t);
    s << QStringLiteral("COMMIT;");
    return s;
}

QString SqlExistencePartie(const QString& partiecela, qint64 lomeni) {
    return QStringList{QStringLiteral("select stredisko from skarta"),
                       QStringLiteral(" where partiecela = ") + SqlText(partiecela),
                       QStringLiteral(" and lomeni = ") + SqlText(QString::number(lomeni))}
        .join(QLatin1Char('\n'));
}

bool JePartieZalozenaJinde(unsigned kod, const QString& prikaz) {
    return kod == 1062 &&
           prikaz.trimmed().startsWith(QLatin1String("insert into skarta"), Qt::CaseInsensitive);
}
