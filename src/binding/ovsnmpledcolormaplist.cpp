#include "ovsnmpledcolormaplist.h"

OvSNMPLedColorMapList::OvSNMPLedColorMapList(const OvSNMPLedColour* table, uint8_t valueMask,
                                             uint8_t blinkMask, int32_t offColour, int32_t noDataColour)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColour(offColour), NoDataColour(noDataColour) {
    Append(table);
}

void OvSNMPLedColorMapList::Append(const OvSNMPLedColour* table) {
    for (; table != nullptr && table->Colour != EndColour; ++table)
        entries_.push_back(*table);
}

int32_t OvSNMPLedColorMapList::LookupColour(uint8_t status) const {
    for (const OvSNMPLedColour& entry : entries_)
        if (static_cast<uint8_t>(entry.StatusCode & 0xFF) == status)
            return entry.Colour;
    return 0;
}
