#include "ovnetsnmpresult.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>


namespace {

// Reports from the agent's security and message-processing subsystems come
// back from Net-SNMP as its own error numbers; each has its counterpart here.
struct Translation {
    int error;
    int32_t result;
};

constexpr Translation kTable[] = {
    {SNMPERR_SUCCESS, OvSnmpResult::Success},
    {SNMPERR_GENERR, OvSnmpResult::OperationFailed},
    {SNMPERR_BAD_LOCPORT, OvSnmpResult::TransportFailed},
    {SNMPERR_BAD_ADDRESS, OvSnmpResult::InvalidAddress},
    {SNMPERR_BAD_SESSION, OvSnmpResult::InternalError},
    {SNMPERR_TOO_LONG, OvSnmpResult::InvalidPdu},
    {SNMPERR_NO_SOCKET, OvSnmpResult::TransportFailed},
    {SNMPERR_V2_IN_V1, OvSnmpResult::InvalidPdu},
    {SNMPERR_V1_IN_V2, OvSnmpResult::InvalidPdu},
    {SNMPERR_BAD_ASN1_BUILD, -1413},           // build error
    {SNMPERR_BAD_SENDTO, OvSnmpResult::TransportFailed},
    {SNMPERR_BAD_PARSE, -1408},                // parse error
    {SNMPERR_BAD_VERSION, -16},                // operation not supported on target
    {SNMPERR_BAD_CONTEXT, -1416},              // unavailable context
    {SNMPERR_BAD_COMMUNITY, -1411},            // community format error
    {SNMPERR_NOAUTH_DESPRIV, 1403},            // unsupported security level
    {SNMPERR_ABORT, OvSnmpResult::OperationFailed},
    {SNMPERR_UNKNOWN_PDU, -1415},              // unknown PDU handlers
    {SNMPERR_TIMEOUT, OvSnmpResult::Timeout},
    {SNMPERR_BAD_RECVFROM, OvSnmpResult::TransportFailed},
    {SNMPERR_BAD_ENG_ID, -1406},               // invalid engine ID
    {SNMPERR_BAD_SEC_NAME, 1404},              // unknown security name
    {SNMPERR_BAD_SEC_LEVEL, 1403},
    {SNMPERR_ASN_PARSE_ERR, -1408},
    {SNMPERR_UNKNOWN_SEC_MODEL, -1402},
    {SNMPERR_INVALID_MSG, -1405},
    {SNMPERR_UNKNOWN_ENG_ID, 1410},
    {SNMPERR_UNKNOWN_USER_NAME, 1404},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, 1403},
    {SNMPERR_AUTHENTICATION_FAILURE, 1408},
    {SNMPERR_NOT_IN_TIME_WINDOW, 1411},
    {SNMPERR_DECRYPTION_ERR, 1406},
    {SNMPERR_USM_GENERICERROR, 1401},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, 1404},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, 1403},
    {SNMPERR_USM_ENCRYPTIONERROR, 1405},
    {SNMPERR_USM_AUTHENTICATIONFAILURE, 1408},
    {SNMPERR_USM_PARSEERROR, 1409},
    {SNMPERR_USM_UNKNOWNENGINEID, 1410},
    {SNMPERR_USM_NOTINTIMEWINDOW, 1411},
    {SNMPERR_USM_DECRYPTIONERROR, 1406},
    {SNMPERR_UNKNOWN_REPORT, -1414},           // a report the security model could not place
    {SNMPERR_MALLOC, OvSnmpResult::ResourceUnavailable},
    {SNMPERR_BAD_NAME, OvSnmpResult::InvalidOid},
    {SNMPERR_LONG_OID, OvSnmpResult::InvalidOid},
    {SNMPERR_BAD_SUBID, OvSnmpResult::InvalidOid},
    {SNMPERR_MAX_SUBID, OvSnmpResult::InvalidOid},
    {SNMPERR_NULL_PDU, OvSnmpResult::InvalidPdu},
    {SNMPERR_NO_VARS, OvSnmpResult::InvalidPdu},
    {SNMPERR_VAR_TYPE, OvSnmpResult::InvalidPdu},
    {SNMPERR_VALUE, OvSnmpResult::InvalidPdu},
};

}  // namespace

int32_t NetSnmpErrorToResult(int netSnmpError) {
    for (const auto& t : kTable)
        if (t.error == netSnmpError)
            return t.result;
    return OvSnmpResult::OperationFailed;
}
