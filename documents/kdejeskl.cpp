#include "kdejeskl.h"

#include "dotaz.h"
#include "hodnoty.h"
#include "kurzor.h"
#include "stavprogramu.h"

#include <QVector>

QString TabulkaPohybu(const QString& cisloPC) {
    return QStringLiteral("tmp") + cisloPC + QStringLiteral("smesi");
}

QStringList PrikazyKdeJeSkl(const QString& cisloPC, const QString& partiecela, qint64 lomeni,
                            QVector<int>* body) {
    const QString t = TabulkaPohybu(cisloPC);
    const QString lot = SqlText(partiecela);
    const QString lo = QString::number(lomeni);
    const QString sloupce = QStringLiteral(" (doklad,cislodokla,pohyb,datum,datumzauct,mnozstvi)");
    QStringList p;
    QVector<int> b;
    auto pridej = [&](const QStringList& radky, int bod) {
        p << radky.join(QLatin1Char('\n'));
        b << bod;
    };
    pridej({QStringLiteral("drop table if exists ") + t}, 402);
    pridej({QStringLiteral("create table ") + t,
            QStringLiteral(
                " select \"PV\" as doklad,pv.cislodokla,pv.dp as pohyb,pv.datum,pv.datumzauct,"
                "pvrad.hmotnostpv as mnozstvi,pv.cislofakt,pvrad.nc"),
            QStringLiteral(" from pvrad"),
            QStringLiteral(" LEFT JOIN pv ON pv.cislodokla=pvrad.cislodokla"),
            QStringLiteral(" where pvrad.partiecela = ") + lot,
            QStringLiteral(" and pvrad.lomeni = ") + lo},
           403);
    pridej({QStringLiteral("insert into ") + t +
                QStringLiteral(" (doklad,cislodokla,datum,datumzauct,mnozstvi)"),
            QStringLiteral(
                " select \"DL\" as doklad,dl.cislodokla,dl.datumvn1,dl.datumzauct,dlrad.hmotnostvn "
                "as mnozstvi"),
            QStringLiteral(" from dlrad"),
            QStringLiteral(" LEFT JOIN dl ON dl.cislodokla=dlrad.cislodokla"),
            QStringLiteral(" where dlrad.partiecela = ") + lot,
            QStringLiteral(" and dlrad.lomeni = ") + lo},
           404);
    pridej(
        {QStringLiteral("insert into ") + t +
             QStringLiteral(" (doklad,cislodokla,pohyb,datum,datumzauct,mnozstvi,cislofakt)"),
         QStringLiteral(
             " select \"VN\" as doklad,vn.cislodokla,vn.druhvydeje as pohyb,vn.datumvn1 as datum,"
             "vn.datumzauct,vnrad.hmotnostvn as mnozstvi,vn.cislofakt"),
         QStringLiteral(" from vnrad"),
         QStringLiteral(" LEFT JOIN vn ON vn.cislodokla=vnrad.cislodokla"),
         QStringLiteral(" where vnrad.partiecela = ") + lot,
         QStringLiteral(" and vnrad.lomeni = ") + lo},
        405);
    pridej({QStringLiteral("insert into ") + t + sloupce,
            QStringLiteral(" select \"VP\" as doklad,cislodokla,pohyb,datum,datumzauct, mnozstvi"),
            QStringLiteral(" from vp where "), QStringLiteral(" vp.partiecela = ") + lot,
            QStringLiteral(" and vp.lomeni = ") + lo},
           406);
    pridej({QStringLiteral("insert into ") + t + sloupce,
            QStringLiteral(" select \"KA\" as doklad,cislodokla,pohyb,datum,datumzauct, mnozstvi"),
            QStringLiteral(" from pv9 where "), QStringLiteral(" pv9.partiecela = ") + lot,
            QStringLiteral(" and pv9.lomeni = ") + lo, QStringLiteral(" and pv9.pohyb <> \"9\"")},
           0);
    pridej(
        {QStringLiteral("UPDATE ") + t + QStringLiteral(" x, pv9 a SET x.NC=a.NC"),
         QStringLiteral(" where x.doklad=\"KA\" and x.cislodokla=a.CISLODOKLA and a.POHYB=\"9\"")},
        407);
    pridej({QStringLiteral("insert into ") + t + sloupce,
            QStringLiteral(" select \"SM\" as doklad,cislodokla,smes,datum,datumzauct, mnozstvi"),
            QStringLiteral(" from smesi where "), QStringLiteral(" smesi.partiecela = ") + lot,
            QStringLiteral(" and smesi.lomeni = ") + lo,
            QStringLiteral(" and smesi.smes <> \"1\"")},
           0);
    pridej(
        {QStringLiteral("UPDATE ") + t + QStringLiteral(" x, smesi a SET x.NC=a.NC"),
         QStringLiteral(" where x.doklad=\"SM\" and x.cislodokla=a.CISLODOKLA and a.smes=\"1\"")},
        408);
    pridej({QStringLiteral("insert into ") + t + sloupce,
            QStringLiteral(" select \"KS\" as doklad,cislodokla,smes,datum,datumzauct, mnozstvi"),
            QStringLiteral(" from krsmesi where "), QStringLiteral(" krsmesi.partiecela = ") + lot,
            QStringLiteral(" and krsmesi.lomeni = ") + lo},
           0);
    pridej(
        {QStringLiteral("UPDATE ") + t + QStringLiteral(" x, krsmesi a SET x.NC=a.NC"),
         QStringLiteral(" where x.doklad=\"KS\" and x.cislodokla=a.CISLODOKLA and a.smes=\"1\"")},
        409);
    if (body)
        *body = b;
    return p;
}

bool KdeJeSkl(StavProgramu& stav, const QString& partiecela, qint64 lomeni) {
    KurzorCekani kurzor;
    stav.ZapisSled(401);
    QVector<int> body;
    const QStringList p = PrikazyKdeJeSkl(stav.CisloPC, partiecela, lomeni, &body);
    int chybny = -1;
    const bool ok = stav.relace.spojeni().provedVice(p, &chybny);
    // The checkpoints mark the steps that completed, as if each ran on its own.
    const int hotovo = ok ? static_cast<int>(p.size()) : chybny;
    for (int i = 0; i < hotovo; ++i)
        if (body[i] > 0)
            stav.ZapisSled(body[i]);
    if (!ok) {
        dotaz(stav.relace.spojeni().chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        return false;
    }
    return true;
}
