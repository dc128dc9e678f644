// These tests need Qt's event machinery (sockets, processes, signals) but no windows, so they run
// under a QCoreApplication and need no display, not even to be listed.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    // The server and ticket-sql are found through TICKETS_BUILD_DIR; run by hand, the executable
    // uses the build it belongs to.
    if (!qEnvironmentVariableIsSet("TICKETS_BUILD_DIR"))
        qputenv("TICKETS_BUILD_DIR", TESTS_BUILD_DIR);
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
