#pragma once

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "ovvb.h"

// Conversions between the engine's bindings and the SNMP library's.
bool AppendToLibraryPdu(netsnmp_pdu* pdu, const OvVb& vb);
OvVb FromLibraryVariable(const netsnmp_variable_list* variable);
