#include "dbf.h"

#include "hodiny.h"
#include "kodovani.h"
#include "vysledek.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char VerzeBezMemo = 0x03;
constexpr char VerzeSMemo = static_cast<char>(0x83);
constexpr char KonecHlavicky = 0x0D;
constexpr char KonecSouboru = 0x1A;
constexpr char Smazany = '*';
constexpr char Platny = ' ';
constexpr unsigned char JazykCp1250 = 0xC8; // language driver "Windows EE" (code page 1250)
constexpr int DelkaHlavicky = 32;
constexpr int DelkaPopisu = 32;
constexpr int DelkaJmena = 10;
constexpr qint64 BlokMemo = 512;
// A memo read from a damaged file stops here instead of allocating without limit.
constexpr qint64 MaxMemo = 16 * 1024 * 1024;

QString mezeryVprava(QString s) {
    while (!s.isEmpty() && s.back() == QLatin1Char(' '))
        s.chop(1);
    return s;
}

QByteArray bezKoncovychMezer(QByteArray b) {
    while (!b.isEmpty() && (b.back() == ' ' || b.back() == '\0'))
        b.chop(1);
    return b;
}

QString textChyby(int kod) {
    return QString::fromLocal8Bit(std::strerror(kod));
}

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
    m_memoDalsi = 1;
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
    m_memoDalsi = 1;
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
    char h[4];
    if (m_velikostMemo < 4 || !ctiPresne(m_fdMemo, 0, h, 4)) {
        m_chyba =
            QStringLiteral("Soubor poznámek „%1“ je poškozen: hlavička je neúplná.").arg(memo);
        return false;
    }
    m_memoDalsi = qFromLittleEndian<quint32>(h);
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

// ---------------------------------------------------------------- records on disk

bool TabulkaDbf::zapisHlavicku() {
    // Date of the last update and the record count, bytes 1 to 7 of the header.
    QDate dnes = Hodiny::dnes();
    char h[7];
    h[0] = static_cast<char>(std::clamp(dnes.year() - 1900, 0, 255));
    h[1] = static_cast<char>(dnes.month());
    h[2] = static_cast<char>(dnes.day());
    qToLittleEndian<quint32>(m_pocet, h + 3);
    if (!zapisPresne(m_fd, 1, h, sizeof h))
        return chybaZapisu(m_cesta);
    return true;
}

bool TabulkaDbf::nactiZaznam(qint64 i, QByteArray& cil) const {
    cil.resize(m_delkaZaznamu);
    if (!ctiPresne(m_fd, m_delkaHlavicky + i * m_delkaZaznamu, cil.data(), m_delkaZaznamu)) {
        m_chyba = QStringLiteral("Soubor „%1“ nelze přečíst (záznam %2).").arg(m_cesta).arg(i + 1);
        return false;
    }
    return true;
}

bool TabulkaDbf::jeViditelny(const QByteArray& zaznam) const {
    if (zaznam.isEmpty() || zaznam[0] != Platny)
        return false;
    if (m_filtrPole < 0)
        return true;
    const DefinicePole& d = m_pole[m_filtrPole];
    return bezKoncovychMezer(zaznam.mid(m_posun[m_filtrPole], d.delka)) == m_filtrHodnota;
}

qint64 TabulkaDbf::najdi(qint64 od, int smer) const {
    QByteArray z;
    for (qint64 i = od; i >= 0 && i < static_cast<qint64>(m_pocet); i += smer) {
        if (!nactiZaznam(i, z))
            return -1;
        if (jeViditelny(z))
            return i;
    }
    return -1;
}

void TabulkaDbf::prazdnyZaznam() {
    m_zaznam = QByteArray(m_delkaZaznamu, ' ');
    m_memoNove.clear();
}

