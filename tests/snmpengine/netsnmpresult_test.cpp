#include <gtest/gtest.h>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "ovnetsnmpresult.h"
#include "ovresultmap.h"

namespace {

struct Case {
    int netSnmpError;
    int32_t code;
    const char* text;
};

// What the user reads for each failure the SNMP library reports.
const Case kCases[] = {
    {SNMPERR_SUCCESS, 0, "Ok"},
    {SNMPERR_GENERR, -401, "(SNMPClass) Operation failed!"},
    {SNMPERR_BAD_LOCPORT, -422, "(SNMPClass) Transport operation failed!"},
    {SNMPERR_BAD_ADDRESS, -418, "(SNMPClass) Invalid Address!"},
    {SNMPERR_BAD_SESSION, -403, "(SNMPClass) Internal error!"},
    {SNMPERR_TOO_LONG, -411, "(SNMPClass) Invalid Pdu!"},
    {SNMPERR_NO_SOCKET, -422, "(SNMPClass) Transport operation failed!"},
    {SNMPERR_V2_IN_V1, -411, "(SNMPClass) Invalid Pdu!"},
    {SNMPERR_V1_IN_V2, -411, "(SNMPClass) Invalid Pdu!"},
    {SNMPERR_BAD_ASN1_BUILD, -212, "(SNMPv3) Build error!"},
    {SNMPERR_BAD_SENDTO, -422, "(SNMPClass) Transport operation failed!"},
    {SNMPERR_BAD_PARSE, -207, "(SNMPv3) Parse Error!"},
    {SNMPERR_BAD_VERSION, -416, "(SNMPClass) SNMP Operation not supported on specified Target!"},
    {SNMPERR_BAD_CONTEXT, -215, "(SNMPv3) Unavailable Context!"},
    {SNMPERR_BAD_COMMUNITY, -210, "(SNMPv3) Community format error!"},
    {SNMPERR_NOAUTH_DESPRIV, -303, "(SNMPv3USM) Unsupported SecurityLevel!"},
    {SNMPERR_ABORT, -401, "(SNMPClass) Operation failed!"},
    {SNMPERR_UNKNOWN_PDU, -214, "(SNMPv3) Unknown pdu handlers!"},
    {SNMPERR_TIMEOUT, -405, "(SNMPClass) SNMP request timed out!"},
    {SNMPERR_BAD_RECVFROM, -422, "(SNMPClass) Transport operation failed!"},
    {SNMPERR_BAD_ENG_ID, -205, "(SNMPv3) Invalid EngineID!"},
    {SNMPERR_BAD_SEC_NAME, -304, "(SNMPv3USM) Unknown SecurityName!"},
    {SNMPERR_BAD_SEC_LEVEL, -303, "(SNMPv3USM) Unsupported SecurityLevel!"},
    {SNMPERR_ASN_PARSE_ERR, -207, "(SNMPv3) Parse Error!"},
    {SNMPERR_UNKNOWN_SEC_MODEL, -201, "(SNMPv3) Unsupported Security Model!"},
    {SNMPERR_INVALID_MSG, -204, "(SNMPv3) Invalid Message!"},
    {SNMPERR_UNKNOWN_ENG_ID, -310, "(SNMPv3USM) Unknown EngineID!"},
    {SNMPERR_UNKNOWN_USER_NAME, -304, "(SNMPv3USM) Unknown SecurityName!"},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, -303, "(SNMPv3USM) Unsupported SecurityLevel!"},
    {SNMPERR_AUTHENTICATION_FAILURE, -308, "(SNMPv3USM) Authentication failure!"},
    {SNMPERR_NOT_IN_TIME_WINDOW, -311, "(SNMPv3USM) Message not in TimeWindow!"},
    {SNMPERR_DECRYPTION_ERR, -306, "(SNMPv3USM) Decryption error!"},
    {SNMPERR_USM_GENERICERROR, -301, "(SNMPv3USM) error!"},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, -304, "(SNMPv3USM) Unknown SecurityName!"},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, -303, "(SNMPv3USM) Unsupported SecurityLevel!"},
    {SNMPERR_USM_ENCRYPTIONERROR, -305, "(SNMPv3USM) Encryption error!"},
    {SNMPERR_USM_AUTHENTICATIONFAILURE, -308, "(SNMPv3USM) Authentication failure!"},
    {SNMPERR_USM_PARSEERROR, -309, "(SNMPv3USM) Parse error!"},
    {SNMPERR_USM_UNKNOWNENGINEID, -310, "(SNMPv3USM) Unknown EngineID!"},
    {SNMPERR_USM_NOTINTIMEWINDOW, -311, "(SNMPv3USM) Message not in TimeWindow!"},
    {SNMPERR_USM_DECRYPTIONERROR, -306, "(SNMPv3USM) Decryption error!"},
    {SNMPERR_UNKNOWN_REPORT, -213, "(SNMPv3) USM: error!"},
    {SNMPERR_MALLOC, -402, "(SNMPClass) Resource unavailable!"},
    {SNMPERR_BAD_NAME, -417, "(SNMPClass) Invalid Object Identifier!"},
    {SNMPERR_LONG_OID, -417, "(SNMPClass) Invalid Object Identifier!"},
    {SNMPERR_BAD_SUBID, -417, "(SNMPClass) Invalid Object Identifier!"},
    {SNMPERR_MAX_SUBID, -417, "(SNMPClass) Invalid Object Identifier!"},
    {SNMPERR_NULL_PDU, -411, "(SNMPClass) Invalid Pdu!"},
    {SNMPERR_NO_VARS, -411, "(SNMPClass) Invalid Pdu!"},
    {SNMPERR_VAR_TYPE, -411, "(SNMPClass) Invalid Pdu!"},
    {SNMPERR_VALUE, -411, "(SNMPClass) Invalid Pdu!"},
    // Anything the table does not name is a failed operation.
    {SNMPERR_KRB5, -401, "(SNMPClass) Operation failed!"},
    {-9999, -401, "(SNMPClass) Operation failed!"},
};

TEST(NetSnmpResult, EveryLibraryErrorEndsInItsCodeAndText) {
    for (const auto& c : kCases) {
        const OvMappedResult m = MapSnmpResult(NetSnmpErrorToResult(c.netSnmpError));
        EXPECT_EQ(m.Code, c.code) << "Net-SNMP error " << c.netSnmpError;
        EXPECT_EQ(m.Text, c.text) << "Net-SNMP error " << c.netSnmpError;
    }
}

}  // namespace
