#include "dbf_mutace.h"

#include "dbf.h"

#include <QFile>
#include <QtEndian>

namespace {
QByteArray Obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Zapis(const QString& cesta, const QByteArray& data) {
    QFile f(cesta);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
}

// Every way of reading every field; the values themselves may be anything.
void ctiVse(const TabulkaDbf& t) {
    for (const DefinicePole& p : t.pole()) {
        (void)t.text(p.jmeno);
        (void)t.cislo(p.jmeno);
        (void)t.cele(p.jmeno);
        (void)t.datum(p.jmeno);
        (void)t.jePrazdne(p.jmeno);
    }
}

// A value of the field's own type; a field too narrow for it may refuse it.
void vyplnZaznam(TabulkaDbf& t) {
    for (const DefinicePole& p : t.pole()) {
        switch (p.typ) {
        case TypDbf::Znak:
            t.nastavText(p.jmeno, QStringLiteral("Žito"), true);
            break;
        case TypDbf::Cislo:
            t.nastavCele(p.jmeno, 7);
            break;
        case TypDbf::Datum:
            t.nastavDatum(p.jmeno, QDate(2026, 2, 14));
            break;
        case TypDbf::Memo:
            t.nastavText(p.jmeno, QStringLiteral("Poznámka"));
            break;
        case TypDbf::Logicke:
            t.nastavText(p.jmeno, QStringLiteral("T"));
            break;
        }
    }
}
} // namespace

QString ProverVstupDbf(const QByteArray& dbf, const QByteArray& dbt, const QString& adresar,
                       bool* prijato) {
    const QString cesta = adresar + QStringLiteral("f.dbf");
    const QString memo = adresar + QStringLiteral("f.dbt");
    QFile::remove(memo);
    Zapis(cesta, dbf);
    if (!dbt.isNull())
        Zapis(memo, dbt);

    TabulkaDbf t;
    bool otevreno = t.otevri(cesta);
    if (prijato)
        *prijato = otevreno;
    if (!otevreno) {
        if (t.chyba().isEmpty())
            return QStringLiteral("refused without a message");
        if (Obsah(cesta) != dbf || (!dbt.isNull() && Obsah(memo) != dbt))
            return QStringLiteral("a refused file was changed: ") + t.chyba();
        return {};
    }
    int precteno = 0;
    for (t.prvni(); !t.jeKonec() && precteno <= t.pocetVeSouboru(); t.dalsi(), ++precteno)
        ctiVse(t);
    if (precteno != t.pocet())
        return QStringLiteral("read %1 records, the table counts %2").arg(precteno).arg(t.pocet());

    int ocekavano = precteno;
    if (t.pridej()) {
        vyplnZaznam(t);
        if (t.uloz())
            ++ocekavano;
        else
            t.zrus();
    }
    if (t.prvni() && t.maZaznam() && t.uprav()) {
        vyplnZaznam(t);
        if (!t.uloz())
            t.zrus();
    }
    if (t.prvni() && t.maZaznam() && t.smaz())
        --ocekavano;
    bool zhutneno = t.zhutni();
    ctiVse(t);
    t.zavri();

    TabulkaDbf znovu;
    if (!znovu.otevri(cesta))
        return QStringLiteral("our own writes left the file unreadable: ") + znovu.chyba();
    if (znovu.pocet() != ocekavano)
        return QStringLiteral("%1 records after the writes, expected %2")
            .arg(znovu.pocet())
            .arg(ocekavano);
    for (znovu.prvni(); !znovu.jeKonec(); znovu.dalsi())
        ctiVse(znovu);
    if (zhutneno) {
        // Packed: nothing but the records and the end marker behind the header.
        QByteArray b = Obsah(cesta);
        qint64 ocekavanaDelka = qFromLittleEndian<quint16>(b.constData() + 8) +
                                qint64(ocekavano) * qFromLittleEndian<quint16>(b.constData() + 10) +
                                1;
        if (b.size() != ocekavanaDelka || b.back() != '\x1A')
            return QStringLiteral("a packed file of %1 bytes, expected %2")
                .arg(b.size())
                .arg(ocekavanaDelka);
    }
    return {};
}
