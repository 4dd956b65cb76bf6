#pragma once
// The search dialog "Hledat": one column of any item model, a value list that narrows
// as the user types, and the row to move to. The document list, the stock-card and
// price-list pickers and the works list all search through it.
#include <QDialog>
#include <QList>
#include <QStringList>
#include <optional>

class QAbstractItemModel;
class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QStringListModel;

// The values (rows of the data, in order) that contain the text, ignoring case; every
// row for an empty text.
QList<int> ZuzenyVyber(const QStringList& hodnoty, const QString& text);
// The first row whose value equals the text, ignoring case; -1 when there is none.
int PrvniShodny(const QStringList& hodnoty, const QString& text);
// Which entry of a narrowed list is chosen while the user types: the first equal to the
// text, else the first that starts with it, else the first; -1 for an empty list.
int VychoziVolba(const QStringList& hodnoty, const QList<int>& vyber, const QString& text);

// Held while a search positions a list: the list's pane refresh asks bezi() and waits,
// and the caller refreshes the panes once after the search.
class PriznakHledani {
public:
    bool bezi() const { return m_drzitelu > 0; }

private:
    friend class DrzHledani;
    int m_drzitelu = 0;
};

class DrzHledani {
public:
    explicit DrzHledani(PriznakHledani& p) : m_p(p) { ++m_p.m_drzitelu; }
    ~DrzHledani() { --m_p.m_drzitelu; }
    DrzHledani(const DrzHledani&) = delete;
    DrzHledani& operator=(const DrzHledani&) = delete;

private:
    PriznakHledani& m_p;
};

class TFhledat : public QDialog {
    Q_OBJECT
public:
    // sloupce: the columns offered under "Prohledávat" (all when empty); sloupec the
    // preset one; aktualniRadek the row the data stands on, chosen first in the list.
    TFhledat(const QAbstractItemModel* data, int sloupec, const QList<int>& sloupce = {},
             int aktualniRadek = -1, QWidget* rodic = nullptr);

    // The row "převzít" chose; empty after "storno".
    std::optional<int> vybranyRadek() const { return m_vysledek; }
    // The column searched when the dialog closed.
    int sloupec() const;

    // The visible, non-binary columns of a view in their visual order.
    static QList<int> SloupceProHledani(const QAbstractItemView* pohled);

public slots:
    void prevzit();

private:
    void nactiSloupec();
    void zuzit();
    void prevzitZeSeznamu();

    const QAbstractItemModel* m_data;
    QList<int> m_sloupce;
    int m_puvodniRadek;
    QStringList m_hodnoty;
    QList<int> m_vyber;
    std::optional<int> m_vysledek;

    QComboBox* m_prohledavat;
    QLineEdit* m_coHledat;
    QCheckBox* m_zobrazitVyber;
    QListView* m_seznam;
    QStringListModel* m_seznamModel;
};

// Runs the search on a view (modal) with the column preset, holding the marker while it
// runs; on "převzít" the view's current cell moves to the chosen row and the searched
// column. Answers whether the view moved; after "storno" it stays where it was.
bool HledejVPohledu(QAbstractItemView* pohled, int sloupec, PriznakHledani* priznak = nullptr);
