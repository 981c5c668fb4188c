#include "ovsnmpvalueconverter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "ovcalendar.h"
#include "ovexception.h"

namespace {

using namespace std::string_literals;

OvVb Integer(uint8_t tag, int64_t value) {
    OvVb vb;
    vb.Syntax = tag;
    vb.Integer = value;
    return vb;
}

OvVb Octets(std::string bytes, uint8_t tag = OvVb::OctetString) {
    OvVb vb;
    vb.SetOctets(std::move(bytes));
    vb.Syntax = tag;
    return vb;
}

OvVb Oid(std::vector<uint32_t> arcs) {
    OvVb vb;
    vb.SetObjectId(std::move(arcs));
    return vb;
}

OvVb Ip(std::string bytes) {
    OvVb vb;
    vb.SetIpAddress(std::move(bytes));
    return vb;
}

OvVb Counter64(uint64_t value) {
    OvVb vb;
    vb.SetCounter64(value);
    return vb;
}

OvVb Tag(uint8_t tag) {
    OvVb vb;
    vb.Syntax = tag;
    return vb;
}

std::string DoubleBytes(double value) {
    return OvSNMPValueConverter::DoubleToBytes(value);
}

// "tag:value" of a binding, the value written the way its type carries it.
std::string Describe(const OvVb& vb) {
    char tag[8];
    std::snprintf(tag, sizeof tag, "%02X:", vb.Syntax);
    switch (vb.Syntax) {
    case OvVb::Null:
        return tag;
    case OvVb::OctetString:
    case OvVb::Opaque: {
        std::string hex;
        for (unsigned char b : vb.Bytes) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02X", b);
            hex += digits;
        }
        return tag + hex;
    }
    default:
        return tag + vb.PrintableValue();
    }
}

OvSNMPVarList OneVariable(uint32_t syntax, const OvOptionList* options = nullptr) {
    OvSNMPVarList list;
    list.AddVariable("1.3.6.1.4.1.32473.1", "value", syntax, ACC_READWRITE, options);
    return list;
}

std::string Received(uint32_t syntax, const OvVb& vb) {
    OvSNMPVarList list = OneVariable(syntax);
    OvSNMPValueConverter::ValueFromVb(list, 0, vb);
    return list.Item(0).Value;
}

std::string Sent(uint32_t syntax, const std::string& value) {
    OvSNMPVarList list = OneVariable(syntax);
    list.Item(0).Value = value;
    OvVb vb;
    vb.Oid = "1.3.6.1.4.1.32473.1.0";
    OvSNMPValueConverter::ValueToVb(list, 0, vb);
    EXPECT_EQ(vb.Oid, "1.3.6.1.4.1.32473.1.0");
    return Describe(vb);
}

const std::string kDateAndTime = "\x07\xD8\x05\x11\x0D\x1E\x0F\x00\x2B\x08\x00"s;

struct FromVbCase {
    uint32_t Syntax;
    OvVb Vb;
    const char* Value;
};

