#pragma once
// A read-only grid model over a work table: a snapshot of its visible records, taken anew
// with obnov() after every change of the table.
#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class TabulkaDbf;

class ModelTabulky : public QAbstractTableModel {
    Q_OBJECT
public:
    ModelTabulky(QStringList pole, QStringList titulky, QObject* rodic = nullptr);
    void nastavTabulku(TabulkaDbf* t) { m_tabulka = t; }
    void obnov();
    QString hodnota(int radek, const QString& pole) const;

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation o, int role) const override;

private:
    TabulkaDbf* m_tabulka = nullptr;
    QStringList m_pole;
    QStringList m_titulky;
    QVector<QStringList> m_radky;
    QVector<bool> m_cislo;
};
