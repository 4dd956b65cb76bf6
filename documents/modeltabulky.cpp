#include "modeltabulky.h"

#include "dbf.h"

ModelTabulky::ModelTabulky(QStringList pole, QStringList titulky, QObject* rodic)
    : QAbstractTableModel(rodic), m_pole(std::move(pole)), m_titulky(std::move(titulky)) {}

void ModelTabulky::obnov() {
    beginResetModel();
    m_radky.clear();
    m_cislo.clear();
    if (m_tabulka && m_tabulka->jeOtevrena()) {
        for (const QString& p : m_pole) {
            int i = m_tabulka->indexPole(p);
            m_cislo << (i >= 0 && m_tabulka->pole()[i].typ == TypDbf::Cislo);
        }
        for (bool ok = m_tabulka->prvni(); ok && !m_tabulka->jeKonec(); ok = m_tabulka->dalsi()) {
            QStringList r;
            for (int c = 0; c < m_pole.size(); ++c) {
                if (m_tabulka->indexPole(m_pole[c]) < 0) {
                    r << QString();
                } else if (m_cislo[c]) {
                    r << m_tabulka->cislo(m_pole[c]).text().replace(QLatin1Char('.'),
                                                                    QLatin1Char(','));
                } else if (m_tabulka->pole()[m_tabulka->indexPole(m_pole[c])].typ ==
                           TypDbf::Datum) {
                    QDate d = m_tabulka->datum(m_pole[c]);
                    r << (d.isValid() && d != QDate(1900, 1, 1)
                              ? d.toString(QStringLiteral("dd.MM.yyyy"))
                              : QString());
                } else {
                    r << m_tabulka->text(m_pole[c]);
                }
            }
            m_radky << r;
        }
    }
    endResetModel();
}

QString ModelTabulky::hodnota(int radek, const QString& pole) const {
    int c = static_cast<int>(m_pole.indexOf(pole));
    if (radek < 0 || radek >= m_radky.size() || c < 0)
        return {};
    return m_radky[radek][c];
}

int ModelTabulky::rowCount(const QModelIndex& r) const {
    return r.isValid() ? 0 : static_cast<int>(m_radky.size());
}
int ModelTabulky::columnCount(const QModelIndex& r) const {
    return r.isValid() ? 0 : static_cast<int>(m_pole.size());
}

QVariant ModelTabulky::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_radky.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_radky[index.row()][index.column()];
    if (role == Qt::TextAlignmentRole && index.column() < m_cislo.size() && m_cislo[index.column()])
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModelTabulky::headerData(int sekce, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole || o != Qt::Horizontal || sekce < 0 || sekce >= m_pole.size())
        return {};
    return sekce < m_titulky.size() && !m_titulky[sekce].isEmpty() ? m_titulky[sekce]
                                                                   : m_pole[sekce];
}