TEST(OvSNMPValueConverter, ValueFromVbBySyntax) {
    const FromVbCase cases[] = {
        {SYN_BOOLEAN, Integer(OvVb::Integer32, 5), "true"},
        {SYN_BOOLEAN, Integer(OvVb::Integer32, 0), "false"},
        {SYN_INTEGER, Integer(OvVb::Integer32, -5), "-5"},
        {SYN_INTEGER, Integer(OvVb::Integer32, INT32_MIN), "-2147483648"},
        {SYN_COUNTER, Integer(OvVb::Counter32, 4294967295), "4294967295"},
        {SYN_GUAGE, Integer(OvVb::Gauge32, 7), "7"},
        {SYN_UINTEGER, Integer(OvVb::UInteger32, 8), "8"},
        {SYN_GUAGE, Integer(OvVb::Counter32, 9), "9"},
        {SYN_COUNTER64, Counter64(UINT64_MAX), "18446744073709551615"},
        {SYN_COUNTER64, Integer(OvVb::Counter32, 12), "12"},
        {SYN_TIMETICKS, Integer(OvVb::TimeTicks, 27390607), "3 days, 4:05:06.07"},
        {SYN_OCTETSTR, Octets("\x00\xA1\xFF"s), "00A1FF"},
        {SYN_OCTETSTR, Octets(""), ""},
        {SYN_BITSTR, Octets("\x80"s), "80"},
        {SYN_OPAQUE, Octets("\x01\x02"s, OvVb::Opaque), "0102"},
        {SYN_MACADDRESS, Octets("\x00\x1A\x2B\x3C\x4D\x5E"s), "001A2B3C4D5E"},
        {SYN_IPV6ADDRESS, Octets(std::string(15, '\0') + "\x01"), "00000000000000000000000000000001"},
        {SYN_DISPLAYSTR, Octets("Port 1"), "Port 1"},
        {SYN_DISPLAYSTR, Octets(""), ""},
        {SYN_DISPLAYSTR, Octets("ab\0cd"s), "ab"},
        {SYN_DISPLAYSTR, Octets("\0cd"s), ""},
        {SYN_NULL, Integer(OvVb::Integer32, 3), "(NULL)"},
        {SYN_OBJECTID, Oid({1, 3, 6, 1, 4294967295u}), "1.3.6.1.4294967295"},
        {SYN_OBJECTID, Oid({}), "(NULL)"},
        {SYN_IPADDRESS, Ip("\x0A\x00\x00\x01"s), "10.0.0.1"},
        {SYN_NSAPADDR, Ip("\xC0\xA8\x01\xFE"s), "192.168.1.254"},
        {SYN_DOUBLE, Octets(DoubleBytes(1.5)), "1.5"},
        {SYN_DOUBLE, Octets(DoubleBytes(-0.1)), "-0.1"},
        {SYN_DOUBLE, Octets("\x00"s), "0"},
        {SYN_DOUBLE, Octets("\x00\x00\x00\x00\x00\x00\xF8"s), "5.4683415146673E-304"},
        {SYN_DOUBLE, Octets(""), "(NULL)"},
        {SYN_DATETIME, Octets(kDateAndTime), "2008-5-17,13:30:15.0,+8:0"},
        {SYN_DATETIME, Octets(kDateAndTime.substr(0, 8)), "2008-5-17,13:30:15.0"},
        {SYN_DATETIME, Octets(""), "(NULL)"},
        {SYN_BCDATETIME, Octets(DoubleBytes(39585.5625)), "2008/05/17 01:30:00 pm"},
        {SYN_BCDATETIME, Octets("\x00\x00\x00\x00"s), "1899/12/30 12:00:00 am"},
        {SYN_BCDATETIME, Octets(DoubleBytes(1e300)), "(NULL)"},
        {SYN_BCDATETIME, Octets(""), "(NULL)"},
    };
    for (const FromVbCase& c : cases)
        EXPECT_EQ(Received(c.Syntax, c.Vb), c.Value) << "syntax " << c.Syntax;
}

TEST(OvSNMPValueConverter, BindingsThatDoNotFitTheSyntaxGiveNull) {
    const FromVbCase cases[] = {
        {SYN_INTEGER, Tag(OvVb::Null), "(NULL)"},
        {SYN_INTEGER, Octets("12"), "(NULL)"},
        {SYN_INTEGER, Tag(OvVb::NoSuchInstance), "(NULL)"},
        {SYN_COUNTER64, Integer(OvVb::Integer32, -1), "(NULL)"},
        {SYN_OCTETSTR, Tag(OvVb::Null), "(NULL)"},
        {SYN_OCTETSTR, Integer(OvVb::Integer32, 1), "(NULL)"},
        {SYN_MACADDRESS, Tag(OvVb::NoSuchObject), "(NULL)"},
        {SYN_DISPLAYSTR, Tag(OvVb::EndOfMibView), "(NULL)"},
        {SYN_DISPLAYSTR, Oid({1, 3}), "(NULL)"},
        {SYN_OBJECTID, Octets("1.3"), "(NULL)"},
        {SYN_IPADDRESS, Octets("\x0A\x00\x00\x01"s), "(NULL)"},
        {SYN_TIMETICKS, Counter64(5), "(NULL)"},
        {SYN_DOUBLE, Integer(OvVb::Integer32, 1), "(NULL)"},
        {SYN_BOOLEAN, Tag(OvVb::Null), "(NULL)"},
    };
    for (const FromVbCase& c : cases)
        EXPECT_EQ(Received(c.Syntax, c.Vb), c.Value) << "syntax " << c.Syntax;
}

