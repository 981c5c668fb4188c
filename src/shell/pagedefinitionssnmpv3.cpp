#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Definition tables of the "SNMP V3" menu.

namespace {

const OvOptionDef kStorageTypeOptions[] = {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"},
    {5, "readOnly"}, {}};
const OvOptionList OptStorageType(kStorageTypeOptions, OvOptionList::IntegerValues);
const OvOptionDef kNoAuthNoPrivAuthNoPrivAuthPrivOptions[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"},
    {}};
const OvOptionList OptNoAuthNoPrivAuthNoPrivAuthPriv(kNoAuthNoPrivAuthNoPrivAuthPrivOptions,
                                                     OvOptionList::IntegerValues);
const OvOptionDef kUsmAuthProtocolOptions[] = {{OvText("1.3.6.1.6.3.10.1.1.1"), "None"},
    {OvText("1.3.6.1.6.3.10.1.1.2"), "MD5"}, {OvText("1.3.6.1.6.3.10.1.1.3"), "SHA"}, {}};
const OvOptionList OptUsmAuthProtocol(kUsmAuthProtocolOptions, OvOptionList::TextValues);
const OvOptionDef kUsmPrivProtocolOptions[] = {{OvText("1.3.6.1.6.3.10.1.2.1"), "None"},
    {OvText("1.3.6.1.6.3.10.1.2.2"), "DES"}, {}};
const OvOptionList OptUsmPrivProtocol(kUsmPrivProtocolOptions, OvOptionList::TextValues);
const OvOptionDef kExactPrefixOptions[] = {{1, "exact"}, {2, "prefix"}, {}};
const OvOptionList OptExactPrefix(kExactPrefixOptions, OvOptionList::IntegerValues);
const OvOptionDef kIncludedExcludedOptions[] = {{1, "included"}, {2, "excluded"}, {}};
const OvOptionList OptIncludedExcluded(kIncludedExcludedOptions, OvOptionList::IntegerValues);
const OvOptionDef kTrapInformOptions[] = {{1, "trap"}, {2, "inform"}, {}};
const OvOptionList OptTrapInform(kTrapInformOptions, OvOptionList::IntegerValues);

constexpr OvSNMPVarDef kSNMPEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", SYN_INTEGER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kMessageProcessingAndDispatching[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kTargetGeneralInformation[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kSNMPTargetMIBTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", SYN_OBJECTID, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", SYN_BITSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.7", "Address Params", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kTargetParameters[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.3.1.4", "Securit yName", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", SYN_INTEGER, ACC_READWRITE, &OptNoAuthNoPrivAuthNoPrivAuthPriv},
    {"1.3.6.1.6.3.12.1.3.1.6", "StorageType", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kUsmStatistics[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", SYN_COUNTER, ACC_READONLY},
    {},
};
constexpr OvSNMPVarDef kUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", SYN_OBJECTID, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", SYN_OBJECTID, ACC_READWRITE, &OptUsmAuthProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", SYN_OBJECTID, ACC_READWRITE, &OptUsmPrivProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", SYN_INTEGER, ACC_NOTACCESS, &OptNoAuthNoPrivAuthNoPrivAuthPriv},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", SYN_INTEGER, ACC_READWRITE, &OptExactPrefix},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kViewMIBTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", SYN_OBJECTID, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", SYN_INTEGER, ACC_READWRITE, &OptIncludedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kNotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", SYN_INTEGER, ACC_READWRITE, &OptTrapInform},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kNotifyFilterProfileTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kNotifyFilterEntryTable[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", SYN_OBJECTID, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", SYN_INTEGER, ACC_READWRITE, &OptIncludedExcluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kCommunityStringTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", SYN_INTEGER, ACC_READWRITE, &OptStorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", SYN_INTEGER, ACC_READWRITE, &OptRowStatus},
    {},
};
constexpr OvSNMPVarDef kCommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", SYN_INTEGER, ACC_READWRITE},
    {},
};

}  // namespace

const PageDefinition PdSNMPEngine = {SVT_SV, 0, kSNMPEngine};
const PageDefinition PdMessageProcessingAndDispatching = {SVT_SV, 0, kMessageProcessingAndDispatching};
const PageDefinition PdTargetGeneralInformation = {SVT_SV, 0, kTargetGeneralInformation};
const PageDefinition PdSNMPTargetMIBTargetAddressTable = {MVT_UMV, 1, kSNMPTargetMIBTargetAddressTable};
const PageDefinition PdTargetParameters = {MVT_UMV, 1, kTargetParameters};
const PageDefinition PdUsmStatistics = {SVT_SV, 0, kUsmStatistics};
const PageDefinition PdUserTable = {MVT_UMV, 2, kUserTable};
const PageDefinition PdSecurityGroupTable = {MVT_UMV, 2, kSecurityGroupTable};
const PageDefinition PdAccessTable = {MVT_UMV, 4, kAccessTable};
const PageDefinition PdViewMIBTreeFamilyTable = {MVT_UMV, 2, kViewMIBTreeFamilyTable};
const PageDefinition PdNotifyTable = {MVT_UMV, 1, kNotifyTable};
const PageDefinition PdNotifyFilterProfileTable = {MVT_UMV, 1, kNotifyFilterProfileTable};
const PageDefinition PdNotifyFilterEntryTable = {MVT_UMV, 2, kNotifyFilterEntryTable};
const PageDefinition PdCommunityStringTable = {MVT_UMV, 1, kCommunityStringTable};
const PageDefinition PdCommunityTargetAddressTable = {MVT_UMV, 1, kCommunityTargetAddressTable};
