#pragma once
// The preview dialog "Kavlin05 tisk - náhled výstupu": the one window in which the
// module's A4 documents are looked at, printed, saved as PDF and mailed. Closing it turns
// the document into a PDF once more and files it in the shared table `doklady`.
#include "stavprogramu.h"
#include "ulozeni.h"

#include <QDialog>
#include <QPrintPreviewWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSlider;
class QSpinBox;
class Sestava;

// The preview control with its zoom in percent as a stored property.
class NahledSestavy : public QPrintPreviewWidget {
    Q_OBJECT
    Q_PROPERTY(int Zoom READ zoom WRITE nastavZoom)
public:
    NahledSestavy(QPrinter* tiskarna, QWidget* rodic);
    int zoom() const;
    void nastavZoom(int procent);
};

// The address check of the e-mail button: the text holds "@", its first "." stands at
// the second position or later, and it falls into exactly two pieces at its "@"s.
bool PouzitelnaAdresa(const QString& text);

// The report kinds the dialog knows: its texts, file names and the stored row.
struct DruhVystupu {
    int tag = 0;
    QString pripona;        // "SM.pdf", "MP.pdf"; empty: nothing is saved or mailed
    QString popis;          // `doklady`.`popis`
    QString predmet;        // mail subject without the number
    QString uvodMailu;      // first line of the mail body without the number
    QString hlaseniUlozeni; // "sm.pdf!" of "Protokol uložen do …"
};
DruhVystupu DruhPodleTagu(int tag);

class TForm6 : public QDialog {
    Q_OBJECT
public:
    // tag 17, 20 or 43; the report is the caller's and outlives the dialog.
    TForm6(StavProgramu& stav, int tag, const QString& cisloDokladu, Sestava& sestava,
           QWidget* rodic = nullptr);
    ~TForm6() override;

    int Tag() const { return m_druh.tag; }
    const QString& CisloDokladu() const { return m_cisloDokladu; }
    QString Objednavka; // order number for `doklady`; every caller leaves it empty
    // Whether the mixing protocol was sent to ÚKZÚZ (the list's header row has
    // `slonaukzuz`): only then does kind 20 file its PDF among the ULČ documents too.
    bool OdeslanoUKZUZ = false;

    // Shows the dialog maximised on top of its owner and returns once it has been closed,
    // the PDF filed.
    void spust();

    NahledSestavy* nahled() const { return m_nahled; }
    int pocetStran() const;
    int aktualniStrana() const;

protected:
    void showEvent(QShowEvent* e) override;

public slots:
    void done(int r) override;

private:
    void suiTrackBar1Change(int pozice);
    void suiButtonPrvniClick();
    void suiButtonPredchoziClick();
    void suiButtonDalsiClick();
    void suiButtonPosledniClick();
    void suiButtonTiskClick();
    void suiButtonSlozkaClick();
    void suiButtonEmailClick();
    void suiEditEmailChange();
    void ukazStranu(int strana);
    void obnovIndikator();
    void ulozPdfDoDokladu();

    StavProgramu& m_stav;
    DruhVystupu m_druh;
    QString m_cisloDokladu;
    Sestava* m_sestava;
    std::unique_ptr<QPrinter> m_tiskarnaNahledu;
    UlozeneVlastnosti m_ulozene;
    QObject* m_slozka = nullptr; // holds the last folder as its stored property

    QComboBox* m_tiskarny = nullptr;
    QSlider* m_zoom = nullptr;
    QLineEdit* m_email = nullptr;
    QPushButton* m_prvni = nullptr;
    QPushButton* m_predchozi = nullptr;
    QPushButton* m_dalsi = nullptr;
    QPushButton* m_posledni = nullptr;
    QLabel* m_strana = nullptr;
    QLabel* m_pocet = nullptr;
    QSpinBox* m_kopie = nullptr;
    QPushButton* m_doSlozky = nullptr;
    QPushButton* m_odeslat = nullptr;
    QPushButton* m_tisk = nullptr;
    QPushButton* m_zpet = nullptr;
    NahledSestavy* m_nahled = nullptr;
    bool m_zavira = false;
};

// Test seams, as the answerer of `dotaz`: the printers offered (default: the system's),
// how a chosen printer is set up before printing (a test sends it to a PDF file), and
// the folder chooser (answers the chosen folder or an empty text for cancel).
void NastavSeznamTiskaren(std::function<QStringList()> seznam);
void NastavPripravuTiskarny(std::function<void(QPrinter&)> priprava);
void NastavVolbuSlozky(std::function<QString(const QString& titulek, const QString& zacatek)> v);
