#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <QIcon>

#include <gtest/gtest.h>

namespace {

TEST(ApplicationIdentity, EveryWindowGetsTheBuiltInIconInTheSizesOfWindows) {
    SetApplicationIdentity(*qApp);
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int size : {16, 24, 32, 48, 64})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.quillot.Quillot"));
}

}  // namespace
