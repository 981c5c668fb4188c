#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "Layer 2 Management" menu, LLDP aside.

namespace {

const OvOptionDef kSystemRebootOptions[] = {{1, "other"}, {2, "reboot"}, {3, "save-config-and-reboot"},
    {4, "reboot-and-load-factory-default-config"}, {}};
const OvOptionList OptSystemReboot(kSystemRebootOptions, OvOptionList::IntegerValues);
const OvOptionDef kNormalActiveOptions[] = {{1, "normal"}, {2, "active"}, {}};
const OvOptionList OptNormalActive(kNormalActiveOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherLinkPassLinkFailOptions[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
const OvOptionList OptOtherLinkPassLinkFail(kOtherLinkPassLinkFailOptions, OvOptionList::IntegerValues);
const OvOptionDef kNwayStatusOptions[] = {{1, "auto"}, {2, "half-10Mbps"}, {3, "full-10Mbps"}, {4, "half-100Mbps"},
    {5, "full-100Mbps"}, {6, "half-1Gigabps"}, {7, "full-1Gigabps"}, {}};
const OvOptionList OptNwayStatus(kNwayStatusOptions, OvOptionList::IntegerValues);
const OvOptionDef kCopperFiberOptions[] = {{100, "copper"}, {101, "fiber"}, {}};
const OvOptionList OptCopperFiber(kCopperFiberOptions, OvOptionList::IntegerValues);
const OvOptionDef kNwayStateOptions[] = {{1, "nway-auto"}, {2, "nway-disabled-10Mbps-Half"},
    {3, "nway-disabled-10Mbps-Full"}, {4, "nway-disabled-100Mbps-Half"}, {5, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Full"}, {8, "nway-disabled-1Gigabps-Full-Master"},
    {9, "nway-disabled-1Gigabps-Full-Slave"}, {}};
const OvOptionList OptNwayState(kNwayStateOptions, OvOptionList::IntegerValues);
const OvOptionDef kMulticastFilterOptions[] = {{2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"},
    {}};
const OvOptionList OptMulticastFilter(kMulticastFilterOptions, OvOptionList::IntegerValues);
const OvOptionDef kAutoNormalCrossOtherOptions[] = {{1, "auto"}, {2, "normal"}, {3, "cross"}, {4, "other"}, {}};
const OvOptionList OptAutoNormalCrossOther(kAutoNormalCrossOtherOptions, OvOptionList::IntegerValues);
const OvOptionDef kDisabled1Enabled2Options[] = {{1, "disabled"}, {2, "enabled"}, {}};
const OvOptionList OptDisabled1Enabled2(kDisabled1Enabled2Options, OvOptionList::IntegerValues);
const OvOptionDef kOtherErrDisabledOptions[] = {{1, "other"}, {2, "err-disabled"}, {}};
const OvOptionList OptOtherErrDisabled(kOtherErrDisabledOptions, OvOptionList::IntegerValues);
const OvOptionDef kStpLbdStormControlOptions[] = {{1, "stp-lbd"}, {2, "storm-control"}, {}};
const OvOptionList OptStpLbdStormControl(kStpLbdStormControlOptions, OvOptionList::IntegerValues);
const OvOptionDef kModeOptions[] = {{2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {}};
const OvOptionList OptMode(kModeOptions, OvOptionList::IntegerValues);
const OvOptionDef kMacSourceMacDestinationMacSourceDestOptions[] = {{2, "mac-source"}, {3, "mac-destination"},
    {4, "mac-source-dest"}, {}};
const OvOptionList OptMacSourceMacDestinationMacSourceDest(kMacSourceMacDestinationMacSourceDestOptions,
                                                           OvOptionList::IntegerValues);
const OvOptionDef kActivePassiveOptions[] = {{1, "active"}, {2, "passive"}, {}};
const OvOptionList OptActivePassive(kActivePassiveOptions, OvOptionList::IntegerValues);
const OvOptionDef kStrictWeightfairNoneOptions[] = {{1, "strict"}, {2, "weightfair"}, {3, "none"}, {}};
const OvOptionList OptStrictWeightfairNone(kStrictWeightfairNoneOptions, OvOptionList::IntegerValues);
const OvOptionDef kStrictRoundrobinWeightfairOptions[] = {{1, "strict"}, {2, "roundrobin"}, {3, "weightfair"}, {}};
const OvOptionList OptStrictRoundrobinWeightfair(kStrictRoundrobinWeightfairOptions, OvOptionList::IntegerValues);
const OvOptionDef kQuerierNonQuerierOptions[] = {{2, "querier"}, {3, "non-querier"}, {}};
const OvOptionList OptQuerierNonQuerier(kQuerierNonQuerierOptions, OvOptionList::IntegerValues);
const OvOptionDef kDisableEnableOptions[] = {{2, "disable"}, {3, "enable"}, {}};
const OvOptionList OptDisableEnable(kDisableEnableOptions, OvOptionList::IntegerValues);
const OvOptionDef kReplaceDropKeepOptions[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {}};
const OvOptionList OptReplaceDropKeep(kReplaceDropKeepOptions, OvOptionList::IntegerValues);
const OvOptionDef kDefaultUserDefinedOptions[] = {{1, "default"}, {2, "user-defined"}, {}};
const OvOptionList OptDefaultUserDefined(kDefaultUserDefinedOptions, OvOptionList::IntegerValues);
const OvOptionDef kDisableEthernet8021PMACBasedOptions[] = {{1, "disable"}, {2, "Ethernet 802.1P"}, {3, "MAC-Based"},
    {}};
const OvOptionList OptDisableEthernet8021PMACBased(kDisableEthernet8021PMACBasedOptions, OvOptionList::IntegerValues);
const OvOptionDef kDisableTosDscpOptions[] = {{1, "disable"}, {2, "tos"}, {3, "dscp"}, {}};
const OvOptionList OptDisableTosDscp(kDisableTosDscpOptions, OvOptionList::IntegerValues);
const OvOptionDef kValidInvalidOptions[] = {{1, "valid"}, {2, "invalid"}, {}};
const OvOptionList OptValidInvalid(kValidInvalidOptions, OvOptionList::IntegerValues);
const OvOptionDef kNoneAddDeleteOptions[] = {{1, "none"}, {2, "add"}, {3, "delete"}, {}};
const OvOptionList OptNoneAddDelete(kNoneAddDeleteOptions, OvOptionList::IntegerValues);
const OvOptionDef kNoneStormOccurredStormClearedBothOptions[] = {{1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"},
    {4, "both"}, {}};
const OvOptionList OptNoneStormOccurredStormClearedBoth(kNoneStormOccurredStormClearedBothOptions,
                                                        OvOptionList::IntegerValues);
const OvOptionDef kShutdownDropOptions[] = {{1, "shutdown"}, {2, "drop"}, {}};
const OvOptionList OptShutdownDrop(kShutdownDropOptions, OvOptionList::IntegerValues);
const OvOptionDef kNormalLoopErrorOptions[] = {{1, "normal"}, {2, "loop"}, {3, "error"}, {}};
const OvOptionList OptNormalLoopError(kNormalLoopErrorOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherQuerierNonQuerierOptions[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {}};
const OvOptionList OptOtherQuerierNonQuerier(kOtherQuerierNonQuerierOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherDisableEnableOptions[] = {{1, "other"}, {2, "disable"}, {3, "enable"}, {}};
const OvOptionList OptOtherDisableEnable(kOtherDisableEnableOptions, OvOptionList::IntegerValues);
const OvOptionDef kVersion1Version2Options[] = {{1, "version-1"}, {2, "version-2"}, {}};
const OvOptionList OptVersion1Version2(kVersion1Version2Options, OvOptionList::IntegerValues);
const OvOptionDef kDenyNextPortDenyLowPriorityPortOptions[] = {{1, "denyNextPort"}, {2, "denyLowPriorityPort"}, {}};
const OvOptionList OptDenyNextPortDenyLowPriorityPort(kDenyNextPortDenyLowPriorityPortOptions,
                                                      OvOptionList::IntegerValues);
const OvOptionDef kNormalPoeOptions[] = {{1, "normal"}, {2, "poe"}, {}};
const OvOptionList OptNormalPoe(kNormalPoeOptions, OvOptionList::IntegerValues);
const OvOptionDef kCriticalHighLowOptions[] = {{1, "critical"}, {2, "high"}, {3, "low"}, {}};
const OvOptionList OptCriticalHighLow(kCriticalHighLowOptions, OvOptionList::IntegerValues);
const OvOptionDef kPowerLimitOptions[] = {{1, "class0"}, {2, "class1"}, {3, "class2"}, {4, "class3"},
    {5, "user-defined"}, {}};
const OvOptionList OptPowerLimit(kPowerLimitOptions, OvOptionList::IntegerValues);
const OvOptionDef kOnOffErrorOptions[] = {{1, "on"}, {2, "off"}, {3, "error"}, {}};
const OvOptionList OptOnOffError(kOnOffErrorOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kDeviceControl[] = {
    {VENDOR_ARC ".11.63.11.2.1.2.1", "System Reboot", SYN_INTEGER, ACC_READWRITE, &OptSystemReboot},
    {VENDOR_ARC ".11.63.11.2.1.2.2", "System IP", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.3", "Subnet Mask", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.4", "Default Gateway", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.5", "Management VLAN ID", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.7", "IGMP Snooping", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.1.2.12", "Clean All Statistic Counter", SYN_INTEGER, ACC_READWRITE, &OptNormalActive},
    {VENDOR_ARC ".11.63.11.2.1.2.13", "SNMP Authenticate Trap", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.1.2.17", "IP Auto Config", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.1.2.19", "MAC Notify State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.1.2.20", "MAC Notify History Size", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.21", "MAC Notify Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.1.2.22", "LLDP State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.1.2.23", "LLDP Forward Message State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.1.2.24", "Asymmetric VLAN State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.1.2.25", "IGMP Snooping Multicast VLAN State", SYN_INTEGER, ACC_READWRITE,
     &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.1.2.26", "VLAN Trunk State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kPortInformationTable[] = {
    {VENDOR_ARC ".11.63.11.2.2.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.2.1.1.4", "Link Status", SYN_INTEGER, ACC_READONLY, &OptOtherLinkPassLinkFail},
    {VENDOR_ARC ".11.63.11.2.2.1.1.5", "Nway Status", SYN_INTEGER, ACC_READONLY, &OptNwayStatus},
    {},
};
constexpr OvSNMPVarDef kPortControlTable[] = {
    {VENDOR_ARC ".11.63.11.2.2.2.1.1", "Port Index", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.2.2.1.2", "Medium Type", SYN_INTEGER, ACC_READONLY, &OptCopperFiber},
    {VENDOR_ARC ".11.63.11.2.2.2.1.3", "Admin State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.2.2.1.4", "Nway State", SYN_INTEGER, ACC_READWRITE, &OptNwayState},
    {VENDOR_ARC ".11.63.11.2.2.2.1.5", "Flow Control State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.2.2.1.6", "Description", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.2.2.1.7", "Address Learning", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.2.2.1.8", "MAC Notify State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.2.2.1.9", "Multicast filter", SYN_INTEGER, ACC_READWRITE, &OptMulticastFilter},
    {VENDOR_ARC ".11.63.11.2.2.2.1.10", "MDIX State", SYN_INTEGER, ACC_READWRITE, &OptAutoNormalCrossOther},
    {},
};
constexpr OvSNMPVarDef kErrorPortTable[] = {
    {VENDOR_ARC ".11.63.11.2.2.3.1.1", "Error Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.2.3.1.2", "Error Port State", SYN_INTEGER, ACC_READONLY, &OptDisabled1Enabled2},
    {VENDOR_ARC ".11.63.11.2.2.3.1.3", "Error Port Status", SYN_INTEGER, ACC_READONLY, &OptOtherErrDisabled},
    {VENDOR_ARC ".11.63.11.2.2.3.1.4", "Error Port Reason", SYN_INTEGER, ACC_READONLY, &OptStpLbdStormControl},
    {VENDOR_ARC ".11.63.11.2.2.3.1.5", "Error Description", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kPortSecurityTrapLogState[] = {
    {VENDOR_ARC ".11.63.11.2.15.2", "Port Security Trap Log State", SYN_INTEGER, ACC_READWRITE, &OptEnable2Disable3},
    {},
};
constexpr OvSNMPVarDef kPortSecurityControl[] = {
    {VENDOR_ARC ".11.63.11.2.15.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.15.1.1.3", "Mode", SYN_INTEGER, ACC_READWRITE, &OptMode},
    {VENDOR_ARC ".11.63.11.2.15.1.1.4", "Admin State", SYN_INTEGER, ACC_READWRITE, &OptEnable2Disable3},
    {VENDOR_ARC ".11.63.11.2.15.1.1.2", "Max Learn Address", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kTrunkBasicInformation[] = {
    {VENDOR_ARC ".11.63.11.2.4.1", "Port Trunk Max Entries", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.4.2", "Port Trunk Max Port Members", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.4.4", "Trunk Algorithm", SYN_INTEGER, ACC_READWRITE,
     &OptMacSourceMacDestinationMacSourceDest},
    {},
};
constexpr OvSNMPVarDef kTrunkLACPPortTable[] = {
    {VENDOR_ARC ".11.63.11.2.4.5.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.4.5.1.2", "Port State", SYN_INTEGER, ACC_READWRITE, &OptActivePassive},
    {},
};
constexpr OvSNMPVarDef kTrunkVLANTable[] = {
    {VENDOR_ARC ".11.63.11.2.4.6.1.1", "Trunk VLAN Port", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.4.6.1.2", "Trunk VLAN State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kQoSSchedulingMechanismControl[] = {
    {VENDOR_ARC ".11.63.11.2.3.5", "QoS Scheduling Mechanism Control", SYN_INTEGER, ACC_READWRITE,
     &OptStrictWeightfairNone},
    {},
};
constexpr OvSNMPVarDef kBandwidthControlTable[] = {
    {VENDOR_ARC ".11.63.11.2.3.1.1.1", "QoS Bandwidth Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.3.1.1.2", "QoS Bandwidth RX Rate", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.3.1.1.3", "QoS Bandwidth TX Rate", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.3.1.1.4", "QoS Bandwidth RADIUS RX Rate", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.3.1.1.5", "QoS Bandwidth RADIUS TX Rate", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kSchedulingTable[] = {
    {VENDOR_ARC ".11.63.11.2.3.2.1.1", "QoS Scheduling Class Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.3.2.1.4", "QoS Scheduling Max Weight", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.3.2.1.5", "QoS Scheduling Mechanism", SYN_INTEGER, ACC_READONLY,
     &OptStrictRoundrobinWeightfair},
    {},
};
constexpr OvSNMPVarDef kDot1pUserPriorityTable[] = {
    {VENDOR_ARC ".11.63.11.2.3.3.1.1", "QoS 802.1p User Priority Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.3.3.1.2", "QoS 802.1p User Priority Class", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kDot1pDefaultPriorityTable[] = {
    {VENDOR_ARC ".11.63.11.2.3.4.1.1", "QoS 802.1p Default Priority Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.3.4.1.2", "QoS 802.1p Default Priority", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.3.4.1.3", "QoS 802.1p RADIUS Priority", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kIGMPGeneralInformation[] = {
    {VENDOR_ARC ".11.63.11.2.7.1", "Max Supported VLANs", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.2", "Max IP Group Number PerVLAN", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kIGMPControlTable[] = {
    {VENDOR_ARC ".11.63.11.2.7.3.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.3.1.2", "Query Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.7.3.1.3", "Max Response Time", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.7.3.1.4", "Robustness", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.7.3.1.5", "Last Member Query Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.7.3.1.6", "Host Timeout", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.7.3.1.7", "Route Timeout", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.7.3.1.8", "Leave Timer", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.7.3.1.9", "Query State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".11.63.11.2.7.3.1.10", "Current State", SYN_INTEGER, ACC_READONLY, &OptQuerierNonQuerier},
    {VENDOR_ARC ".11.63.11.2.7.3.1.11", "Control State", SYN_INTEGER, ACC_READWRITE, &OptDisableEnable},
    {VENDOR_ARC ".11.63.11.2.7.3.1.12", "Fast Leave", SYN_INTEGER, ACC_READWRITE, &OptDisableEnable},
    {VENDOR_ARC ".11.63.11.2.7.3.1.13", "Dynamic IP Multicast VLAN State", SYN_INTEGER, ACC_READWRITE,
     &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.7.3.1.14", "Dynamic IP Multicast VLAN Age", SYN_INTEGER, ACC_READWRITE,
     &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kIGMPQueryInformation[] = {
    {VENDOR_ARC ".11.63.11.2.7.4.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.4.1.2", "Query Count", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.4.1.3", "TX Query Count", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kIGMPInformation[] = {
    {VENDOR_ARC ".11.63.11.2.7.5.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.5.1.2", "Group IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.5.1.3", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.5.1.4", "Port Map", SYN_BITSTR, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.5.1.5", "IP Group Report Count", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kIGMPAccessAuthenticationTable[] = {
    {" ", "IGMP Router Port VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.7.1.1", "IGMP Access Auth Port", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.7.1.2", "IGMP Access Auth State", SYN_INTEGER, ACC_READWRITE, &OptDisabled1Enabled2},
    {},
};
constexpr OvSNMPVarDef kIGMPv3Table[] = {
    {" ", "IGMP VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "IGMP Group IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.10.1.1", "IGMPv3 Source IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.10.1.2", "IGMPv3 Forwarding", SYN_INTEGER, ACC_READONLY, &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.7.10.1.3", "IGMPv3 Expire Timer", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kIGMPSnoopingGroupTable[] = {
    {VENDOR_ARC ".11.63.11.2.7.11.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.11.1.2", "Group Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.11.1.3", "Source Address", SYN_IPADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.7.11.1.4", "Include Port Map", SYN_BITSTR, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.11.1.5", "Exclude Port Map", SYN_BITSTR, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.11.1.6", "Report Count", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.11.1.7", "Up Time", SYN_TIMETICKS, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.11.1.8", "Expiry Time", SYN_TIMETICKS, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.7.11.1.9", "RouterP orts", SYN_BITSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kIGMPDynamicIPMulticastMaxEntry[] = {
    {VENDOR_ARC ".11.63.11.2.7.12.1", "IGMP Dynamic IP Multicast Max Entry", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kDHCPRelayManagement[] = {
    {VENDOR_ARC ".12.42.1.1", "DHCP Relay State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.42.1.2", "DHCP Relay Hop Count", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.42.1.3", "DHCP Relay Time Threshold", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.42.3.2.1", "DHCP Relay Option 82 State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.42.3.2.2", "DHCP Relay Option 82 Check State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.42.3.2.3", "DHCP Relay Option 82 Policy", SYN_INTEGER, ACC_READWRITE, &OptReplaceDropKeep},
    {VENDOR_ARC ".12.42.3.2.4", "DHCP Relay Option 82 Remote ID Type", SYN_INTEGER, ACC_READWRITE,
     &OptDefaultUserDefined},
    {VENDOR_ARC ".12.42.3.2.5", "DHCP Relay Option 82 Remote ID", SYN_DISPLAYSTR, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kDHCPLocalRelayState[] = {
    {VENDOR_ARC ".11.63.11.2.24.1", "DHCP Local Relay State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {},
};
constexpr OvSNMPVarDef kDHCPLocalRelayVLANTable[] = {
    {VENDOR_ARC ".11.63.11.2.24.2.1.1", "DHCP Local Relay VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.24.2.1.2", "DHCP Local Relay VLAN State", SYN_INTEGER, ACC_READWRITE,
     &OptDisabled2Enabled3},
    {},
};
constexpr OvSNMPVarDef kCoSPriorityTable[] = {
    {VENDOR_ARC ".11.63.11.2.17.3.1.1.1", "CoS Priority Port", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.17.3.1.1.2", "CoS Priority Port PRI", SYN_INTEGER, ACC_READWRITE, &OptDisableEnable},
    {VENDOR_ARC ".11.63.11.2.17.3.1.1.3", "CoS Priority Ether PRI", SYN_INTEGER, ACC_READWRITE,
     &OptDisableEthernet8021PMACBased},
    {VENDOR_ARC ".11.63.11.2.17.3.1.1.4", "CoS Priority IP PRI", SYN_INTEGER, ACC_READWRITE, &OptDisableTosDscp},
    {VENDOR_ARC ".11.63.11.2.17.3.1.1.5", "CoS Priority None", SYN_INTEGER, ACC_READWRITE, &OptValidInvalid},
    {},
};
constexpr OvSNMPVarDef kCoSPortPRITable[] = {
    {VENDOR_ARC ".11.63.11.2.17.3.2.1.1", "CoS Port PRI Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.17.3.2.1.2", "CoS Port PRI Class", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kCoSMACBasePRITable[] = {
    {VENDOR_ARC ".11.63.11.2.17.3.3.1.1", "CoS MAC_Base PRI Index", SYN_MACADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.17.3.3.1.2", "CoS MAC_Base PRI Class", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kCoSToSPRITable[] = {
    {VENDOR_ARC ".11.63.11.2.17.3.4.1.1", "CoS ToS PRI Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.17.3.4.1.2", "CoS ToS PRI Class", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kCoSDSCPPRITable[] = {
    {VENDOR_ARC ".11.63.11.2.17.3.5.1.1", "CoS DSCP PRI Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.17.3.5.1.2", "CoS DSCP PRI Class", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kMulticastFilterTable[] = {
    {VENDOR_ARC ".11.63.11.2.22.2.1.1", "Profile Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.22.2.1.2", "Profile Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.22.2.1.3", "Add Or Delete State", SYN_INTEGER, ACC_READWRITE, &OptNoneAddDelete},
    {VENDOR_ARC ".11.63.11.2.22.2.1.4", "Group List", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.22.2.1.5", "Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kMulticastFilterPortInformationTable[] = {
    {VENDOR_ARC ".11.63.11.2.22.5.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.22.5.1.2", "Profile ID", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kMulticastFilterPortTable[] = {
    {VENDOR_ARC ".11.63.11.2.22.3.1.1", "GroupPort Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.22.3.1.2", "Profile Add Or Delete State", SYN_INTEGER, ACC_READWRITE, &OptNoneAddDelete},
    {VENDOR_ARC ".11.63.11.2.22.3.1.3", "Profile ID", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kMulticastFilterPortMaxGroupTable[] = {
    {VENDOR_ARC ".11.63.11.2.22.4.1.1", "Max Group Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.22.4.1.2", "Max Group", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kPacketStormControl[] = {
    {VENDOR_ARC ".12.25.1.2", "Packet Storm Trap Control", SYN_INTEGER, ACC_READWRITE,
     &OptNoneStormOccurredStormClearedBoth},
    {},
};
constexpr OvSNMPVarDef kPacketStormControlTable[] = {
    {VENDOR_ARC ".12.25.3.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.25.3.1.1.2", "threshold", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.25.3.1.1.3", "Broadcast Status", SYN_INTEGER, ACC_READWRITE, &OptDisabled1Enabled2},
    {VENDOR_ARC ".12.25.3.1.1.4", "Multicast Status", SYN_INTEGER, ACC_READWRITE, &OptDisabled1Enabled2},
    {VENDOR_ARC ".12.25.3.1.1.5", "Unicast Status", SYN_INTEGER, ACC_READWRITE, &OptDisabled1Enabled2},
    {VENDOR_ARC ".12.25.3.1.1.6", "Action Status", SYN_INTEGER, ACC_READWRITE, &OptShutdownDrop},
    {VENDOR_ARC ".12.25.3.1.1.7", "Count Down", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.25.3.1.1.8", "Time Interval", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kACLMaskDeleteAllState[] = {
    {VENDOR_ARC ".12.9.2.5", "ACL Mask Delete All State", SYN_INTEGER, ACC_READWRITE, &OptNoneStart},
    {},
};
constexpr OvSNMPVarDef kCPUFilterControl[] = {
    {VENDOR_ARC ".12.9.1.1", "CPU Interface Filtering State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kTimeRangeACLTable[] = {
    {VENDOR_ARC ".12.50.3.2.1.1", "Time Range ACL Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.50.3.2.1.2", "Time Range ACL Acces sID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.50.3.2.1.3", "Time Range ACL Time Range Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kTimeRangeCPUACLTable[] = {
    {VENDOR_ARC ".12.50.3.3.1.1", "Time Range CPU ACL Profile ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.50.3.3.1.2", "Time Range CPU ACL AccessI D", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.50.3.3.1.3", "Time Range CPU ACL Time Range Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kLoopDetectControl[] = {
    {VENDOR_ARC ".11.63.11.2.21.1.1", "Loop Detect Admin State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.21.1.2", "Loop Detect Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.21.1.3", "Loop Detect Recover Time", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kLoopDetectPortTable[] = {
    {VENDOR_ARC ".11.63.11.2.21.2.1.1.1", "Loop Detect Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.21.2.1.1.2", "Loop Detect Port State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.21.2.1.1.4", "Loop Detect Port Loop Status", SYN_INTEGER, ACC_READONLY,
     &OptNormalLoopError},
    {},
};
constexpr OvSNMPVarDef kAggregatorTable[] = {
    {VENDOR_ARC ".12.4.1.1.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.4.1.1.1.1.2", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.4.1.1.1.1.3", "Actor System Priority", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.4.1.1.1.1.4", "Actor System ID", SYN_MACADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.4.1.1.1.1.5", "Aggregate Or Individual", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {VENDOR_ARC ".12.4.1.1.1.1.6", "Actor Admin value Key", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.4.1.1.1.1.7", "Actor Operational Value Key", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.4.1.1.1.1.8", "Partner System ID", SYN_MACADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.4.1.1.1.1.9", "Partner System Priority", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.4.1.1.1.1.10", "Partner Operational Value Key", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.4.1.1.1.1.11", "Collector Max Delay", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kAggregatorPortList[] = {
    {VENDOR_ARC ".12.4.1.1.1.1.1", "    Index ", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.4.1.1.2.1.1", "     Ports    ", SYN_BITSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kMLDSnoopingManagement[] = {
    {VENDOR_ARC ".12.34.1.1", "MLD Snooping Global State", SYN_INTEGER, ACC_READWRITE, &OptOtherDisabledEnabled},
    {},
};
constexpr OvSNMPVarDef kMLDSnoopingControl[] = {
    {VENDOR_ARC ".12.34.3.2.1.1", "MLD Snooping Control VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.34.3.2.1.2", "MLD Snooping Query Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.34.3.2.1.3", "MLD Snooping Max Response Time", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.34.3.2.1.4", "MLD Snooping Robustness", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.34.3.2.1.5", "MLD Snooping Last Member Query Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.34.3.2.1.6", "MLD Snooping Host Timeout", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.34.3.2.1.7", "MLD Snooping Route Timeout", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.34.3.2.1.8", "MLD Snooping Done Timer", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.34.3.2.1.9", "MLD Snooping Query State", SYN_INTEGER, ACC_READWRITE, &OptOtherDisabledEnabled},
    {VENDOR_ARC ".12.34.3.2.1.10", "MLD Snooping Current State", SYN_INTEGER, ACC_READONLY, &OptOtherQuerierNonQuerier},
    {VENDOR_ARC ".12.34.3.2.1.11", "MLD Snooping Control State", SYN_INTEGER, ACC_READWRITE, &OptOtherDisableEnable},
    {VENDOR_ARC ".12.34.3.2.1.12", "MLD Snooping Fast Done State", SYN_INTEGER, ACC_READWRITE, &OptOtherDisableEnable},
    {VENDOR_ARC ".12.34.3.2.1.13", "MLD Snooping Version", SYN_INTEGER, ACC_READWRITE, &OptVersion1Version2},
    {},
};
constexpr OvSNMPVarDef kPoESystemControl[] = {
    {VENDOR_ARC ".12.24.1.1", "PoE System Power Limit", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.24.1.2", "PoE System Power Disconnect Method", SYN_INTEGER, ACC_READWRITE,
     &OptDenyNextPortDenyLowPriorityPort},
    {VENDOR_ARC ".12.24.1.4", "PoE System LED Mode", SYN_INTEGER, ACC_READWRITE, &OptNormalPoe},
    {},
};
constexpr OvSNMPVarDef kPoESystemInformation[] = {
    {VENDOR_ARC ".12.24.2.1", "PoE System Power Consumption", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.24.2.2", "PoE System Power Remained", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kPoEPortControl[] = {
    {VENDOR_ARC ".12.24.3.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.24.3.1.1.2", "State", SYN_INTEGER, ACC_READWRITE, &OptOtherEnableDisable},
    {VENDOR_ARC ".12.24.3.1.1.3", "Priority", SYN_INTEGER, ACC_READWRITE, &OptCriticalHighLow},
    {VENDOR_ARC ".12.24.3.1.1.4", "Power Limit", SYN_INTEGER, ACC_READWRITE, &OptPowerLimit},
    {VENDOR_ARC ".12.24.3.1.1.5", "User Defined", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kPoEPortInformation[] = {
    {VENDOR_ARC ".12.24.4.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.24.4.1.1.2", "Class", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.24.4.1.1.3", "Power", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.24.4.1.1.4", "Voltage", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.24.4.1.1.5", "Current", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.24.4.1.1.6", "Status", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.24.4.1.1.7", "Led Status", SYN_INTEGER, ACC_READONLY, &OptOnOffError},
    {},
};

}  // namespace

const PageDefinition PdDeviceControl = {SVT_SV, 0, kDeviceControl};
const PageDefinition PdPortInformationTable = {MVT_FMV, 1, kPortInformationTable};
const PageDefinition PdPortControlTable = {MVT_UMV, 2, kPortControlTable};
const PageDefinition PdErrorPortTable = {MVT_FMV, 1, kErrorPortTable};
const PageDefinition PdPortSecurityTrapLogState = {SVT_SV, 0, kPortSecurityTrapLogState};
const PageDefinition PdPortSecurityControl = {MVT_UMV, 1, kPortSecurityControl};
const PageDefinition PdTrunkBasicInformation = {SVT_SV, 0, kTrunkBasicInformation};
const PageDefinition PdTrunkLACPPortTable = {MVT_UMV, 1, kTrunkLACPPortTable};
const PageDefinition PdTrunkVLANTable = {MVT_UMV, 1, kTrunkVLANTable};
const PageDefinition PdQoSSchedulingMechanismControl = {SVT_SV, 0, kQoSSchedulingMechanismControl};
const PageDefinition PdBandwidthControlTable = {MVT_UMV, 1, kBandwidthControlTable};
const PageDefinition PdSchedulingTable = {MVT_UMV, 1, kSchedulingTable};
const PageDefinition PdDot1pUserPriorityTable = {MVT_UMV, 1, kDot1pUserPriorityTable};
const PageDefinition PdDot1pDefaultPriorityTable = {MVT_UMV, 1, kDot1pDefaultPriorityTable};
const PageDefinition PdIGMPGeneralInformation = {SVT_SV, 0, kIGMPGeneralInformation};
const PageDefinition PdIGMPControlTable = {MVT_UMV, 1, kIGMPControlTable};
const PageDefinition PdIGMPQueryInformation = {MVT_UMV, 1, kIGMPQueryInformation};
const PageDefinition PdIGMPInformation = {MVT_UMV, 2, kIGMPInformation};
const PageDefinition PdIGMPAccessAuthenticationTable = {MVT_UMV, 1, kIGMPAccessAuthenticationTable};
const PageDefinition PdIGMPv3Table = {MVT_FMV, 3, kIGMPv3Table};
const PageDefinition PdIGMPSnoopingGroupTable = {MVT_FMV, 3, kIGMPSnoopingGroupTable};
const PageDefinition PdIGMPDynamicIPMulticastMaxEntry = {SVT_SV, 0, kIGMPDynamicIPMulticastMaxEntry};
const PageDefinition PdDHCPRelayManagement = {SVT_SV, 0, kDHCPRelayManagement};
const PageDefinition PdDHCPLocalRelayState = {SVT_SV, 0, kDHCPLocalRelayState};
const PageDefinition PdDHCPLocalRelayVLANTable = {MVT_UMV, 1, kDHCPLocalRelayVLANTable};
const PageDefinition PdCoSPriorityTable = {MVT_UMV, 1, kCoSPriorityTable};
const PageDefinition PdCoSPortPRITable = {MVT_UMV, 1, kCoSPortPRITable};
const PageDefinition PdCoSMACBasePRITable = {MVT_UMV, 1, kCoSMACBasePRITable};
const PageDefinition PdCoSToSPRITable = {MVT_UMV, 1, kCoSToSPRITable};
const PageDefinition PdCoSDSCPPRITable = {MVT_UMV, 1, kCoSDSCPPRITable};
const PageDefinition PdMulticastFilterTable = {MVT_UMV, 1, kMulticastFilterTable};
const PageDefinition PdMulticastFilterPortInformationTable = {MVT_FMV, 1, kMulticastFilterPortInformationTable};
const PageDefinition PdMulticastFilterPortTable = {MVT_UMV, 1, kMulticastFilterPortTable};
const PageDefinition PdMulticastFilterPortMaxGroupTable = {MVT_UMV, 1, kMulticastFilterPortMaxGroupTable};
const PageDefinition PdPacketStormControl = {SVT_SV, 0, kPacketStormControl};
const PageDefinition PdPacketStormControlTable = {MVT_UMV, 1, kPacketStormControlTable};
const PageDefinition PdACLMaskDeleteAllState = {SVT_SV, 0, kACLMaskDeleteAllState};
const PageDefinition PdCPUFilterControl = {SVT_SV, 0, kCPUFilterControl};
const PageDefinition PdTimeRangeACLTable = {MVT_UMV, 2, kTimeRangeACLTable};
const PageDefinition PdTimeRangeCPUACLTable = {MVT_UMV, 2, kTimeRangeCPUACLTable};
const PageDefinition PdLoopDetectControl = {SVT_SV, 0, kLoopDetectControl};
const PageDefinition PdLoopDetectPortTable = {MVT_UMV, 1, kLoopDetectPortTable};
const PageDefinition PdAggregatorTable = {MVT_FMV, 1, kAggregatorTable};
const PageDefinition PdAggregatorPortList = {MVT_FMV, 1, kAggregatorPortList};
const PageDefinition PdMLDSnoopingManagement = {SVT_SV, 0, kMLDSnoopingManagement};
const PageDefinition PdMLDSnoopingControl = {MVT_UMV, 1, kMLDSnoopingControl};
const PageDefinition PdPoESystemControl = {SVT_SV, 0, kPoESystemControl};
const PageDefinition PdPoESystemInformation = {SVT_SV, 0, kPoESystemInformation};
const PageDefinition PdPoEPortControl = {MVT_UMV, 1, kPoEPortControl};
const PageDefinition PdPoEPortInformation = {MVT_FMV, 1, kPoEPortInformation};
