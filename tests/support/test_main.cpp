#include <gtest/gtest.h>

#ifdef VELMAR_TEST_GUI
#include <QApplication>
using TestApp = QApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TestApp app(argc, argv);
    return RUN_ALL_TESTS();
}
