#include "ovsnmpsettings.h"

OvSNMPDefaults& DefaultSettings() {
    static OvSNMPDefaults defaults;
    return defaults;
}

void ResetDefaultSettings() {
    DefaultSettings() = OvSNMPDefaults{};
}

OvSNMPRequestSettings OvSNMPRequestSettings::FromDefaults() {
    const OvSNMPDefaults& d = DefaultSettings();
    OvSNMPRequestSettings s;
    s.Device = d.Device;
    s.Scope = d.Scope;
    s.Security = d.Security;
    s.Timeout = d.Timeout;
    return s;
}
