#include "dbf.h"

#include "dbfvnitrni.h"
#include "vysledek.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace DbfVnitrni;

namespace DbfVnitrni {

QByteArray bezKoncovychMezer(QByteArray b) {
    while (!b.isEmpty() && (b.back() == ' ' || b.back() == '\0'))
        b.chop(1);
    return b;
}
QString textChyby(int kod) {
    // The usual causes in the user's language; the rest as the system words them.
    switch (kod) {
    case EACCES:
    case EPERM:
        return QStringLiteral("přístup odepřen");
    case EROFS:
        return QStringLiteral("soubor je jen pro čtení");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("na disku není místo");
    case ENOENT:
        return QStringLiteral("soubor nebo adresář neexistuje");
    case EISDIR:
        return QStringLiteral("je to adresář");
    default:
        return QString::fromLocal8Bit(std::strerror(kod));
    }
}

bool ctiPresne(int fd, qint64 pozice, char* kam, qint64 kolik) {
    while (kolik > 0) {
        ssize_t n = ::pread(fd, kam, static_cast<size_t>(kolik), static_cast<off_t>(pozice));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        kam += n;
        pozice += n;
        kolik -= n;
    }
    return true;
}
bool zapisPresne(int fd, qint64 pozice, const char* co, qint64 kolik) {
    while (kolik > 0) {
        ssize_t n = ::pwrite(fd, co, static_cast<size_t>(kolik), static_cast<off_t>(pozice));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        co += n;
        pozice += n;
        kolik -= n;
    }
    return true;
}
} // namespace DbfVnitrni

namespace {

// An open-file-description lock: it belongs to this descriptor only, so a second open of
// the same file, even in this process, is refused, and closing some other descriptor of
// the file does not drop it (both unlike classic fcntl locks). Where the kernel or the
// file system lacks it, flock() has the same semantics.
bool zamkni(int fd, int* kod) {
#ifdef F_OFD_SETLK
    struct flock z;
    std::memset(&z, 0, sizeof z);
    z.l_type = F_WRLCK;
    z.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &z) == 0)
        return true;
    if (errno != EINVAL) {
        *kod = errno;
        return false;
    }
#endif
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    *kod = errno;
    return false;
}

bool jeObsazeno(int kod) {
    return kod == EAGAIN || kod == EACCES || kod == EWOULDBLOCK;
}
qint64 velikost(int fd) {
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return -1;
    return static_cast<qint64>(st.st_size);
}
// Tables installed by other programs are often upper-case: when no file has exactly the
// name, a file of the same name in another case is taken.
QString najdiSoubor(const QString& cesta) {
    QFileInfo fi(cesta);
    if (fi.exists())
        return cesta;
    const QDir d = fi.absoluteDir();
    const QStringList jmena = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& j : jmena)
        if (j.compare(fi.fileName(), Qt::CaseInsensitive) == 0)
            return d.filePath(j);
    return cesta;
}
// The memo file next to the table: the same base name with ".dbt", upper-case when the
// table's extension is upper-case.
QString cestaMemo(const QString& cesta) {
    QFileInfo fi(cesta);
    QString pripona = fi.suffix();
    QString zaklad = pripona.isEmpty() ? cesta : cesta.left(cesta.size() - pripona.size() - 1);
    bool velka = !pripona.isEmpty() && pripona == pripona.toUpper();
    return zaklad + (velka ? QStringLiteral(".DBT") : QStringLiteral(".dbt"));
}
bool platneJmeno(const QString& jmeno) {
    if (jmeno.isEmpty() || jmeno.size() > DelkaJmena)
        return false;
    for (QChar c : jmeno) {
        ushort u = c.unicode();
        bool ok =
            (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_';
        if (!ok)
            return false;
    }
    return true;
}
} // namespace

