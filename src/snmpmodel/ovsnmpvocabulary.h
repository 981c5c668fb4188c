#pragma once

#include "ovoptionlist.h"

// The words of the SNMP variables file for item types, syntaxes and access
// kinds, each a process-wide integer option list matched without case.
class OvSNMPVocabulary {
public:
    static const OvOptionList& ItemTypes();
    static const OvOptionList& Syntaxes();
    static const OvOptionList& AccessKinds();
};
