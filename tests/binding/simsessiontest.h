#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <functional>
#include <string>

#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "simswitch.h"
#include "tempdir.h"

// A test against the simulated switch over UDP: SNMPv2c with the write
// community, the process's one session created in a scratch working
// directory (the boots file lands there) and destroyed afterwards.
class SimSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        ResetDefaultSettings();
        CreateGlobalSession("");
        DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(switch_.Port())};
        DefaultSettings().Security.Version = 1;
        DefaultSettings().Security.ReadCommunity = SimSwitch::WriteCommunity;
        DefaultSettings().Security.WriteCommunity = SimSwitch::WriteCommunity;
        switch_.ClearJournal();
    }
    void TearDown() override {
        OvSNMPSession::DestroyGlobal();
        ResetDefaultSettings();
        std::filesystem::current_path(previous_);
    }
    // Runs the event loop until done holds or 15 s have passed.
    static bool WaitFor(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 15000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return done();
    }
    static std::string Vendor(const std::string& suffix) { return SimSwitch::VendorOid(suffix); }

    SimSwitch switch_;
    TempDir dir_;
    std::filesystem::path previous_;
};
