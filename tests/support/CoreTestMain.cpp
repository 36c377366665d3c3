#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

// The core tests need no display: a core application under a Russian locale, as the program's
// users see it.
int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
