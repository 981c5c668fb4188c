#include "ovresultmap.h"

#include "ovmessagetables.h"

namespace {

OvMappedResult From(int32_t code, OvMessageTable table, int entry) {
    return {code, OvMessageTables::Text(table, entry)};
}

}  // namespace

OvMappedResult MapSnmpResult(int32_t r) {
    if (r == 0 || r == 1400 || r == -1401)
        return From(0, OvMessageTable::Library, 0);
    if (r >= 1 && r <= 18)
        return From(-100 - r, OvMessageTable::AgentStatus, r - 1);
    if (r >= 1401 && r <= 1414)
        return From(1100 - r, OvMessageTable::UserSecurity, r - 1401);
    if (r >= -1418 && r <= -1402)
        return From(r + 1201, OvMessageTable::MessageProcessing, -r - 1402);
    if (r >= -23 && r <= -1)
        return From(r - 400, OvMessageTable::SnmpLibrary, -r - 1);
    return From(-528, OvMessageTable::Library, 28);
}
