#include "dbf.h"

#include "dbfvnitrni.h"
#include "hodiny.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace DbfVnitrni;

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
        // A write that fails half-way (a full disk) leaves the file as it was before: the
        // end marker goes back behind the last counted record.
        auto vratKonec = [&] {
            char eof = KonecSouboru;
            zapisPresne(m_fd, kam, &eof, 1);
            if (::ftruncate(m_fd, kam + 1) != 0) {
                // Nothing more to undo; the count still tells the truth.
            }
        };
        if (!zapisPresne(m_fd, kam, s.constData(), s.size())) {
            chybaZapisu(m_cesta);
            vratKonec();
            return false;
        }
        ++m_pocet;
        if (!zapisHlavicku()) {
            --m_pocet;
            vratKonec();
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

// ---------------------------------------------------------------- memo file

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
    // New texts go behind everything in the file, whatever its first block says: a stale
    // "next free block" can then never make two records share a text, nor a damaged one
    // send the text far beyond the end of the file.
    qint64 zacatek = std::max<qint64>((m_velikostMemo + BlokMemo - 1) / BlokMemo, 1);
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
    m_velikostMemo = std::max(m_velikostMemo, novyDalsi * BlokMemo);
    blok = static_cast<quint32>(zacatek);
    return true;
}
