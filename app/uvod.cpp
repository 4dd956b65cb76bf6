#include "uvod.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

Uvod::Uvod(const QString& verze, QWidget* rodic)
    : QWidget(rodic, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_verze(verze) {
    setObjectName(QStringLiteral("Uvod"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(460, 260);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void Uvod::zprava(const QString& text) {
    m_zprava = text;
    repaint();
}

void Uvod::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x2f, 0x5d, 0x8a));
    g.setColorAt(1, QColor(0x1b, 0x36, 0x52));
    p.fillRect(rect(), g);
    // A sheaf of stylised grains stands in for the suite's picture.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(QColor(230, 200, 90, 200 - i * 12));
        p.save();
        p.translate(width() - 90, 150);
        p.rotate(-40 + i * 10);
        p.drawEllipse(QRectF(-9, -70, 18, 40));
        p.restore();
    }
    p.setPen(Qt::white);
    QFont f = font();
    f.setPointSize(30);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(28, 40, width() - 56, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("směsi"));
    f.setPointSize(13);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(30, 100, width() - 60, 30), Qt::AlignLeft,
               QStringLiteral("míchací protokol směsí"));
    f.setPointSize(9);
    p.setFont(f);
    p.setPen(QColor(210, 220, 235));
    p.drawText(QRect(30, 140, width() - 60, 20), Qt::AlignLeft,
               QStringLiteral("Kavlin05 · verze ") + m_verze);
    if (!m_zprava.isEmpty())
        p.drawText(QRect(30, height() - 36, width() - 60, 20), Qt::AlignLeft, m_zprava);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
