// A QtTest main for tests that need a GUI application: on a machine without
// a display they run on the offscreen platform instead of failing to start.
#pragma once

#include <QApplication>
#include <QtTest>

namespace zef::test {

inline void UseOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

}  // namespace zef::test

#define ZEF_GUI_TEST_MAIN(TestClass)             \
    int main(int argc, char* argv[])             \
    {                                            \
        zef::test::UseOffscreenWithoutDisplay(); \
        QApplication application(argc, argv);    \
        TestClass test;                          \
        return QTest::qExec(&test, argc, argv);  \
    }
