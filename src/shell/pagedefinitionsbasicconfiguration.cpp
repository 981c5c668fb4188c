#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "Basic Configuration" menu.

namespace {

const OvOptionDef kOtherSnmpIpSnmpIpxSnmpIpIpxOptions[] = {{1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"},
    {4, "snmp-ip-ipx"}, {}};
const OvOptionList OptOtherSnmpIpSnmpIpxSnmpIpIpx(kOtherSnmpIpSnmpIpxSnmpIpIpxOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherInUseNotInUseOptions[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {}};
const OvOptionList OptOtherInUseNotInUse(kOtherInUseNotInUseOptions, OvOptionList::IntegerValues);
const OvOptionDef kNotSupportedSupportedOptions[] = {{0, "not-supported"}, {1, "supported"}, {}};
const OvOptionList OptNotSupportedSupported(kNotSupportedSupportedOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherStandardProprietaryExperimentOptions[] = {{1, "other"}, {2, "standard"}, {3, "proprietary"},
    {4, "experiment"}, {}};
const OvOptionList OptOtherStandardProprietaryExperiment(kOtherStandardProprietaryExperimentOptions,
                                                         OvOptionList::IntegerValues);
const OvOptionDef kConsoleOptions[] = {{2, "console"}, {}};
const OvOptionList OptConsole(kConsoleOptions, OvOptionList::IntegerValues);
const OvOptionDef kWarmStartNoResetOptions[] = {{3, "warm-start"}, {4, "no-reset"}, {}};
const OvOptionList OptWarmStartNoReset(kWarmStartNoResetOptions, OvOptionList::IntegerValues);
const OvOptionDef kSaveOptions[] = {{1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"}, {4, "log"}, {5, "all"}, {}};
const OvOptionList OptSave(kSaveOptions, OvOptionList::IntegerValues);
const OvOptionDef kDisabledBootpDhcpOptions[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {}};
const OvOptionList OptDisabledBootpDhcp(kDisabledBootpDhcpOptions, OvOptionList::IntegerValues);
const OvOptionDef kBits7Bits8Options[] = {{2, "bits-7"}, {3, "bits-8"}, {}};
const OvOptionList OptBits7Bits8(kBits7Bits8Options, OvOptionList::IntegerValues);
const OvOptionDef kStopbits1Stopbits2Options[] = {{2, "stopbits-1"}, {3, "stopbits-2"}, {}};
const OvOptionList OptStopbits1Stopbits2(kStopbits1Stopbits2Options, OvOptionList::IntegerValues);
const OvOptionDef kNoneOddEvenOptions[] = {{1, "none"}, {2, "odd"}, {3, "even"}, {}};
const OvOptionList OptNoneOddEven(kNoneOddEvenOptions, OvOptionList::IntegerValues);
const OvOptionDef kBaudRateOptions[] = {{2, "baudRate-2400"}, {3, "baudRate-9600"}, {4, "baudRate-19200"},
    {5, "baudRate-38400"}, {6, "baudRate-57200"}, {7, "baudRate-115200"}, {}};
const OvOptionList OptBaudRate(kBaudRateOptions, OvOptionList::IntegerValues);
const OvOptionDef kLogoutTimeOptions[] = {{1, "never"}, {2, "two-minutes"}, {3, "five-minutes"}, {4, "ten-minutes"},
    {5, "fifteen-minutes"}, {}};
const OvOptionList OptLogoutTime(kLogoutTimeOptions, OvOptionList::IntegerValues);
const OvOptionDef kTimeIntervalOnDemandLogTriggerOptions[] = {{1, "time-interval"}, {2, "on-demand"},
    {3, "log-trigger"}, {}};
const OvOptionList OptTimeIntervalOnDemandLogTrigger(kTimeIntervalOnDemandLogTriggerOptions,
                                                     OvOptionList::IntegerValues);
const OvOptionDef kSuccessFailedInProcessingOptions[] = {{1, "success"}, {2, "failed"}, {3, "in-processing"}, {}};
const OvOptionList OptSuccessFailedInProcessing(kSuccessFailedInProcessingOptions, OvOptionList::IntegerValues);
const OvOptionDef kFastEthernetGigaEthernetOtherOptions[] = {{0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"},
    {}};
const OvOptionList OptFastEthernetGigaEthernetOther(kFastEthernetGigaEthernetOtherOptions, OvOptionList::IntegerValues);
const OvOptionDef kLinkDownLinkUpOtherOptions[] = {{0, "link-down"}, {1, "link-up"}, {2, "other"}, {}};
const OvOptionList OptLinkDownLinkUpOther(kLinkDownLinkUpOtherOptions, OvOptionList::IntegerValues);
const OvOptionDef kPairStatusOptions[] = {{0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "crosstalk"},
    {5, "unknown"}, {6, "count"}, {7, "no-cable"}, {8, "other"}, {}};
const OvOptionList OptPairStatus(kPairStatusOptions, OvOptionList::IntegerValues);
const OvOptionDef kActionProcessingOtherOptions[] = {{1, "action"}, {2, "processing"}, {3, "other"}, {}};
const OvOptionList OptActionProcessingOther(kActionProcessingOtherOptions, OvOptionList::IntegerValues);
const OvOptionDef kCableDiagnosticsStatusOptions[] = {{1, "not-run"}, {2, "processing"}, {3, "last-test-ok"},
    {4, "last-test-failed"}, {}};
const OvOptionList OptCableDiagnosticsStatus(kCableDiagnosticsStatusOptions, OvOptionList::IntegerValues);
const OvOptionDef kIpv4Ipv6DnsOptions[] = {{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
const OvOptionList OptIpv4Ipv6Dns(kIpv4Ipv6DnsOptions, OvOptionList::IntegerValues);
const OvOptionDef kHistoryStatusOptions[] = {{1, "responseReceived"}, {2, "unknown"}, {3, "internalError"},
    {4, "requestTimedOut"}, {5, "unknownDestinationAddress"}, {6, "noRouteToTarget"}, {7, "interfaceInactiveToTarget"},
    {8, "arpFailure"}, {9, "maxConcurrentLimitReached"}, {10, "unableToResolveDnsName"}, {11, "invalidHostAddress"},
    {}};
const OvOptionList OptHistoryStatus(kHistoryStatusOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kAgentManagementBasicInformation[] = {
    {VENDOR_ARC ".12.1.1.1", "Protocol Capability", SYN_INTEGER, ACC_READONLY, &OptOtherSnmpIpSnmpIpxSnmpIpIpx},
    {VENDOR_ARC ".12.1.1.3", "Console In Use", SYN_INTEGER, ACC_READONLY, &OptOtherInUseNotInUse},
    {VENDOR_ARC ".12.1.1.7", "Dual Image Status", SYN_INTEGER, ACC_READONLY, &OptNotSupportedSupported},
    {VENDOR_ARC ".12.1.1.12", "Serial Number", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kMIBCapabilities[] = {
    {VENDOR_ARC ".12.1.1.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.1.1.2.1.2", "Description", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.2.1.3", "Version", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.2.1.4", "Type", SYN_INTEGER, ACC_READONLY, &OptOtherStandardProprietaryExperiment},
    {},
};
constexpr OvSNMPVarDef kBasicManagement[] = {
    {VENDOR_ARC ".12.1.2.4", "RS232 Port", SYN_INTEGER, ACC_READONLY, &OptConsole},
    {VENDOR_ARC ".12.1.2.3", "System Reset", SYN_INTEGER, ACC_READWRITE, &OptWarmStartNoReset},
    {VENDOR_ARC ".12.1.2.6", "Save", SYN_INTEGER, ACC_READWRITE, &OptSave},
    {VENDOR_ARC ".12.1.3.3", "Get IP From", SYN_INTEGER, ACC_READWRITE, &OptDisabledBootpDhcp},
    {},
};
constexpr OvSNMPVarDef kCPUUtilization[] = {
    {VENDOR_ARC ".12.1.1.6.1", "CPU Utilization In 5sec", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.6.2", "CPU Utilization In 1min", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.6.3", "CPU Utilization In 5min", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDRAMUtilization[] = {
    {VENDOR_ARC ".12.1.1.9.1.1", "Unit ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.1.1.9.1.2", "Total DRAM", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.9.1.3", "UsedD RAM", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.9.1.4", "Utilization", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kPortUtilization[] = {
    {VENDOR_ARC ".12.1.1.8.1.1", "Port Utilization Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.1.1.8.1.2", "Port Utilization TX", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.8.1.3", "Port Utilization RX", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.1.8.1.4", "Port Utilization Util", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kMultipleImageManagement[] = {
    {VENDOR_ARC ".12.1.2.7.1.1", "Multiple Image Information ID", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.1.2.7.1.2", "Multiple Image Version", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.1.2.7.1.3", "Multiple Image Size", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.1.2.7.1.4", "Multiple Image Update Time", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.1.2.7.1.5", "Multiple Image From", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.1.2.7.1.6", "Multiple Image Send User", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kConsoleModeControl[] = {
    {VENDOR_ARC ".12.1.5.1", "Data Bits", SYN_INTEGER, ACC_READONLY, &OptBits7Bits8},
    {VENDOR_ARC ".12.1.5.2", "Stop Bits", SYN_INTEGER, ACC_READONLY, &OptStopbits1Stopbits2},
    {VENDOR_ARC ".12.1.5.3", "Parity", SYN_INTEGER, ACC_READONLY, &OptNoneOddEven},
    {VENDOR_ARC ".12.1.5.4", "Baud Rate", SYN_INTEGER, ACC_READWRITE, &OptBaudRate},
    {VENDOR_ARC ".12.1.5.5", "Logout Time", SYN_INTEGER, ACC_READWRITE, &OptLogoutTime},
    {},
};
constexpr OvSNMPVarDef kARPClearAllState[] = {
    {VENDOR_ARC ".12.1.2.12.1", "ARP Clear All State", SYN_INTEGER, ACC_READWRITE, &OptOtherStart},
    {},
};
constexpr OvSNMPVarDef kGratuitousARPManagementInfomation[] = {
    {VENDOR_ARC ".12.1.2.12.2.1", "Send Ipif Status UpState", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.1.2.12.2.2", "Send DupIp Detected State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.1.2.12.2.3", "Learning State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kGratuitousARPTable[] = {
    {VENDOR_ARC ".12.1.2.12.2.4.1.1", "Interface Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {VENDOR_ARC ".12.1.2.12.2.4.1.2", "Periodical Send Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.1.2.12.2.4.1.3", "Trap State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.1.2.12.2.4.1.4", "Log State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kFDBClearAllState[] = {
    {VENDOR_ARC ".12.1.2.11.1", "FDB Clear All State", SYN_INTEGER, ACC_READWRITE, &OptOtherStart},
    {},
};
constexpr OvSNMPVarDef kTrustHostTable[] = {
    {VENDOR_ARC ".12.1.2.10.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.1.2.10.1.1.2", "IP Address", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR_ARC ".12.1.2.10.1.1.4", "Subnet Mask", SYN_IPADDRESS, ACC_READWRITE},
    {VENDOR_ARC ".12.1.2.10.1.1.3", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kDeleteAllState[] = {
    {VENDOR_ARC ".12.1.2.10.2", "Trust Host Delete All", SYN_INTEGER, ACC_READWRITE, &OptNoneStart},
    {},
};
constexpr OvSNMPVarDef kCurrentTime[] = {
    {VENDOR_ARC ".12.10.1", "Time Capacity", SYN_BITSTR, ACC_READONLY},
    {VENDOR_ARC ".12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", SYN_DATETIME, ACC_READWRITE},
    {VENDOR_ARC ".12.10.3", "Clock Reset On Reboot", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kSystemTime[] = {
    {VENDOR_ARC ".12.10.3", "Clock Reset On Reboot", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {VENDOR_ARC ".12.10.10.1", "Current Time", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.10.10.2", "System Up Time", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.10.10.3", "System Boot Time", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.10.10.4", "System Time Zone [ -779..839]", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kSystemLogManagement[] = {
    {VENDOR_ARC ".12.12.1", "System Log Control State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.12.3.1", "Log Save Method", SYN_INTEGER, ACC_READWRITE, &OptTimeIntervalOnDemandLogTrigger},
    {VENDOR_ARC ".12.12.3.2", "Log Save Time Interval", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.12.4.1", "System Log Control Clear Log", SYN_INTEGER, ACC_READWRITE, &OptOtherStart},
    {},
};
constexpr OvSNMPVarDef kSMTPInformationTable[] = {
    {VENDOR_ARC ".12.29.2.1", "SMTP Send Test Status", SYN_INTEGER, ACC_READONLY, &OptSuccessFailedInProcessing},
    {},
};
constexpr OvSNMPVarDef kSMTPMailReceiverTable[] = {
    {VENDOR_ARC ".12.29.3.1.1.1", "SMTP Mail Receiver Address Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.29.3.1.1.2", "SMTP Mail Receiver Address", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.29.3.1.1.3", "SMTP Mail Receiver Address State", SYN_INTEGER, ACC_READWRITE,
     &OptActiveCreateAndGoDestroy},
    {},
};
constexpr OvSNMPVarDef kCableDiagnostics[] = {
    {VENDOR_ARC ".12.58.1.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.58.1.1.1.2", "Port Type", SYN_INTEGER, ACC_READONLY, &OptFastEthernetGigaEthernetOther},
    {VENDOR_ARC ".12.58.1.1.1.3", "LinkS tatus", SYN_INTEGER, ACC_READONLY, &OptLinkDownLinkUpOther},
    {VENDOR_ARC ".12.58.1.1.1.4", "Pair1 Status", SYN_INTEGER, ACC_READONLY, &OptPairStatus},
    {VENDOR_ARC ".12.58.1.1.1.5", "Pair2 Status", SYN_INTEGER, ACC_READONLY, &OptPairStatus},
    {VENDOR_ARC ".12.58.1.1.1.6", "Pair3 Status", SYN_INTEGER, ACC_READONLY, &OptPairStatus},
    {VENDOR_ARC ".12.58.1.1.1.7", "Pair4 Status", SYN_INTEGER, ACC_READONLY, &OptPairStatus},
    {VENDOR_ARC ".12.58.1.1.1.8", "Pair1 Length", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.58.1.1.1.9", "Pair2 Length", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.58.1.1.1.10", "Pair3 Length", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.58.1.1.1.11", "Pair4 Length", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.58.1.1.1.12", "Action", SYN_INTEGER, ACC_READWRITE, &OptActionProcessingOther},
    {VENDOR_ARC ".12.58.1.1.1.13", "Status", SYN_INTEGER, ACC_READONLY, &OptCableDiagnosticsStatus},
    {},
};
constexpr OvSNMPVarDef kIfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", SYN_TIMETICKS, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kDot3Collisions[] = {
    {" ", "IF Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.10.7.5.1.2", "Collisions Count", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.10.7.5.1.3", "Collisions Frequencies", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kPingMaxConcurrentRequests[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", SYN_GUAGE, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kPingControlTable[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.2.1.80.1.2.1.6", "Time Out", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptActiveCreateAndGoDestroy},
    {},
};
constexpr OvSNMPVarDef kPingResultsTable[] = {
    {" ", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {" ", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operational Status", SYN_INTEGER, ACC_READONLY, &OptEnabledDisabled},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", SYN_INTEGER, ACC_READONLY, &OptIpv4Ipv6Dns},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min RTT", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max RTT", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.9", "RTT Sum Of Squares", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kPingProbeHistoryTable[] = {
    {" ", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {" ", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.4.1.1", "History Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.80.1.4.1.2", "History Response", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.4.1.3", "History Status", SYN_INTEGER, ACC_READONLY, &OptHistoryStatus},
    {"1.3.6.1.2.1.80.1.4.1.4", "History Last RC", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.80.1.4.1.5", "History Time", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kTraceRouteMaxConcurrentRequests[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", SYN_GUAGE, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kTraceRouteControlTable[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.7", "Time Out", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", SYN_GUAGE, ACC_READWRITE},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptActiveCreateAndGoDestroy},
    {},
};
constexpr OvSNMPVarDef kTraceRouteResultTable[] = {
    {" ", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {" ", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operational Status", SYN_INTEGER, ACC_READONLY, &OptEnabledDisabled},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", SYN_INTEGER, ACC_READONLY, &OptIpv4Ipv6Dns},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kTraceRouteProbeHistoryTable[] = {
    {" ", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {" ", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.1", "History Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.2", "History Hop Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.3", "History Probe Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.4.1.4", "History Hop Address Type", SYN_INTEGER, ACC_READONLY, &OptIpv4Ipv6Dns},
    {"1.3.6.1.2.1.81.1.4.1.5", "History Hop Address", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.4.1.6", "History Response", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.4.1.7", "History Status", SYN_INTEGER, ACC_READONLY, &OptHistoryStatus},
    {"1.3.6.1.2.1.81.1.4.1.8", "History Last RC", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.4.1.9", "History Time", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kTraceRouteHopsTable[] = {
    {" ", "Owner Index", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {" ", "Test Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", SYN_INTEGER, ACC_READONLY, &OptIpv4Ipv6Dns},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kSaveChanges[] = {
    {VENDOR_ARC ".12.1.2.6", "Save", SYN_INTEGER, ACC_READWRITE, &OptSave},
    {},
};

}  // namespace

const PageDefinition PdAgentManagementBasicInformation = {SVT_SV, 0, kAgentManagementBasicInformation};
const PageDefinition PdMIBCapabilities = {MVT_FMV, 1, kMIBCapabilities};
const PageDefinition PdBasicManagement = {SVT_SV, 0, kBasicManagement};
const PageDefinition PdCPUUtilization = {SVT_SV, 0, kCPUUtilization};
const PageDefinition PdDRAMUtilization = {MVT_FMV, 1, kDRAMUtilization};
const PageDefinition PdPortUtilization = {MVT_FMV, 1, kPortUtilization};
const PageDefinition PdMultipleImageManagement = {MVT_UMV, 1, kMultipleImageManagement};
const PageDefinition PdConsoleModeControl = {SVT_SV, 0, kConsoleModeControl};
const PageDefinition PdARPClearAllState = {SVT_SV, 0, kARPClearAllState};
const PageDefinition PdGratuitousARPManagementInfomation = {SVT_SV, 0, kGratuitousARPManagementInfomation};
const PageDefinition PdGratuitousARPTable = {MVT_UMV, 1, kGratuitousARPTable};
const PageDefinition PdFDBClearAllState = {SVT_SV, 0, kFDBClearAllState};
const PageDefinition PdTrustHostTable = {MVT_UMV, 1, kTrustHostTable};
const PageDefinition PdDeleteAllState = {SVT_SV, 0, kDeleteAllState};
const PageDefinition PdCurrentTime = {SVT_SV, 0, kCurrentTime};
const PageDefinition PdSystemTime = {SVT_SV, 0, kSystemTime};
const PageDefinition PdSystemLogManagement = {SVT_SV, 0, kSystemLogManagement};
const PageDefinition PdSMTPInformationTable = {SVT_SV, 0, kSMTPInformationTable};
const PageDefinition PdSMTPMailReceiverTable = {MVT_UMV, 1, kSMTPMailReceiverTable};
const PageDefinition PdCableDiagnostics = {MVT_FMV, 1, kCableDiagnostics};
const PageDefinition PdIfXTable = {MVT_UMV, 1, kIfXTable};
const PageDefinition PdDot3Collisions = {MVT_FMV, 2, kDot3Collisions};
const PageDefinition PdPingMaxConcurrentRequests = {SVT_SV, 0, kPingMaxConcurrentRequests};
const PageDefinition PdPingControlTable = {MVT_UMV, 2, kPingControlTable};
const PageDefinition PdPingResultsTable = {MVT_UMV, 2, kPingResultsTable};
const PageDefinition PdPingProbeHistoryTable = {MVT_UMV, 3, kPingProbeHistoryTable};
const PageDefinition PdTraceRouteMaxConcurrentRequests = {SVT_SV, 0, kTraceRouteMaxConcurrentRequests};
const PageDefinition PdTraceRouteControlTable = {MVT_UMV, 2, kTraceRouteControlTable};
const PageDefinition PdTraceRouteResultTable = {MVT_UMV, 2, kTraceRouteResultTable};
const PageDefinition PdTraceRouteProbeHistoryTable = {MVT_UMV, 4, kTraceRouteProbeHistoryTable};
const PageDefinition PdTraceRouteHopsTable = {MVT_UMV, 3, kTraceRouteHopsTable};
const PageDefinition PdSaveChanges = {SVT_SV, 0, kSaveChanges};
