#pragma once
// The register of printed tags "Seznam vytištěných návěsek": the runs of official tags
// that the tags module printed for a lot. The marked runs become the compact text of a
// packaging line's tags ("1234500-4599,1234601").
#include <QDialog>
#include <QString>
#include <QVector>
#include <memory>

class ModelVysledku;
class QPushButton;
class QTableView;
class UlozeneVlastnosti;
struct StavProgramu;

// One printed run of tags.
struct BehNavesek {
    QString odcis;
    QString docis;
    qint64 pocet = 0;
};

// The width of the tags columns.
inline constexpr int DelkaNavesek = 70;

// The last number of a run shortened to the characters from the first position (counted
// from the end, at least the 4th-last, at most the 11th-last) where both numbers agree.
// All digits: written as a number without leading zeros. Any other character in the part
// (tag numbers of other makers carry letters): the part is written as it stands, so a
// letter never stops the program and nothing of the number is lost.
QString KratkyDocis(const QString& odcis, const QString& docis);
// One entry: odcis alone for a single tag (or a run without a last number), otherwise
// odcis + "-" + the short form of docis.
QString ZaznamBehu(const BehNavesek& beh);
// The entries in the order given, joined with "," (no space).
QString SpojNavesky(const QVector<BehNavesek>& behy);

struct TextNavesek {
    QString text;
    bool zkraceno = false;
};
// The text cut to DelkaNavesek characters; zkraceno tells whether anything was cut.
TextNavesek OrizniNavesky(const QString& text);

// The check for the tags module's procedure in the connected database.
QString SqlProceduraNavesek(const QString& databaze);
// The call that fills _nnavesky_partie for a lot.
QString SqlSeznamNavesek(const QString& partiecela);

// The button "N": checks that the tags module is installed ("Není nainstalován modul
// Návěsky." otherwise), shows the register for the lot modally and answers the chosen text
// (empty when nothing was taken over or the module is missing).
QString NabidniNavesky(StavProgramu& stav, const QString& partiecela, QWidget* rodic = nullptr);

class TFnavesky : public QDialog {
    Q_OBJECT
    // The window's place and size, stored in smesi.ini section "TFnavesky".
    Q_PROPERTY(int Left READ vlevo WRITE nastavVlevo)
    Q_PROPERTY(int Top READ nahore WRITE nastavNahore)
    Q_PROPERTY(int Width READ sirka WRITE nastavSirku)
    Q_PROPERTY(int Height READ vyska WRITE nastavVysku)
public:
    TFnavesky(StavProgramu& stav, const QString& partiecela, QWidget* rodic = nullptr);
    ~TFnavesky() override;

    // The text taken over; empty until "Převzít" succeeds.
    QString VybraneNavesky;

    // Runs the procedure for the lot and reads its result into the list ("a1.txt" keeps
    // the call). Done once when the window is first shown; false after a database error,
    // which has been shown.
    bool nacti();

    QTableView* grid() const { return m_grid; }
    ModelVysledku* model() const { return m_model; }
    QPushButton* tlacitkoPrevzit() const { return m_prevzit; }
    QPushButton* tlacitkoZpet() const { return m_zpet; }

    int vlevo() const { return pos().x(); }
    int nahore() const { return pos().y(); }
    int sirka() const { return width(); }
    int vyska() const { return height(); }
    void nastavVlevo(int x) { move(x, pos().y()); }
    void nastavNahore(int y) { move(pos().x(), y); }
    void nastavSirku(int w) { resize(qMax(200, w), height()); }
    void nastavVysku(int h) { resize(width(), qMax(120, h)); }

public slots:
    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void suiButtonPrevzitClick();

    StavProgramu& m_stav;
    QString m_partiecela;
    ModelVysledku* m_model;
    QTableView* m_grid;
    QPushButton* m_prevzit;
    QPushButton* m_zpet;
    std::unique_ptr<UlozeneVlastnosti> m_ulozene;
    bool m_nacteno = false;
};
