#pragma once
// A read-only table model over a fetched result: cells are decoded when painted, so a list
// of 100 000 documents costs one buffered result and no copy per cell.
#include "vysledek.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <functional>

class ModelVysledku : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the data; with sloupce given only those fields are shown, in that order
    // (fields missing from the result are skipped), with the titles given.
    void nastav(Vysledek v, const QStringList& sloupce = {}, const QStringList& titulky = {});
    void vyprazdni();
    const Vysledek& vysledek() const { return m_v; }
    bool otevreno() const { return m_otevreno; }
    // The field shown in a column and the column of a field (-1 when not shown).
    QString pole(int sloupec) const;
    int sloupec(const QString& pole) const;
    QString text(int radek, const QString& pole) const { return m_v.text(radek, pole); }

    // Background of a row that is not selected; an invalid colour keeps the grid's own.
    void nastavBarvuRadku(std::function<QColor(const Vysledek&, int)> f) { m_barva = std::move(f); }

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation o, int role) const override;

private:
    Vysledek m_v;
    QVector<int> m_sloupce; // shown column -> field index
    QStringList m_titulky;
    bool m_otevreno = false;
    std::function<QColor(const Vysledek&, int)> m_barva;
};
