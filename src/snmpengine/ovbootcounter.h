#pragma once

#include <cstdint>
#include <string>

// The SNMPv3 engine-boots file: one line per engine ID, "<engine ID> <boots>".
class OvBootCounter {
public:
    enum class Status { Ok, NoFile, NoEntry, Malformed, EngineIdTooLong, WriteFailed };

    static constexpr std::size_t MaxEngineIdLength = 32;

    // Reads the boots value of an engine ID; boots is 0 unless Status::Ok.
    static Status Read(const std::string& path, const std::string& engineId, uint32_t& boots);
    // Stores the boots value of an engine ID, keeping the other lines.
    static Status Save(const std::string& path, const std::string& engineId, uint32_t boots);
};
