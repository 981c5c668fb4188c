#include "frontpanelanimator.h"

#include <array>

namespace {

constexpr char kLinkDown = 0x00;
constexpr char kLinkUp = 0x02;
constexpr unsigned char kTraffic = 0x80;
constexpr char kDark = 0x07;
constexpr char kGigabit = 0x02;   // copper ports: 0 10 Mbps, 1 100 Mbps, 2 1000 Mbps
constexpr int kFlapEvery = 4;

// Combo port colour codes: 3 link at 1000 Mbps, 4 the same while powering a
// device, 5 power fault; dark while the device is unplugged.
constexpr std::array<char, 8> kPoeCycle{4, 4, 4, 4, 5, kDark, 3, 4};

size_t StatusAt(int port) { return static_cast<size_t>(2 * port); }

bool Linked(char status) { return (static_cast<unsigned char>(status) & ~kTraffic & 0xff) == kLinkUp; }

}  // namespace

FrontPanelAnimator::FrontPanelAnimator(MibStore& store) : store_(store) {}

Oid FrontPanelAnimator::LedOid() { return OidText::Parse("{vendor}.11.63.11.2.1.1.5.0"); }

uint32_t FrontPanelAnimator::Random() {
    seed_ = seed_ * 1103515245u + 12345u;
    return seed_ >> 16;
}

void FrontPanelAnimator::Step() {
    const Oid oid = LedOid();
    const MibCell* cell = store_.Find(oid);
    if (!cell || cell->value.bytes.size() < kLength) return;
    std::string leds = cell->value.bytes;
    ++steps_;
    FlickerTraffic(leds);
    if (steps_ % kFlapEvery == 0) FlapLink(leds);
    CyclePoe(leds);
    store_.Replace(oid, SimValue::Octets(leds));
}

void FrontPanelAnimator::FlickerTraffic(std::string& leds) {
    for (int port = 1; port <= kPorts; ++port) {
        char& status = leds[StatusAt(port)];
        if (!Linked(status)) continue;
        status = static_cast<char>((Random() & 1) ? (kLinkUp | kTraffic) : kLinkUp);
    }
}

void FrontPanelAnimator::FlapLink(std::string& leds) {
    const int port = 2 + static_cast<int>(Random() % (kCopperPorts - 1));   // port 1 is the uplink
    char& status = leds[StatusAt(port)];
    char& colour = leds[StatusAt(port) + 1];
    const bool up = Linked(status);
    status = up ? kLinkDown : kLinkUp;
    colour = up ? kDark : static_cast<char>(Random() % 4 == 0 ? 1 : kGigabit);
}

void FrontPanelAnimator::CyclePoe(std::string& leds) const {
    const char colour = kPoeCycle[steps_ % kPoeCycle.size()];
    char& status = leds[StatusAt(kPoePort)];
    const bool traffic = (static_cast<unsigned char>(status) & kTraffic) != 0;
    leds[StatusAt(kPoePort) + 1] = colour;
    status = colour == kDark ? kLinkDown : static_cast<char>(traffic ? (kLinkUp | kTraffic) : kLinkUp);
}