bool TabulkaDbf::najedNa(qint64 i) {
    m_memoNove.clear();
    if (i < 0) {
        m_pozice = -1;
        prazdnyZaznam();
        return true;
    }
    QByteArray z;
    if (!nactiZaznam(i, z))
        return false;
    m_zaznam = z;
    m_pozice = i;
    return true;
}

bool TabulkaDbf::dokonci() {
    if (!jeOtevrena()) {
        m_chyba = QStringLiteral("Tabulka není otevřena.");
        return false;
    }
    if (m_stav == Stav::Prochazeni)
        return true;
    return uloz();
}

int TabulkaDbf::pocet() const {
    if (!jeOtevrena())
        return 0;
    if (m_filtrPole < 0)
        return static_cast<int>(m_aktivnich);
    int n = 0;
    for (qint64 i = najdi(0, 1); i >= 0; i = najdi(i + 1, 1))
        ++n;
    return n;
}

// ---------------------------------------------------------------- whole-table operations

bool TabulkaDbf::vyprazdni() {
    if (!jeOtevrena())
        return dokonci();
    m_stav = Stav::Prochazeni;
    // The count goes to zero first: at every moment the header promises no more records
    // than the file holds.
    m_pocet = 0;
    m_aktivnich = 0;
    if (!zapisHlavicku())
        return false;
    char eof = KonecSouboru;
    if (!zapisPresne(m_fd, m_delkaHlavicky, &eof, 1) || ::ftruncate(m_fd, m_delkaHlavicky + 1) != 0)
        return chybaZapisu(m_cesta);
    if (m_fdMemo >= 0) {
        QByteArray blok0(BlokMemo, '\0');
        qToLittleEndian<quint32>(1, blok0.data());
        if (!zapisPresne(m_fdMemo, 0, blok0.constData(), blok0.size()) ||
            ::ftruncate(m_fdMemo, BlokMemo) != 0)
            return chybaZapisu(m_cestaMemo);
        m_memoDalsi = 1;
        m_velikostMemo = BlokMemo;
    }
    m_konec = true;
    return najedNa(-1);
}

bool TabulkaDbf::zhutni() {
    if (!dokonci())
        return false;
    QVector<int> memoPole;
    for (int i = 0; i < m_pole.size(); ++i)
        if (m_pole[i].typ == TypDbf::Memo)
            memoPole.push_back(i);
    QByteArray data(static_cast<qsizetype>(m_pocet) * m_delkaZaznamu, '\0');
    if (m_pocet > 0 && !ctiPresne(m_fd, m_delkaHlavicky, data.data(), data.size())) {
        m_chyba = QStringLiteral("Soubor „%1“ nelze přečíst: %2.").arg(m_cesta, textChyby(errno));
        return false;
    }
    QByteArray zustava;
    quint32 zbyva = 0;
    for (qint64 r = 0; r < m_pocet; ++r) {
        const char* z = data.constData() + r * m_delkaZaznamu;
        if (z[0] == Platny) {
            zustava.append(z, m_delkaZaznamu);
            ++zbyva;
        }
    }
    data.clear();
    if (m_fdMemo >= 0) {
        // Memo texts of the remaining records are read first, then written one after the
        // other behind a fresh first block: the old blocks of deleted and replaced texts go.
        QVector<QByteArray> texty;
        for (quint32 r = 0; r < zbyva; ++r)
            for (int i : memoPole) {
                QByteArray t = zustava.mid(r * m_delkaZaznamu + m_posun[i], 10).trimmed();
                QByteArray obsah;
                if (!t.isEmpty() && t.toULongLong() != 0 &&
                    !ctiMemo(static_cast<quint32>(t.toULongLong()), obsah))
                    return false;
                texty.push_back(obsah);
            }
        m_memoDalsi = 1;
        m_velikostMemo = BlokMemo;
        qsizetype k = 0;
        for (quint32 r = 0; r < zbyva; ++r)
            for (int i : memoPole) {
                quint32 blok = 0;
                if (!texty[k].isEmpty() && !zapisMemo(texty[k], blok))
                    return false;
                QByteArray ukazatel =
                    blok ? QByteArray::number(blok).rightJustified(10, ' ') : QByteArray(10, ' ');
                std::memcpy(zustava.data() + r * m_delkaZaznamu + m_posun[i], ukazatel.constData(),
                            10);
                ++k;
            }
        if (::ftruncate(m_fdMemo, m_velikostMemo) != 0)
            return chybaZapisu(m_cestaMemo);
    }
    zustava.append(KonecSouboru);
    if (!zapisPresne(m_fd, m_delkaHlavicky, zustava.constData(), zustava.size()))
        return chybaZapisu(m_cesta);
    m_pocet = zbyva;
    m_aktivnich = zbyva;
    if (!zapisHlavicku())
        return false;
    if (::ftruncate(m_fd, m_delkaHlavicky + static_cast<qint64>(zbyva) * m_delkaZaznamu + 1) != 0)
        return chybaZapisu(m_cesta);
    return prvni();
}

