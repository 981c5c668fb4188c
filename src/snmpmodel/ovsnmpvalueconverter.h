#pragma once

#include <string>

#include "ovsnmpvarlist.h"
#include "ovvb.h"

// Conversions between a variable's display text and its SNMP forms: the
// value of a binding and the instance sub-identifiers of an index column.
// The variable's option list is applied around each of them. A syntax that
// cannot travel in a request raises -511.
class OvSNMPValueConverter {
public:
    // Sets the variable's Value from a received binding. A binding whose
    // type does not fit the syntax gives "(NULL)".
    static void ValueFromVb(OvSNMPVarList& list, int index, const OvVb& vb);
    // Fills the binding's syntax and value from the variable's Value; the
    // binding's Oid is left alone. "(NULL)" sends NULL.
    static void ValueToVb(const OvSNMPVarList& list, int index, OvVb& vb);
    // Dotted sub-identifiers of one index column ("" when it has none).
    static std::string EncodeIndex(const OvSNMPVarList& list, int index);
    // Sets the column's Value from the front of a dotted suffix and returns
    // the rest of it. Missing sub-identifiers of fixed-size kinds read as 0;
    // length-prefixed kinds take what is there.
    static std::string DecodeIndex(OvSNMPVarList& list, int index, const std::string& suffix);

    // Value texts of the numeric octet-string kinds.
    static double DoubleFromBytes(const std::string& bytes);  // first 8 bytes, little-endian, zero-padded
    static std::string DoubleToBytes(double value);
    // The date-time number of a "bcdatetime" text; 0 for a text that is no date.
    static double BcDateTimeNumber(const std::string& text);
    // "(NULL)" for a number outside the calendar.
    static std::string BcDateTimeText(double number);
};
