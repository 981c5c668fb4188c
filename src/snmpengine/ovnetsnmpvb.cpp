#include "ovnetsnmpvb.h"

#include <cstring>
#include <vector>

namespace {

bool ParseOid(const std::string& dotted, std::vector<oid>& arcs) {
    arcs.clear();
    const char* p = dotted.c_str();
    if (*p == '.')
        ++p;
    while (*p) {
        if (*p < '0' || *p > '9')
            return false;
        unsigned long long arc = 0;
        while (*p >= '0' && *p <= '9') {
            arc = arc * 10 + static_cast<unsigned>(*p - '0');
            if (arc > 0xFFFFFFFFull)
                return false;
            ++p;
        }
        arcs.push_back(static_cast<oid>(arc));
        if (*p == '.')
            ++p;
        else if (*p)
            return false;
    }
    return !arcs.empty() && arcs.size() <= MAX_OID_LEN;
}

std::string OidText(const oid* arcs, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i)
            text.push_back('.');
        text += std::to_string(arcs[i]);
    }
    return text;
}

}  // namespace

bool AppendToLibraryPdu(netsnmp_pdu* pdu, const OvVb& vb) {
    std::vector<oid> name;
    if (!ParseOid(vb.Oid, name))
        return false;
    switch (vb.Syntax) {
    case ASN_INTEGER: {
        const long v = static_cast<long>(static_cast<int32_t>(vb.Integer));
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &v, sizeof v);
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER: {
        const u_long v = static_cast<u_long>(static_cast<uint32_t>(vb.Integer));
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), vb.Syntax, &v, sizeof v);
    }
    case ASN_COUNTER64: {
        counter64 v{};
        v.high = static_cast<u_long>(vb.Counter64 >> 32);
        v.low = static_cast<u_long>(vb.Counter64 & 0xFFFFFFFFu);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &v, sizeof v);
    }
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), vb.Syntax, vb.Bytes.data(),
                                     vb.Bytes.size());
    case ASN_OBJECT_ID: {
        std::vector<oid> arcs(vb.Arcs.begin(), vb.Arcs.end());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, arcs.data(),
                                     arcs.size() * sizeof(oid));
    }
    default:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
    }
}

OvVb FromLibraryVariable(const netsnmp_variable_list* v) {
    OvVb vb;
    vb.Oid = OidText(v->name, v->name_length);
    vb.Syntax = v->type;
    switch (v->type) {
    case ASN_INTEGER: vb.Integer = static_cast<int32_t>(*v->val.integer); break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER: vb.Integer = static_cast<uint32_t>(*v->val.integer); break;
    case ASN_COUNTER64:
        vb.Counter64 = (static_cast<uint64_t>(v->val.counter64->high & 0xFFFFFFFFu) << 32) |
                       (v->val.counter64->low & 0xFFFFFFFFu);
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        vb.Bytes.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
        break;
    case ASN_OBJECT_ID:
        for (std::size_t i = 0; i < v->val_len / sizeof(oid); ++i)
            vb.Arcs.push_back(static_cast<uint32_t>(v->val.objid[i]));
        break;
    default: break;
    }
    return vb;
}
