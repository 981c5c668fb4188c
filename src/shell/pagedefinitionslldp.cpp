#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the LLDP pages of the "Layer 2 Management" menu.

namespace {

const OvOptionDef kLocalPortIDSubtypeOptions[] = {{1, "interfaceAlias"}, {2, "portComponent"}, {3, "macAddress"},
    {4, "networkAddress"}, {5, "interfaceName"}, {6, "agentCircuitId"}, {7, "local"}, {}};
const OvOptionList OptLocalPortIDSubtype(kLocalPortIDSubtypeOptions, OvOptionList::IntegerValues);
const OvOptionDef kLocalManagementAddressSubtypeOptions[] = {{0, "other"}, {1, "IPv4"}, {2, "IPv6"}, {3, "nsap"},
    {4, "hdlc"}, {5, "bbn1822"}, {6, "all802"}, {7, "e163"}, {8, "e164"}, {9, "f69"}, {10, "x121"}, {11, "ipx"},
    {12, "appleTalk"}, {13, "decnetIV"}, {14, "banyanVines"}, {15, "e164withNsap"}, {16, "dns"},
    {17, "distinguishedName"}, {18, "asNumber"}, {19, "xtpOverIPv4"}, {20, "xtpOverIPv6"}, {21, "xtpNativeModeXTP"},
    {22, "fibreChannelWWPN"}, {23, "fibreChannelWWNN"}, {24, "gwid"}, {25, "afi"}, {65535, "reserved"}, {}};
const OvOptionList OptLocalManagementAddressSubtype(kLocalManagementAddressSubtypeOptions, OvOptionList::IntegerValues);
const OvOptionDef kUnknownIfIndexSystemPortNumberOptions[] = {{1, "unknown"}, {2, "ifIndex"}, {3, "systemPortNumber"},
    {}};
const OvOptionList OptUnknownIfIndexSystemPortNumber(kUnknownIfIndexSystemPortNumberOptions,
                                                     OvOptionList::IntegerValues);
const OvOptionDef kRemoteManagementAddressSubtypeOptions[] = {{0, "other"}, {1, "IPv4"}, {2, "IPv6"}, {3, "nsap"},
    {4, "hdlc"}, {5, "bbn1822"}, {6, "all802"}, {7, "e163"}, {8, "e164"}, {9, "f69"}, {10, "x121"}, {11, "ipx"},
    {12, "appleTalk"}, {13, "decnetIV"}, {14, "banyanVines"}, {15, "e164withNsap"}, {16, "dns"},
    {17, "distinguishedName"}, {18, "asNumber"}, {19, "xtpOverIpv4"}, {20, "xtpOverIpv6"}, {21, "xtpNativeModeXTP"},
    {22, "fibreChannelWWPN"}, {23, "fibreChannelWWNN"}, {24, "gwid"}, {25, "afi"}, {65535, "reserved"}, {}};
const OvOptionList OptRemoteManagementAddressSubtype(kRemoteManagementAddressSubtypeOptions,
                                                     OvOptionList::IntegerValues);
const OvOptionDef kPClassPSEPClassPDOptions[] = {{1, "pClassPSE"}, {2, "pClassPD"}, {}};
const OvOptionList OptPClassPSEPClassPD(kPClassPSEPClassPDOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kLldpConfigurationInformation[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kLldpAddressConfiguration[] = {
    {" ", "Management Address Subtype", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Management Address", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Management Address Ports TX Enable", SYN_OCTETSTR, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kLldpStatisticsInformation[] = {
    {"1.0.8802.1.1.2.1.2.1", "Statistics Remote Tables Last Change Time", SYN_TIMETICKS, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.2", "Statistics Remote Tables Inserts", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.3", "Statistics Remote Tables Deletes", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.4", "Statistics Remote Tables Drops", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.5", "Statistics Remote Tables Ageouts", SYN_GUAGE, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kLldpTXPortTable[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Statistics TX Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Statistics TX Port Total Frames", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kLldpRXPortTable[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Statistics RX Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Statistics RX Port Frames Discarded Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Statistics RX Port Frames Errors", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Statistics RX Port Frames Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.5", "Statistics RX Port TLVs Discarded Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Statistics RX Port TLVs Unrecognized Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Statistics RX Port Ageouts Total", SYN_GUAGE, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kLldpLocalPortTable[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.3.7.1.2", "Local Port ID Subtype", SYN_INTEGER, ACC_READONLY, &OptLocalPortIDSubtype},
    {"1.0.8802.1.1.2.1.3.7.1.3", "Local Port ID", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Local Port Description", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kLldpLocalManagementAddressTable[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Local Management Address Subtype", SYN_INTEGER, ACC_NOTACCESS,
     &OptLocalManagementAddressSubtype},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Local Management Address", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Local Management Address Length", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.3.8.1.4", "Local Management Address If Subtype", SYN_INTEGER, ACC_READONLY,
     &OptUnknownIfIndexSystemPortNumber},
    {"1.0.8802.1.1.2.1.3.8.1.5", "Local Management Address If ID", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.3.8.1.6", "Local Management Address OID", SYN_OBJECTID, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kLldpRemoteManagementAddressTable[] = {
    {" ", "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Remote Management Address Subtype", SYN_INTEGER, ACC_NOTACCESS,
     &OptRemoteManagementAddressSubtype},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Remote Management Address", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.2.1.3", "Remote Management Address If Subtype", SYN_INTEGER, ACC_READONLY,
     &OptUnknownIfIndexSystemPortNumber},
    {"1.0.8802.1.1.2.1.4.2.1.4", "Remote Management Address If ID", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.4.2.1.5", "Remote Management Address OID", SYN_OBJECTID, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kLldpRemoteUnknownTLVTable[] = {
    {" ", "Remote Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Remote Unknown TLV Type", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Remote Unknown TLV Information", SYN_OCTETSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot1PortVLANTable[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "Port VLAN TX Enabled", SYN_INTEGER, ACC_READWRITE, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kDot1LocalDataTable[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot1LocalVLANNameTable[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot1LocalProtocolVLANTable[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "Protocol VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Protocol VLAN Supported", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Protocol VLAN Enabled", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kDot1LocalProtocolTable[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", SYN_OCTETSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot1RemoteDataTable[] = {
    {" ", "Remote Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Remote Port VLAN ID", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot1RemoteVLANNameTable[] = {
    {" ", "Remote Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "Remote VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "Remote VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot1RemoteProtocolVLANTable[] = {
    {" ", "Remote Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "Remote Protocol VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "Remote Protocol VLAN Supported", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "Remote Protocol VLAN Enabled", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kDot1RemoteProtocolTable[] = {
    {" ", "Remote Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Remote Protocol Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Remote Protocol ID", SYN_OCTETSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot3LocalPortTable[] = {
    {" ", "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", SYN_OCTETSTR, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot3LocalPowerTable[] = {
    {" ", "Loccal Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", SYN_INTEGER, ACC_READONLY, &OptPClassPSEPClassPD},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot3LocalMaxFrameSizeTable[] = {
    {" ", "lldpLocPortNum", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "MaxFrameSize", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot3RemotePortTable[] = {
    {" ", "Remote TimeMark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", SYN_OCTETSTR, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot3RemotePowerTable[] = {
    {" ", "Remote Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", SYN_INTEGER, ACC_READONLY, &OptPClassPSEPClassPD},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot3RemoteMaxFrameSizeTable[] = {
    {" ", "Remote Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {" ", "Remote Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Remote Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max Frame Size", SYN_INTEGER, ACC_READONLY},
    {},
};

}  // namespace

const PageDefinition PdLldpConfigurationInformation = {SVT_SV, 0, kLldpConfigurationInformation};
const PageDefinition PdLldpAddressConfiguration = {MVT_UMV, 2, kLldpAddressConfiguration};
const PageDefinition PdLldpStatisticsInformation = {SVT_SV, 0, kLldpStatisticsInformation};
const PageDefinition PdLldpTXPortTable = {MVT_FMV, 1, kLldpTXPortTable};
const PageDefinition PdLldpRXPortTable = {MVT_FMV, 1, kLldpRXPortTable};
const PageDefinition PdLldpLocalPortTable = {MVT_FMV, 1, kLldpLocalPortTable};
const PageDefinition PdLldpLocalManagementAddressTable = {MVT_FMV, 2, kLldpLocalManagementAddressTable};
const PageDefinition PdLldpRemoteManagementAddressTable = {MVT_FMV, 5, kLldpRemoteManagementAddressTable};
const PageDefinition PdLldpRemoteUnknownTLVTable = {MVT_FMV, 4, kLldpRemoteUnknownTLVTable};
const PageDefinition PdDot1PortVLANTable = {MVT_UMV, 1, kDot1PortVLANTable};
const PageDefinition PdDot1LocalDataTable = {MVT_FMV, 1, kDot1LocalDataTable};
const PageDefinition PdDot1LocalVLANNameTable = {MVT_FMV, 2, kDot1LocalVLANNameTable};
const PageDefinition PdDot1LocalProtocolVLANTable = {MVT_FMV, 2, kDot1LocalProtocolVLANTable};
const PageDefinition PdDot1LocalProtocolTable = {MVT_FMV, 2, kDot1LocalProtocolTable};
const PageDefinition PdDot1RemoteDataTable = {MVT_FMV, 3, kDot1RemoteDataTable};
const PageDefinition PdDot1RemoteVLANNameTable = {MVT_FMV, 4, kDot1RemoteVLANNameTable};
const PageDefinition PdDot1RemoteProtocolVLANTable = {MVT_FMV, 4, kDot1RemoteProtocolVLANTable};
const PageDefinition PdDot1RemoteProtocolTable = {MVT_FMV, 4, kDot1RemoteProtocolTable};
const PageDefinition PdDot3LocalPortTable = {MVT_FMV, 1, kDot3LocalPortTable};
const PageDefinition PdDot3LocalPowerTable = {MVT_FMV, 1, kDot3LocalPowerTable};
const PageDefinition PdDot3LocalMaxFrameSizeTable = {MVT_FMV, 1, kDot3LocalMaxFrameSizeTable};
const PageDefinition PdDot3RemotePortTable = {MVT_FMV, 3, kDot3RemotePortTable};
const PageDefinition PdDot3RemotePowerTable = {MVT_FMV, 3, kDot3RemotePowerTable};
const PageDefinition PdDot3RemoteMaxFrameSizeTable = {MVT_FMV, 3, kDot3RemoteMaxFrameSizeTable};
