#include "ini.h"

#include "kodovani.h"

#include <QFile>
#include <QSaveFile>

namespace {
bool jeSekce(const QString& radek, QString* jmeno) {
    QString t = radek.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    qsizetype konec = t.indexOf(QLatin1Char(']'));
    if (konec < 0)
        return false;
    if (jmeno)
        *jmeno = t.mid(1, konec - 1).trimmed();
    return true;
}

// Splits "key=value"; a line without '=' or starting with ';' carries no key.
bool jeKlic(const QString& radek, QString* klic, QString* hodnota) {
    QString t = radek.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    qsizetype rovno = t.indexOf(QLatin1Char('='));
    if (rovno <= 0)
        return false;
    if (klic)
        *klic = t.left(rovno).trimmed();
    if (hodnota) {
        QString h = t.mid(rovno + 1).trimmed();
        // The profile functions drop one pair of enclosing quotes.
        if (h.size() >= 2 && ((h.startsWith(QLatin1Char('"')) && h.endsWith(QLatin1Char('"'))) ||
                              (h.startsWith(QLatin1Char('\'')) && h.endsWith(QLatin1Char('\'')))))
            h = h.mid(1, h.size() - 2);
        *hodnota = h;
    }
    return true;
}

bool stejne(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

QStringList IniSoubor::nactiRadky() const {
    QFile f(m_cesta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = ZCp1250(f.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList radky = text.split(QLatin1Char('\n'));
    if (!radky.isEmpty() && radky.last().isEmpty())
        radky.removeLast();
    return radky;
}

bool IniSoubor::ulozRadky(const QStringList& radky) const {
    QByteArray data;
    for (const QString& r : radky) {
        QByteArray b;
        if (!DoCp1250(r, b))
            return false;
        data += b;
        data += "\r\n";
    }
    QSaveFile f(m_cesta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(data);
    return f.commit();
}

QString IniSoubor::cti(const QString& sekce, const QString& klic, const QString& vychozi) const {
    bool vSekci = false;
    for (const QString& r : nactiRadky()) {
        QString jmeno, k, h;
        if (jeSekce(r, &jmeno)) {
            vSekci = stejne(jmeno, sekce);
        } else if (vSekci && jeKlic(r, &k, &h) && stejne(k, klic)) {
            return h;
        }
    }
    return vychozi;
}

bool IniSoubor::obsahuje(const QString& sekce, const QString& klic) const {
    bool vSekci = false;
    for (const QString& r : nactiRadky()) {
        QString jmeno, k;
        if (jeSekce(r, &jmeno))
            vSekci = stejne(jmeno, sekce);
        else if (vSekci && jeKlic(r, &k, nullptr) && stejne(k, klic))
            return true;
    }
    return false;
}

QStringList IniSoubor::klice(const QString& sekce) const {
    QStringList vysledek;
    bool vSekci = false;
    for (const QString& r : nactiRadky()) {
        QString jmeno, k;
        if (jeSekce(r, &jmeno))
            vSekci = stejne(jmeno, sekce);
        else if (vSekci && jeKlic(r, &k, nullptr))
            vysledek << k;
    }
    return vysledek;
}

bool IniSoubor::ctiBool(const QString& sekce, const QString& klic, bool vychozi) const {
    QString h = cti(sekce, klic, vychozi ? QStringLiteral("True") : QStringLiteral("False"));
    return stejne(h, QStringLiteral("True")) || h == QLatin1String("1");
}

int IniSoubor::ctiInt(const QString& sekce, const QString& klic, int vychozi) const {
    bool ok = false;
    int v = cti(sekce, klic).toInt(&ok);
    return ok ? v : vychozi;
}

bool IniSoubor::zapis(const QString& sekce, const QString& klic, const QString& hodnota) const {
    QStringList radky = nactiRadky();
    qsizetype zacatek = -1; // index of the section line
    qsizetype konec = radky.size();
    for (qsizetype i = 0; i < radky.size(); ++i) {
        QString jmeno;
        if (jeSekce(radky[i], &jmeno)) {
            if (zacatek >= 0) {
                konec = i;
                break;
            }
            if (stejne(jmeno, sekce))
                zacatek = i;
        }
    }
    const QString novy = klic + QLatin1Char('=') + hodnota;
    if (zacatek < 0) {
        if (!radky.isEmpty() && !radky.last().trimmed().isEmpty())
            radky << QString();
        radky << QLatin1Char('[') + sekce + QLatin1Char(']') << novy;
        return ulozRadky(radky);
    }
    qsizetype posledniKlic = zacatek;
    for (qsizetype i = zacatek + 1; i < konec; ++i) {
        QString k;
        if (jeKlic(radky[i], &k, nullptr)) {
            if (stejne(k, klic)) {
                radky[i] = novy;
                return ulozRadky(radky);
            }
            posledniKlic = i;
        }
    }
    radky.insert(posledniKlic + 1, novy);
    return ulozRadky(radky);
}

bool IniSoubor::smazKlic(const QString& sekce, const QString& klic) const {
    QStringList radky = nactiRadky();
    bool vSekci = false;
    for (qsizetype i = 0; i < radky.size(); ++i) {
        QString jmeno, k;
        if (jeSekce(radky[i], &jmeno)) {
            vSekci = stejne(jmeno, sekce);
        } else if (vSekci && jeKlic(radky[i], &k, nullptr) && stejne(k, klic)) {
            radky.removeAt(i);
            return ulozRadky(radky);
        }
    }
    return true;
}
