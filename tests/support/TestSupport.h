#pragma once

#include "shell/AppResources.h"

#include <QApplication>
#include <QString>
#include <QtTest>
#include <functional>

namespace TestSupport {

// Runs the application's real event loop until the condition holds or the
// timeout (milliseconds) passes; returns the condition's last value.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// A fresh, empty folder below the system's temporary folder, removed with
// everything in it when the test program ends.
QString freshDir(const QString& name);

// Writes bytes to a file, creating its folders; returns the path.
QString writeFile(const QString& path, const QByteArray& content);
QByteArray readFile(const QString& path);

// The project's own fixtures (tests/fixtures) and the shared recorded
// outputs beside the project.
QString fixture(const QString& relativePath);
QString sharedFixture(const QString& relativePath);

// Runs a program to its end and returns its standard output and error.
QByteArray runTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr,
                   int timeoutMs = 120000);

} // namespace TestSupport

// QTEST_MAIN with the interface pictures registered.
#define QUILLMERE_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        AppResources::init();                                                                      \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