bool DefiniceZVysledku(const Vysledek& vysledek, QVector<DefinicePole>& pole, QString* chyba) {
    pole.clear();
    QHash<QString, bool> videno;
    for (const PolePopis& p : vysledek.pole()) {
        if (p.typ == TypPole::Binarni)
            continue;
        if (!platneJmeno(p.jmeno)) {
            if (chyba)
                *chyba = QStringLiteral("Sloupec „%1“ nelze převzít do tabulky dBase: jméno pole "
                                        "smí mít nejvýše 10 znaků (písmena bez diakritiky, "
                                        "číslice, podtržítko).")
                             .arg(p.jmeno);
            pole.clear();
            return false;
        }
        QString klic = p.jmeno.toUpper();
        if (videno.contains(klic))
            continue;
        videno.insert(klic, true);
        DefinicePole d;
        d.jmeno = klic;
        switch (p.typ) {
        case TypPole::Text:
            if (p.delka > DbfMaxSirkaZnaku) {
                d.typ = TypDbf::Memo;
                d.delka = 10;
            } else {
                d.delka = std::max(p.delka, 1);
            }
            break;
        case TypPole::Cislo:
            d.typ = TypDbf::Cislo;
            d.delka = DbfSirkaCisla;
            d.desetin = DbfDesetinCisla;
            break;
        case TypPole::Cele:
            d.typ = TypDbf::Cislo;
            d.delka = std::clamp(p.delka, DbfMinSirkaCeleho, DbfSirkaCisla);
            break;
        case TypPole::Datum:
            d.typ = TypDbf::Datum;
            d.delka = 8;
            break;
        case TypPole::DatumCas:
        case TypPole::Cas:
            d.delka = DbfSirkaDatumCasu;
            break;
        case TypPole::Memo:
            d.typ = TypDbf::Memo;
            d.delka = 10;
            break;
        case TypPole::Binarni:
            break;
        }
        pole.push_back(d);
    }
    return true;
}
TabulkaDbf::TabulkaDbf() = default;

TabulkaDbf::~TabulkaDbf() {
    zavri();
}

void TabulkaDbf::uvolni() {
    // Closing the descriptors releases their locks.
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_fdMemo >= 0)
        ::close(m_fdMemo);
    m_fd = m_fdMemo = -1;
    m_pole.clear();
    m_posun.clear();
    m_indexy.clear();
    m_delkaHlavicky = m_delkaZaznamu = 0;
    m_pocet = 0;
    m_aktivnich = 0;
    m_velikostMemo = 0;
    m_stav = Stav::Zavrena;
    m_pozice = -1;
    m_konec = true;
    m_zaznam.clear();
    m_memoNove.clear();
    m_filtrPole = -1;
    m_filtrHodnota.clear();
}

bool TabulkaDbf::zavri() {
    bool ok = true;
    if (jeOtevrena() && m_stav != Stav::Prochazeni)
        ok = uloz();
    QString chyba = m_chyba;
    uvolni();
    m_cesta.clear();
    m_cestaMemo.clear();
    m_chyba = ok ? QString() : chyba;
    return ok;
}

bool TabulkaDbf::chybaZapisu(const QString& soubor) {
    m_chyba = QStringLiteral("Zápis do souboru „%1“ selhal: %2.").arg(soubor, textChyby(errno));
    return false;
}

int TabulkaDbf::indexPole(const QString& jmeno) const {
    return m_indexy.value(jmeno.toUpper(), -1);
}

// ---------------------------------------------------------------- creating and opening

