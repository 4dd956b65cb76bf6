#include "dbf.h"

#include "dbfvnitrni.h"
#include "kodovani.h"
#include "vysledek.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstring>

using namespace DbfVnitrni;

namespace {

QString mezeryVprava(QString s) {
    while (!s.isEmpty() && s.back() == QLatin1Char(' '))
        s.chop(1);
    return s;
}
// The stored text of a number for a field with the given decimals.
QByteArray textCislaPole(Desetinne v, int desetin) {
    int d = std::min(desetin, Desetinne::Mista);
    QString t = v.text(d);
    if (desetin > d)
        t += QString(desetin - d, QLatin1Char('0'));
    return t.toLatin1();
}

// A number as the workstation shows it: shortest form, locale's decimal separator.
QString textCislaProUzivatele(Desetinne v) {
    QString t = v.text();
    t.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return t;
}

std::optional<Desetinne> cisloZeServeru(const QString& t) {
    if (auto d = Desetinne::zTextu(t))
        return d;
    // Doubles may arrive in exponent form ("1e-05").
    bool ok = false;
    double x = t.trimmed().toDouble(&ok);
    if (ok && std::abs(x) < 9.0e14)
        return Desetinne::zDouble(x);
    return std::nullopt;
}
QDate datumZTextu(const QString& vstup) {
    // "dd.mm.yyyy" as shown, "yyyy-mm-dd" as the server sends it (a date-time keeps only its
    // date part), or dBase's own "yyyymmdd".
    QString t = vstup.trimmed().section(QLatin1Char(' '), 0, 0);
    if (t.isEmpty())
        return {};
    for (const char* f : {"d.M.yyyy", "yyyy-MM-dd", "yyyyMMdd"}) {
        QDate d = QDate::fromString(t, QLatin1String(f));
        if (d.isValid())
            return d;
    }
    return {};
}
} // namespace

// ---------------------------------------------------------------- fields

int TabulkaDbf::polePro(const QString& jmeno) const {
    int i = indexPole(jmeno);
    if (i < 0)
        m_chyba = jeOtevrena() ? QStringLiteral("Tabulka „%1“ nemá pole %2.").arg(m_cesta, jmeno)
                               : QStringLiteral("Tabulka není otevřena (pole %1).").arg(jmeno);
    return i;
}

int TabulkaDbf::poleProZapis(const QString& jmeno) {
    int i = polePro(jmeno);
    if (i >= 0 && m_stav != Stav::Uprava && m_stav != Stav::Vkladani) {
        m_chyba = QStringLiteral("Tabulka „%1“ není v režimu úprav; pole %2 nelze zapsat.")
                      .arg(m_cesta, m_pole[i].jmeno);
        return -1;
    }
    return i;
}

QString TabulkaDbf::chybaPole(int i, const QString& co) const {
    return QStringLiteral("%1 (pole %2 tabulky „%3“)").arg(co, m_pole[i].jmeno, m_cesta);
}

QByteArray TabulkaDbf::syrove(int i) const {
    return m_zaznam.mid(m_posun[i], m_pole[i].delka);
}

void TabulkaDbf::nastavSyrove(int i, const QByteArray& hodnota) {
    const DefinicePole& d = m_pole[i];
    QByteArray b = hodnota.left(d.delka);
    if (d.typ == TypDbf::Cislo)
        b = b.rightJustified(d.delka, ' ');
    else
        b = b.leftJustified(d.delka, ' ');
    std::memcpy(m_zaznam.data() + m_posun[i], b.constData(), static_cast<size_t>(d.delka));
}

QByteArray TabulkaDbf::memoBajty(int i) const {
    auto it = m_memoNove.constFind(i);
    if (it != m_memoNove.cend())
        return it.value();
    QByteArray t = syrove(i).trimmed();
    QByteArray obsah;
    if (!t.isEmpty())
        ctiMemo(static_cast<quint32>(t.toULongLong()), obsah);
    return obsah;
}

