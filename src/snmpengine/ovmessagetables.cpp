#include "ovmessagetables.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <span>
#include <vector>

namespace {

constexpr const char* kCommon[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

constexpr const char* kAgentStatus[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

constexpr const char* kMessageProcessing[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

constexpr const char* kUserSecurity[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

constexpr const char* kSnmpLibrary[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

constexpr const char* kLibrary[] = {
    "Ok",
    "(VoZIZO++) Fail to read SNMP variables from file([FILENAME])!",
    "(VoZIZO++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VoZIZO++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VoZIZO++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VoZIZO++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VoZIZO++) Cannot create the global VoZIZO++ session!",
    "(VoZIZO++) Error when loading SNMP engine boots counter!",
    "(VoZIZO++) Error when saving SNMP engine boots counter!",
    "(VoZIZO++) Invalid IP Address or DNS name!",
    "(VoZIZO++) Can't send get-next command for a SNMP variable list with single value!",
    "(VoZIZO++) Bad SNMP syntax!",
    "(VoZIZO++) Null value in the expression!",
    "(VoZIZO++) Bad SNMP syntax in the expression!",
    "(VoZIZO++) Bad key count of SNMP variable list!",
    "(VoZIZO++) Bad item type of SNMP variable list!",
    "(VoZIZO++) Bad item type of associated SNMP variable list!",
    "(VoZIZO++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(VoZIZO++) Bad value of the associated SNMP variable's (partial) data!",
    "(VoZIZO++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(VoZIZO++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(VoZIZO++) Bad type of the associated visual control!",
    "(VoZIZO++) Count of the associated visual controls is not enough!",
    "(VoZIZO++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(VoZIZO++) Count of the value items for the chart's history data is not enough!",
    "(VoZIZO++) Log database is not connected!",
    "(VoZIZO++) Log database field not found!",
    "(VoZIZO++) Bad syntax for the history chart of log!",
    "(VoZIZO++) Unknown error code!",
};

constexpr const char* kLogFormats[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

struct TableInfo {
    const char* fileName;
    std::span<const char* const> builtIn;
};

constexpr std::array<TableInfo, OvMessageTableCount> kTables{{
    {"errmsg/common.err", kCommon},
    {"errmsg/snmp.err", kAgentStatus},
    {"errmsg/snmpv3.err", kMessageProcessing},
    {"errmsg/snmpusm.err", kUserSecurity},
    {"errmsg/snmpclass.err", kSnmpLibrary},
    {"errmsg/ovsnmp.err", kLibrary},
    {"errmsg/snmp.msg", kLogFormats},
}};

using Table = std::vector<std::string>;

Table BuiltInTable(OvMessageTable table) {
    const auto& texts = kTables[static_cast<int>(table)].builtIn;
    return Table(texts.begin(), texts.end());
}

std::array<Table, OvMessageTableCount>& Tables() {
    static std::array<Table, OvMessageTableCount> tables = [] {
        std::array<Table, OvMessageTableCount> t;
        for (int i = 0; i < OvMessageTableCount; ++i)
            t[i] = BuiltInTable(static_cast<OvMessageTable>(i));
        return t;
    }();
    return tables;
}

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

// Reads the file's lines, each cut into pieces of at most 1023 characters.
std::vector<std::string> ReadLines(std::ifstream& in) {
    constexpr std::size_t kMaxLine = 1023;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty()) {
            lines.push_back(line);
            continue;
        }
        for (std::size_t pos = 0; pos < line.size(); pos += kMaxLine)
            lines.push_back(line.substr(pos, kMaxLine));
    }
    return lines;
}

}  // namespace

std::string OvMessageTables::Text(OvMessageTable table, int entry) {
    const Table& t = Tables()[static_cast<int>(table)];
    if (entry < 0 || entry >= static_cast<int>(t.size()))
        return {};
    return t[entry];
}

int OvMessageTables::Count(OvMessageTable table) {
    return static_cast<int>(Tables()[static_cast<int>(table)].size());
}

int OvMessageTables::BuiltInCount(OvMessageTable table) {
    return static_cast<int>(kTables[static_cast<int>(table)].builtIn.size());
}

const char* OvMessageTables::FileName(OvMessageTable table) {
    return kTables[static_cast<int>(table)].fileName;
}

void OvMessageTables::LoadFile(OvMessageTable table, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    Table loaded;
    for (std::string& line : ReadLines(in))
        if (!IsBlank(line))
            loaded.push_back(std::move(line));
    if (loaded.empty())
        return;
    // A short file leaves the built-in texts of the entries it does not reach.
    const Table builtIn = BuiltInTable(table);
    for (std::size_t i = loaded.size(); i < builtIn.size(); ++i)
        loaded.push_back(builtIn[i]);
    Tables()[static_cast<int>(table)] = std::move(loaded);
}

void OvMessageTables::LoadAll(const std::string& directory) {
    for (int i = 0; i < OvMessageTableCount; ++i) {
        const auto table = static_cast<OvMessageTable>(i);
        LoadFile(table, directory + FileName(table));
    }
}

void OvMessageTables::RestoreBuiltIn() {
    for (int i = 0; i < OvMessageTableCount; ++i)
        Tables()[i] = BuiltInTable(static_cast<OvMessageTable>(i));
}

std::string OvMessageTables::OwnText(int32_t code) {
    return Text(OvMessageTable::Library, code == 0 ? 0 : -code - 500);
}

std::string OvMessageTables::GeneralText(int32_t code) {
    return Text(OvMessageTable::Common, -code);
}
