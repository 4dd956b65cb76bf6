#include "pracuji.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {
ZaznamPracuji& zaznam() {
    static ZaznamPracuji z;
    return z;
}

constexpr int Okraj = 18;
constexpr int VyskaPruhu = 8;
constexpr int KrokuNaPruchod = 60; // one sweep of the gradient takes 60 ticks …
constexpr int Interval = 25;       // … of 25 ms, one and a half seconds
} // namespace

void NastavZaznamPracuji(ZaznamPracuji z) {
    zaznam() = std::move(z);
}

OknoPracuji::OknoPracuji(const QString& text, QWidget* rodic)
    : QWidget(rodic, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_text(text),
      m_casovac(new QTimer(this)) {
    setObjectName(QStringLiteral("OknoPracuji"));
    setWindowTitle(text);
    // The user keeps working in the main window's terms; the busy window takes no focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    setFont(f);
    const int sirkaTextu = fontMetrics().horizontalAdvance(m_text);
    setFixedSize(qMax(340, sirkaTextu + 2 * Okraj),
                 Okraj + fontMetrics().height() + 12 + VyskaPruhu + Okraj);

    QRect nad;
    if (rodic)
        nad = rodic->window()->frameGeometry();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        nad = s->availableGeometry();
    if (nad.isValid())
        move(nad.center() - QPoint(width() / 2, height() / 2));

    m_casovac->setInterval(Interval);
    connect(m_casovac, &QTimer::timeout, this, [this] {
        ++m_faze;
        update();
    });
    m_casovac->start();
}

void OknoPracuji::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();

    p.fillRect(rect(), pal.color(QPalette::Window));
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect radek(Okraj, Okraj, width() - 2 * Okraj, fontMetrics().height());
    p.setPen(pal.color(QPalette::WindowText));
    p.drawText(radek, Qt::AlignLeft | Qt::AlignVCenter, m_text);

    // The track, and across it a bright band that sweeps from left to right.
    const QRectF pruh(Okraj, radek.bottom() + 12, width() - 2 * Okraj, VyskaPruhu);
    QPainterPath drazka;
    drazka.addRoundedRect(pruh, VyskaPruhu / 2.0, VyskaPruhu / 2.0);
    p.setPen(Qt::NoPen);
    p.fillPath(drazka, pal.color(QPalette::Midlight));

    const QColor barva = pal.color(QPalette::Highlight);
    const double pas = pruh.width() * 0.4;
    const double podil = static_cast<double>(m_faze % KrokuNaPruchod) / KrokuNaPruchod;
    const double zacatek = pruh.left() - pas + podil * (pruh.width() + pas);
    QLinearGradient g(zacatek, 0, zacatek + pas, 0);
    QColor pruhledna = barva;
    pruhledna.setAlpha(0);
    g.setColorAt(0, pruhledna);
    g.setColorAt(0.5, barva);
    g.setColorAt(1, pruhledna);
    p.save();
    p.setClipPath(drazka);
    p.fillRect(QRectF(zacatek, pruh.top(), pas, pruh.height()), g);
    p.restore();
}

Pracuji::Pracuji(QWidget* rodic, const QString& text) : m_okno(new OknoPracuji(text, rodic)) {
    if (zaznam())
        zaznam()(text);
    m_okno->show();
    m_okno->raise();
    // The work that follows may not return to the event loop for a while: paint now.
    m_okno->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

Pracuji::~Pracuji() {
    // A parent destroyed meanwhile has already taken the window with it.
    delete m_okno.data();
}
