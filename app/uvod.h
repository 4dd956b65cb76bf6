#pragma once
// The splash window: the module's name, its subtitle and the version.
#include <QWidget>

class QLabel;

class Uvod : public QWidget {
    Q_OBJECT
public:
    explicit Uvod(const QString& verze, QWidget* rodic = nullptr);
    // A line of progress (the version check reports here while the splash is up).
    void zprava(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_verze;
    QString m_zprava;
};
