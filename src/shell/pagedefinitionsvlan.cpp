#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "VLAN" menu.

namespace {

const OvOptionDef kUnicastForwardingInformationStatusOptions[] = {{1, "other"}, {2, "invalid"}, {3, "learned"},
    {4, "self"}, {5, "mgmt"}, {}};
const OvOptionList OptUnicastForwardingInformationStatus(kUnicastForwardingInformationStatusOptions,
                                                         OvOptionList::IntegerValues);
const OvOptionDef kNniUniOptions[] = {{1, "nni"}, {2, "uni"}, {}};
const OvOptionList OptNniUni(kNniUniOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherEnabledDisabledOptions[] = {{1, "other"}, {2, "enabled"}, {3, "disabled"}, {}};
const OvOptionList OptOtherEnabledDisabled(kOtherEnabledDisabledOptions, OvOptionList::IntegerValues);
const OvOptionDef kPortListActionOptions[] = {{1, "other"}, {2, "add-tagged"}, {3, "add-untagged"},
    {4, "add-forbidden"}, {5, "delete"}, {}};
const OvOptionList OptPortListAction(kPortListActionOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherCreateConfigureDeleteOptions[] = {{1, "other"}, {2, "create"}, {3, "configure"}, {4, "delete"},
    {}};
const OvOptionList OptOtherCreateConfigureDelete(kOtherCreateConfigureDeleteOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kDot1pBasicConfigure[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", SYN_INTEGER, ACC_READONLY, &OptTrueFalse},
    {},
};
constexpr OvSNMPVarDef kDefaultUserPrioritiesOfEachPort[] = {
    {" ", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Number Traffic Classes", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kRegeneratedUserPriorities[] = {
    {" ", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kUserPrioritiesToTrafficClass[] = {
    {" ", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", SYN_INTEGER, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kPortOutboundAccessPriorities[] = {
    {" ", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {" ", "Regenerated User Priority", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Outbound Access Priority", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kUnicastForwardingInformation[] = {
    {" ", "FDB ID", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SYN_INTEGER, ACC_READONLY, &OptUnicastForwardingInformationStatus},
    {},
};
constexpr OvSNMPVarDef kFilteringDatabase[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kQinQGlobalStateSettings[] = {
    {VENDOR_ARC ".12.57.1.1", "QinQ State", SYN_INTEGER, ACC_READWRITE, &OptEnabledDisabled},
    {},
};
constexpr OvSNMPVarDef kQinQPortTable[] = {
    {VENDOR_ARC ".12.57.3.1.1.1", "QinQ Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".12.57.3.1.1.2", "QinQ Port Role", SYN_INTEGER, ACC_READWRITE, &OptNniUni},
    {VENDOR_ARC ".12.57.3.1.1.4", "QinQ Port TPID [HEX]", SYN_OCTETSTR, ACC_READWRITE},
    {},
};
constexpr OvSNMPVarDef kVLANAdvertisementTable[] = {
    {VENDOR_ARC ".11.63.11.2.23.1.1.1", "VLAN Index", SYN_INTEGER, ACC_NOTACCESS},
    {VENDOR_ARC ".11.63.11.2.23.1.1.2", "VLAN Name", SYN_DISPLAYSTR, ACC_READONLY},
    {VENDOR_ARC ".11.63.11.2.23.1.1.3", "VLAN Advertise State", SYN_INTEGER, ACC_READWRITE, &OptOtherDisabledEnabled},
    {},
};
constexpr OvSNMPVarDef kVLANMultiplyManagement[] = {
    {VENDOR_ARC ".11.63.11.2.23.2.1", "VLAN List", SYN_DISPLAYSTR, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.23.2.2", "Advertisement", SYN_INTEGER, ACC_READWRITE, &OptOtherEnabledDisabled},
    {VENDOR_ARC ".11.63.11.2.23.2.3", "Port List", SYN_BITSTR, ACC_READWRITE},
    {VENDOR_ARC ".11.63.11.2.23.2.4", "Port List Action", SYN_INTEGER, ACC_READWRITE, &OptPortListAction},
    {VENDOR_ARC ".11.63.11.2.23.2.5", "Action", SYN_INTEGER, ACC_READWRITE, &OptOtherCreateConfigureDelete},
    {},
};

}  // namespace

const PageDefinition PdDot1pBasicConfigure = {SVT_SV, 0, kDot1pBasicConfigure};
const PageDefinition PdDefaultUserPrioritiesOfEachPort = {MVT_FMV, 1, kDefaultUserPrioritiesOfEachPort};
const PageDefinition PdRegeneratedUserPriorities = {MVT_FMV, 2, kRegeneratedUserPriorities};
const PageDefinition PdUserPrioritiesToTrafficClass = {MVT_FMV, 2, kUserPrioritiesToTrafficClass};
const PageDefinition PdPortOutboundAccessPriorities = {MVT_FMV, 2, kPortOutboundAccessPriorities};
const PageDefinition PdUnicastForwardingInformation = {MVT_UMV, 2, kUnicastForwardingInformation};
const PageDefinition PdFilteringDatabase = {MVT_FMV, 1, kFilteringDatabase};
const PageDefinition PdQinQGlobalStateSettings = {SVT_SV, 0, kQinQGlobalStateSettings};
const PageDefinition PdQinQPortTable = {MVT_UMV, 1, kQinQPortTable};
const PageDefinition PdVLANAdvertisementTable = {MVT_UMV, 1, kVLANAdvertisementTable};
const PageDefinition PdVLANMultiplyManagement = {SVT_SV, 0, kVLANMultiplyManagement};
