// "Zapsat" of the document: the checks, the posting script and the way back to the list.
#include "dbf.h"
#include "dotaz.h"
#include "editordokladu.h"
#include "hodiny.h"
#include "ini.h"
#include "pracovnitabulky.h"
#include "provedskript.h"
#include "stavprogramu.h"
#include "zapis.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

void EditorDokladu::suiButton15Click() {
    if (!m_tabulky)
        return;
    m_stav.ZapisSled(301);
    TabulkaDbf& h = m_tabulky->hlavicka();
    if (h.stav() == TabulkaDbf::Stav::Prochazeni)
        h.prvni();
    const QString partiecela = h.text(QStringLiteral("PARTIECELA"));
    if (partiecela.size() != 16) {
        dotaz(QStringLiteral("Není vyplněna partie směsi."), {QStringLiteral("Zpět")}, Ikona::Stop);
        m_pole.value(QStringLiteral("PARTIE"))->setFocus();
        return;
    }
    if (dotaz(QStringLiteral("Zapsat provedené změny?"),
              {QStringLiteral("OK"), QStringLiteral("Zpět")}, Ikona::Otazka) != 1)
        return;
    m_stav.ZapisSled(302);
    m_zapsat->setEnabled(false);
    if (!h.uloz()) {
        dotaz(h.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        m_zapsat->setEnabled(true);
        return;
    }
    Spojeni& s = m_stav.relace.spojeni();
    const qint64 lomeni = h.cele(QStringLiteral("LOMENI"));
    const bool oprava = RezimEditoru == QLatin1String("O");
    if (oprava) {
        m_stav.ZapisSled(303);
        if (partiecela == PuvodniPartie && lomeni == PuvodniLomeni)
            StavZapisu = 1; // the mixed lot keeps its identity
    }
    // The existence test and the settings travel together: one round trip, not two. The
    // settings are read even when the lot turns out to exist; that costs nothing extra.
    QStringList dotazy;
    // A kept lot has its card: that is what it keeps. A new or changed lot must have none.
    if (StavZapisu != 1)
        dotazy << SqlExistencePartie(partiecela, lomeni);
    dotazy << QStringLiteral("select UcetniRok,CislovaniD from kavlin");
    QList<Vysledek> odpovedi;
    int chybny = -1;
    if (!s.provedVice(dotazy, &chybny, nullptr, &odpovedi)) {
        dotaz(s.chyba(), {QStringLiteral("OK")}, Ikona::Stop);
        m_zapsat->setEnabled(true);
        return;
    }
    if (StavZapisu != 1 && odpovedi.first().pocetRadku() > 0) {
        dotaz(QStringLiteral("Partie již existuje! Na středisku ") + odpovedi.first().text(0, 0),
              {QStringLiteral("OK")}, Ikona::Stop);
        m_zapsat->setEnabled(true);
        return;
    }
    m_stav.ZapisSled(oprava ? 304 : 305);
    const Vysledek& kavlin = odpovedi.last();
    VstupZapisu v;
    v.CisloPC = m_stav.CisloPC;
    v.stredisko = m_stav.stredisko;
    v.podnik = m_stav.podnik;
    v.SM_JAKNC = m_stav.SM_JAKNC;
    v.SM_vyrobky = m_stav.SM_vyrobky;
    v.PaletyStrediska = m_stav.PaletyStrediska;
    v.potvrzena = m_potvrzena->isChecked();
    v.mpDoUlc = IniSoubor(m_stav.adresarProgramu + QStringLiteral("smesi.ini"))
                    .cti(QStringLiteral("TFmozno"), QStringLiteral("suiCheckBoxMPdoULC_Checked"),
                         QStringLiteral("False")) == QLatin1String("True");
    v.OdeslanoUKZUZ = OdeslanoUKZUZ;
    v.obalKarty = obalKarty;
    v.UcetniRok = kavlin.text(0, QStringLiteral("UcetniRok"));
    v.CislovaniD = static_cast<int>(kavlin.cele(0, QStringLiteral("CislovaniD")));
    v.ted = Hodiny::ted();
    v.StavZapisu = StavZapisu;
    m_stav.ZapisSled(oprava ? 311 : 321);
    m_stav.relace.skript().vymaz();
    m_stav.relace.skript().pridej(oprava ? Oprava(v, *m_tabulky)
                                         : SkriptNovehoDokladu(v, *m_tabulky));
    // The number comes back as the last answer of the same round trip.
    m_stav.relace.skript().pridej(QStringLiteral("select @CiDo as cisdok;"));
    VysledekSkriptu vs;
    const bool ok =
        ProvedSkriptSHlasenim(m_stav.relace, m_stav.pozadavekKonce, &vs, JePartieZalozenaJinde);
    QApplication::processEvents();
    m_stav.relace.skript().vymaz();
    if (vs.ocekavana) {
        // Another workstation gave the lot its card after the existence test; all of this
        // posting was undone and the document stays open as it was.
        dotaz(QStringLiteral("Partie již existuje! Na středisku ") + m_stav.stredisko,
              {QStringLiteral("OK")}, Ikona::Stop);
        m_zapsat->setEnabled(true);
        return;
    }
    if (!ok)
        return; // rolled back, written to sme.err; the program ends
    m_stav.ZapisSled(oprava ? 312 : 322);
    m_stav.ZapisSled(306);
    const QString cisdok = vs.vysledek.text(0, QStringLiteral("cisdok"));
    m_stav.ZapisSled(307);
    Zpet();
    m_stav.ZapisSled(308);
    // The main window prints the document and moves the list to it.
    emit zapsano(cisdok);
    m_stav.ZapisSled(309);
}
