#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "Security Management" menu.

namespace {

const OvOptionDef kAuthProtocolOptions[] = {{2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {}};
const OvOptionList OptAuthProtocol(kAuthProtocolOptions, OvOptionList::IntegerValues);
const OvOptionDef kPortBaseMacBaseOptions[] = {{1, "portBase"}, {2, "macBase"}, {}};
const OvOptionList OptPortBaseMacBase(kPortBaseMacBaseOptions, OvOptionList::IntegerValues);
const OvOptionDef kPAEStateOptions[] = {{1, "initialize"}, {2, "disconnected"}, {3, "connecting"},
    {4, "authenticating"}, {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"},
    {}};
const OvOptionList OptPAEState(kPAEStateOptions, OvOptionList::IntegerValues);
const OvOptionDef kBackendAuthStateOptions[] = {{1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"},
    {5, "timeout"}, {6, "idle"}, {7, "initialize"}, {}};
const OvOptionList OptBackendAuthState(kBackendAuthStateOptions, OvOptionList::IntegerValues);
const OvOptionDef kBothInOptions[] = {{0, "both"}, {1, "in"}, {}};
const OvOptionList OptBothIn(kBothInOptions, OvOptionList::IntegerValues);
const OvOptionDef kAuthorizedUnauthorizedOptions[] = {{1, "authorized"}, {2, "unauthorized"}, {}};
const OvOptionList OptAuthorizedUnauthorized(kAuthorizedUnauthorizedOptions, OvOptionList::IntegerValues);
const OvOptionDef kForceUnauthorizedAutoForceAuthorizedOptions[] = {{1, "forceUnauthorized"}, {2, "auto"},
    {3, "forceAuthorized"}, {}};
const OvOptionList OptForceUnauthorizedAutoForceAuthorized(kForceUnauthorizedAutoForceAuthorizedOptions,
                                                           OvOptionList::IntegerValues);
const OvOptionDef kRemoteAuthServerLocalAuthServerOptions[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
const OvOptionList OptRemoteAuthServerLocalAuthServer(kRemoteAuthServerLocalAuthServerOptions,
                                                      OvOptionList::IntegerValues);
const OvOptionDef kAuthSessionTerminateCauseOptions[] = {{1, "supplicantLogoff"}, {2, "portFailure"},
    {3, "supplicantRestart"}, {4, "reauthFailed"}, {5, "authControlForceUnauth"}, {6, "portReInit"},
    {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {}};
const OvOptionList OptAuthSessionTerminateCause(kAuthSessionTerminateCauseOptions, OvOptionList::IntegerValues);
const OvOptionDef kRADIUSAccountingTableServiceIndexOptions[] = {{1, "acctServiceIndex-network"},
    {2, "acctServiceIndex-exec"}, {3, "acctServiceIndex-system"}, {}};
const OvOptionList OptRADIUSAccountingTableServiceIndex(kRADIUSAccountingTableServiceIndexOptions,
                                                        OvOptionList::IntegerValues);
const OvOptionDef kRADIUSAccountingTableServiceMethodOptions[] = {{1, "swRadiusAcctServiceMethodNone"},
    {2, "swRadiusAcctServiceMethodRadius"}, {}};
const OvOptionList OptRADIUSAccountingTableServiceMethod(kRADIUSAccountingTableServiceMethodOptions,
                                                         OvOptionList::IntegerValues);
const OvOptionDef kRADIUSAccountingTableServiceModeOptions[] = {{1, "radiusAcctServiceModeNone"},
    {2, "radiusAcctServiceModeStartStop"}, {3, "radiusAcctServiceModeStopOnly"}, {}};
const OvOptionList OptRADIUSAccountingTableServiceMode(kRADIUSAccountingTableServiceModeOptions,
                                                       OvOptionList::IntegerValues);
const OvOptionDef kAuthServerProtocolOptions[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {5, "none"}, {6, "other"}, {}};
const OvOptionList OptAuthServerProtocol(kAuthServerProtocolOptions, OvOptionList::IntegerValues);
const OvOptionDef kNeverTenMinThirtyMinSixtyMinOptions[] = {{0, "never"}, {10, "ten-min"}, {30, "thirty-min"},
    {60, "sixty-min"}, {}};
const OvOptionList OptNeverTenMinThirtyMinSixtyMin(kNeverTenMinThirtyMinSixtyMinOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherEnableStrictDisableEnableLooseOptions[] = {{1, "other"}, {2, "enable-strict"}, {3, "disable"},
    {4, "enable-loose"}, {}};
const OvOptionList OptOtherEnableStrictDisableEnableLoose(kOtherEnableStrictDisableEnableLooseOptions,
                                                          OvOptionList::IntegerValues);
const OvOptionDef kBlockByAddrBindDeleteOptions[] = {{2, "blockByAddrBind"}, {3, "delete"}, {}};
const OvOptionList OptBlockByAddrBindDelete(kBlockByAddrBindDeleteOptions, OvOptionList::IntegerValues);
const OvOptionDef kInactiveActiveOptions[] = {{1, "inactive"}, {2, "active"}, {}};
const OvOptionList OptInactiveActive(kInactiveActiveOptions, OvOptionList::IntegerValues);
const OvOptionDef kEnableDisableOtherOptions[] = {{1, "enable"}, {2, "disable"}, {3, "other"}, {}};
const OvOptionList OptEnableDisableOther(kEnableDisableOtherOptions, OvOptionList::IntegerValues);
const OvOptionDef kDOSClearCountersOptions[] = {{1, "land-attack"}, {2, "blat-attack"}, {3, "smurf-attack"},
    {4, "tcp-null-scan"}, {5, "tcp-xmascan"}, {6, "tcp-synfin"}, {7, "tcp-syn-srcport-less-1024"}, {8, "all"},
    {9, "other"}, {}};
const OvOptionList OptDOSClearCounters(kDOSClearCountersOptions, OvOptionList::IntegerValues);
const OvOptionDef kDOSControlTypeOptions[] = {{1, "land-attack"}, {2, "blat-attack"}, {3, "smurf-attack"},
    {4, "tcp-null-scan"}, {5, "tcp-xmascan"}, {6, "tcp-synfin"}, {7, "tcp-syn-srcport-less-1024"}, {}};
const OvOptionList OptDOSControlType(kDOSControlTypeOptions, OvOptionList::IntegerValues);
const OvOptionDef kEnable1Disable2Options[] = {{1, "enable"}, {2, "disable"}, {}};
const OvOptionList OptEnable1Disable2(kEnable1Disable2Options, OvOptionList::IntegerValues);
const OvOptionDef kDropMirrorOptions[] = {{1, "drop"}, {2, "mirror"}, {}};
const OvOptionList OptDropMirror(kDropMirrorOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kAuthenticationModeSettings[] = {
    {VENDOR_ARC ".12.3.1.1", "Auth Protocol", SYN_INTEGER, ACC_READWRITE, &OptAuthProtocol},
    {VENDOR_ARC ".12.3.1.2", "Auth Mode", SYN_INTEGER, ACC_READWRITE, &OptPortBaseMacBase},
    {},
};
constexpr OvSNMPVarDef kDot1xConfiguration[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kDot1xPortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Port Protocol Version", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Port Capabilities", SYN_OCTETSTR, ACC_READONLY},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Port Initialize", SYN_INTEGER, ACC_READWRITE, &OptTrueFalse},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Port Reauthenticate", SYN_INTEGER, ACC_READWRITE, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kAuthConfiguration[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", SYN_INTEGER, ACC_READONLY, &OptPAEState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", SYN_INTEGER, ACC_READONLY, &OptBackendAuthState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", SYN_INTEGER, ACC_READWRITE, &OptBothIn},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operation Controlled Directions", SYN_INTEGER, ACC_READONLY, &OptBothIn},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", SYN_INTEGER, ACC_READONLY, &OptAuthorizedUnauthorized},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", SYN_INTEGER, ACC_READWRITE, &OptForceUnauthorizedAutoForceAuthorized},
    {"1.0.8802.1.1.1.1.2.1.1.7", " Quiet Period", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Req", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.12", "Re Auth Period", SYN_GUAGE, ACC_READWRITE},
    {"1.0.8802.1.1.1.1.2.1.1.13", "Re Auth Enabled", SYN_INTEGER, ACC_READWRITE, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kAuthStatistics[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/ID Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/ID Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL ResponseFrames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.10", "Eap Length Error Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", SYN_MACADDRESS, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kAuthDiagnostics[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kAuthSessionStatistics[] = {
    {" ", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Auth Session Octets RX", SYN_COUNTER64, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Auth Session Octets TX", SYN_COUNTER64, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Auth Session Frames RX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Auth Session Frames TX", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.5", "Auth Session ID", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Auth Session Authentic Method", SYN_INTEGER, ACC_READONLY,
     &OptRemoteAuthServerLocalAuthServer},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Auth Session Time", SYN_TIMETICKS, ACC_READONLY},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Auth Session Terminate Cause", SYN_INTEGER, ACC_READONLY,
     &OptAuthSessionTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "Auth Session User Name", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kMacBasedStateTable[] = {
    {VENDOR_ARC ".12.3.6.1.1.1", "PAE MAC Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".12.3.6.1.1.2", "PAE Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.3.6.1.1.3", "Auth PAE State", SYN_INTEGER, ACC_READONLY, &OptPAEState},
    {VENDOR_ARC ".12.3.6.1.1.4", "Auth Backend Auth State", SYN_INTEGER, ACC_READONLY, &OptBackendAuthState},
    {VENDOR_ARC ".12.3.6.1.1.5", "Auth Controlled Port Status", SYN_INTEGER, ACC_READONLY, &OptAuthorizedUnauthorized},
    {},
};
constexpr OvSNMPVarDef kMacBasedSessionInformation[] = {
    {" ", "PAE MAC Address", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {" ", "PAE Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.3.6.4.1.1", "Auth Session Octets RX", SYN_COUNTER64, ACC_READONLY},
    {VENDOR_ARC ".12.3.6.4.1.2", "Auth Session Octets TX", SYN_COUNTER64, ACC_READONLY},
    {VENDOR_ARC ".12.3.6.4.1.3", "Auth Session Frames RX", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.6.4.1.4", "Auth Session Frames TX", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.6.4.1.5", "Auth Session ID", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.3.6.4.1.6", "Auth Session Authentic Method", SYN_INTEGER, ACC_READONLY,
     &OptRemoteAuthServerLocalAuthServer},
    {VENDOR_ARC ".12.3.6.4.1.7", "Auth Session Time", SYN_TIMETICKS, ACC_READONLY},
    {VENDOR_ARC ".12.3.6.4.1.8", "Auth Session Terminate Cause", SYN_INTEGER, ACC_READONLY,
     &OptAuthSessionTerminateCause},
    {VENDOR_ARC ".12.3.6.4.1.9", "Auth Session User Name", SYN_DISPLAYSTR, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kRADIUSControl[] = {
    {VENDOR_ARC ".12.3.2.2", "RADIUS Timeout", SYN_GUAGE, ACC_READWRITE},
    {VENDOR_ARC ".12.3.2.3", "RADIUS Retransmit Attempts", SYN_GUAGE, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kRADUISCommand[] = {
    {VENDOR_ARC ".12.3.7.1", "RADIUS Force Down Port Number", SYN_GUAGE, ACC_READWRITE},
    {VENDOR_ARC ".12.3.7.2", "RADIUS Force Down MAC Address", SYN_MACADDRESS, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kAuthenticationInformation[] = {
    {VENDOR_ARC ".12.3.3.1", "RADIUS Auth Client Identifier", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.2", "RADIUS Auth Client Invalid Server Addresses", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kAuthenticationTable[] = {
    {VENDOR_ARC ".12.3.3.3.1.1", "RADIUS Auth Server Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.3.3.3.1.2", "RADIUS Auth Server Address", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.3", "RADIUS Auth Client Server Port Number", SYN_GUAGE, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.4", "RADIUS Auth Client Round Trip Time", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.5", "RADIUS Auth Client Access Requests", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.6", "RADIUS Auth Client Access Retransmissions", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.7", "RADIUS Auth Client Access Accepts", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.8", "RADIUS Auth Client Access Rejects", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.9", "RADIUS Auth Client Access Challenges", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.10", "RADIUS Auth Client Malformed Access Responses", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.11", "RADIUS Auth Client Bad Authenticators", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.12", "RADIUS Auth Client Pending Requests", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.13", "RADIUS Auth Client Timeouts", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.14", "RADIUS Auth Client Unknown Types", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.3.3.1.15", "RADIUS Auth Client Packets Dropped", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kAccountingManagementBasicInformation[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Accounting Table Client Identifier", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Accounting Table Client Invalid Server Addresses", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.4.1", "RADIUS Accounting Table Update Interval", SYN_GUAGE, ACC_READWRITE},
    {VENDOR_ARC ".12.3.4.2", "RADIUS Accounting Table Suppress Null User Name", SYN_INTEGER, ACC_READWRITE,
     &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kAccountingServerTable[] = {
    {VENDOR_ARC ".12.3.5.3.1.1", "RADIUS Accounting Table Server Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.3.5.3.1.2", "RADIUS Accounting Table Server Address", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.3", "RADIUS Accounting Table Client Server Port Number", SYN_GUAGE, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.4", "RADIUS Accounting Table Client Round Trip Time", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.5", "RADIUS Accounting Table Client Requests", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.6", "RADIUS Accounting Table Client Retransmissions", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.7", "RADIUS Accounting Table Client Responses", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.8", "RADIUS Accounting Table Client Malformed Responses", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.9", "RADIUS Accounting Table Client Bad Authenticators", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.10", "RADIUS Accounting Table Client Pending Requests", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.11", "RADIUS Accounting Table Client Timeouts", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.12", "RADIUS Accounting Table Client Unknown Types", SYN_COUNTER, ACC_READONLY},
    {VENDOR_ARC ".12.3.5.3.1.13", "RADIUS Accounting Table Client Packets Dropped", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kAccountingServiceTable[] = {
    {VENDOR_ARC ".12.3.4.3.1.1", "RADIUS Accounting Table Service Index", SYN_INTEGER, ACC_NOTACCESS,
     &OptRADIUSAccountingTableServiceIndex},
    {VENDOR_ARC ".12.3.4.3.1.2", "RADIUS Accounting Table Service Method", SYN_INTEGER, ACC_READWRITE,
     &OptRADIUSAccountingTableServiceMethod},
    {VENDOR_ARC ".12.3.4.3.1.3", "RADIUS Accounting Table Service Mode", SYN_INTEGER, ACC_READWRITE,
     &OptRADIUSAccountingTableServiceMode},
    {},
};
constexpr OvSNMPVarDef kAACControl[] = {
    {VENDOR_ARC ".12.5.1.1", "Admin State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {},
};
constexpr OvSNMPVarDef kAACInformation[] = {
    {VENDOR_ARC ".12.5.2.1", "Max Login Method List", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.5.2.2", "Max Enable Method List", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.5.2.3", "Max Server Group", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.5.2.4", "Max Server", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.5.8.1", "AAC Response Timeout[1..255]", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.5.8.2", "AAC Attempt[1..255]", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kAPPAuthMethodGroup[] = {
    {VENDOR_ARC ".12.5.7.1.1", "Console Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.5.7.2.1", "Console Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.5.7.1.2", "Telnet Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.5.7.2.2", "Telnet Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.5.7.1.3", "SSH Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.5.7.2.3", "SSH Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.5.7.1.4", "HTTP Login Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".12.5.7.2.4", "HTTP Enable Method", SYN_DISPLAYSTR, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kServerGroup[] = {
    {VENDOR_ARC ".12.5.9.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {VENDOR_ARC ".12.5.9.1.2", "IP Address1", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.3", "Auth Protocol1", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.4", "IP Address2", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.5", "Auth Protocol2", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.6", "IP Address3", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.7", "Auth Protocol3", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.8", "IP Address4", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.9", "Auth Protocol4", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.10", "IP Address5", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.11", "Auth Protocol5", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.12", "IP Address6", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.13", "Auth Protocol6", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.14", "IP Address7", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.15", "Auth Protocol7", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.16", "IP Address8", SYN_IPADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.5.9.1.17", "Auth Protocol8", SYN_INTEGER, ACC_READONLY, &OptAuthServerProtocol},
    {VENDOR_ARC ".12.5.9.1.18", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptActiveCreateAndGoDestroy},
    {},
};
constexpr OvSNMPVarDef kSSHManagement[] = {
    {VENDOR_ARC ".12.6.1.1", "SSH Version", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.6.1.2", "SSH Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.1.3", "SSH Max Auth Fail Attempts", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.6.1.4", "SSH Session Key Rekeying", SYN_INTEGER, ACC_READWRITE, &OptNeverTenMinThirtyMinSixtyMin},
    {VENDOR_ARC ".12.6.1.5", "SSH Max Session", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.6.1.6", "SSH Connection Timeout", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.6.1.7", "SSH Listened Port", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kAlgorithmControl[] = {
    {VENDOR_ARC ".12.6.2.1.1", "Encryption Algorithm 3DES Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.2", "Encryption Algorithm Blowfish Admin", SYN_INTEGER, ACC_READWRITE,
     &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.3", "Encryption Algorithm AES128 Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.4", "Encryption Algorithm AES192 Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.5", "Encryption Algorithm AES256 Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.6", "Encryption Algorithm Arcfour Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.7", "Encryption Algorithm CAST28 Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.8", "Encryption Algorithm Twofish128 Admin", SYN_INTEGER, ACC_READWRITE,
     &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.9", "Encryption Algorithm Twofish192 Admin", SYN_INTEGER, ACC_READWRITE,
     &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.1.10", "Encryption Algorithm Twofish256 Admin", SYN_INTEGER, ACC_READWRITE,
     &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.3.1", "Data Integrity Algorithm SHA1 Admin", SYN_INTEGER, ACC_READWRITE,
     &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.3.2", "Data Integrity Algorithm MD5 Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.4.1", "Public Key Algorithm RSA Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.4.2", "Public Key Algorithm DSA Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {},
};
constexpr OvSNMPVarDef kAuthenticationMethod[] = {
    {VENDOR_ARC ".12.6.2.2.1", "Password Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.2.2", "Public Key Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {VENDOR_ARC ".12.6.2.2.3", "Host Key Admin", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {},
};
constexpr OvSNMPVarDef kSafeguardGlobalManagement[] = {
    {VENDOR_ARC ".12.19.1.1", "Safeguard Admin State", SYN_INTEGER, ACC_READWRITE, &OptDisabled2Enabled3},
    {},
};
constexpr OvSNMPVarDef kIPMACBindingControl[] = {
    {VENDOR_ARC ".12.23.1.1", "IP-MAC Binding Trap Log State", SYN_INTEGER, ACC_READWRITE, &OptEnable2Disable3},
    {VENDOR_ARC ".12.23.1.4", "IP-MAC Binding DHCP Snooping State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.23.1.5", "IP-MAC Binding DHCP Snoop Entry Clear All State", SYN_INTEGER, ACC_READWRITE,
     &OptOtherStart},
    {VENDOR_ARC ".12.23.3.1", "IP-MAC Binding All Port State", SYN_INTEGER, ACC_READWRITE, &OptOtherEnableDisable},
    {},
};
constexpr OvSNMPVarDef kIPMACBindingPortStateControl[] = {
    {VENDOR_ARC ".12.23.3.2.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.23.3.2.1.2", "Port State", SYN_INTEGER, ACC_READWRITE, &OptOtherEnableStrictDisableEnableLoose},
    {VENDOR_ARC ".12.23.3.2.1.3", "Port Zero IP State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.23.3.2.1.4", "Port Forward DHCP Packet", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {VENDOR_ARC ".12.23.3.2.1.5", "Port DHCP Snooping MAX Entry", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.23.3.2.1.6", "Port DHCP Snooping Entry Clear Action", SYN_INTEGER, ACC_READWRITE, &OptOtherStart},
    {},
};
constexpr OvSNMPVarDef kIPMACBindingBlockedTable[] = {
    {VENDOR_ARC ".12.23.4.2.1.1", "Blocked VLAN ID", SYN_GUAGE, ACC_NOTACCESS},
    {VENDOR_ARC ".12.23.4.2.1.2", "Blocked MAC ", SYN_MACADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".12.23.4.2.1.3", "Blocked VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".12.23.4.2.1.4", "Blocked Port", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.23.4.2.1.5", "Blocked Type", SYN_INTEGER, ACC_READWRITE, &OptBlockByAddrBindDelete},
    {VENDOR_ARC ".12.23.4.2.1.7", "Blocked Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kIPMACBindingDHCPSnoopTable[] = {
    {VENDOR_ARC ".12.23.4.3.1.1", "DHCP Snoop IP Index", SYN_IPADDRESS, ACC_NOTACCESS},
    {VENDOR_ARC ".12.23.4.3.1.2", "DHCP Snoop MAC", SYN_MACADDRESS, ACC_READONLY},
    {VENDOR_ARC ".12.23.4.3.1.3", "DHCP Snoop Lease Time", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.23.4.3.1.4", "DHCP Snoop Port", SYN_INTEGER, ACC_READONLY},
    {VENDOR_ARC ".12.23.4.3.1.5", "DHCP Snoop Status", SYN_INTEGER, ACC_READONLY, &OptInactiveActive},
    {},
};
constexpr OvSNMPVarDef kDOSPreventionManagement[] = {
    {VENDOR_ARC ".12.59.1.1", "DOS Trap Log", SYN_INTEGER, ACC_READWRITE, &OptEnableDisableOther},
    {VENDOR_ARC ".12.59.1.2", "DOS Clear Counters", SYN_INTEGER, ACC_READWRITE, &OptDOSClearCounters},
    {},
};
constexpr OvSNMPVarDef kDOSPrevertionControlTable[] = {
    {VENDOR_ARC ".12.59.1.3.1.1", "DOS Control Type", SYN_INTEGER, ACC_NOTACCESS, &OptDOSControlType},
    {VENDOR_ARC ".12.59.1.3.1.2", "DOS Control State", SYN_INTEGER, ACC_READWRITE, &OptEnable1Disable2},
    {VENDOR_ARC ".12.59.1.3.1.3", "DOS Control Action Type", SYN_INTEGER, ACC_READWRITE, &OptDropMirror},
    {VENDOR_ARC ".12.59.1.3.1.4", "DOS Control Mirror Port", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.59.1.3.1.5", "DOS Control Mirror Priority", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.59.1.3.1.6", "DOS Control Mirror RX Rate", SYN_INTEGER, ACC_READWRITE},
    {VENDOR_ARC ".12.59.1.3.1.7", "DOS Control Frame Count", SYN_INTEGER, ACC_READONLY},
    {},
};

}  // namespace

const PageDefinition PdAuthenticationModeSettings = {SVT_SV, 0, kAuthenticationModeSettings};
const PageDefinition PdDot1xConfiguration = {SVT_SV, 0, kDot1xConfiguration};
const PageDefinition PdDot1xPortTable = {MVT_UMV, 1, kDot1xPortTable};
const PageDefinition PdAuthConfiguration = {MVT_UMV, 1, kAuthConfiguration};
const PageDefinition PdAuthStatistics = {MVT_UMV, 1, kAuthStatistics};
const PageDefinition PdAuthDiagnostics = {MVT_UMV, 1, kAuthDiagnostics};
const PageDefinition PdAuthSessionStatistics = {MVT_FMV, 1, kAuthSessionStatistics};
const PageDefinition PdMacBasedStateTable = {MVT_FMV, 2, kMacBasedStateTable};
const PageDefinition PdMacBasedSessionInformation = {MVT_FMV, 2, kMacBasedSessionInformation};
const PageDefinition PdRADIUSControl = {SVT_SV, 0, kRADIUSControl};
const PageDefinition PdRADUISCommand = {SVT_SV, 0, kRADUISCommand};
const PageDefinition PdAuthenticationInformation = {SVT_SV, 0, kAuthenticationInformation};
const PageDefinition PdAuthenticationTable = {MVT_FMV, 1, kAuthenticationTable};
const PageDefinition PdAccountingManagementBasicInformation = {SVT_SV, 0, kAccountingManagementBasicInformation};
const PageDefinition PdAccountingServerTable = {MVT_FMV, 1, kAccountingServerTable};
const PageDefinition PdAccountingServiceTable = {MVT_FMV, 1, kAccountingServiceTable};
const PageDefinition PdAACControl = {SVT_SV, 0, kAACControl};
const PageDefinition PdAACInformation = {SVT_SV, 0, kAACInformation};
const PageDefinition PdAPPAuthMethodGroup = {SVT_SV, 0, kAPPAuthMethodGroup};
const PageDefinition PdServerGroup = {MVT_FMV, 1, kServerGroup};
const PageDefinition PdSSHManagement = {SVT_SV, 0, kSSHManagement};
const PageDefinition PdAlgorithmControl = {SVT_SV, 0, kAlgorithmControl};
const PageDefinition PdAuthenticationMethod = {SVT_SV, 0, kAuthenticationMethod};
const PageDefinition PdSafeguardGlobalManagement = {SVT_SV, 0, kSafeguardGlobalManagement};
const PageDefinition PdIPMACBindingControl = {SVT_SV, 0, kIPMACBindingControl};
const PageDefinition PdIPMACBindingPortStateControl = {MVT_UMV, 1, kIPMACBindingPortStateControl};
const PageDefinition PdIPMACBindingBlockedTable = {MVT_UMV, 2, kIPMACBindingBlockedTable};
const PageDefinition PdIPMACBindingDHCPSnoopTable = {MVT_FMV, 1, kIPMACBindingDHCPSnoopTable};
const PageDefinition PdDOSPreventionManagement = {SVT_SV, 0, kDOSPreventionManagement};
const PageDefinition PdDOSPrevertionControlTable = {MVT_UMV, 1, kDOSPrevertionControlTable};