struct ToVbCase {
    uint32_t Syntax;
    const char* Value;
    const char* Binding;
};

TEST(OvSNMPValueConverter, ValueToVbBySyntax) {
    const ToVbCase cases[] = {
        {SYN_BOOLEAN, "true", "02:1"},
        {SYN_BOOLEAN, "True", "02:0"},
        {SYN_BOOLEAN, "false", "02:0"},
        {SYN_INTEGER, "-42", "02:-42"},
        {SYN_INTEGER, "12abc", "02:12"},
        {SYN_INTEGER, "abc", "02:0"},
        {SYN_INTEGER, "(NULL)", "05:"},
        {SYN_INTEGER, "99999999999", "02:2147483647"},
        {SYN_COUNTER, "4294967295", "42:4294967295"},
        {SYN_GUAGE, "7", "42:7"},
        {SYN_UINTEGER, "8", "42:8"},
        {SYN_COUNTER64, "18446744073709551615", "46:18446744073709551615"},
        {SYN_COUNTER64, "1.5e3", "46:1500"},
        {SYN_COUNTER64, "-5", "46:0"},
        {SYN_TIMETICKS, "3 days, 4:05:06.07", "43:3 days, 4:05:06.07"},
        {SYN_TIMETICKS, "12345", "43:0:00:00.00"},
        {SYN_OCTETSTR, "00A1FF", "04:00A1FF"},
        {SYN_OCTETSTR, "A1B", "04:0A1B"},
        {SYN_OCTETSTR, "", "04:"},
        {SYN_BITSTR, "8000", "04:8000"},
        {SYN_OPAQUE, "0102", "44:0102"},
        {SYN_MACADDRESS, "00 1A 2B 3C 4D 5E", "04:001A2B3C4D5E"},
        {SYN_IPV6ADDRESS, "FE80", "04:FE80"},
        {SYN_DISPLAYSTR, "Port 1", "04:506F72742031"},
        {SYN_DISPLAYSTR, "(NULL)", "05:"},
        {SYN_NULL, "anything", "05:"},
        {SYN_OBJECTID, "1.3.6.1.6.3.10.1.1.2", "06:1.3.6.1.6.3.10.1.1.2"},
        {SYN_OBJECTID, ".1.3.6", "06:1.3.6"},
        {SYN_IPADDRESS, "10.0.0.1", "40:10.0.0.1"},
        {SYN_NSAPADDR, "192.168.1.254", "40:192.168.1.254"},
        {SYN_DOUBLE, "1.5", "04:000000000000F83F"},
        {SYN_DOUBLE, "x", "04:0000000000000000"},
        {SYN_DATETIME, "2008-5-17,13:30:15.0,+8:0", "04:07D805110D1E0F002B0800"},
        {SYN_DATETIME, "2008-5-17,13:30:15.0", "04:07D805110D1E0F002B0000"},
        {SYN_BCDATETIME, "2008/05/17 01:30:00 pm", "04:000000003254E340"},
        {SYN_BCDATETIME, "not a date", "04:0000000000000000"},
    };
    for (const ToVbCase& c : cases)
        EXPECT_EQ(Sent(c.Syntax, c.Value), c.Binding) << "syntax " << c.Syntax << " value " << c.Value;
}

