#pragma once

#include <cstdint>

// Results of the SNMP library as the error tables number them: 0 success,
// 1..18 agent error status, 1401..1414 user-based security, -1402..-1418
// message processing, -1..-23 session and transport errors.
namespace OvSnmpResult {
inline constexpr int32_t Success = 0;
inline constexpr int32_t OperationFailed = -1;
inline constexpr int32_t ResourceUnavailable = -2;
inline constexpr int32_t InternalError = -3;
inline constexpr int32_t Timeout = -5;
inline constexpr int32_t SessionClosing = -8;
inline constexpr int32_t InvalidPdu = -11;
inline constexpr int32_t InvalidTarget = -12;
inline constexpr int32_t InvalidOid = -17;
inline constexpr int32_t InvalidAddress = -18;
inline constexpr int32_t TransportFailed = -22;
}  // namespace OvSnmpResult

// Translates a Net-SNMP error number (SNMPERR_*) into that numbering.
int32_t NetSnmpErrorToResult(int netSnmpError);