// ---------------------------------------------------------------- record operations

bool TabulkaDbf::pridej() {
    if (!dokonci())
        return false;
    prazdnyZaznam();
    m_stav = Stav::Vkladani;
    m_konec = false;
    return true;
}

bool TabulkaDbf::uprav() {
    if (!dokonci())
        return false;
    if (m_pozice < 0) {
        m_chyba = QStringLiteral("Tabulka „%1“ nemá aktuální záznam k úpravě.").arg(m_cesta);
        return false;
    }
    m_stav = Stav::Uprava;
    return true;
}

bool TabulkaDbf::uloz() {
    if (!jeOtevrena()) {
        m_chyba = QStringLiteral("Tabulka není otevřena.");
        return false;
    }
    if (m_stav == Stav::Prochazeni)
        return true;
    // Memo texts go to fresh blocks first; the record then points at them. The blocks of a
    // replaced text stay unused until the table is packed, as dBase does.
    QByteArray zaznam = m_zaznam;
    for (auto it = m_memoNove.cbegin(); it != m_memoNove.cend(); ++it) {
        quint32 blok = 0;
        if (!it.value().isEmpty() && !zapisMemo(it.value(), blok))
            return false;
        QByteArray u =
            blok ? QByteArray::number(blok).rightJustified(10, ' ') : QByteArray(10, ' ');
        std::memcpy(zaznam.data() + m_posun[it.key()], u.constData(), 10);
    }
    if (m_stav == Stav::Vkladani) {
        // The record and a new end marker are written before the count grows, so a reader
        // never finds a count larger than the file.
        QByteArray s = zaznam + KonecSouboru;
        qint64 kam = m_delkaHlavicky + static_cast<qint64>(m_pocet) * m_delkaZaznamu;
        if (!zapisPresne(m_fd, kam, s.constData(), s.size()))
            return chybaZapisu(m_cesta);
        ++m_pocet;
        if (!zapisHlavicku()) {
            --m_pocet;
            return false;
        }
        ++m_aktivnich;
        m_pozice = m_pocet - 1;
    } else {
        if (!zapisPresne(m_fd, m_delkaHlavicky + m_pozice * m_delkaZaznamu, zaznam.constData(),
                         zaznam.size()))
            return chybaZapisu(m_cesta);
        if (!zapisHlavicku())
            return false;
    }
    m_zaznam = zaznam;
    m_memoNove.clear();
    m_stav = Stav::Prochazeni;
    m_konec = false;
    return true;
}

void TabulkaDbf::zrus() {
    if (m_stav == Stav::Uprava || m_stav == Stav::Vkladani) {
        m_stav = Stav::Prochazeni;
        najedNa(m_pozice);
    }
}