TEST(OvSNMPValueConverter, ReadAndWriteAgreeForEverySyntax) {
    const ToVbCase cases[] = {
        {SYN_BOOLEAN, "true", ""},        {SYN_INTEGER, "-7", ""},
        {SYN_COUNTER, "4294967295", ""},  {SYN_GUAGE, "0", ""},
        {SYN_UINTEGER, "65535", ""},      {SYN_COUNTER64, "18446744073709551615", ""},
        {SYN_TIMETICKS, "1 day 2:03:04.05", ""},
        {SYN_OCTETSTR, "00A1FF", ""},     {SYN_BITSTR, "F0", ""},
        {SYN_OPAQUE, "0102", ""},         {SYN_MACADDRESS, "001A2B3C4D5E", ""},
        {SYN_IPV6ADDRESS, "FE800000000000000000000000000001", ""},
        {SYN_DISPLAYSTR, "Port \xE9", ""},
        {SYN_OBJECTID, "1.3.6.1.4.1.32473", ""},
        {SYN_IPADDRESS, "255.255.255.255", ""},
        {SYN_DOUBLE, "3.14159265358979", ""},
        {SYN_DATETIME, "2026-12-10,10:38:21.5,-3:30", ""},
        {SYN_BCDATETIME, "2026/12/10 10:38:21 am", ""},
    };
    for (const ToVbCase& c : cases) {
        OvSNMPVarList list = OneVariable(c.Syntax);
        list.Item(0).Value = c.Value;
        OvVb vb;
        OvSNMPValueConverter::ValueToVb(list, 0, vb);
        list.Item(0).Value.clear();
        OvSNMPValueConverter::ValueFromVb(list, 0, vb);
        EXPECT_EQ(list.Item(0).Value, c.Value) << "syntax " << c.Syntax;
    }
}

TEST(OvSNMPValueConverter, HostNamesResolveAndBadAddressesAreRefused) {
    EXPECT_EQ(Sent(SYN_IPADDRESS, "localhost"), "40:127.0.0.1");
    for (const char* bad : {"", "10.0.0.256", "10.1", "1.2.3"}) {
        OvSNMPVarList list = OneVariable(SYN_IPADDRESS);
        list.Item(0).Value = bad;
        OvVb vb;
        try {
            OvSNMPValueConverter::ValueToVb(list, 0, vb);
            FAIL() << bad;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), -509);
            EXPECT_EQ(e.Text(), "(VoZIZO++) Invalid IP Address or DNS name!");
        }
    }
}

TEST(OvSNMPValueConverter, MalformedObjectIdentifierIsRefused) {
    for (const char* bad : {"1..3", "1.3.", "1.x", "1.4294967296"}) {
        OvSNMPVarList list = OneVariable(SYN_OBJECTID);
        list.Item(0).Value = bad;
        OvVb vb;
        try {
            OvSNMPValueConverter::ValueToVb(list, 0, vb);
            FAIL() << bad;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), -417) << bad;
        }
    }
}

TEST(OvSNMPValueConverter, UnknownSyntaxesRaiseBadSyntax) {
    for (uint32_t syntax : {0x00u, 0x07u, 0x3Fu, 0x4Eu, SYN_BOOL8, SYN_UINT16, 0xFFFFFFFFu}) {
        OvSNMPVarList list = OneVariable(syntax);
        list.KeyCount = 1;
        list.Item(0).Value = "(NULL)";
        OvVb vb = Integer(OvVb::Integer32, 1);
        const auto expectBadSyntax = [&](auto&& call) {
            try {
                call();
                ADD_FAILURE() << "syntax " << syntax;
            } catch (const OvException& e) {
                EXPECT_EQ(e.Code(), -511);
                EXPECT_EQ(e.Text(), "(VoZIZO++) Bad SNMP syntax!");
            }
        };
        expectBadSyntax([&] { OvSNMPValueConverter::ValueFromVb(list, 0, vb); });
        expectBadSyntax([&] { OvSNMPValueConverter::ValueToVb(list, 0, vb); });
        expectBadSyntax([&] { OvSNMPValueConverter::EncodeIndex(list, 0); });
        expectBadSyntax([&] { OvSNMPValueConverter::DecodeIndex(list, 0, "1.2"); });
    }
}

