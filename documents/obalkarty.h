#pragma once
#include "desetinne.h"

#include <QDate>
#include <QString>

// The packaging data of the mixture's stock card, handed to the new card at posting.
struct ObalKarty {
    QString mnomenkla1;
    QString mo1;
    Desetinne vahaobalu;
    QString ek1;
    Desetinne vahao1;
    qint64 poceto1 = 0;
    QString navesky;
    QDate datumrozho = QDate(1900, 1, 1);
};
