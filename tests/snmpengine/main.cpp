#include <gtest/gtest.h>

#include <QCoreApplication>

// Engine tests need an event loop for the SNMP event pump, but no windows.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
