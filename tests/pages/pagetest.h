#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>

#include "simswitch.h"
#include "tempdir.h"

class OvSNMPRequest2Controls;
class TConfigForm;
struct PageEntry;

// Pages of the catalogue opened on a simulated switch over SNMPv2c, the
// way the main window opens them, but without a modal loop.
class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The catalogue entry at the end of a menu path, e.g. {"VLAN", "VLAN Multiply Management"}.
    static const PageEntry& Entry(const QStringList& path);
    // Builds the page, shows it and waits until its first read has ended.
    std::unique_ptr<TConfigForm> Open(const QStringList& path);
    // Lets the event loop run until the binding is idle (at most a few seconds).
    static void WaitIdle(const OvSNMPRequest2Controls& binding);
    // Runs inside the next modal loop, e.g. the Add dialog's.
    static void WhenModal(std::function<void()> action);

    // The SET PDUs the switch received since the last ClearJournal.
    std::vector<struct SimJournalEntry> Sets() const;

    SimSwitch switch_;
    TempDir dir_;
    std::filesystem::path previous_;
};
