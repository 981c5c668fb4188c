#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "Bridge" menu.

namespace {

const OvOptionDef kBridgeTypeOptions[] = {{1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"},
    {}};
const OvOptionList OptBridgeType(kBridgeTypeOptions, OvOptionList::IntegerValues);
const OvOptionDef kCistMstiOptions[] = {{0, "cist"}, {1, "msti"}, {}};
const OvOptionList OptCistMsti(kCistMstiOptions, OvOptionList::IntegerValues);
const OvOptionDef kTrue1False2Auto3Options[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {}};
const OvOptionList OptTrue1False2Auto3(kTrue1False2Auto3Options, OvOptionList::IntegerValues);
const OvOptionDef kTrue0False1Auto2Options[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
const OvOptionList OptTrue0False1Auto2(kTrue0False1Auto2Options, OvOptionList::IntegerValues);
const OvOptionDef kPortMSTPInformationStatusOptions[] = {{1, "other"}, {2, "disabled"}, {3, "discarding"},
    {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"}, {}};
const OvOptionList OptPortMSTPInformationStatus(kPortMSTPInformationStatusOptions, OvOptionList::IntegerValues);
const OvOptionDef kRoleOptions[] = {{0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "designated"},
    {5, "master"}, {6, "nonstp"}, {7, "loopback"}, {}};
const OvOptionList OptRole(kRoleOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kBridgeInformation[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", SYN_MACADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.2", "Number Ports", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", SYN_INTEGER, ACC_READONLY, &OptBridgeType},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.17.4.2", "MAC Address Aging Time (10-1000000 sec)", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kDot1dPortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit", SYN_OBJECTID, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.17.1.4.1.5", "Maximum Transmission Unit Exceeded Discards", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kConfigurationIdentification[] = {
    {VENDOR_ARC ".12.15.2.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.2", "Revision Level (0-65535)", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kMSTPInstanceControl[] = {
    {VENDOR_ARC ".12.15.2.3.1.1", "MSTP Instance ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.15.2.3.1.2", "VLAN Range [1-64]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.3", "VLAN Range [65-128]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.4", "VLAN Range [129-192]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.5", "VLAN Range [193-256]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.6", "VLAN Range [257-320]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.7", "VLAN Range [321-384]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.8", "VLAN Range [385-448]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.9", "VLAN Range [449-512]", SYN_OCTETSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.10", "Type", SYN_INTEGER, ACC_READONLY, &OptCistMsti},
    {VENDOR_ARC ".12.15.2.3.1.11", "Status", SYN_INTEGER, ACC_READONLY, &OptEnabledDisabled},
    {VENDOR_ARC ".12.15.2.3.1.12", "Priority", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.3.1.13", "Designated Root Bridge", SYN_OCTETSTR, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.14", "External Root Cost", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.15", "Regional Root Bridge", SYN_OCTETSTR, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.16", "Internal Root Cost", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.17", "Designated Bridge", SYN_OCTETSTR, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.18", "Root Port", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.19", "Max Age", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.20", "Forward Delay", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.21", "Last Topology Change", SYN_TIMETICKS, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.22", "Topology Changes Count", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.23", "Remain Hops", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.3.1.24", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptActiveCreateAndGoDestroy},
    {},
};
constexpr OvSNMPVarDef kPortStateInformation[] = {
    {VENDOR_ARC ".12.15.2.4.1.1", "MST Port", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.15.2.4.1.2", "Operate Hello Time", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.4.1.3", "Admin Hello Time", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.4.1.4", "STP Port Enable", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.15.2.4.1.5", "External Path Cost", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.4.1.6", "Migration", SYN_INTEGER, ACC_READWRITE, &OptTrueFalse},
    {VENDOR_ARC ".12.15.2.4.1.7", "Admin Edge Port", SYN_INTEGER, ACC_READWRITE, &OptTrue1False2Auto3},
    {VENDOR_ARC ".12.15.2.4.1.8", "Operate Edge Port", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {VENDOR_ARC ".12.15.2.4.1.9", "Admin P2P", SYN_INTEGER, ACC_READWRITE, &OptTrue0False1Auto2},
    {VENDOR_ARC ".12.15.2.4.1.10", "Operate P2P", SYN_INTEGER, ACC_READONLY, &OptTrue0False1Auto2},
    {VENDOR_ARC ".12.15.2.4.1.11", "Loop-back Detection", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.15.2.4.1.12", "BPDU Filtering", SYN_INTEGER, ACC_READWRITE, &OptOtherDisabledEnabled},
    {VENDOR_ARC ".12.15.2.4.1.13", "Restricted Role", SYN_INTEGER, ACC_READWRITE, &OptTrueFalse},
    {VENDOR_ARC ".12.15.2.4.1.14", "Restricted TCN", SYN_INTEGER, ACC_READWRITE, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kPortMSTPInformation[] = {
    {VENDOR_ARC ".12.15.2.5.1.1", "MST Port", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.15.2.5.1.2", "Instance ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.15.2.5.1.3", "Designated Bridge", SYN_OCTETSTR, ACC_READONLY},
    {VENDOR_ARC ".12.15.2.5.1.4", "Internal Path Cost", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.5.1.5", "Priority", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.15.2.5.1.6", "Status", SYN_INTEGER, ACC_READONLY, &OptPortMSTPInformationStatus},
    {VENDOR_ARC ".12.15.2.5.1.7", "Role", SYN_INTEGER, ACC_READONLY, &OptRole},
    {},
};

}  // namespace

const PageDefinition PdBridgeInformation = {SVT_SV, 0, kBridgeInformation};
const PageDefinition PdDot1dPortTable = {MVT_FMV, 1, kDot1dPortTable};
const PageDefinition PdConfigurationIdentification = {SVT_SV, 0, kConfigurationIdentification};
const PageDefinition PdMSTPInstanceControl = {MVT_UMV, 1, kMSTPInstanceControl};
const PageDefinition PdPortStateInformation = {MVT_UMV, 1, kPortStateInformation};
const PageDefinition PdPortMSTPInformation = {MVT_UMV, 2, kPortMSTPInformation};
