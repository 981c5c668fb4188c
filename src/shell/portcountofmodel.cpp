#include "portcountofmodel.h"

#include <strings.h>

namespace {

struct Model {
    const char* name;
    int32_t ports;
};

constexpr Model kModels[] = {
    {"TQ-2400", 28}, {"TQ-2400P", 28}, {"TQ-4800", 52}, {"TQ-4800P", 52}, {"TQ-2400G", 28},
};

}  // namespace

int32_t PortCountOfModel(const std::string& model) {
    for (const Model& m : kModels)
        if (strcasecmp(m.name, model.c_str()) == 0)
            return m.ports;
    return 0;
}
