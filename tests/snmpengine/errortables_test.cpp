#include <gtest/gtest.h>

#include "ovexception.h"
#include "ovmessagetables.h"
#include "ovresultmap.h"
#include "tempdir.h"

#include <filesystem>

namespace {

class ErrorTables : public ::testing::Test {
protected:
    void TearDown() override { OvMessageTables::RestoreBuiltIn(); }
};

struct MappingCase {
    int32_t result;
    int32_t code;
    const char* text;
};

// Every range edge of the mapping, and the first value past each edge.
const MappingCase kMappingCases[] = {
    {0, 0, "Ok"},
    {1400, 0, "Ok"},
    {-1401, 0, "Ok"},
    {1, -101, "(SNMP) Response PDU Too Big!"},
    {2, -102, "(SNMP) Variable does not exist!"},
    {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
    {19, -528, "(VoZIZO++) Unknown error code!"},
    {1399, -528, "(VoZIZO++) Unknown error code!"},
    {1401, -301, "(SNMPv3USM) error!"},
    {1408, -308, "(SNMPv3USM) Authentication failure!"},
    {1414, -314, "(SNMPv3USM) Address error!"},
    {1415, -528, "(VoZIZO++) Unknown error code!"},
    {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
    {-1418, -217, "(SNMPv3) Report sent!"},
    {-1419, -528, "(VoZIZO++) Unknown error code!"},
    {-1400, -528, "(VoZIZO++) Unknown error code!"},
    {-1, -401, "(SNMPClass) Operation failed!"},
    {-5, -405, "(SNMPClass) SNMP request timed out!"},
    {-9, -409, "(SNMPClass)Unknown error code!"},
    {-20, -420, "(SNMP Class) Transport is not supported!"},
    {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
    {-24, -528, "(VoZIZO++) Unknown error code!"},
};

TEST_F(ErrorTables, MapsEveryRangeAtItsEdges) {
    for (const auto& c : kMappingCases) {
        const OvMappedResult m = MapSnmpResult(c.result);
        EXPECT_EQ(m.Code, c.code) << "result " << c.result;
        EXPECT_EQ(m.Text, c.text) << "result " << c.result;
    }
}

TEST_F(ErrorTables, BuiltInTablesHaveTheirSizes) {
    const std::pair<OvMessageTable, int> sizes[] = {
        {OvMessageTable::Common, 19},      {OvMessageTable::AgentStatus, 18},
        {OvMessageTable::MessageProcessing, 17}, {OvMessageTable::UserSecurity, 14},
        {OvMessageTable::SnmpLibrary, 23}, {OvMessageTable::Library, 29},
        {OvMessageTable::LogFormats, 2},
    };
    for (const auto& [table, count] : sizes)
        EXPECT_EQ(OvMessageTables::Count(table), count) << OvMessageTables::FileName(table);
}

TEST_F(ErrorTables, OwnAndGeneralCodesCarryTheirTexts) {
    const OvException own = OvException::Own(-509);
    EXPECT_EQ(own.Code(), -509);
    EXPECT_EQ(own.Text(), "(VoZIZO++) Invalid IP Address or DNS name!");
    EXPECT_EQ(OvMessageTables::OwnText(-528), "(VoZIZO++) Unknown error code!");
    EXPECT_EQ(OvMessageTables::OwnText(0), "Ok");
    const OvException general = OvException::General(-1);
    EXPECT_EQ(general.Code(), -1);
    EXPECT_EQ(general.Text(), "Bad logic operand!");
    EXPECT_EQ(OvMessageTables::GeneralText(-9),
              "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is less than [MAXCOUNT]!");
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::LogFormats, 1),
              "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

TEST_F(ErrorTables, SnmpResultExceptionCarriesMappedPair) {
    const OvException e = OvException::FromSnmpResult(-5);
    EXPECT_EQ(e.Code(), -405);
    EXPECT_STREQ(e.what(), "(SNMPClass) SNMP request timed out!");
}

TEST_F(ErrorTables, MessageFileReplacesEntriesSkippingBlankLines) {
    TempDir dir;
    dir.Write("snmp.err", "first text\n   \n  second text  \n\n");
    OvMessageTables::LoadFile(OvMessageTable::AgentStatus, dir.File("snmp.err"));
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::AgentStatus, 0), "first text");
    // Leading and trailing blanks of a text line are kept.
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::AgentStatus, 1), "  second text  ");
    // Beyond the file's lines the built-in texts stay.
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::AgentStatus, 2),
              "(SNMP) Cannot modify variable: Bad Value!");
    EXPECT_EQ(MapSnmpResult(2).Text, "  second text  ");
}

