#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
