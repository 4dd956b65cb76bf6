#include "ulozeni.h"

#include "maleoperace.h"

#include <QObject>
#include <QVariant>

void UlozeneVlastnosti::pridej(QObject* objekt, const char* vlastnostQt,
                               const QString& jmenoUlozene) {
    m_polozky.push_back(
        {objekt, QByteArray(vlastnostQt), objekt->objectName() + QLatin1Char('_') + jmenoUlozene});
}

void UlozeneVlastnosti::obnov() const {
    for (const Polozka& p : m_polozky) {
        if (!p.objekt || !m_ini.obsahuje(m_sekce, p.klic))
            continue;
        const QString t = m_ini.cti(m_sekce, p.klic);
        QVariant puvodni = p.objekt->property(p.vlastnost.constData());
        QVariant v;
        switch (puvodni.metaType().id()) {
        case QMetaType::Bool:
            v = t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
            break;
        case QMetaType::Int: {
            bool ok = false;
            int i = t.toInt(&ok);
            if (!ok)
                continue; // a broken value keeps the control's own
            v = i;
            break;
        }
        default:
            v = t;
        }
        p.objekt->setProperty(p.vlastnost.constData(), v);
    }
}

void UlozeneVlastnosti::uloz() const {
    for (const Polozka& p : m_polozky) {
        if (!p.objekt)
            continue;
        QVariant v = p.objekt->property(p.vlastnost.constData());
        QString t = v.metaType().id() == QMetaType::Bool
                        ? (v.toBool() ? QStringLiteral("True") : QStringLiteral("False"))
                        : v.toString();
        m_ini.zapis(m_sekce, p.klic, t);
    }
}

IniSoubor IniProgramu() {
    return IniSoubor(AdresarProgramu() + QStringLiteral("smesi.ini"));
}