TEST_F(ErrorTables, ThreeLinesWithSecondBlankGiveTwoEntries) {
    TempDir dir;
    dir.Write("snmp.msg", "Get [ERROR]\n\nSet [ERROR]\n");
    OvMessageTables::LoadFile(OvMessageTable::LogFormats, dir.File("snmp.msg"));
    EXPECT_EQ(OvMessageTables::Count(OvMessageTable::LogFormats), 2);
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::LogFormats, 0), "Get [ERROR]");
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::LogFormats, 1), "Set [ERROR]");
}

TEST_F(ErrorTables, OverlongLineIsSplitEvery1023Characters) {
    TempDir dir;
    const std::string longLine = std::string(1023, 'a') + std::string(1023, 'b') + "cc";
    dir.Write("common.err", longLine + "\nnext\n");
    OvMessageTables::LoadFile(OvMessageTable::Common, dir.File("common.err"));
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::Common, 0), std::string(1023, 'a'));
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::Common, 1), std::string(1023, 'b'));
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::Common, 2), "cc");
    EXPECT_EQ(OvMessageTables::Text(OvMessageTable::Common, 3), "next");
}

TEST_F(ErrorTables, MissingEmptyOrBlankFileKeepsTheTable) {
    TempDir dir;
    dir.Write("empty.err", "");
    dir.Write("blank.err", "  \n\t\n\r\n");
    for (const char* name : {"missing.err", "empty.err", "blank.err"}) {
        OvMessageTables::LoadFile(OvMessageTable::SnmpLibrary, dir.File(name));
        EXPECT_EQ(OvMessageTables::Count(OvMessageTable::SnmpLibrary), 23) << name;
        EXPECT_EQ(OvMessageTables::Text(OvMessageTable::SnmpLibrary, 4),
                  "(SNMPClass) SNMP request timed out!") << name;
    }
}

TEST_F(ErrorTables, LinesKeepTheirBytesAndLoseOnlyTheLineBreak) {
    TempDir dir;
    dir.Write("ovsnmp.err", "Bien re\xe7u\r\n\xff\xfe raw bytes\n");
    OvMessageTables::LoadFile(OvMessageTable::Library, dir.File("ovsnmp.err"));
    EXPECT_EQ(OvMessageTables::OwnText(0), "Bien re\xe7u");
    EXPECT_EQ(OvMessageTables::OwnText(-501), "\xff\xfe raw bytes");
    EXPECT_EQ(OvMessageTables::OwnText(-502),
              "(VoZIZO++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!");
}

TEST_F(ErrorTables, LoadAllReadsTheSevenFilesFromADirectory) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("errmsg"));
    dir.Write("errmsg/snmpusm.err", "u0\nu1\n");
    dir.Write("errmsg/snmpv3.err", "m0\n");
    OvMessageTables::LoadAll(dir.Path() + "/");
    EXPECT_EQ(MapSnmpResult(1402).Text, "u1");
    EXPECT_EQ(MapSnmpResult(-1402).Text, "m0");
    EXPECT_EQ(MapSnmpResult(-5).Text, "(SNMPClass) SNMP request timed out!");
}

}  // namespace