QString TabulkaDbf::text(const QString& jmeno) const {
    int i = polePro(jmeno);
    if (i < 0)
        return {};
    const DefinicePole& d = m_pole[i];
    QByteArray b = syrove(i);
    switch (d.typ) {
    case TypDbf::Znak:
        return ZCp1250(bezKoncovychMezer(b));
    case TypDbf::Cislo: {
        QByteArray t = b.trimmed();
        if (t.isEmpty())
            return {};
        if (auto v = Desetinne::zTextu(QString::fromLatin1(t)))
            return textCislaProUzivatele(*v);
        return QString::fromLatin1(t);
    }
    case TypDbf::Datum: {
        QDate dt = datum(jmeno);
        return dt.isValid() ? dt.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    }
    case TypDbf::Memo:
        return ZCp1250(memoBajty(i));
    case TypDbf::Logicke:
        if (b == "T" || b == "t" || b == "Y" || b == "y")
            return QStringLiteral("T");
        if (b == "F" || b == "f" || b == "N" || b == "n")
            return QStringLiteral("F");
        return {};
    }
    return {};
}

Desetinne TabulkaDbf::cislo(const QString& jmeno) const {
    int i = polePro(jmeno);
    if (i < 0)
        return {};
    switch (m_pole[i].typ) {
    case TypDbf::Cislo:
        return Desetinne::zTextuNeboNula(QString::fromLatin1(syrove(i).trimmed()));
    case TypDbf::Logicke:
        return Desetinne::zCeleho(text(jmeno) == QLatin1String("T") ? 1 : 0);
    case TypDbf::Znak:
    case TypDbf::Memo:
        return Desetinne::zTextuNeboNula(text(jmeno));
    case TypDbf::Datum:
        break;
    }
    return {};
}

qint64 TabulkaDbf::cele(const QString& jmeno) const {
    int i = polePro(jmeno);
    if (i < 0)
        return 0;
    QString t = m_pole[i].typ == TypDbf::Cislo ? QString::fromLatin1(syrove(i).trimmed())
                                               : text(jmeno).trimmed();
    bool ok = false;
    qint64 n = t.toLongLong(&ok);
    if (ok)
        return n;
    // A fraction is cut towards zero, as an integer field of the dataset reads it.
    return cislo(jmeno).desetitisiciny() / Desetinne::Jednotka;
}

QDate TabulkaDbf::datum(const QString& jmeno) const {
    int i = polePro(jmeno);
    if (i < 0)
        return {};
    if (m_pole[i].typ == TypDbf::Datum)
        return QDate::fromString(QString::fromLatin1(syrove(i)), QStringLiteral("yyyyMMdd"));
    if (m_pole[i].typ == TypDbf::Znak)
        return datumZTextu(text(jmeno));
    return {};
}

bool TabulkaDbf::jePrazdne(const QString& jmeno) const {
    int i = polePro(jmeno);
    if (i < 0)
        return true;
    if (m_pole[i].typ == TypDbf::Memo)
        return memoBajty(i).isEmpty();
    return syrove(i).trimmed().isEmpty();
}

bool TabulkaDbf::nastavZnaky(int i, const QString& hodnota, bool oriznout) {
    const DefinicePole& d = m_pole[i];
    QByteArray b;
    QString chyba;
    if (!DoCp1250(hodnota, b, &chyba)) {
        m_chyba = chybaPole(i, chyba);
        return false;
    }
    if (d.typ == TypDbf::Memo) {
        if (b.contains(KonecSouboru)) {
            m_chyba = chybaPole(i, QStringLiteral("Text poznámky nesmí obsahovat znak 0x1A."));
            return false;
        }
        m_memoNove.insert(i, b);
        return true;
    }
    if (b.size() > d.delka) {
        if (!oriznout) {
            m_chyba = QStringLiteral("Hodnota „%1“ se nevejde do pole %2 (šířka %3) tabulky „%4“.")
                          .arg(hodnota, d.jmeno)
                          .arg(d.delka)
                          .arg(m_cesta);
            return false;
        }
        b.truncate(d.delka);
    }
    nastavSyrove(i, b);
    return true;
}

bool TabulkaDbf::nastavCisloPole(int i, Desetinne hodnota) {
    const DefinicePole& d = m_pole[i];
    QByteArray t = textCislaPole(hodnota, d.desetin);
    if (t.size() > d.delka) {
        m_chyba = QStringLiteral("Číslo %1 se nevejde do pole %2 (šířka %3, desetinných míst %4) "
                                 "tabulky „%5“.")
                      .arg(QString::fromLatin1(t), d.jmeno)
                      .arg(d.delka)
                      .arg(d.desetin)
                      .arg(m_cesta);
        return false;
    }
    nastavSyrove(i, t);
    return true;
}

