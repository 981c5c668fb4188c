#include <cstdint>
#include <string_view>

#include "ovcalendar.h"
#include "ovexception.h"
#include "ovexpression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    OvCalendar::SetClock([] { return 39585.5625; });
    try {
        OvExpression::EvaluateArithmetic(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const OvException&) {
    }
    return 0;
}
