#pragma once
// The list filter built one condition at a time from the selected cell, with its two
// history files ("smesihla.Fi_" conditions, "smesihla.Te_" descriptions; one complete
// filter per line, the last line the current one).
#include "vysledek.h"

#include <QString>
#include <QStringList>

struct StavFiltru {
    QString sql;   // "" or "where …"
    QString popis; // "" or the conditions joined by ", "
};

// The six comparisons in menu order, as they go into SQL (" = " …) and as the menu shows
// them (padded to four characters).
const QStringList& OperatoryFiltru();
QString OperatorVMenu(int i);

// One more condition on a field of the given type. text is the cell's display text and
// hodnota the raw value from the data.
StavFiltru PridejPodminku(const StavFiltru& f, const QString& pole, const QString& titulek,
                          TypPole typ, const QString& text, const QString& hodnota,
                          const QString& op);

class HistorieFiltru {
public:
    explicit HistorieFiltru(QString zaklad = QStringLiteral("smesihla"))
        : m_zaklad(std::move(zaklad)) {}
    QString souborPodminek() const { return m_zaklad + QStringLiteral(".Fi_"); }
    QString souborPopisu() const { return m_zaklad + QStringLiteral(".Te_"); }
    // The stored filter: the last lines (empty when a file is missing or empty).
    StavFiltru nacti() const;
    bool pridej(const StavFiltru& f) const;
    // Both files emptied; the description becomes "Žádný filtr".
    StavFiltru smazVse() const;
    // The last condition taken back; an empty sql means "no filter" (files emptied).
    StavFiltru smazPosledni() const;

private:
    QString m_zaklad;
};