bool TabulkaDbf::nastavTextCisla(int i, const QString& cislo) {
    // An integer is written from its digits: an exact decimal holds only 14 whole digits.
    const DefinicePole& d = m_pole[i];
    QString t = cislo.trimmed();
    bool ok = false;
    qint64 n = t.toLongLong(&ok);
    if (ok) {
        QString s = QString::number(n);
        if (d.desetin > 0)
            s += QLatin1Char('.') + QString(d.desetin, QLatin1Char('0'));
        if (s.size() <= d.delka) {
            nastavSyrove(i, s.toLatin1());
            return true;
        }
    }
    std::optional<Desetinne> v = Desetinne::zTextu(t);
    if (!v) {
        m_chyba = ok ? QStringLiteral("Číslo %1 se nevejde do pole %2 (šířka %3) tabulky „%4“.")
                           .arg(t, d.jmeno)
                           .arg(d.delka)
                           .arg(m_cesta)
                     : chybaPole(i, QStringLiteral("Hodnota „%1“ není číslo.").arg(cislo));
        return false;
    }
    return nastavCisloPole(i, *v);
}

bool TabulkaDbf::nastavText(const QString& jmeno, const QString& hodnota, bool oriznout) {
    int i = poleProZapis(jmeno);
    if (i < 0)
        return false;
    switch (m_pole[i].typ) {
    case TypDbf::Znak:
    case TypDbf::Memo:
        return nastavZnaky(i, hodnota, oriznout);
    case TypDbf::Cislo:
        if (hodnota.trimmed().isEmpty()) {
            nastavSyrove(i, {});
            return true;
        }
        return nastavTextCisla(i, hodnota);
    case TypDbf::Datum: {
        if (hodnota.trimmed().isEmpty()) {
            nastavSyrove(i, {});
            return true;
        }
        QDate d = datumZTextu(hodnota);
        if (!d.isValid()) {
            m_chyba = chybaPole(i, QStringLiteral("Hodnota „%1“ není datum.").arg(hodnota));
            return false;
        }
        return nastavDatum(jmeno, d);
    }
    case TypDbf::Logicke: {
        QString t = hodnota.trimmed().toUpper();
        if (t.isEmpty()) {
            nastavSyrove(i, {});
            return true;
        }
        if (t == QLatin1String("T") || t == QLatin1String("A") || t == QLatin1String("Y") ||
            t == QLatin1String("1")) {
            nastavSyrove(i, "T");
            return true;
        }
        if (t == QLatin1String("F") || t == QLatin1String("N") || t == QLatin1String("0")) {
            nastavSyrove(i, "F");
            return true;
        }
        m_chyba = chybaPole(i, QStringLiteral("Hodnota „%1“ není logická.").arg(hodnota));
        return false;
    }
    }
    return false;
}

bool TabulkaDbf::nastavCislo(const QString& jmeno, Desetinne hodnota) {
    int i = poleProZapis(jmeno);
    if (i < 0)
        return false;
    switch (m_pole[i].typ) {
    case TypDbf::Cislo:
        return nastavCisloPole(i, hodnota);
    case TypDbf::Znak:
    case TypDbf::Memo:
        return nastavZnaky(i, textCislaProUzivatele(hodnota), false);
    case TypDbf::Logicke:
        nastavSyrove(i, hodnota.jeNula() ? "F" : "T");
        return true;
    case TypDbf::Datum:
        break;
    }
    m_chyba = chybaPole(i, QStringLiteral("Do pole data nelze zapsat číslo."));
    return false;
}

bool TabulkaDbf::nastavCele(const QString& jmeno, qint64 hodnota) {
    int i = poleProZapis(jmeno);
    if (i < 0)
        return false;
    switch (m_pole[i].typ) {
    case TypDbf::Cislo:
        return nastavTextCisla(i, QString::number(hodnota));
    case TypDbf::Znak:
    case TypDbf::Memo:
        return nastavZnaky(i, QString::number(hodnota), false);
    case TypDbf::Logicke:
        nastavSyrove(i, hodnota == 0 ? "F" : "T");
        return true;
    case TypDbf::Datum:
        break;
    }
    m_chyba = chybaPole(i, QStringLiteral("Do pole data nelze zapsat číslo."));
    return false;
}

