#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "RMON" menu.

namespace {

const OvOptionDef kRunningWarmBootColdBootOptions[] = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {}};
const OvOptionList OptRunningWarmBootColdBoot(kRunningWarmBootColdBootOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kRMONControl[] = {
    {VENDOR_ARC ".11.63.11.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {},
};
constexpr OvSNMPVarDef kProbeBasicInformation[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.2", "Software Revision", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.3", "Hardware Revision", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", SYN_INTEGER, ACC_READWRITE, &OptRunningWarmBootColdBoot},
    {},
};
constexpr OvSNMPVarDef kNetConfiguration[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "Net Configure IP Address", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.11.1.2", "Net Configure Subnet Mask", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.11.1.3", "Net Configure Status", SYN_INTEGER, ACC_READONLY, &OptActiveCreateAndGoDestroy},
    {},
};
constexpr OvSNMPVarDef kNetDefaultGateway[] = {
    {"1.3.6.1.2.1.16.19.12", "Net Default Gateway", SYN_IPADDRESS, ACC_READWRITE},
    {},
};

}  // namespace

const PageDefinition PdRMONControl = {SVT_SV, 0, kRMONControl};
const PageDefinition PdProbeBasicInformation = {SVT_SV, 0, kProbeBasicInformation};
const PageDefinition PdNetConfiguration = {MVT_FMV, 0, kNetConfiguration};
const PageDefinition PdNetDefaultGateway = {SVT_SV, 0, kNetDefaultGateway};
