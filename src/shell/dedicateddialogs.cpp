#include "dedicateddialogs.h"

#include <map>
#include <string>

namespace {

std::map<std::string, DedicatedDialogs::Factory, std::less<>>& Registry() {
    static std::map<std::string, DedicatedDialogs::Factory, std::less<>> registry;
    return registry;
}

}  // namespace

void DedicatedDialogs::Register(std::string_view className, Factory factory) {
    Registry()[std::string(className)] = std::move(factory);
}

const DedicatedDialogs::Factory* DedicatedDialogs::Find(std::string_view className) {
    if (className.empty())
        return nullptr;
    const auto found = Registry().find(className);
    return found == Registry().end() ? nullptr : &found->second;
}