bool TabulkaDbf::nastavDatum(const QString& jmeno, const QDate& hodnota) {
    int i = poleProZapis(jmeno);
    if (i < 0)
        return false;
    bool platne = hodnota.isValid() && hodnota.year() >= 1 && hodnota.year() <= 9999;
    switch (m_pole[i].typ) {
    case TypDbf::Datum:
        nastavSyrove(i, platne ? hodnota.toString(QStringLiteral("yyyyMMdd")).toLatin1()
                               : QByteArray());
        return true;
    case TypDbf::Znak:
    case TypDbf::Memo:
        return nastavZnaky(i, platne ? hodnota.toString(QStringLiteral("dd.MM.yyyy")) : QString(),
                           false);
    case TypDbf::Cislo:
    case TypDbf::Logicke:
        break;
    }
    m_chyba = chybaPole(i, QStringLiteral("Do tohoto pole nelze zapsat datum."));
    return false;
}

bool TabulkaDbf::vymazPole(const QString& jmeno) {
    int i = poleProZapis(jmeno);
    if (i < 0)
        return false;
    if (m_pole[i].typ == TypDbf::Memo)
        m_memoNove.insert(i, {});
    else
        nastavSyrove(i, {});
    return true;
}

bool TabulkaDbf::kopirujRadek(const Vysledek& vysledek, int radek) {
    if (!jeOtevrena() || (m_stav != Stav::Uprava && m_stav != Stav::Vkladani)) {
        m_chyba =
            QStringLiteral("Tabulka „%1“ není v režimu úprav; řádek nelze převzít.").arg(m_cesta);
        return false;
    }
    for (int i = 0; i < m_pole.size(); ++i) {
        const DefinicePole& d = m_pole[i];
        int s = vysledek.index(d.jmeno);
        if (s < 0)
            continue;
        if (vysledek.jeNull(radek, s)) {
            vymazPole(d.jmeno);
            continue;
        }
        QString t = vysledek.text(radek, s);
        bool ok = true;
        switch (d.typ) {
        case TypDbf::Znak:
        case TypDbf::Memo:
            ok = nastavZnaky(i, t, false);
            break;
        case TypDbf::Cislo:
            if (auto v = cisloZeServeru(t)) {
                ok = vysledek.pole()[s].typ == TypPole::Cele ? nastavTextCisla(i, t)
                                                             : nastavCisloPole(i, *v);
            } else if (t.trimmed().isEmpty()) {
                nastavSyrove(i, {});
            } else {
                ok = nastavTextCisla(i, t);
            }
            break;
        case TypDbf::Datum: {
            // The server's zero date ("0000-00-00") is no date at all.
            QDate dt = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
            nastavSyrove(i, dt.isValid() ? dt.toString(QStringLiteral("yyyyMMdd")).toLatin1()
                                         : QByteArray());
            break;
        }
        case TypDbf::Logicke:
            ok = nastavText(d.jmeno, t);
            break;
        }
        if (!ok)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- filter

bool TabulkaDbf::nastavFiltr(const QString& vyraz) {
    static const QRegularExpression tvar(QStringLiteral(
        R"re(^\s*([A-Za-z0-9_]+)\s*=\s*(?:'((?:[^']|'')*)'|"((?:[^"]|"")*)")\s*$)re"));
    QRegularExpressionMatch m = tvar.match(vyraz);
    if (!m.hasMatch()) {
        m_chyba = QStringLiteral("Filtr „%1“ tabulky „%2“ není podporován; povolen je tvar "
                                 "pole = 'hodnota'.")
                      .arg(vyraz, m_cesta);
        return false;
    }
    QString hodnota = m.capturedStart(2) >= 0
                          ? m.captured(2).replace(QStringLiteral("''"), QStringLiteral("'"))
                          : m.captured(3).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return nastavFiltr(m.captured(1), hodnota);
}

bool TabulkaDbf::nastavFiltr(const QString& jmenoPole, const QString& hodnota) {
    if (!dokonci())
        return false;
    int i = polePro(jmenoPole);
    if (i < 0)
        return false;
    QByteArray b;
    QString chyba;
    if (!DoCp1250(mezeryVprava(hodnota), b, &chyba)) {
        m_chyba = chybaPole(i, chyba);
        return false;
    }
    if (m_pole[i].typ != TypDbf::Znak) {
        m_chyba = chybaPole(i, QStringLiteral("Filtr je možný jen na textovém poli."));
        return false;
    }
    m_filtrPole = i;
    m_filtrHodnota = b;
    return prvni();
}

bool TabulkaDbf::zrusFiltr() {
    if (!dokonci())
        return false;
    m_filtrPole = -1;
    m_filtrHodnota.clear();
    return prvni();
}
