#pragma once
// The settings dialog "Kavlin05 - směsi - servis": the workstation's and the company's
// data for the printed documents and the module's switches, kept in section "TFmozno" of
// the program's INI file under objectName + "_" + property.
#include "ulozeni.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TFmozno : public QDialog {
    Q_OBJECT
public:
    // cisloPC is shown read-only: the workstation number changes only in the INI files.
    TFmozno(IniSoubor ini, const QString& cisloPC, QWidget* rodic = nullptr);

    // The folding rule: all panels folded the dialog is 155 high; one open, its full
    // height plus 135.
    static constexpr int VyskaSlozeneho = 155;
    static constexpr int VyskaMimoPanel = 135;
    static constexpr int PocetPanelu = 3;
    // Opens panel i (0 "Číslo PC, vystavuje", 1 "Identifikace přihlašovatele", 2 "ÚKZÚZ")
    // and folds the others; -1 folds all.
    void otevriPanel(int i);
    int otevrenyPanel() const { return m_otevreny; }
    // The panel's height with its fields shown.
    int plnaVyskaPanelu(int i) const;
    QFrame* panel(int i) const { return m_panely.at(static_cast<size_t>(i)).ramec; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    struct Panel {
        QFrame* ramec = nullptr;
        QToolButton* hlavicka = nullptr;
        QWidget* obsah = nullptr;
    };
    Panel vytvorPanel(int i, const QString& nadpis);
    QLineEdit* pole(const QString& jmeno, int delka);
    void nastavVysku(int vyska);

    UlozeneVlastnosti m_ulozene;
    std::array<Panel, PocetPanelu> m_panely;
    int m_otevreny = -1;
};
