#pragma once

#include "mibstore.h"

#include <cstdint>

// Keeps the front-panel LED status string alive: on every step linked ports
// flicker with traffic, now and then a copper port links up or down, and the
// PoE-powered combo port goes through its power states.
//
// The string holds one byte each for power and console, then two bytes per
// port (status byte: 0x00 link down, 0x02 link up, bit 0x80 traffic; colour
// byte: the speed or power state, 7 for dark).
class FrontPanelAnimator {
public:
    static constexpr int kPorts = 28;
    static constexpr int kCopperPorts = 24;
    static constexpr int kPoePort = 25;
    static constexpr size_t kLength = 2 + 2 * kPorts;

    explicit FrontPanelAnimator(MibStore& store);

    void Step();
    static Oid LedOid();

private:
    uint32_t Random();
    void FlickerTraffic(std::string& leds);
    void FlapLink(std::string& leds);
    void CyclePoe(std::string& leds) const;

    MibStore& store_;
    uint32_t seed_ = 2400;
    uint32_t steps_ = 0;
};
