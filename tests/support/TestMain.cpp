#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Every test runs offscreen under a Russian locale, as the program's users see it.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
