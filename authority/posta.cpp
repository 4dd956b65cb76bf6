#include "posta.h"

#include "kodovani.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {
// "Name <address>" when a name other than the address is given; xdg-email passes the
// text on to the mail program as the header's value.
QString Adresat(const QString& adresa, const QString& jmeno) {
    if (jmeno.isEmpty() || jmeno == adresa)
        return adresa;
    return QLatin1Char('"') + jmeno + QStringLiteral("\" <") + adresa + QLatin1Char('>');
}
} // namespace

int PosliMail(const QString& predmet, const QString& text, const QString& priloha,
              const QString& adresaKopie, const QString& jmenoKopie, const QString& adresaPrijemce,
              const QString& jmenoPrijemce, const QString& adresaOdesilatele,
              const QString& jmenoOdesilatele) {
    QStringList argumenty{QStringLiteral("--utf8")};
    if (!adresaKopie.isEmpty())
        argumenty << QStringLiteral("--cc") << Adresat(adresaKopie, jmenoKopie);
    if (!predmet.isEmpty())
        argumenty << QStringLiteral("--subject") << predmet;
    if (!text.isEmpty())
        argumenty << QStringLiteral("--body") << text;
    if (!priloha.isEmpty())
        argumenty << QStringLiteral("--attach") << priloha;
    // xdg-email has no option for the sender; it travels as the "from" field of the mailto
    // address, which the mail programs that know it fill in (the others use their account).
    if (!adresaOdesilatele.isEmpty()) {
        QString uri = QStringLiteral("mailto:");
        if (!adresaPrijemce.isEmpty())
            uri += QString::fromLatin1(
                QUrl::toPercentEncoding(Adresat(adresaPrijemce, jmenoPrijemce), "@"));
        uri += QStringLiteral("?from=") + QString::fromLatin1(QUrl::toPercentEncoding(
                                              Adresat(adresaOdesilatele, jmenoOdesilatele), "@"));
        argumenty << uri;
    } else if (!adresaPrijemce.isEmpty()) {
        argumenty << Adresat(adresaPrijemce, jmenoPrijemce);
    }

    QProcess proces;
    proces.setProgram(QStringLiteral("xdg-email"));
    proces.setArguments(argumenty);
    proces.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop smycka;
    QObject::connect(&proces, &QProcess::finished, &smycka, &QEventLoop::quit);
    QObject::connect(&proces, &QProcess::errorOccurred, &smycka, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            smycka.quit();
    });
    proces.start();
    // The compose window is the user's: wait as long as the mail program takes, painting
    // the windows meanwhile but taking no input of ours.
    if (proces.state() != QProcess::NotRunning)
        smycka.exec(QEventLoop::ExcludeUserInputEvents);
    if (proces.error() == QProcess::FailedToStart)
        return -1;
    if (proces.exitStatus() != QProcess::NormalExit)
        return -1;
    return proces.exitCode();
}

bool JeEmail(const QString& text) {
    // The check works on the code page's bytes, as the addresses are held in the suite.
    QByteArray b;
    if (!DoCp1250(text, b))
        return false;
    enum Stav {
        Start,
        Slovo,
        Uvozovky,
        Escape,
        PoUvozovkach,
        PoTecce,
        ZacatekDomeny,
        Navesti,
        Pomlcka
    };
    auto atom = [](unsigned char c) {
        if (c >= 128)
            return true;
        if (c <= 32 || c == 127)
            return false;
        return !QByteArrayView("\"(),./:;<>@[\\]").contains(static_cast<char>(c));
    };
    auto pismeno = [](unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    auto cislice = [](unsigned char c) { return c >= '0' && c <= '9'; };
    Stav s = Start;
    int tecekDomeny = 0;
    for (char znak : b) {
        const unsigned char c = static_cast<unsigned char>(znak);
        switch (s) {
        case Start:
        case PoTecce:
            if (atom(c))
                s = Slovo;
            else if (c == '"')
                s = Uvozovky;
            else
                return false;
            break;
        case Slovo:
            if (c == '@')
                s = ZacatekDomeny;
            else if (c == '.')
                s = PoTecce;
            else if (!atom(c))
                return false;
            break;
        case Uvozovky:
            if (c == '"')
                s = PoUvozovkach;
            else if (c == '\\')
                s = Escape;
            else if (c == '\r')
                return false;
            break;
        case Escape:
            s = Uvozovky;
            break;
        case PoUvozovkach:
            if (c == '@')
                s = ZacatekDomeny;
            else if (c == '.')
                s = PoTecce;
            else
                return false;
            break;
        case ZacatekDomeny:
            if (!pismeno(c))
                return false;
            s = Navesti;
            break;
        case Navesti:
            if (c == '-') {
                s = Pomlcka;
            } else if (c == '.') {
                ++tecekDomeny;
                s = ZacatekDomeny;
            } else if (!pismeno(c) && !cislice(c)) {
                return false;
            }
            break;
        case Pomlcka:
            if (pismeno(c) || cislice(c))
                s = Navesti;
            else if (c != '-')
                return false;
            break;
        }
    }
    return s == Navesti && tecekDomeny > 0;
}
