// The renderer measures text with the fonts of styles: the tests run inside
// a QGuiApplication, on the platform the test environment names.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
