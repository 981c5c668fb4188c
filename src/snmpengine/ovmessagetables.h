#pragma once

#include <cstdint>
#include <string>

// The seven process-wide message tables, in the order their files are loaded.
enum class OvMessageTable {
    Common,
    AgentStatus,
    MessageProcessing,
    UserSecurity,
    SnmpLibrary,
    Library,
    LogFormats,
};

inline constexpr int OvMessageTableCount = 7;

// Built-in texts that a message file may replace line by line. A file with
// fewer lines than its table replaces the leading entries and keeps the
// built-in texts of the rest.
class OvMessageTables {
public:
    // Entry of a table; an entry that neither the file nor the built-in table
    // has reads as empty text.
    static std::string Text(OvMessageTable table, int entry);
    static int Count(OvMessageTable table);
    static int BuiltInCount(OvMessageTable table);

    // Relative path of the table's message file ("errmsg/common.err", ...).
    static const char* FileName(OvMessageTable table);

    // Replaces the table from a message file; a file that cannot be opened
    // or holds no non-blank line keeps the table as it is.
    static void LoadFile(OvMessageTable table, const std::string& path);
    // Loads all seven files from a directory ("" is the working directory).
    static void LoadAll(const std::string& directory);
    // Puts every built-in table back (used when a process starts anew).
    static void RestoreBuiltIn();

    // Text of one of the library's own codes, 0 and -501 to -528.
    static std::string OwnText(int32_t code);
    // Text of a general code -n: entry n of the common table.
    static std::string GeneralText(int32_t code);
};
