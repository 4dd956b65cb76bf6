#pragma once
// The main window "Kavlin05 - směsi": the document list above the (collapsed) document
// editor, the control panel, the menus, the start-up and the orderly end of the program.
#include "pracovnitabulky.h"
#include "relace.h"
#include "stavprogramu.h"

#include <QMainWindow>
#include <QPointer>
#include <QSplitter>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class EditorDokladu;
class SeznamDokladu;
class UlozeneVlastnosti;
class Uvod;

// The splitter with the stored property "Position": the height of the list pane.
class Rozdelovac : public QSplitter {
    Q_OBJECT
    Q_PROPERTY(int Position READ pozice WRITE nastavPozici)
public:
    using QSplitter::QSplitter;
    int pozice() const;
    void nastavPozici(int p);
};

struct VolbyStartu {
    QString adresarProgramu; // empty: the executable's directory
    QString prvniArgument;   // "modul" when started by a sibling module
    AdresarovyServer adresar = AdresarovyServer::zeSestaveni();
    QString servisniHeslo;         // the built-in password of the build
    bool casovacUvodu = true;      // the splash waits 5 s on a user's start
    bool bezTiskuPoZapisu = false; // tests of posting skip the preview
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(VolbyStartu volby, QWidget* rodic = nullptr);
    ~TForm1() override;

    StavProgramu& stav() { return m_stav; }
    Relace& relace() { return m_relace; }
    SeznamDokladu* seznam() const { return m_seznam; }
    EditorDokladu* editor() const { return m_editor; }
    bool editorOtevren() const;
    QComboBox* suiComboBoxRok() const { return m_rok; }
    QLabel* Label1() const { return m_label1; }
    QAction* akce(const QString& objectName) const;
    QMenu* menuPalety() const { return m_menuPalety; }
    bool fazeZobrazeniHotova() const { return m_fazeZobrazeniHotova; }
    bool konci() const { return m_konci; }
    QPointer<Uvod> uvod() const { return m_uvod; }
    const QString& adresarProgramu() const { return m_adr; }
    PracovniTabulky* pracovniTabulky() const { return m_pracovni.get(); }

    // The return to the list: rebuild it and select the document that was open.
    void NavratDoSeznamu(const QString& pamatovanyDoklad = QString());
    void UkonciProgram();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void vytvorOkno();
    void vytvorMenu();
    void fazeVytvoreni();
    void fazeZobrazeni();
    void startSeznamu();
    bool overHeslo();
    void nactiNastaveniSady();
    void zavriUvod();
    void volbaStrediska();

    void suiComboBoxRokChange();
    void pridejFiltr(int op);
    void Novdoklad1Click();
    void suiDBGrid1DblClick();
    void otevriEditor();
    void zavriEditor(const QString& pamatovanyDoklad);
    void povolPolozkySeznamu(bool ano);
    void pohled(int druh, bool zRadku);
    void Zobrazovatdkydokladu1Click();

    VolbyStartu m_volby;
    QString m_adr;
    Relace m_relace;
    StavProgramu m_stav;
    Rozdelovac* m_rozdelovac = nullptr;
    SeznamDokladu* m_seznam = nullptr;
    EditorDokladu* m_editor = nullptr;
    QComboBox* m_rok = nullptr;
    QLabel* m_label1 = nullptr;
    QPushButton* m_konec = nullptr;
    QMenu* m_menuPalety = nullptr;
    QMenu* m_menuModuly = nullptr;
    QAction* m_zobrazovatRadky = nullptr;
    std::unique_ptr<UlozeneVlastnosti> m_ulozene;
    std::unique_ptr<PracovniTabulky> m_pracovni;
    QPointer<Uvod> m_uvod;
    bool m_fazeZobrazeniSpustena = false;
    bool m_fazeZobrazeniHotova = false;
    bool m_chybaVytvoreni = false;
    bool m_potvrzovat = false; // "Potvrzená SM" may be changed (smesi.ini)
    bool m_konci = false;
    bool m_ukonceno = false;
    bool m_bezTiskuPoZapisu = false;
};
