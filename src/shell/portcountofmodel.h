#pragma once

#include <cstdint>
#include <string>

// The model this module is built for; it never asks the switch.
inline constexpr const char* ModuleModelName = "TQ-2400G";

// Front-panel ports of a model of the family (letter case ignored), 0 for
// a name that is not one of them.
int32_t PortCountOfModel(const std::string& model);