bool TabulkaDbf::smaz() {
    if (!jeOtevrena())
        return dokonci();
    if (m_stav == Stav::Vkladani) {
        zrus();
        return true;
    }
    zrus();
    if (m_pozice < 0) {
        m_chyba = QStringLiteral("Tabulka „%1“ nemá aktuální záznam ke smazání.").arg(m_cesta);
        return false;
    }
    char p = Smazany;
    if (!zapisPresne(m_fd, m_delkaHlavicky + m_pozice * m_delkaZaznamu, &p, 1))
        return chybaZapisu(m_cesta);
    if (!zapisHlavicku())
        return false;
    --m_aktivnich;
    qint64 dalsi = najdi(m_pozice + 1, 1);
    if (dalsi < 0)
        dalsi = najdi(m_pozice - 1, -1);
    m_konec = dalsi < 0;
    return najedNa(dalsi);
}

bool TabulkaDbf::prvni() {
    if (!dokonci())
        return false;
    qint64 i = najdi(0, 1);
    m_konec = i < 0;
    return najedNa(i);
}

bool TabulkaDbf::dalsi() {
    if (!dokonci())
        return false;
    qint64 i = m_pozice < 0 ? -1 : najdi(m_pozice + 1, 1);
    if (i < 0) {
        m_konec = true;
        return true;
    }
    return najedNa(i);
}

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

bool TabulkaDbf::ctiMemo(quint32 blok, QByteArray& cil) const {
    cil.clear();
    if (m_fdMemo < 0 || blok == 0)
        return true;
    qint64 pozice = static_cast<qint64>(blok) * BlokMemo;
    if (pozice >= m_velikostMemo) {
        m_chyba = QStringLiteral("Soubor „%1“ je poškozen: blok poznámky %2 leží za jeho koncem.")
                      .arg(m_cestaMemo)
                      .arg(blok);
        return false;
    }
    QByteArray kus(BlokMemo, '\0');
    while (pozice < m_velikostMemo && cil.size() < MaxMemo) {
        qint64 n = std::min<qint64>(BlokMemo, m_velikostMemo - pozice);
        if (!ctiPresne(m_fdMemo, pozice, kus.data(), n)) {
            m_chyba = QStringLiteral("Soubor „%1“ nelze přečíst.").arg(m_cestaMemo);
            return false;
        }
        qsizetype konec = kus.left(n).indexOf(KonecSouboru);
        if (konec >= 0) {
            cil.append(kus.constData(), konec);
            return true;
        }
        cil.append(kus.constData(), n);
        pozice += n;
    }
    return true;
}

bool TabulkaDbf::zapisMemo(const QByteArray& data, quint32& blok) {
    // New texts go behind everything in the file, whatever its first block says, so that a
    // stale "next free block" can never make two records share a text.
    qint64 bloku = (m_velikostMemo + BlokMemo - 1) / BlokMemo;
    qint64 zacatek = std::max<qint64>({static_cast<qint64>(m_memoDalsi), bloku, 1});
    QByteArray s = data;
    s.append(KonecSouboru);
    s.append(KonecSouboru);
    s = s.leftJustified(((s.size() + BlokMemo - 1) / BlokMemo) * BlokMemo, '\0');
    qint64 novyDalsi = zacatek + s.size() / BlokMemo;
    if (novyDalsi > 0xFFFFFFFFLL) {
        m_chyba = QStringLiteral("Soubor poznámek „%1“ je plný.").arg(m_cestaMemo);
        return false;
    }
    if (!zapisPresne(m_fdMemo, zacatek * BlokMemo, s.constData(), s.size()))
        return chybaZapisu(m_cestaMemo);
    char h[4];
    qToLittleEndian<quint32>(static_cast<quint32>(novyDalsi), h);
    if (!zapisPresne(m_fdMemo, 0, h, 4))
        return chybaZapisu(m_cestaMemo);
    m_memoDalsi = static_cast<quint32>(novyDalsi);
    m_velikostMemo = std::max(m_velikostMemo, novyDalsi * BlokMemo);
    blok = static_cast<quint32>(zacatek);
    return true;
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