bool TabulkaDbf::otevriSoubory(const QString& cesta, bool vytvorit) {
    const QByteArray jmeno = QFile::encodeName(cesta);
    int priznaky = O_RDWR | O_CLOEXEC | (vytvorit ? O_CREAT : 0);
    // No O_TRUNC: a file that another program holds must not change before the lock says
    // that it is free.
    m_fd = ::open(jmeno.constData(), priznaky, 0666);
    if (m_fd < 0) {
        int kod = errno;
        m_chyba = kod == ENOENT
                      ? QStringLiteral("Soubor „%1“ neexistuje.").arg(cesta)
                      : QStringLiteral("Soubor „%1“ nelze otevřít: %2.").arg(cesta, textChyby(kod));
        return false;
    }
    int kod = 0;
    if (!zamkni(m_fd, &kod)) {
        m_chyba =
            jeObsazeno(kod)
                ? QStringLiteral("Soubor „%1“ používá jiný program (je otevřen pro výhradní "
                                 "použití); nelze jej otevřít.")
                      .arg(cesta)
                : QStringLiteral("Soubor „%1“ nelze uzamknout: %2.").arg(cesta, textChyby(kod));
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

bool TabulkaDbf::vytvor(const QString& cesta, const Vysledek& strukturaZeServeru) {
    QVector<DefinicePole> pole;
    QString chyba;
    if (!DefiniceZVysledku(strukturaZeServeru, pole, &chyba)) {
        zavri();
        m_chyba = QStringLiteral("Tabulku „%1“ nelze vytvořit. %2").arg(cesta, chyba);
        return false;
    }
    return vytvor(cesta, pole);
}

bool TabulkaDbf::vytvor(const QString& cesta, const QVector<DefinicePole>& definice) {
    zavri();
    auto odmitni = [&](const QString& duvod) {
        m_chyba = QStringLiteral("Tabulku „%1“ nelze vytvořit: %2").arg(cesta, duvod);
        return false;
    };
    if (definice.isEmpty())
        return odmitni(QStringLiteral("nemá žádné pole."));
    QByteArray popisy;
    QHash<QString, bool> jmena;
    int delkaZaznamu = 1;
    bool maMemo = false;
    for (const DefinicePole& d : definice) {
        if (!platneJmeno(d.jmeno))
            return odmitni(QStringLiteral("jméno pole „%1“ musí mít 1 až 10 znaků (písmena bez "
                                          "diakritiky, číslice, podtržítko).")
                               .arg(d.jmeno));
        QString klic = d.jmeno.toUpper();
        if (jmena.contains(klic))
            return odmitni(QStringLiteral("pole %1 je uvedeno dvakrát.").arg(klic));
        jmena.insert(klic, true);
        int delka = d.delka, desetin = 0;
        switch (d.typ) {
        case TypDbf::Znak:
            if (delka < 1 || delka > DbfMaxSirkaZnaku)
                return odmitni(QStringLiteral("pole %1 má šířku %2 (povoleno 1 až %3).")
                                   .arg(klic)
                                   .arg(delka)
                                   .arg(DbfMaxSirkaZnaku));
            break;
        case TypDbf::Cislo:
            desetin = d.desetin;
            if (delka < 1 || delka > DbfSirkaCisla || desetin < 0 ||
                (desetin > 0 && desetin > delka - 2))
                return odmitni(QStringLiteral("číselné pole %1 má šířku %2 a %3 desetinných míst.")
                                   .arg(klic)
                                   .arg(delka)
                                   .arg(desetin));
            break;
        case TypDbf::Datum:
            delka = 8;
            break;
        case TypDbf::Memo:
            delka = 10;
            maMemo = true;
            break;
        case TypDbf::Logicke:
            delka = 1;
            break;
        default:
            return odmitni(QStringLiteral("pole %1 má neznámý typ.").arg(klic));
        }
        QByteArray p(DelkaPopisu, '\0');
        QByteArray j = klic.toLatin1();
        std::memcpy(p.data(), j.constData(), static_cast<size_t>(j.size()));
        p[11] = static_cast<char>(d.typ);
        p[16] = static_cast<char>(delka);
        p[17] = static_cast<char>(desetin);
        popisy += p;
        delkaZaznamu += delka;
    }
    qint64 delkaHlavicky = DelkaHlavicky + popisy.size() + 1;
    if (delkaHlavicky > 0xFFFF || delkaZaznamu > 0xFFFF)
        return odmitni(QStringLiteral("má příliš mnoho polí."));

    QByteArray hlavicka(DelkaHlavicky, '\0');
    hlavicka[0] = maMemo ? VerzeSMemo : VerzeBezMemo;
    qToLittleEndian<quint16>(static_cast<quint16>(delkaHlavicky), hlavicka.data() + 8);
    qToLittleEndian<quint16>(static_cast<quint16>(delkaZaznamu), hlavicka.data() + 10);
    hlavicka[29] = static_cast<char>(JazykCp1250);
    hlavicka += popisy;
    hlavicka += KonecHlavicky;
    hlavicka += KonecSouboru;

    if (!otevriSoubory(cesta, true))
        return false;
    m_cesta = cesta;
    QString memo = cestaMemo(cesta);
    if (maMemo) {
        m_fdMemo = ::open(QFile::encodeName(memo).constData(), O_RDWR | O_CLOEXEC | O_CREAT, 0666);
        int kod = m_fdMemo < 0 ? errno : 0;
        if (m_fdMemo >= 0 && !zamkni(m_fdMemo, &kod)) {
            ::close(m_fdMemo);
            m_fdMemo = -1;
        }
        if (m_fdMemo < 0) {
            m_chyba =
                jeObsazeno(kod)
                    ? QStringLiteral("Soubor „%1“ používá jiný program; tabulku „%2“ nelze "
                                     "vytvořit.")
                          .arg(memo, cesta)
                    : QStringLiteral("Soubor „%1“ nelze vytvořit: %2.").arg(memo, textChyby(kod));
            uvolni();
            m_cesta.clear();
            return false;
        }
        m_cestaMemo = memo;
    }
    // Both files are held now; from here on they are rewritten in place.
    QByteArray blok0(BlokMemo, '\0');
    qToLittleEndian<quint32>(1, blok0.data());
    if (::ftruncate(m_fd, 0) != 0 || !zapisPresne(m_fd, 0, hlavicka.constData(), hlavicka.size())) {
        chybaZapisu(cesta);
        uvolni();
        m_cesta.clear();
        return false;
    }
    if (maMemo && (::ftruncate(m_fdMemo, 0) != 0 ||
                   !zapisPresne(m_fdMemo, 0, blok0.constData(), blok0.size()))) {
        chybaZapisu(memo);
        uvolni();
        m_cesta.clear();
        m_cestaMemo.clear();
        return false;
    }
    if (!maMemo && QFileInfo::exists(memo))
        QFile::remove(memo); // left over from an earlier structure of the same table
    if (!nactiStrukturu()) {
        uvolni();
        m_cesta.clear();
        return false;
    }
    m_velikostMemo = maMemo ? BlokMemo : 0;
    m_stav = Stav::Prochazeni;
    zapisHlavicku();
    prazdnyZaznam();
    m_chyba.clear();
    return true;
}

bool TabulkaDbf::otevri(const QString& vstup) {
    zavri();
    QString cesta = najdiSoubor(vstup);
    if (!otevriSoubory(cesta, false))
        return false;
    m_cesta = cesta;
    if (!nactiStrukturu() || !nactiMemo() || !zkontrolujZaznamy()) {
        QString chyba = m_chyba;
        uvolni();
        m_cesta.clear();
        m_cestaMemo.clear();
        m_chyba = chyba;
        return false;
    }
    m_stav = Stav::Prochazeni;
    m_chyba.clear();
    return prvni();
}

bool TabulkaDbf::nactiStrukturu() {
    auto poskozen = [&](const QString& duvod) {
        m_chyba = QStringLiteral("Soubor „%1“ není platná tabulka dBase: %2").arg(m_cesta, duvod);
        return false;
    };
    qint64 delkaSouboru = velikost(m_fd);
    char h[DelkaHlavicky];
    if (delkaSouboru < DelkaHlavicky || !ctiPresne(m_fd, 0, h, DelkaHlavicky))
        return poskozen(QStringLiteral("hlavička je neúplná."));
    char verze = h[0];
    if (verze != VerzeBezMemo && verze != VerzeSMemo)
        return poskozen(QStringLiteral("neznámá verze formátu (0x%1).")
                            .arg(static_cast<unsigned char>(verze), 2, 16, QLatin1Char('0')));
    m_pocet = qFromLittleEndian<quint32>(h + 4);
    m_delkaHlavicky = qFromLittleEndian<quint16>(h + 8);
    m_delkaZaznamu = qFromLittleEndian<quint16>(h + 10);
    if (m_delkaHlavicky < DelkaHlavicky + DelkaPopisu + 1)
        return poskozen(QStringLiteral("hlavička je neúplná."));
    if (m_delkaHlavicky > delkaSouboru)
        return poskozen(QStringLiteral("hlavička je delší než soubor (soubor je zkrácen)."));
    QByteArray popisy(m_delkaHlavicky - DelkaHlavicky, '\0');
    if (!ctiPresne(m_fd, DelkaHlavicky, popisy.data(), popisy.size()))
        return poskozen(QStringLiteral("hlavička je neúplná."));

    m_pole.clear();
    m_posun.clear();
    m_indexy.clear();
    int posun = 1;
    bool konecPopisu = false;
    for (qsizetype i = 0; i < popisy.size(); i += DelkaPopisu) {
        if (popisy[i] == KonecHlavicky) {
            konecPopisu = true;
            break;
        }
        if (i + DelkaPopisu > popisy.size())
            break;
        const char* p = popisy.constData() + i;
        int n = static_cast<int>(m_pole.size()) + 1;
        QByteArray jmeno(p, 11);
        jmeno.truncate(static_cast<qsizetype>(qstrnlen(jmeno.constData(), 11)));
        DefinicePole d;
        d.jmeno = QString::fromLatin1(jmeno).toUpper();
        if (!platneJmeno(d.jmeno))
            return poskozen(QStringLiteral("pole č. %1 má neplatné jméno.").arg(n));
        d.delka = static_cast<unsigned char>(p[16]);
        d.desetin = static_cast<unsigned char>(p[17]);
        char typ = p[11];
        bool ok = d.delka > 0;
        switch (typ) {
        case 'C':
            d.typ = TypDbf::Znak;
            d.desetin = 0;
            break;
        case 'N':
        case 'F':
            d.typ = TypDbf::Cislo;
            ok = ok && d.delka <= 20 && d.desetin < d.delka;
            break;
        case 'D':
            d.typ = TypDbf::Datum;
            ok = d.delka == 8;
            break;
        case 'M':
            d.typ = TypDbf::Memo;
            ok = d.delka == 10;
            break;
        case 'L':
            d.typ = TypDbf::Logicke;
            ok = d.delka == 1;
            break;
        default:
            ok = false;
        }
        if (!ok)
            return poskozen(
                QStringLiteral("pole %1 má nepodporovaný typ nebo šířku.").arg(d.jmeno));
        if (m_indexy.contains(d.jmeno))
            return poskozen(QStringLiteral("pole %1 je uvedeno dvakrát.").arg(d.jmeno));
        m_indexy.insert(d.jmeno, static_cast<int>(m_pole.size()));
        m_pole.push_back(d);
        m_posun.push_back(posun);
        posun += d.delka;
    }
    if (!konecPopisu || m_pole.isEmpty())
        return poskozen(QStringLiteral("popis polí v hlavičce je neúplný."));
    if (posun != m_delkaZaznamu)
        return poskozen(QStringLiteral("délka záznamu v hlavičce (%1) neodpovídá polím (%2).")
                            .arg(m_delkaZaznamu)
                            .arg(posun));
    qint64 vejde = (delkaSouboru - m_delkaHlavicky) / m_delkaZaznamu;
    if (static_cast<qint64>(m_pocet) > vejde) {
        m_chyba = QStringLiteral("Soubor „%1“ je poškozen: hlavička uvádí %2 záznamů, soubor jich "
                                 "obsahuje jen %3.")
                      .arg(m_cesta)
                      .arg(m_pocet)
                      .arg(vejde);
        return false;
    }
    return true;
}

bool TabulkaDbf::nactiMemo() {
    bool maMemo = std::any_of(m_pole.cbegin(), m_pole.cend(),
                              [](const DefinicePole& d) { return d.typ == TypDbf::Memo; });
    if (!maMemo)
        return true;
    QString memo = najdiSoubor(cestaMemo(m_cesta));
    m_fdMemo = ::open(QFile::encodeName(memo).constData(), O_RDWR | O_CLOEXEC);
    if (m_fdMemo < 0) {
        int kod = errno;
        m_chyba =
            kod == ENOENT
                ? QStringLiteral("Chybí soubor poznámek „%1“ k tabulce „%2“.").arg(memo, m_cesta)
                : QStringLiteral("Soubor „%1“ nelze otevřít: %2.").arg(memo, textChyby(kod));
        return false;
    }
    int kod = 0;
    if (!zamkni(m_fdMemo, &kod)) {
        m_chyba =
            jeObsazeno(kod)
                ? QStringLiteral("Soubor „%1“ používá jiný program (je otevřen pro výhradní "
                                 "použití); nelze jej otevřít.")
                      .arg(memo)
                : QStringLiteral("Soubor „%1“ nelze uzamknout: %2.").arg(memo, textChyby(kod));
        return false;
    }
    m_cestaMemo = memo;
    m_velikostMemo = velikost(m_fdMemo);
    // Only the size matters: new texts are appended at the end (see zapisMemo).
    if (m_velikostMemo < 4) {
        m_chyba =
            QStringLiteral("Soubor poznámek „%1“ je poškozen: hlavička je neúplná.").arg(memo);
        return false;
    }
    return true;
}

bool TabulkaDbf::zkontrolujZaznamy() {
    // One pass over the data: the count of live records, and every memo pointer of a live
    // record must lie inside the memo file, so a damaged file is refused at opening instead
    // of failing half-way through a document.
    QVector<int> memoPole;
    for (int i = 0; i < m_pole.size(); ++i)
        if (m_pole[i].typ == TypDbf::Memo)
            memoPole.push_back(i);
    m_aktivnich = 0;
    const qint64 naDavku = std::max<qint64>(1, (256 * 1024) / m_delkaZaznamu);
    QByteArray davka;
    for (qint64 zacatek = 0; zacatek < m_pocet; zacatek += naDavku) {
        qint64 kolik = std::min<qint64>(naDavku, m_pocet - zacatek);
        davka.resize(kolik * m_delkaZaznamu);
        if (!ctiPresne(m_fd, m_delkaHlavicky + zacatek * m_delkaZaznamu, davka.data(),
                       davka.size())) {
            m_chyba =
                QStringLiteral("Soubor „%1“ nelze přečíst: %2.").arg(m_cesta, textChyby(errno));
            return false;
        }
        for (qint64 r = 0; r < kolik; ++r) {
            const char* z = davka.constData() + r * m_delkaZaznamu;
            if (z[0] != Platny)
                continue;
            ++m_aktivnich;
            for (int i : memoPole) {
                QByteArray t = QByteArray(z + m_posun[i], 10).trimmed();
                if (t.isEmpty())
                    continue;
                bool ok = false;
                qulonglong blok = t.toULongLong(&ok);
                if (!ok) {
                    m_chyba = QStringLiteral("Soubor „%1“ je poškozen: záznam %2 má v poli %3 "
                                             "neplatný odkaz do souboru poznámek.")
                                  .arg(m_cesta)
                                  .arg(zacatek + r + 1)
                                  .arg(m_pole[i].jmeno);
                    return false;
                }
                if (blok != 0 &&
                    static_cast<qint64>(blok) >=
                        m_velikostMemo / BlokMemo + (m_velikostMemo % BlokMemo ? 1 : 0)) {
                    m_chyba =
                        QStringLiteral("Soubor „%1“ je poškozen: záznam %2 odkazuje v poli %3 "
                                       "na blok %4 za koncem souboru poznámek „%5“.")
                            .arg(m_cesta)
                            .arg(zacatek + r + 1)
                            .arg(m_pole[i].jmeno)
                            .arg(blok)
                            .arg(m_cestaMemo);
                    return false;
                }
            }
        }
    }
    return true;
}
