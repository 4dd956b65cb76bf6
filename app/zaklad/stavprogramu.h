#pragma once
// The program-wide state that the main window owns and passes to every part; nobody
// keeps a copy of these values.
#include "relace.h"
#include "sled.h"

#include <QDateTime>
#include <QString>
#include <QTime>
#include <functional>

struct StavProgramu {
    explicit StavProgramu(Relace& r) : relace(r) {}
    Relace& relace;
    Sled sled;

    QString CisloPC = QStringLiteral("00");
    QString podnik = QStringLiteral("0126");
    QString stredisko;
    QString AdresarPDF;
    QString adresarProgramu; // ends with a separator; smesi.ini and data/ live here
    QTime CasStartu;
    bool TestVerze = true;
    int SM_JAKNC = 0;
    bool SM_vyrobky = true;
    QString zakl_mj = QStringLiteral("kg");
    int kontejnery_DO = 0;
    QDateTime CasCeniku; // invalid = 0
    QString FiltrSQL;
    QString FiltrPopis;
    QString Trideni = QStringLiteral("order by cislodokla  DESC");
    bool SmazatSloupce = false;
    bool PaletyStrediska = false;

    // Ends the program in order (the main window closes) once control is back in the loop.
    std::function<void()> pozadavekKonce;

    void ZapisSled(int kod) { sled.ZapisSled(kod); }
};
