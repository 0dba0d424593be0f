// GUI tests run the real windows offscreen, in one QApplication.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kubatrix 3.1"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
