#include "ovsnmpvocabulary.h"

#include "ovsnmpcodes.h"

namespace {

const OvOptionDef kItemTypes[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {},
};

const OvOptionDef kSyntaxes[] = {
    {SYN_BOOLEAN, "boolean"},       {SYN_INTEGER, "integer"},         {SYN_BITSTR, "bitstr"},
    {SYN_OCTETSTR, "octetstr"},     {SYN_NULL, "null"},               {SYN_OBJECTID, "objectid"},
    {SYN_IPADDRESS, "ipaddress"},   {SYN_COUNTER, "counter"},         {SYN_GUAGE, "guage"},
    {SYN_TIMETICKS, "timeticks"},   {SYN_OPAQUE, "opaque"},           {SYN_NSAPADDR, "nsapaddr"},
    {SYN_COUNTER64, "counter64"},   {SYN_UINTEGER, "uinteger"},       {SYN_DOUBLE, "double"},
    {SYN_MACADDRESS, "macaddress"}, {SYN_DATETIME, "datetime"},       {SYN_BCDATETIME, "bcdatetime"},
    {SYN_DISPLAYSTR, "displaystr"}, {SYN_IPV6ADDRESS, "ipv6address"}, {SYN_BOOL8, "bool8"},
    {SYN_INT8, "int8"},             {SYN_UINT8, "uint8"},             {SYN_BOOL16, "bool16"},
    {SYN_INT16, "int16"},           {SYN_UINT16, "uint16"},           {},
};

const OvOptionDef kAccessKinds[] = {
    {ACC_NOTACCESS, "notaccess"}, {ACC_READONLY, "readonly"}, {ACC_WRITEONLY, "writeonly"},
    {ACC_READWRITE, "readwrite"}, {ACC_DERIVED, "derived"},   {ACC_HIDDEN, "hidden"},
    {ACC_INVALID, "invalid"},     {},
};

}  // namespace

const OvOptionList& OvSNMPVocabulary::ItemTypes() {
    static const OvOptionList list(kItemTypes, OvOptionList::IntegerValues);
    return list;
}

const OvOptionList& OvSNMPVocabulary::Syntaxes() {
    static const OvOptionList list(kSyntaxes, OvOptionList::IntegerValues);
    return list;
}

const OvOptionList& OvSNMPVocabulary::AccessKinds() {
    static const OvOptionList list(kAccessKinds, OvOptionList::IntegerValues);
    return list;
}
