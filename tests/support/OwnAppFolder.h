#pragma once

#include "TestSupport.h"

// Runs a test program from a copy of itself in a fresh folder laid out like
// the test folder (the same tool links and translations). The application
// runs its tools from its own folder only, so a test that puts a stand-in
// for a tool there must not do it in the folder the other test programs
// share while they run.
namespace OwnAppFolder {

// True in the copy.
bool isCopy();
// Lays out the copy, runs it with the same arguments and the same
// environment and returns its exit code.
int runCopy(int argc, char** argv);
// Makes the copy end with the program that started it, so that a test
// run that is killed leaves no copy behind.
void endWithParent();

} // namespace OwnAppFolder

// QUILLMERE_TEST_MAIN for a program that runs its tests in its own folder.
#define QUILLMERE_TEST_MAIN_IN_OWN_FOLDER(TestClass)                                               \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        AppResources::init();                                                                      \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        if (!OwnAppFolder::isCopy())                                                               \
            return OwnAppFolder::runCopy(argc, argv);                                              \
        OwnAppFolder::endWithParent();                                                             \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
