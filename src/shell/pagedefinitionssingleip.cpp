#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "Single IP" menu.

namespace {

const OvOptionDef kCsCasMsOptions[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {}};
const OvOptionList OptCsCasMs(kCsCasMsOptions, OvOptionList::IntegerValues);
const OvOptionDef kCommanderCandidateMemberOptions[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {}};
const OvOptionList OptCommanderCandidateMember(kCommanderCandidateMemberOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kSingleIPControl[] = {
    {VENDOR_ARC ".12.8.1.2.1", "Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.8.1.2.2", "Role State", SYN_INTEGER, ACC_READWRITE, &OptCsCasMs},
    {VENDOR_ARC ".12.8.1.2.3", "Hold Time", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.8.1.2.4", "Time Interval", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kMyInformation[] = {
    {VENDOR_ARC ".12.8.1.1.1", "Version", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.1.2", "Capability", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.1.3", "Platform", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kCandidateSwitch[] = {
    {VENDOR_ARC ".12.8.1.4.1.1", "ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.8.1.4.1.2", "Device Name", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.4.1.3", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.4.1.4", "Firmware Version", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.4.1.5", "Capability", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.4.1.6", "Platform", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.4.1.7", "Hold Time", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kGroupInformation[] = {
    {VENDOR_ARC ".12.8.1.5.1.1", "MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".12.8.1.5.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.5.1.3", "Device Name", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.5.1.4", "MS Number", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.5.1.5", "Firmware Version", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.5.1.6", "Capability", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.5.1.7", "Platform", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.8.1.5.1.8", "Hold Time", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kNeighborSwitch[] = {
    {VENDOR_ARC ".12.8.1.6.1.1", "Received Port", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.8.1.6.1.2", "MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".12.8.1.6.1.3", "Role State", SYN_INTEGER, ACC_READONLY, &OptCommanderCandidateMember},
    {},
};

}  // namespace

const PageDefinition PdSingleIPControl = {SVT_SV, 0, kSingleIPControl};
const PageDefinition PdMyInformation = {SVT_SV, 0, kMyInformation};
const PageDefinition PdCandidateSwitch = {MVT_FMV, 1, kCandidateSwitch};
const PageDefinition PdGroupInformation = {MVT_FMV, 1, kGroupInformation};
const PageDefinition PdNeighborSwitch = {MVT_FMV, 2, kNeighborSwitch};
