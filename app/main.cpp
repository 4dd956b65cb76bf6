// Program entry: the main window runs its creation phase as it is made and its show
// phase once it is on the screen; the event loop runs until it closes.
#include "enterdalsi.h"
#include "tform1.h"

#include <QApplication>
#include <QLocale>

#ifndef SMESI_SERVISNI_HESLO
#define SMESI_SERVISNI_HESLO ""
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("smesi"));
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    EnterDalsiPole::zapni();
    VolbyStartu volby;
    volby.prvniArgument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    volby.servisniHeslo = QStringLiteral(SMESI_SERVISNI_HESLO);
    TForm1 okno(volby);
    okno.show();
    return QApplication::exec();
}
