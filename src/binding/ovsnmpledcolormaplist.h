#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One row of a static colour table; a row whose Colour is -1 ends it.
struct OvSNMPLedColour {
    int32_t StatusCode;
    int32_t Colour;  // 0x00BBGGRR
};

// Maps the status byte an agent reports for an LED to the colour that
// draws it. Colours are 0x00BBGGRR values; -1 as the no-data colour makes a
// missing status byte an error instead.
class OvSNMPLedColorMapList {
public:
    static constexpr int32_t EndColour = -1;
    static constexpr int32_t NoColour = -1;

    uint8_t ValueMask;
    uint8_t BlinkMask;
    int32_t OffColour;
    int32_t NoDataColour;

    OvSNMPLedColorMapList(const OvSNMPLedColour* table, uint8_t valueMask, uint8_t blinkMask,
                          int32_t offColour, int32_t noDataColour);

    // Appends the rows of a further table, its ending row left out.
    void Append(const OvSNMPLedColour* table);
    // The colour of the first row whose code's low byte is the status; black
    // when no row has it.
    int32_t LookupColour(uint8_t status) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    const OvSNMPLedColour& Entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<OvSNMPLedColour> entries_;
};
