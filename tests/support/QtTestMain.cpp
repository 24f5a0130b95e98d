#include <QApplication>

#include <gtest/gtest.h>

// Runs the window tests inside one QApplication (the offscreen platform in CI).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
