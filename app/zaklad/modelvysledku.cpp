#include "modelvysledku.h"

#include <QDate>

void ModelVysledku::nastav(Vysledek v, const QStringList& sloupce, const QStringList& titulky) {
    beginResetModel();
    m_v = std::move(v);
    m_sloupce.clear();
    m_titulky.clear();
    if (sloupce.isEmpty()) {
        for (int i = 0; i < m_v.pocetPoli(); ++i) {
            m_sloupce << i;
            m_titulky << m_v.pole()[i].jmeno.toUpper();
        }
    } else {
        for (int i = 0; i < sloupce.size(); ++i) {
            int idx = m_v.index(sloupce[i]);
            if (idx < 0)
                continue;
            m_sloupce << idx;
            m_titulky << (i < titulky.size() && !titulky[i].isEmpty() ? titulky[i] : sloupce[i]);
        }
    }
    m_otevreno = true;
    endResetModel();
}

void ModelVysledku::vyprazdni() {
    beginResetModel();
    m_v = Vysledek();
    m_otevreno = false;
    endResetModel();
}

QString ModelVysledku::pole(int sloupec) const {
    if (sloupec < 0 || sloupec >= m_sloupce.size())
        return {};
    return m_v.pole()[m_sloupce[sloupec]].jmeno;
}

int ModelVysledku::sloupec(const QString& jmeno) const {
    int idx = m_v.index(jmeno);
    return idx < 0 ? -1 : static_cast<int>(m_sloupce.indexOf(idx));
}

int ModelVysledku::rowCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : m_v.pocetRadku();
}

int ModelVysledku::columnCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : static_cast<int>(m_sloupce.size());
}

QVariant ModelVysledku::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= m_sloupce.size())
        return {};
    const int f = m_sloupce[index.column()];
    const PolePopis& p = m_v.pole()[f];
    switch (role) {
    case Qt::DisplayRole: {
        if (m_v.jeNull(index.row(), f))
            return QString();
        QString t = m_v.text(index.row(), f);
        if (p.typ == TypPole::Datum || p.typ == TypPole::DatumCas) {
            QDate d = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
            if (d == QDate(1900, 1, 1))
                return QString();
            if (d.isValid())
                return p.typ == TypPole::Datum || t.mid(11) == QLatin1String("00:00:00")
                           ? d.toString(QStringLiteral("dd.MM.yyyy"))
                           : d.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ') +
                                 t.mid(11, 8);
        }
        if (p.typ == TypPole::Cislo) {
            // Trailing zeros of the server's fixed decimals only clutter the grid.
            if (t.contains(QLatin1Char('.'))) {
                while (t.endsWith(QLatin1Char('0')))
                    t.chop(1);
                if (t.endsWith(QLatin1Char('.')))
                    t.chop(1);
            }
            t.replace(QLatin1Char('.'), QLatin1Char(','));
        }
        return t;
    }
    case Qt::TextAlignmentRole:
        if (p.typ == TypPole::Cislo || p.typ == TypPole::Cele)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (m_barva) {
            QColor c = m_barva(m_v, index.row());
            if (c.isValid())
                return c;
        }
        return {};
    default:
        return {};
    }
}

QVariant ModelVysledku::headerData(int sekce, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Horizontal)
        return sekce >= 0 && sekce < m_titulky.size() ? m_titulky[sekce] : QVariant();
    return sekce + 1;
}