const OvOptionDef kState[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList kStateList(kState, OvOptionList::IntegerValues);
const OvOptionDef kAuth[] = {{OvText("1.3.6.1.6.3.10.1.1.2"), "MD5"}, {}};
const OvOptionList kAuthList(kAuth, OvOptionList::TextValues);

TEST(OvSNMPValueConverter, OptionListsApplyAroundEveryConversion) {
    OvSNMPVarList list = OneVariable(SYN_INTEGER, &kStateList);
    OvSNMPValueConverter::ValueFromVb(list, 0, Integer(OvVb::Integer32, 3));
    EXPECT_EQ(list.Item(0).Value, "enabled");
    OvSNMPValueConverter::ValueFromVb(list, 0, Integer(OvVb::Integer32, 9));
    EXPECT_EQ(list.Item(0).Value, "9");

    list.Item(0).Value = "disabled";
    OvVb vb;
    OvSNMPValueConverter::ValueToVb(list, 0, vb);
    EXPECT_EQ(Describe(vb), "02:2");

    list.KeyCount = 1;
    EXPECT_EQ(OvSNMPValueConverter::EncodeIndex(list, 0), "2");
    EXPECT_EQ(OvSNMPValueConverter::DecodeIndex(list, 0, "3.5"), "5");
    EXPECT_EQ(list.Item(0).Value, "enabled");

    OvSNMPVarList auth = OneVariable(SYN_OBJECTID, &kAuthList);
    OvSNMPValueConverter::ValueFromVb(auth, 0, Oid({1, 3, 6, 1, 6, 3, 10, 1, 1, 2}));
    EXPECT_EQ(auth.Item(0).Value, "MD5");
    auth.Item(0).Value = "md5";
    OvSNMPValueConverter::ValueToVb(auth, 0, vb);
    EXPECT_EQ(Describe(vb), "06:1.3.6.1.6.3.10.1.1.2");
}

struct IndexCase {
    uint32_t Syntax;
    bool LastAndImplied;
    const char* Value;
    const char* Encoded;
};

OvSNMPVarList KeyList(uint32_t syntax, bool lastAndImplied) {
    OvSNMPVarList list;
    list.ItemType = MVT_UMV;
    list.KeyCount = 1;
    list.AddVariable("1.3.6.1.4.1.32473.2.1.1", "key", syntax, ACC_NOTACCESS | (lastAndImplied ? ACC_IMPLIED : 0));
    return list;
}

const IndexCase kIndexCases[] = {
    {SYN_BOOLEAN, false, "true", "1"},
    {SYN_BOOLEAN, false, "false", "0"},
    {SYN_INTEGER, false, "42", "42"},
    {SYN_INTEGER, false, "-1", "4294967295"},
    {SYN_COUNTER, false, "4294967295", "4294967295"},
    {SYN_GUAGE, false, "7", "7"},
    {SYN_UINTEGER, false, "8", "8"},
    {SYN_OCTETSTR, false, "00A1FF", "3.0.161.255"},
    {SYN_OCTETSTR, true, "00A1FF", "0.161.255"},
    {SYN_BITSTR, false, "80", "1.128"},
    {SYN_OPAQUE, true, "0102", "1.2"},
    {SYN_DISPLAYSTR, false, "ab", "2.97.98"},
    {SYN_DISPLAYSTR, true, "ab", "97.98"},
    {SYN_DISPLAYSTR, false, "", "0"},
    {SYN_OBJECTID, false, "1.3.6", "3.1.3.6"},
    {SYN_OBJECTID, true, "1.3.6", "1.3.6"},
    {SYN_IPADDRESS, false, "10.0.0.1", "10.0.0.1"},
    {SYN_NSAPADDR, false, "192.168.1.2", "192.168.1.2"},
    {SYN_TIMETICKS, false, "1 day 0:00:00.00", "8640000"},
    {SYN_COUNTER64, false, "4294967298", "1.2"},
    {SYN_DOUBLE, false, "1.5", "0.1073217536"},
    {SYN_BCDATETIME, false, "2008/05/17 01:30:00 pm", "0.1088640050"},
    {SYN_MACADDRESS, false, "001A2B3C4D5E", "0.26.43.60.77.94"},
    {SYN_IPV6ADDRESS, false, "FE800000000000000000000000000001", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
    {SYN_IPV6ADDRESS, true, "FE800000000000000000000000000001", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
    {SYN_DATETIME, false, "2008-5-17,13:30:15.0,+8:0", "7.216.5.17.13.30.15.0.43.8.0"},
};

TEST(OvSNMPValueConverter, EncodeIndexBySyntax) {
    for (const IndexCase& c : kIndexCases) {
        OvSNMPVarList list = KeyList(c.Syntax, c.LastAndImplied);
        list.Item(0).Value = c.Value;
        EXPECT_EQ(OvSNMPValueConverter::EncodeIndex(list, 0), c.Encoded) << "syntax " << c.Syntax << " " << c.Value;
    }
}

TEST(OvSNMPValueConverter, DecodeIndexBySyntaxLeavesTheRest) {
    for (const IndexCase& c : kIndexCases) {
        OvSNMPVarList list = KeyList(c.Syntax, c.LastAndImplied);
        const bool takesAll = c.LastAndImplied;
        const std::string suffix = std::string(c.Encoded) + (takesAll ? "" : ".99.100");
        EXPECT_EQ(OvSNMPValueConverter::DecodeIndex(list, 0, suffix), takesAll ? "" : "99.100")
            << "syntax " << c.Syntax;
        EXPECT_EQ(list.Item(0).Value, c.Value) << "syntax " << c.Syntax;
    }
}

TEST(OvSNMPValueConverter, ShortFormsOfFixedIndexesEncodeNothing) {
    OvSNMPVarList mac = KeyList(SYN_MACADDRESS, false);
    mac.Item(0).Value = "001A2B";
    EXPECT_EQ(OvSNMPValueConverter::EncodeIndex(mac, 0), "");
    mac.Item(0).Value = "001A2B3C4D5E6F";
    EXPECT_EQ(OvSNMPValueConverter::EncodeIndex(mac, 0), "0.26.43.60.77.94");
    OvSNMPVarList v6 = KeyList(SYN_IPV6ADDRESS, false);
    v6.Item(0).Value = "FE80";
    EXPECT_EQ(OvSNMPValueConverter::EncodeIndex(v6, 0), "");
    OvSNMPVarList none = KeyList(SYN_NULL, false);
    EXPECT_EQ(OvSNMPValueConverter::EncodeIndex(none, 0), "");
    EXPECT_EQ(OvSNMPValueConverter::DecodeIndex(none, 0, "1.2"), "1.2");
    EXPECT_EQ(none.Item(0).Value, "(NULL)");
}

TEST(OvSNMPValueConverter, ImpliedOnlyCountsOnTheLastKey) {
    OvSNMPVarList list;
    list.ItemType = MVT_UMV;
    list.KeyCount = 2;
    list.AddVariable("1.1", "name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED);
    list.AddVariable("1.2", "port", SYN_INTEGER, ACC_NOTACCESS);
    list.Item(0).Value = "ab";
    EXPECT_EQ(OvSNMPValueConverter::EncodeIndex(list, 0), "2.97.98");
    EXPECT_EQ(OvSNMPValueConverter::DecodeIndex(list, 0, "2.97.98.5"), "5");
    EXPECT_EQ(list.Item(0).Value, "ab");
}

TEST(OvSNMPValueConverter, ImpliedObjectIdTakesTheSuffixItself) {
    OvSNMPVarList list = KeyList(SYN_OBJECTID, true);
    EXPECT_EQ(OvSNMPValueConverter::DecodeIndex(list, 0, "1.3.6.1.4.1"), "");
    EXPECT_EQ(list.Item(0).Value, "1.3.6.1.4.1");
}

struct ShortSuffixCase {
    uint32_t Syntax;
    const char* Suffix;
    const char* Value;
};

TEST(OvSNMPValueConverter, ShortOrOddSuffixesHaveDefinedValues) {
    const ShortSuffixCase cases[] = {
        {SYN_INTEGER, "", "0"},
        {SYN_COUNTER64, "1", "4294967296"},
        {SYN_DISPLAYSTR, "5.97.98", "ab"},
        {SYN_DISPLAYSTR, "4294967295", ""},
        {SYN_OCTETSTR, "2.256.511", "00FF"},
        {SYN_OBJECTID, "9.1.3", "1.3"},
        {SYN_IPADDRESS, "10.0", "10.0.0.0"},
        {SYN_IPADDRESS, "300.1.2.3", "44.1.2.3"},
        {SYN_MACADDRESS, "1.2", "0102"},
        {SYN_INTEGER, "99999999999", "-1"},
        {SYN_INTEGER, "x.5", "0"},
        {SYN_DATETIME, "7.216.5", "2008-5-0,0:0:0.0"},
        {SYN_BCDATETIME, "0.2146435072", "(NULL)"},
    };
    for (const ShortSuffixCase& c : cases) {
        OvSNMPVarList list = KeyList(c.Syntax, false);
        OvSNMPValueConverter::DecodeIndex(list, 0, c.Suffix);
        EXPECT_EQ(list.Item(0).Value, c.Value) << "syntax " << c.Syntax << " suffix " << c.Suffix;
    }
}

TEST(OvSNMPValueConverter, IndexOutsideTheListIsAnError) {
    OvSNMPVarList list = OneVariable(SYN_INTEGER);
    OvVb vb;
    EXPECT_THROW(OvSNMPValueConverter::ValueFromVb(list, 1, vb), OvException);
    EXPECT_THROW(OvSNMPValueConverter::ValueToVb(list, -1, vb), OvException);
    EXPECT_THROW(OvSNMPValueConverter::EncodeIndex(list, 5), OvException);
    EXPECT_THROW(OvSNMPValueConverter::DecodeIndex(list, 5, "1"), OvException);
}

TEST(OvVb, PrintableValueIsEmptyForNullAndExceptions) {
    for (uint8_t tag : {OvVb::Null, OvVb::NoSuchObject, OvVb::NoSuchInstance, OvVb::EndOfMibView})
        EXPECT_EQ(Tag(tag).PrintableValue(), "");
    EXPECT_EQ(Integer(OvVb::Integer32, -3).PrintableValue(), "-3");
    EXPECT_EQ(Integer(OvVb::Gauge32, 4294967295).PrintableValue(), "4294967295");
    EXPECT_EQ(Octets("abc").PrintableValue(), "abc");
    EXPECT_EQ(Oid({1, 3}).PrintableValue(), "1.3");
    EXPECT_EQ(Ip("\x7F\x00\x00\x01"s).PrintableValue(), "127.0.0.1");
    EXPECT_EQ(Counter64(5).PrintableValue(), "5");
}

TEST(OvVb, SettersReplaceTheWholeValueButKeepTheOid) {
    OvVb vb;
    vb.Oid = "1.3.6.1.2.1.1.5.0";
    vb.SetOctets("name");
    vb.SetInteger(3);
    EXPECT_EQ(vb.Oid, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(vb.Syntax, OvVb::Integer32);
    EXPECT_EQ(vb.Bytes, "");
    vb.SetNull();
    EXPECT_EQ(vb.Syntax, OvVb::Null);
    EXPECT_EQ(vb.Integer, 0);
}

}  // namespace
