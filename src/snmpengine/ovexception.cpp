#include "ovexception.h"

#include "ovmessagetables.h"
#include "ovresultmap.h"

OvException::OvException(const std::string& text, int32_t code)
    : std::runtime_error(text), code_(code) {}

OvException OvException::Own(int32_t code) {
    return OvException(OvMessageTables::OwnText(code), code);
}

OvException OvException::General(int32_t code) {
    return OvException(OvMessageTables::GeneralText(code), code);
}

OvException OvException::FromSnmpResult(int32_t result) {
    const OvMappedResult mapped = MapSnmpResult(result);
    return OvException(mapped.Text, mapped.Code);
}
