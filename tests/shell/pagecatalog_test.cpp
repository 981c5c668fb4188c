#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmprequest.h"
#include "ovsnmpsession.h"
#include "ovsnmpvardef.h"
#include "ovsnmpvarlist.h"
#include "pagecatalog.h"
#include "simswitch.h"
#include "tempdir.h"

namespace {

const std::string kVendorArc = "1.3.6.1.4.1." + std::to_string(VENDOR_ENTERPRISE);

std::string VendorOid(const std::string& text) {
    const std::string mark = "{vendor}";
    return text.rfind(mark, 0) == 0 ? kVendorArc + text.substr(mark.size()) : text;
}

// Menu path of every entry, the captions from the menu bar down joined by " > ".
std::vector<std::string> EntryPaths() {
    std::vector<std::string> paths;
    std::vector<std::string> stack;
    for (const PageEntry& entry : PageCatalog()) {
        stack.resize(entry.Depth);
        stack.push_back(entry.Caption);
        std::string path;
        for (const std::string& caption : stack)
            path += (path.empty() ? "" : " > ") + caption;
        paths.push_back(path);
    }
    return paths;
}

const PageEntry& Entry(const std::string& path) {
    static const std::vector<std::string> paths = EntryPaths();
    const auto found = std::find(paths.begin(), paths.end(), path);
    if (found == paths.end() || std::find(found + 1, paths.end(), path) != paths.end())
        throw std::runtime_error("no single entry " + path);
    return PageCatalog()[static_cast<size_t>(found - paths.begin())];
}

int VarCount(const PageDefinition& definition) {
    int count = 0;
    while (definition.Vars[count].Oid != nullptr)
        ++count;
    return count;
}

std::vector<const PageDefinition*> AllDefinitions() {
    std::vector<const PageDefinition*> definitions;
    for (const PageEntry& entry : PageCatalog())
        if (entry.Definition != nullptr)
            definitions.push_back(entry.Definition);
    return definitions;
}

std::string WindowCaption(const PageEntry& entry, const std::string& address) {
    const std::string prefix = entry.CaptionPrefix ? entry.CaptionPrefix : std::string(entry.Caption) + " : ";
    return prefix + address;
}

std::vector<std::string> OptionTexts(const OvOptionList* options) {
    std::vector<std::string> texts;
    for (int i = 0; options != nullptr && i < options->Count(); ++i)
        texts.push_back(std::to_string(options->Option(i).IntegerValue) + " " + options->Option(i).OptionText);
    return texts;
}

TEST(PageCatalog, TenTopLevelMenusInOrderWithLayer3Hidden) {
    std::vector<std::string> captions;
    std::vector<std::string> hidden;
    for (const PageEntry& entry : PageCatalog()) {
        if (entry.Depth != 0)
            continue;
        EXPECT_EQ(entry.Form, PageForm::Menu) << entry.Caption;
        captions.push_back(entry.Caption);
        if (entry.Hidden)
            hidden.push_back(entry.Caption);
    }
    const std::vector<std::string> expected = {"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3",
                                               "Security Management", "Layer 2 Management", "Layer 3 Management",
                                               "Single IP", "Help"};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(hidden, std::vector<std::string>{"Layer 3 Management"});
}

// Every menu has children, depth never jumps, and each form carries exactly
// the fields its command reads.
TEST(PageCatalog, TreeShapeAndFieldsAgreeWithEachForm) {
    const auto catalog = PageCatalog();
    ASSERT_FALSE(catalog.empty());
    EXPECT_EQ(catalog.front().Depth, 0);
    for (size_t i = 0; i < catalog.size(); ++i) {
        const PageEntry& entry = catalog[i];
        SCOPED_TRACE(EntryPaths()[i]);
        const bool hasChild = i + 1 < catalog.size() && catalog[i + 1].Depth == entry.Depth + 1;
        EXPECT_EQ(hasChild, entry.Form == PageForm::Menu);
        if (i + 1 < catalog.size()) {
            EXPECT_LE(catalog[i + 1].Depth, entry.Depth + 1);
        }
        const bool page = entry.Form == PageForm::Editor || entry.Form == PageForm::Table;
        const bool named = entry.Form == PageForm::Dialog || entry.Form == PageForm::Tool ||
                           entry.Form == PageForm::Command;
        EXPECT_EQ(entry.Target != nullptr, named);
        if (entry.Form != PageForm::Command) {
            EXPECT_EQ(entry.Definition != nullptr, page);
        }
        if (!page && entry.Form != PageForm::Command) {
            EXPECT_EQ(entry.RowStatus, -1);
            EXPECT_TRUE(entry.Formats.empty());
        }
        if (entry.Form == PageForm::Dialog) {
            EXPECT_EQ(entry.Target[0], 'T');
        }
    }
}

// An entry without a command is never reachable: it or one of its menus is hidden.
TEST(PageCatalog, EntriesWithoutCommandLieInHiddenMenus) {
    std::vector<bool> hiddenAbove;
    int inert = 0;
    for (const PageEntry& entry : PageCatalog()) {
        hiddenAbove.resize(entry.Depth);
        const bool hidden = entry.Hidden || (!hiddenAbove.empty() && hiddenAbove.back());
        hiddenAbove.push_back(hidden);
        if (entry.Form == PageForm::None) {
            ++inert;
            EXPECT_TRUE(hidden) << entry.Caption;
        }
    }
    EXPECT_GT(inert, 0);
}

TEST(PageCatalog, MainWindowCommands) {
    struct Case {
        const char* path;
        const char* target;
    };
    const Case cases[] = {
        {"Basic Configuration > Reboot", "Reboot"},
        {"Help > Help", "Help"},
        {"Help > About", "About"},
        {"RMON > RMON Control", "RmonControl"},
    };
    int commands = 0;
    for (const PageEntry& entry : PageCatalog())
        commands += entry.Form == PageForm::Command;
    EXPECT_EQ(commands, static_cast<int>(std::size(cases)));
    for (const Case& c : cases) {
        const PageEntry& entry = Entry(c.path);
        EXPECT_EQ(entry.Form, PageForm::Command) << c.path;
        EXPECT_STREQ(entry.Target, c.target);
        EXPECT_FALSE(entry.Hidden) << c.path;
    }
    EXPECT_TRUE(Entry("Help > Test").Hidden);
    EXPECT_EQ(Entry("Help > Test").Form, PageForm::None);
}

// The RMON Control page writes the RMON state and makes the main window
// bring the RMON menu up to date afterwards; Device Control shows the same variable.
TEST(PageCatalog, RmonControlEditsTheRmonStateAndUpdatesTheMenu) {
    const PageEntry& entry = Entry("RMON > RMON Control");
    EXPECT_EQ(entry.Extras, static_cast<uint32_t>(ExtraRmonUpdate));
    EXPECT_EQ(WindowCaption(entry, "10.90.90.90"), "RMON State : 10.90.90.90");
    ASSERT_NE(entry.Definition, nullptr);
    EXPECT_EQ(entry.Definition->ItemType, SVT_SV);
    ASSERT_EQ(VarCount(*entry.Definition), 1);
    const OvSNMPVarDef& state = entry.Definition->Vars[0];
    EXPECT_EQ(state.Oid, kVendorArc + ".11.63.11.2.1.2.16");
    EXPECT_STREQ(state.Caption, "RMON State");
    EXPECT_EQ(state.Access, ACC_READWRITE);
    EXPECT_EQ(OptionTexts(state.Options), (std::vector<std::string>{"2 disabled", "3 enabled"}));

    const OvSNMPVarDef& device = Entry("Layer 2 Management > Device Control").Definition->Vars[8];
    EXPECT_STREQ(device.Caption, "RMON State");
    EXPECT_STREQ(device.Oid, state.Oid);
    EXPECT_EQ(OptionTexts(device.Options), OptionTexts(state.Options));
    for (const char* path : {"RMON > Statistics", "RMON > History", "RMON > Alarm/Event"})
        EXPECT_EQ(Entry(path).Form, PageForm::Tool) << path;
}

TEST(PageCatalog, ToolPagesNameAKnownTool) {
    const std::set<std::string> tools = {"MIB", "IFMib", "Rmon", "Bridge", "EthernetLike", "EntityMIB", "VLan"};
    int count = 0;
    for (const PageEntry& entry : PageCatalog()) {
        if (entry.Form != PageForm::Tool)
            continue;
        ++count;
        const std::string page = entry.Target;
        ASSERT_EQ(page.rfind("/T", 0), 0u) << page;
        const size_t underscore = page.find('_');
        ASSERT_NE(underscore, std::string::npos) << page;
        EXPECT_TRUE(tools.count(page.substr(2, underscore - 2))) << page;
        EXPECT_LT(underscore + 1, page.size()) << page;
    }
    EXPECT_EQ(count, 22);
    EXPECT_STREQ(Entry("Basic Configuration > MIB II > IF Table").Target, "/TMIB_IFTable");
}

// What one catalogue line says of a configuration page.
struct PageCase {
    const char* path;
    uint8_t itemType;
    int keyCount;
    int varCount;
    const char* firstOid;  // null where the line gives none
};

const PageCase kBasicConfigurationPages[] = {
    {"Basic Configuration > Agent Management > Basic Information", SVT_SV, 0, 4, "{vendor}.12.1.1.1"},
    {"Basic Configuration > Agent Management > MIB Capabilities", MVT_FMV, 1, 4, "{vendor}.12.1.1.2.1.1"},
    {"Basic Configuration > Agent Management > Basic Management", SVT_SV, 0, 4, "{vendor}.12.1.2.4"},
    {"Basic Configuration > Agent Management > CPU Utilization", SVT_SV, 0, 3, "{vendor}.12.1.1.6.1"},
    {"Basic Configuration > Agent Management > DRAM Utilization", MVT_FMV, 1, 4, "{vendor}.12.1.1.9.1.1"},
    {"Basic Configuration > Agent Management > Port Utilization", MVT_FMV, 1, 4, "{vendor}.12.1.1.8.1.1"},
    {"Basic Configuration > Agent Management > Multiple Image Management", MVT_UMV, 1, 6, "{vendor}.12.1.2.7.1.1"},
    {"Basic Configuration > Agent Management > Console Mode Control", SVT_SV, 0, 5, "{vendor}.12.1.5.1"},
    {"Basic Configuration > Agent Management > ARP Clear All State", SVT_SV, 0, 1, "{vendor}.12.1.2.12.1"},
    {"Basic Configuration > Agent Management > Gratuitous ARP Management > Gratuitous ARP Management Infomation", SVT_SV, 0, 3, "{vendor}.12.1.2.12.2.1"},
    {"Basic Configuration > Agent Management > Gratuitous ARP Management > Gratuitous ARP Table", MVT_UMV, 1, 4, "{vendor}.12.1.2.12.2.4.1.1"},
    {"Basic Configuration > Agent Management > FDB Clear All State", SVT_SV, 0, 1, "{vendor}.12.1.2.11.1"},
    {"Basic Configuration > Agent Management > Trust Host > Trust Host Table", MVT_UMV, 1, 4, "{vendor}.12.1.2.10.1.1.1"},
    {"Basic Configuration > Agent Management > Trust Host > Delete All State", SVT_SV, 0, 1, "{vendor}.12.1.2.10.2"},
    {"Basic Configuration > Time Management > Current Time", SVT_SV, 0, 3, "{vendor}.12.10.1"},
    {"Basic Configuration > Time Management > System Time", SVT_SV, 0, 5, "{vendor}.12.10.3"},
    {"Basic Configuration > System Log Management > System Log Management", SVT_SV, 0, 4, "{vendor}.12.12.1"},
    {"Basic Configuration > SMTP Management > SMTP Information Table", SVT_SV, 0, 1, "{vendor}.12.29.2.1"},
    {"Basic Configuration > SMTP Management > SMTP Mail Receiver Table", MVT_UMV, 1, 3, "{vendor}.12.29.3.1.1.1"},
    {"Basic Configuration > Cable Diagnostics", MVT_FMV, 1, 13, "{vendor}.12.58.1.1.1.1"},
    {"Basic Configuration > IF-MIB > IfX Table", MVT_UMV, 1, 20, "1.3.6.1.2.1.2.2.1.1"},
    {"Basic Configuration > EtherLike-MIB > Dot3 Collisions", MVT_FMV, 2, 3, nullptr},
    {"Basic Configuration > Ping > Ping Max Concurrent Requests", SVT_SV, 0, 1, "1.3.6.1.2.1.80.1.1"},
    {"Basic Configuration > Ping > Ping Control Table", MVT_UMV, 2, 7, "1.3.6.1.2.1.80.1.2.1.1"},
    {"Basic Configuration > Ping > Ping Results Table", MVT_UMV, 2, 12, nullptr},
    {"Basic Configuration > Ping > Ping Probe History Table", MVT_UMV, 3, 7, nullptr},
    {"Basic Configuration > Trace Route > Trace Route Max Concurrent Requests", SVT_SV, 0, 1, "1.3.6.1.2.1.81.1.1"},
    {"Basic Configuration > Trace Route > Trace Route Control Table", MVT_UMV, 2, 9, "1.3.6.1.2.1.81.1.2.1.1"},
    {"Basic Configuration > Trace Route > Trace Route Result Table", MVT_UMV, 2, 10, nullptr},
    {"Basic Configuration > Trace Route > Trace Route Probe History Table", MVT_UMV, 4, 11, nullptr},
    {"Basic Configuration > Trace Route > Trace Route Hops Table", MVT_UMV, 3, 12, nullptr},
    {"Basic Configuration > Save Changes", SVT_SV, 0, 1, "{vendor}.12.1.2.6"},
};

const PageCase kRMONPages[] = {
    {"RMON > RMON Control", SVT_SV, 0, 1, "{vendor}.11.63.11.2.1.2.16"},
    {"RMON > Probe Config > Probe Basic Information", SVT_SV, 0, 4, "1.3.6.1.2.1.16.19.1"},
    {"RMON > Probe Config > Net Configuration", MVT_FMV, 0, 3, "1.3.6.1.2.1.16.19.11.1.1"},
    {"RMON > Probe Config > Net Default Gateway", SVT_SV, 0, 1, "1.3.6.1.2.1.16.19.12"},
};

const PageCase kBridgePages[] = {
    {"Bridge > 802.1d > Information", SVT_SV, 0, 5, "1.3.6.1.2.1.17.1.1"},
    {"Bridge > 802.1d > Port Table", MVT_FMV, 1, 5, "1.3.6.1.2.1.17.1.4.1.1"},
    {"Bridge > Spanning Tree > Configuration Identification", SVT_SV, 0, 2, "{vendor}.12.15.2.1"},
    {"Bridge > Spanning Tree > MSTP Instance Control", MVT_UMV, 1, 24, "{vendor}.12.15.2.3.1.1"},
    {"Bridge > Spanning Tree > Port State Information", MVT_UMV, 1, 14, "{vendor}.12.15.2.4.1.1"},
    {"Bridge > Spanning Tree > Port MSTP Information", MVT_UMV, 2, 7, "{vendor}.12.15.2.5.1.1"},
};

const PageCase kVLANPages[] = {
    {"VLAN > 802.1P > Basic Configure", SVT_SV, 0, 2, "1.3.6.1.2.1.17.6.1.1.1"},
    {"VLAN > 802.1P > Priority Information > Default User Priorities of Each Port", MVT_FMV, 1, 3, nullptr},
    {"VLAN > 802.1P > Priority Information > Regenerated User Priorities", MVT_FMV, 2, 3, nullptr},
    {"VLAN > 802.1P > Priority Information > User Priorities To Traffic Class", MVT_FMV, 2, 3, nullptr},
    {"VLAN > 802.1P > Priority Information > Port Outbound Access Priorities", MVT_FMV, 2, 3, nullptr},
    {"VLAN > 802.1Q > Forwarding/Filtering > Unicast Forwarding Information", MVT_UMV, 2, 4, nullptr},
    {"VLAN > 802.1Q > Forwarding/Filtering > Filtering Database", MVT_FMV, 1, 2, "1.3.6.1.2.1.17.7.1.2.1.1.1"},
    {"VLAN > QinQ > QinQ  Global State Settings", SVT_SV, 0, 1, "{vendor}.12.57.1.1"},
    {"VLAN > QinQ > QinQ Port Table", MVT_UMV, 1, 3, "{vendor}.12.57.3.1.1.1"},
    {"VLAN > VLAN Advertisement Table", MVT_UMV, 1, 3, "{vendor}.11.63.11.2.23.1.1.1"},
    {"VLAN > VLAN Multiply Management", SVT_SV, 0, 5, "{vendor}.11.63.11.2.23.2.1"},
};

const PageCase kSNMPV3Pages[] = {
    {"SNMP V3 > SNMP Engine", SVT_SV, 0, 4, "1.3.6.1.6.3.10.2.1.1"},
    {"SNMP V3 > Message Processing and Dispatching", SVT_SV, 0, 3, "1.3.6.1.6.3.11.2.1.1"},
    {"SNMP V3 > SNMP Target MIB > General Information", SVT_SV, 0, 3, "1.3.6.1.6.3.12.1.1"},
    {"SNMP V3 > SNMP Target MIB > Target Address Table", MVT_UMV, 1, 9, "1.3.6.1.6.3.12.1.2.1.1"},
    {"SNMP V3 > SNMP Target MIB > Target Parameters", MVT_UMV, 1, 7, "1.3.6.1.6.3.12.1.3.1.1"},
    {"SNMP V3 > User-based Security Model > Statistics", SVT_SV, 0, 6, "1.3.6.1.6.3.15.1.1.1"},
    {"SNMP V3 > User-based Security Model > User Table", MVT_UMV, 2, 13, "1.3.6.1.6.3.15.1.2.2.1.1"},
    {"SNMP V3 > View-base Access Control Mode > Security Group Table", MVT_UMV, 2, 5, "1.3.6.1.6.3.16.1.2.1.1"},
    {"SNMP V3 > View-base Access Control Mode > Access Table", MVT_UMV, 4, 10, "1.3.6.1.6.3.16.1.2.1.3"},
    {"SNMP V3 > View-base Access Control Mode > View MIB Tree Family Table", MVT_UMV, 2, 6, "1.3.6.1.6.3.16.1.5.2.1.1"},
    {"SNMP V3 > Notifications > Notify Table", MVT_UMV, 1, 5, "1.3.6.1.6.3.13.1.1.1.1"},
    {"SNMP V3 > Notifications > Notify Filter Profile Table", MVT_UMV, 1, 4, "1.3.6.1.6.3.12.1.3.1.1"},
    {"SNMP V3 > Notifications > Notify Filter Entry Table", MVT_UMV, 2, 6, "1.3.6.1.6.3.13.1.2.1.1"},
    {"SNMP V3 > Community > Community String Table", MVT_UMV, 1, 8, "1.3.6.1.6.3.18.1.1.1.1"},
    {"SNMP V3 > Community > Target Address Table", MVT_UMV, 1, 3, "1.3.6.1.6.3.12.1.2.1.1"},
};

const PageCase kSecurityManagementPages[] = {
    {"Security Management > Authentication Mode settings", SVT_SV, 0, 2, "{vendor}.12.3.1.1"},
    {"Security Management > 802.1X > Configuration", SVT_SV, 0, 1, "1.0.8802.1.1.1.1.1.1"},
    {"Security Management > 802.1X > Port Table", MVT_UMV, 1, 5, "1.0.8802.1.1.1.1.1.2.1.1"},
    {"Security Management > 802.1X > Auth Configuration", MVT_UMV, 1, 14, nullptr},
    {"Security Management > 802.1X > Auth Statistics", MVT_UMV, 1, 13, nullptr},
    {"Security Management > 802.1X > Auth Diagnostics", MVT_UMV, 1, 19, nullptr},
    {"Security Management > 802.1X > Auth Session Statistics", MVT_FMV, 1, 10, nullptr},
    {"Security Management > 802.1X > MAC_Based Authentication > State Table", MVT_FMV, 2, 5, "{vendor}.12.3.6.1.1.1"},
    {"Security Management > 802.1X > MAC_Based Authentication > Session Information", MVT_FMV, 2, 11, nullptr},
    {"Security Management > RADIUS Management > RADIUS Control", SVT_SV, 0, 2, "{vendor}.12.3.2.2"},
    {"Security Management > RADIUS Management > RADUIS Command", SVT_SV, 0, 2, "{vendor}.12.3.7.1"},
    {"Security Management > RADIUS Management > Authentication Information", SVT_SV, 0, 2, "{vendor}.12.3.3.1"},
    {"Security Management > RADIUS Management > Authentication Table", MVT_FMV, 1, 15, "{vendor}.12.3.3.3.1.1"},
    {"Security Management > RADIUS Management > Accounting Management > Basic Information", SVT_SV, 0, 4, "1.3.6.1.2.1.67.2.2.1.1.2"},
    {"Security Management > RADIUS Management > Accounting Management > Server Table", MVT_FMV, 1, 13, "{vendor}.12.3.5.3.1.1"},
    {"Security Management > RADIUS Management > Accounting Management > Service Table", MVT_FMV, 1, 3, "{vendor}.12.3.4.3.1.1"},
    {"Security Management > AAC > AAC Control", SVT_SV, 0, 1, "{vendor}.12.5.1.1"},
    {"Security Management > AAC > AAC Information", SVT_SV, 0, 6, "{vendor}.12.5.2.1"},
    {"Security Management > AAC > APP Auth Method Group", SVT_SV, 0, 8, "{vendor}.12.5.7.1.1"},
    {"Security Management > AAC > Server Group", MVT_FMV, 1, 18, "{vendor}.12.5.9.1.1"},
    {"Security Management > SSH > SSH Management", SVT_SV, 0, 7, "{vendor}.12.6.1.1"},
    {"Security Management > SSH > Algorithm Control", SVT_SV, 0, 14, "{vendor}.12.6.2.1.1"},
    {"Security Management > SSH > Authentication Method", SVT_SV, 0, 3, "{vendor}.12.6.2.2.1"},
    {"Security Management > Dirididor_Uzizur > Global Management", SVT_SV, 0, 1, "{vendor}.12.19.1.1"},
    {"Security Management > IP-MAC Binding > IP-MAC Binding Control", SVT_SV, 0, 4, "{vendor}.12.23.1.1"},
    {"Security Management > IP-MAC Binding > IP-MAC Binding Port State Control", MVT_UMV, 1, 6, "{vendor}.12.23.3.2.1.1"},
    {"Security Management > IP-MAC Binding > IP-MAC Binding Blocked Table", MVT_UMV, 2, 6, "{vendor}.12.23.4.2.1.1"},
    {"Security Management > IP-MAC Binding > IP-MAC Binding DHCP Snoop Table", MVT_FMV, 1, 5, "{vendor}.12.23.4.3.1.1"},
    {"Security Management > DOS Prevention > DOS Prevention Management", SVT_SV, 0, 2, "{vendor}.12.59.1.1"},
    {"Security Management > DOS Prevention > DOS Prevertion Control Table", MVT_UMV, 1, 7, "{vendor}.12.59.1.3.1.1"},
};

const PageCase kLayer2ManagementPages[] = {
    {"Layer 2 Management > Device Control", SVT_SV, 0, 18, "{vendor}.11.63.11.2.1.2.1"},
    {"Layer 2 Management > Port Management > Port Information Table", MVT_FMV, 1, 3, "{vendor}.11.63.11.2.2.1.1.1"},
    {"Layer 2 Management > Port Management > Port Control Table", MVT_UMV, 2, 10, "{vendor}.11.63.11.2.2.2.1.1"},
    {"Layer 2 Management > Port Management > Error Port Table", MVT_FMV, 1, 5, "{vendor}.11.63.11.2.2.3.1.1"},
    {"Layer 2 Management > Port Management > Port Security Table > Port Security Trap Log State", SVT_SV, 0, 1, "{vendor}.11.63.11.2.15.2"},
    {"Layer 2 Management > Port Management > Port Security Table > Port Security Control", MVT_UMV, 1, 4, "{vendor}.11.63.11.2.15.1.1.1"},
    {"Layer 2 Management > Port Management > Trunk Basic Information", SVT_SV, 0, 3, "{vendor}.11.63.11.2.4.1"},
    {"Layer 2 Management > Port Management > Trunk LACP Port Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.4.5.1.1"},
    {"Layer 2 Management > Port Management > Trunk VLAN Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.4.6.1.1"},
    {"Layer 2 Management > QoS Management > QoS Scheduling Mechanism Control", SVT_SV, 0, 1, "{vendor}.11.63.11.2.3.5"},
    {"Layer 2 Management > QoS Management > Bandwidth Control Table", MVT_UMV, 1, 5, "{vendor}.11.63.11.2.3.1.1.1"},
    {"Layer 2 Management > QoS Management > Scheduling Table", MVT_UMV, 1, 3, "{vendor}.11.63.11.2.3.2.1.1"},
    {"Layer 2 Management > QoS Management > 802.1p User Priority Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.3.3.1.1"},
    {"Layer 2 Management > QoS Management > 802.1p Default Priority Table", MVT_UMV, 1, 3, "{vendor}.11.63.11.2.3.4.1.1"},
    {"Layer 2 Management > IGMP Snooping Management > IGMP General Information", SVT_SV, 0, 2, "{vendor}.11.63.11.2.7.1"},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Control Table", MVT_UMV, 1, 14, "{vendor}.11.63.11.2.7.3.1.1"},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Query Information", MVT_UMV, 1, 3, "{vendor}.11.63.11.2.7.4.1.1"},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Information", MVT_UMV, 2, 5, "{vendor}.11.63.11.2.7.5.1.1"},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Access Authentication Table", MVT_UMV, 1, 3, nullptr},
    {"Layer 2 Management > IGMP Snooping Management > IGMPv3 Table", MVT_FMV, 3, 5, nullptr},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Snooping Group Table", MVT_FMV, 3, 9, "{vendor}.11.63.11.2.7.11.1.1"},
    {"Layer 2 Management > IGMP Snooping Management > IGMP Dynamic IP Multicast Max Entry", SVT_SV, 0, 1, "{vendor}.11.63.11.2.7.12.1"},
    {"Layer 2 Management > DHCP Relay > DHCP Relay Management", SVT_SV, 0, 8, "{vendor}.12.42.1.1"},
    {"Layer 2 Management > DHCP Relay > DHCP Local Relay State", SVT_SV, 0, 1, "{vendor}.11.63.11.2.24.1"},
    {"Layer 2 Management > DHCP Relay > DHCP Local Relay VLAN Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.24.2.1.1"},
    {"Layer 2 Management > CoS Management > CoS Priority Table", MVT_UMV, 1, 5, "{vendor}.11.63.11.2.17.3.1.1.1"},
    {"Layer 2 Management > CoS Management > CoS Port PRI Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.17.3.2.1.1"},
    {"Layer 2 Management > CoS Management > CoS MAC_Base PRI Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.17.3.3.1.1"},
    {"Layer 2 Management > CoS Management > CoS ToS PRI Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.17.3.4.1.1"},
    {"Layer 2 Management > CoS Management > CoS DSCP PRI Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.17.3.5.1.1"},
    {"Layer 2 Management > Multicast Filter > Multicast Filter Table", MVT_UMV, 1, 5, "{vendor}.11.63.11.2.22.2.1.1"},
    {"Layer 2 Management > Multicast Filter > Multicast Filter Port Information Table", MVT_FMV, 1, 2, "{vendor}.11.63.11.2.22.5.1.1"},
    {"Layer 2 Management > Multicast Filter > Multicast Filter Port Table", MVT_UMV, 1, 3, "{vendor}.11.63.11.2.22.3.1.1"},
    {"Layer 2 Management > Multicast Filter > Multicast Filter Port Max Group Table", MVT_UMV, 1, 2, "{vendor}.11.63.11.2.22.4.1.1"},
    {"Layer 2 Management > Packet Storm Management > Packet Storm Control", SVT_SV, 0, 1, "{vendor}.12.25.1.2"},
    {"Layer 2 Management > Packet Storm Management > Packet Storm Control Table", MVT_UMV, 1, 8, "{vendor}.12.25.3.1.1.1"},
    {"Layer 2 Management > Access Control Information > ACL Mask Delete All State", SVT_SV, 0, 1, "{vendor}.12.9.2.5"},
    {"Layer 2 Management > CPU Filter > CPU Filter Control", SVT_SV, 0, 1, "{vendor}.12.9.1.1"},
    {"Layer 2 Management > Time Range > Time Range ACL Table", MVT_UMV, 2, 3, "{vendor}.12.50.3.2.1.1"},
    {"Layer 2 Management > Time Range > Time Range CPU ACL Table", MVT_UMV, 2, 3, "{vendor}.12.50.3.3.1.1"},
    {"Layer 2 Management > LLDP > Configuration > Configuration Information", SVT_SV, 0, 5, "1.0.8802.1.1.2.1.1.1"},
    {"Layer 2 Management > LLDP > Configuration > Address Configuration", MVT_UMV, 2, 3, nullptr},
    {"Layer 2 Management > LLDP > LLDP Statistics > Statistics Information", SVT_SV, 0, 5, "1.0.8802.1.1.2.1.2.1"},
    {"Layer 2 Management > LLDP > LLDP Statistics > TX Port Table", MVT_FMV, 1, 2, "1.0.8802.1.1.2.1.2.6.1.1"},
    {"Layer 2 Management > LLDP > LLDP Statistics > RX Port Table", MVT_FMV, 1, 7, "1.0.8802.1.1.2.1.2.7.1.1"},
    {"Layer 2 Management > LLDP > LLDP System Data > Port Table", MVT_FMV, 1, 4, "1.0.8802.1.1.2.1.3.7.1.1"},
    {"Layer 2 Management > LLDP > LLDP System Data > Management Address Table", MVT_FMV, 2, 6, "1.0.8802.1.1.2.1.3.8.1.1"},
    {"Layer 2 Management > LLDP > Remote System Data > Management Address Table", MVT_FMV, 5, 8, nullptr},
    {"Layer 2 Management > LLDP > Remote System Data > Unknown TLV Table", MVT_FMV, 4, 5, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Configuration > Port VLAN Table", MVT_UMV, 1, 2, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Local Data > Local Data Table", MVT_FMV, 1, 2, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Local Data > VLAN Name Table", MVT_FMV, 2, 3, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Local Data > Protocol VLAN Table", MVT_FMV, 2, 4, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Local Data > Protocol Table", MVT_FMV, 2, 3, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Remote Data > Remote Data Table", MVT_FMV, 3, 4, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Remote Data > VLAN Name Table", MVT_FMV, 4, 5, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Remote Data > Protocol VLAN Table", MVT_FMV, 4, 6, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot1 > Remote Data > Protocol Table", MVT_FMV, 4, 5, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot3 > Local Data Table > Port Tablle", MVT_FMV, 1, 5, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot3 > Local Data Table > Power Table", MVT_FMV, 1, 7, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot3 > Local Data Table > Max Frame Size Table", MVT_FMV, 1, 2, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot3 > Remote Table > Port Table", MVT_FMV, 3, 7, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot3 > Remote Table > Power Table", MVT_FMV, 3, 9, nullptr},
    {"Layer 2 Management > LLDP > LLDP-Dot3 > Remote Table > Max Frame Size Table", MVT_FMV, 3, 4, nullptr},
    {"Layer 2 Management > Loop Detect > Loop Detect Control", SVT_SV, 0, 3, "{vendor}.11.63.11.2.21.1.1"},
    {"Layer 2 Management > Loop Detect > Loop Detect Port Table", MVT_UMV, 1, 3, "{vendor}.11.63.11.2.21.2.1.1.1"},
    {"Layer 2 Management > 802.3 ad > Aggregator Table", MVT_FMV, 1, 11, "{vendor}.12.4.1.1.1.1.1"},
    {"Layer 2 Management > 802.3 ad > Aggregator Port List", MVT_FMV, 1, 2, "{vendor}.12.4.1.1.1.1.1"},
    {"Layer 2 Management > MLD Snooping > MLD Snooping Management", SVT_SV, 0, 1, "{vendor}.12.34.1.1"},
    {"Layer 2 Management > MLD Snooping > MLD Snooping Control", MVT_UMV, 1, 13, "{vendor}.12.34.3.2.1.1"},
    {"Layer 2 Management > PoE > PoE System Control", SVT_SV, 0, 3, "{vendor}.12.24.1.1"},
    {"Layer 2 Management > PoE > PoE System information", SVT_SV, 0, 2, "{vendor}.12.24.2.1"},
    {"Layer 2 Management > PoE > PoE Port Control", MVT_UMV, 1, 5, "{vendor}.12.24.3.1.1.1"},
    {"Layer 2 Management > PoE > PoE Port information", MVT_FMV, 1, 7, "{vendor}.12.24.4.1.1.1"},
};

const PageCase kSingleIPPages[] = {
    {"Single IP > Single IP Control", SVT_SV, 0, 4, "{vendor}.12.8.1.2.1"},
    {"Single IP > My Information", SVT_SV, 0, 3, "{vendor}.12.8.1.1.1"},
    {"Single IP > Candidate Switch", MVT_FMV, 1, 7, "{vendor}.12.8.1.4.1.1"},
    {"Single IP > Group Information", MVT_FMV, 1, 8, "{vendor}.12.8.1.5.1.1"},
    {"Single IP > Neighbor Switch", MVT_FMV, 2, 3, "{vendor}.12.8.1.6.1.1"},
};
void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.path;
}

class PageDefinitionAgrees : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageDefinitionAgrees, WithItsCatalogueLine) {
    const PageCase& c = GetParam();
    const PageEntry& entry = Entry(c.path);
    ASSERT_NE(entry.Definition, nullptr);
    EXPECT_EQ(entry.Definition->ItemType, c.itemType);
    EXPECT_EQ(entry.Definition->KeyCount, c.keyCount);
    EXPECT_EQ(VarCount(*entry.Definition), c.varCount);
    if (c.firstOid != nullptr) {
        EXPECT_EQ(entry.Definition->Vars[0].Oid, VendorOid(c.firstOid));
    }
    if (entry.Form == PageForm::Editor) {
        EXPECT_EQ(c.keyCount, 0);
    } else {
        EXPECT_TRUE(c.keyCount > 0 || c.itemType == SVT_SV);
    }
}

INSTANTIATE_TEST_SUITE_P(BasicConfiguration, PageDefinitionAgrees, ::testing::ValuesIn(kBasicConfigurationPages));
INSTANTIATE_TEST_SUITE_P(Rmon, PageDefinitionAgrees, ::testing::ValuesIn(kRMONPages));
INSTANTIATE_TEST_SUITE_P(Bridge, PageDefinitionAgrees, ::testing::ValuesIn(kBridgePages));
INSTANTIATE_TEST_SUITE_P(Vlan, PageDefinitionAgrees, ::testing::ValuesIn(kVLANPages));
INSTANTIATE_TEST_SUITE_P(SnmpV3, PageDefinitionAgrees, ::testing::ValuesIn(kSNMPV3Pages));
INSTANTIATE_TEST_SUITE_P(SecurityManagement, PageDefinitionAgrees, ::testing::ValuesIn(kSecurityManagementPages));
INSTANTIATE_TEST_SUITE_P(Layer2Management, PageDefinitionAgrees, ::testing::ValuesIn(kLayer2ManagementPages));
INSTANTIATE_TEST_SUITE_P(SingleIp, PageDefinitionAgrees, ::testing::ValuesIn(kSingleIPPages));

// The case tables above cover every page that has a definition.
TEST(PageCatalog, EveryDefinedPageHasACatalogueCase) {
    const size_t cases = std::size(kBasicConfigurationPages) + std::size(kRMONPages) + std::size(kBridgePages) +
                         std::size(kVLANPages) + std::size(kSNMPV3Pages) + std::size(kSecurityManagementPages) +
                         std::size(kLayer2ManagementPages) + std::size(kSingleIPPages);
    EXPECT_EQ(AllDefinitions().size(), cases);
}

// Dotted numbers, or the single blank of an index column that is no object of its own.
TEST(PageDefinitions, OidsAreDottedNumbersOrABlankIndex) {
    const std::regex dotted("[0-9]+(\\.[0-9]+)+");
    int vendorOids = 0;
    for (const PageDefinition* definition : AllDefinitions()) {
        for (int i = 0; i < VarCount(*definition); ++i) {
            const OvSNMPVarDef& var = definition->Vars[i];
            const std::string oid = var.Oid;
            SCOPED_TRACE(std::string(definition->Vars[0].Caption) + " / " + var.Caption);
            if (oid == " ") {
                EXPECT_LT(i, definition->KeyCount);
                EXPECT_EQ(var.Access & ACC_NOTACCESS, ACC_NOTACCESS);
                continue;
            }
            EXPECT_TRUE(std::regex_match(oid, dotted)) << oid;
            if (oid.rfind("1.3.6.1.4.1.", 0) == 0) {
                EXPECT_EQ(oid.rfind(kVendorArc + ".", 0), 0u) << oid;
                ++vendorOids;
            }
        }
    }
    EXPECT_GT(vendorOids, 0);
}

TEST(PageDefinitions, RecordsCarryOnlyTheFirstFiveWords) {
    const std::set<uint32_t> syntaxes = {SYN_INTEGER, SYN_BITSTR, SYN_OCTETSTR, SYN_OBJECTID, SYN_IPADDRESS,
                                         SYN_COUNTER, SYN_GUAGE, SYN_TIMETICKS, SYN_COUNTER64, SYN_MACADDRESS,
                                         SYN_DATETIME, SYN_DISPLAYSTR};
    const std::set<int32_t> accesses = {ACC_NOTACCESS, ACC_NOTACCESS | ACC_IMPLIED, ACC_READONLY, ACC_READWRITE};
    for (const PageDefinition* definition : AllDefinitions()) {
        for (int i = 0; i < VarCount(*definition); ++i) {
            const OvSNMPVarDef& var = definition->Vars[i];
            SCOPED_TRACE(var.Caption);
            EXPECT_TRUE(syntaxes.count(var.Syntax));
            EXPECT_TRUE(accesses.count(var.Access));
            if (var.Access & ACC_IMPLIED) {
                EXPECT_EQ(i, definition->KeyCount - 1);
            }
            EXPECT_TRUE(var.GetExpression == nullptr && var.SetExpression == nullptr && var.Remark == nullptr &&
                        var.InitialValue == nullptr && var.InitialInstanceOid == nullptr);
        }
    }
}

// Each option is found again by its own text and its own value, so no two
// options of a list can be mistaken for each other.
TEST(PageDefinitions, OptionListsAreNonEmptyAndUnambiguous) {
    std::set<const OvOptionList*> lists;
    for (const PageDefinition* definition : AllDefinitions())
        for (int i = 0; i < VarCount(*definition); ++i)
            if (definition->Vars[i].Options != nullptr)
                lists.insert(definition->Vars[i].Options);
    EXPECT_GT(lists.size(), 100u);
    for (const OvOptionList* list : lists) {
        ASSERT_GT(list->Count(), 0);
        for (int i = 0; i < list->Count(); ++i) {
            const OvOption& option = list->Option(i);
            EXPECT_FALSE(option.OptionText.empty());
            EXPECT_EQ(list->IndexOfText(option.OptionText), i) << option.OptionText;
            const std::string value = list->ValueType() == OvOptionList::IntegerValues
                                          ? std::to_string(option.IntegerValue)
                                          : option.TextValue;
            EXPECT_EQ(list->IndexOfValue(value), i) << option.OptionText;
        }
    }
}

TEST(PageDefinitions, TextValuedOptionsMapObjectIdentifiers) {
    const OvSNMPVarDef& auth = Entry("SNMP V3 > User-based Security Model > User Table").Definition->Vars[4];
    ASSERT_NE(auth.Options, nullptr);
    EXPECT_EQ(auth.Options->ValueType(), OvOptionList::TextValues);
    EXPECT_EQ(auth.Options->ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(auth.Options->TextToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    const OvSNMPVarDef& priv = Entry("SNMP V3 > User-based Security Model > User Table").Definition->Vars[7];
    EXPECT_EQ(priv.Options->TextToValue("DES"), "1.3.6.1.6.3.10.1.2.2");
}

// Adding a row writes "createAndGo" and deleting writes "destroy" into the row-status column.
TEST(PageDefinitions, RowStatusColumnsOfferCreateAndDestroy) {
    int pages = 0;
    for (const PageEntry& entry : PageCatalog()) {
        if (entry.RowStatus < 0)
            continue;
        ++pages;
        SCOPED_TRACE(entry.Caption);
        EXPECT_EQ(entry.Form, PageForm::Table);
        ASSERT_LT(entry.RowStatus, VarCount(*entry.Definition));
        const OvSNMPVarDef& column = entry.Definition->Vars[entry.RowStatus];
        EXPECT_EQ(column.Access, ACC_READWRITE);
        ASSERT_NE(column.Options, nullptr);
        EXPECT_EQ(column.Options->TextToValue("createAndGo"), "4");
        EXPECT_EQ(column.Options->TextToValue("destroy"), "6");
    }
    EXPECT_EQ(pages, 18);
}

TEST(PageDefinitions, InputRulesAndPortListsFitTheirItems) {
    const std::regex rule("%[is]\\{[^}]*\\}");
    for (const PageEntry& entry : PageCatalog()) {
        SCOPED_TRACE(entry.Caption);
        for (const PageFormat& format : entry.Formats) {
            ASSERT_LT(format.Item, VarCount(*entry.Definition));
            EXPECT_TRUE(std::regex_match(format.Format, rule)) << format.Format;
            // A number rule on a text item means the rule was given to the wrong item.
            if (format.Format[1] == 'i') {
                const uint32_t syntax = entry.Definition->Vars[format.Item].Syntax;
                EXPECT_TRUE(syntax == SYN_INTEGER || syntax == SYN_GUAGE) << format.Item;
            }
        }
        if (entry.Extras & ExtraPortList28) {
            const uint32_t syntax = entry.Definition->Vars[2].Syntax;
            EXPECT_TRUE(syntax == SYN_BITSTR || syntax == SYN_OCTETSTR);
            EXPECT_EQ(entry.Definition->Vars[2].Access, ACC_READWRITE);
        }
    }
}

TEST(PageDefinitions, EveryDefinitionLoadsIntoAVariableList) {
    for (const PageDefinition* definition : AllDefinitions()) {
        const OvSNMPVarList list(definition->Vars, static_cast<uint8_t>(definition->ItemType),
                                 definition->KeyCount);
        SCOPED_TRACE(definition->Vars[0].Caption);
        ASSERT_EQ(list.Count(), VarCount(*definition));
        EXPECT_EQ(list.ItemType, definition->ItemType);
        EXPECT_EQ(list.KeyCount, definition->KeyCount);
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.Item(i).Oid, definition->Vars[i].Oid);
            EXPECT_EQ(list.Item(i).Caption, definition->Vars[i].Caption);
            EXPECT_EQ(list.Item(i).Options, definition->Vars[i].Options);
            EXPECT_EQ(list.IsImplied(i), (definition->Vars[i].Access & ACC_IMPLIED) != 0);
        }
    }
}

TEST(PageCatalog, TrustHostTableAddsAndDeletesOnly) {
    const PageEntry& entry = Entry("Basic Configuration > Agent Management > Trust Host > Trust Host Table");
    EXPECT_EQ(entry.Form, PageForm::Table);
    EXPECT_EQ(entry.RowStatus, 3);
    EXPECT_EQ(entry.Extras, static_cast<uint32_t>(ExtraNoEdit));
    const OvSNMPVarDef* vars = entry.Definition->Vars;
    const std::string base = kVendorArc + ".12.1.2.10.1.1.";
    const struct {
        std::string oid;
        const char* caption;
        uint32_t syntax;
        int32_t access;
    } expected[] = {
        {base + "1", "Index", SYN_INTEGER, ACC_NOTACCESS},
        {base + "2", "IP Address", SYN_IPADDRESS, ACC_READWRITE},
        {base + "4", "Subnet Mask", SYN_IPADDRESS, ACC_READWRITE},
        {base + "3", "Row Status", SYN_INTEGER, ACC_READWRITE},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(vars[i].Oid, expected[i].oid);
        EXPECT_STREQ(vars[i].Caption, expected[i].caption);
        EXPECT_EQ(vars[i].Syntax, expected[i].syntax);
        EXPECT_EQ(vars[i].Access, expected[i].access);
    }
    EXPECT_EQ(OptionTexts(vars[3].Options),
              (std::vector<std::string>{"1 active", "2 notInService", "3 notReady", "4 createAndGo",
                                        "5 createAndWait", "6 destroy"}));
}

TEST(PageCatalog, SaveChangesWritesTheChosenSaveValue) {
    const PageEntry& entry = Entry("Basic Configuration > Save Changes");
    EXPECT_EQ(entry.Form, PageForm::Editor);
    ASSERT_EQ(VarCount(*entry.Definition), 1);
    const OvSNMPVarDef& save = entry.Definition->Vars[0];
    EXPECT_EQ(save.Oid, kVendorArc + ".12.1.2.6");
    EXPECT_STREQ(save.Caption, "Save");
    EXPECT_EQ(save.Access, ACC_READWRITE);
    EXPECT_EQ(OptionTexts(save.Options),
              (std::vector<std::string>{"1 other", "2 cfg-id1", "3 cfg-id2", "4 log", "5 all"}));
    EXPECT_EQ(save.Options->TextToValue("all"), "5");
}

TEST(PageCatalog, HiddenPagesAreCompleteButHidden) {
    const PageEntry& collisions = Entry("Basic Configuration > EtherLike-MIB > Dot3 Collisions");
    EXPECT_TRUE(collisions.Hidden);
    EXPECT_EQ(collisions.Form, PageForm::Table);
    EXPECT_EQ(collisions.Extras, static_cast<uint32_t>(ExtraHeight450));
    EXPECT_STREQ(collisions.Definition->Vars[0].Oid, " ");
    EXPECT_STREQ(collisions.Definition->Vars[2].Caption, "Collisions Frequencies");

    const PageEntry& ipv6 = Entry("Layer 2 Management > Access Control Information > IPv6 Mask Information");
    EXPECT_TRUE(ipv6.Hidden);
    EXPECT_EQ(ipv6.Form, PageForm::None);

    // The PoE menu is complete; the main window hides it at run time.
    const PageEntry& poe = Entry("Layer 2 Management > PoE");
    EXPECT_EQ(poe.Form, PageForm::Menu);
    for (const char* page : {"PoE System Control", "PoE System information", "PoE Port Control", "PoE Port information"})
        EXPECT_NE(Entry(std::string("Layer 2 Management > PoE > ") + page).Definition, nullptr) << page;
}

// The three pages with 64-bit counters run over SNMPv2c.
TEST(PageCatalog, PagesWithCounter64RunOverV2c) {
    std::set<std::string> v2c;
    const auto paths = EntryPaths();
    for (size_t i = 0; i < paths.size(); ++i)
        if (PageCatalog()[i].Extras & ExtraV2c)
            v2c.insert(paths[i]);
    EXPECT_EQ(v2c, (std::set<std::string>{
                       "Basic Configuration > IF-MIB > IfX Table",
                       "Security Management > 802.1X > Auth Session Statistics",
                       "Security Management > 802.1X > MAC_Based Authentication > Session Information"}));
    for (const std::string& path : v2c) {
        const PageDefinition& definition = *Entry(path).Definition;
        const OvSNMPVarDef* end = definition.Vars + VarCount(definition);
        EXPECT_TRUE(std::any_of(definition.Vars, end, [](const OvSNMPVarDef& v) { return v.Syntax == SYN_COUNTER64; }))
            << path;
    }
    EXPECT_EQ(Entry("Basic Configuration > IF-MIB > IfX Table").Extras,
              static_cast<uint32_t>(ExtraHeight450 | ExtraV2c));
}

TEST(PageCatalog, ExtrasOfSingledOutPages) {
    const struct {
        const char* path;
        uint32_t extras;
    } cases[] = {
        {"VLAN > VLAN Multiply Management", ExtraPortList28},
        {"Layer 2 Management > LLDP > Configuration > Address Configuration", ExtraPortList28},
        {"VLAN > QinQ > QinQ Port Table", ExtraNote},
        {"SNMP V3 > SNMP Engine", ExtraValueWidth150},
        {"Bridge > Spanning Tree > STP Control", ExtraStpVersionFirst},
        {"Basic Configuration > SMTP Management > SMTP Control Table", ExtraOwnCaption},
        {"Basic Configuration > Ping > Ping Control Table", ExtraNoEdit},
        {"Security Management > AAC > Server Group", ExtraNoEdit},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Entry(c.path).Extras, c.extras) << c.path;
    const OvSNMPVarDef& ports = Entry("VLAN > VLAN Multiply Management").Definition->Vars[2];
    EXPECT_STREQ(ports.Caption, "Port List");
    EXPECT_EQ(ports.Syntax, SYN_BITSTR);
}

TEST(PageCatalog, DeviceControlInputRules) {
    const PageEntry& entry = Entry("Layer 2 Management > Device Control");
    std::vector<std::pair<int, std::string>> formats;
    for (const PageFormat& format : entry.Formats)
        formats.emplace_back(format.Item, format.Format);
    EXPECT_EQ(formats, (std::vector<std::pair<int, std::string>>{
                           {4, "%i{n1x4094l4}"}, {11, "%i{n1x500l3}"}, {12, "%i{n1x2147483647l10}"}}));
    EXPECT_STREQ(entry.Definition->Vars[4].Caption, "Management VLAN ID");
    EXPECT_STREQ(entry.Definition->Vars[12].Caption, "MAC Notify Interval");
}

TEST(PageCatalog, WindowCaptions) {
    const struct {
        const char* path;
        const char* caption;
    } cases[] = {
        {"Bridge > Spanning Tree > MSTP Instance Control", "MSTP Instance Control: 10.90.90.90"},
        {"Basic Configuration > Agent Management > Basic Management", "Basic Management : 10.90.90.90"},
        {"Layer 2 Management > CPU Filter > Ethernet Rule (CPU Filter)", "Ethernet Rule (CPU Filter):: 10.90.90.90"},
        {"Layer 2 Management > Device Control", "Layer 2 Device Control : 10.90.90.90"},
        {"Basic Configuration > Agent Management > MIB Capabilities", "MIB Capabilities : 10.90.90.90"},
        {"VLAN > VLAN Multiply Management", "VLAN Multiply Management :10.90.90.90"},
        {"Single IP > Group Information", "Single IP Group Management 10.90.90.90"},
        {"Basic Configuration > System Log Management > System Log Management", "System Log Mangement : 10.90.90.90"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowCaption(Entry(c.path), "10.90.90.90"), c.caption) << c.path;
}

// The pages read and write the simulated switch over SNMPv2c, as the main
// window's configuration pages do.
class PageOnSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        CreateGlobalSession("");
        DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(switch_.Port())};
        DefaultSettings().Security.Version = 1;
        DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;
        DefaultSettings().Security.WriteCommunity = SimSwitch::WriteCommunity;
    }
    void TearDown() override {
        OvSNMPSession::DestroyGlobal();
        ResetDefaultSettings();
        std::filesystem::current_path(previous_);
    }
    static std::unique_ptr<OvSNMPRequest> Request(const std::string& path) {
        const PageDefinition& definition = *Entry(path).Definition;
        auto request = std::make_unique<OvSNMPRequest>();
        request->List.Assign(
            OvSNMPVarList(definition.Vars, static_cast<uint8_t>(definition.ItemType), definition.KeyCount));
        return request;
    }
    // Item `item` of every row, in walk order.
    static std::vector<std::string> Column(OvSNMPRequest& request, int item) {
        std::vector<std::string> values;
        for (bool first = true; request.FetchRow(first); first = false)
            values.push_back(request.List.Item(item).Value);
        return values;
    }

    SimSwitch switch_;
    TempDir dir_;
    std::filesystem::path previous_;
};

TEST_F(PageOnSwitch, DeviceControlReadsEveryScalarAndShowsItsOptions) {
    const std::string path = "Layer 2 Management > Device Control";
    auto request = Request(path);
    EXPECT_FALSE(request->FetchRow(true));
    const OvSNMPVarList& list = request->List;
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_NE(list.Item(i).Value, OV_NULL_VALUE) << list.Item(i).Caption;
    EXPECT_EQ(list.Item(1).Value, "10.90.90.90");
    EXPECT_EQ(list.Item(8).Value, "enabled");
    EXPECT_EQ(list.Item(5).Value, "disabled");
    EXPECT_EQ(list.Item(0).Value, "other");
}

TEST_F(PageOnSwitch, TablesWalkWithTheirKeyColumns) {
    const struct {
        const char* path;
        int item;
        size_t rows;
        const char* first;
        const char* last;
    } cases[] = {
        {"Layer 2 Management > QoS Management > Bandwidth Control Table", 0, 28, "1", "28"},
        {"Layer 2 Management > Port Management > Port Control Table", 1, 32, "copper", "fiber"},
        {"Layer 2 Management > Port Management > Port Information Table", 2, 28, "full-1Gigabps", "auto"},
        {"Basic Configuration > Agent Management > Trust Host > Trust Host Table", 1, 2, "10.90.90.10",
         "192.168.20.0"},
    };
    for (const auto& c : cases) {
        auto request = Request(c.path);
        const std::vector<std::string> values = Column(*request, c.item);
        ASSERT_EQ(values.size(), c.rows) << c.path;
        EXPECT_EQ(values.front(), c.first) << c.path;
        EXPECT_EQ(values.back(), c.last) << c.path;
    }
}

TEST_F(PageOnSwitch, IfXTableReadsItsCounter64ColumnsOverV2c) {
    auto request = Request("Basic Configuration > IF-MIB > IfX Table");
    const std::vector<std::string> aliases = Column(*request, 18);
    ASSERT_EQ(aliases.size(), 28u);
    EXPECT_EQ(aliases.front(), "uplink to core");
    EXPECT_EQ(aliases[24], "access point, PoE");
}

TEST_F(PageOnSwitch, VlanMultiplyManagementReadsThePortListAsHex) {
    auto request = Request("VLAN > VLAN Multiply Management");
    request->FetchRow(true);
    EXPECT_EQ(request->List.Item(2).Value, "FFFFFFF0");
    EXPECT_EQ(request->List.Item(1).Value, "disabled");
}

// A row is added with the row-status option "createAndGo" and deleted with "destroy" alone.
TEST_F(PageOnSwitch, TrustHostRowIsAddedAndDeletedThroughItsRowStatusColumn) {
    const std::string path = "Basic Configuration > Agent Management > Trust Host > Trust Host Table";
    const int status = Entry(path).RowStatus;
    auto request = Request(path);
    OvSNMPVarList& list = request->List;
    list.Item(0).Value = "3";
    list.Item(1).Value = "10.1.1.0";
    list.Item(2).Value = "255.255.255.0";
    list.Item(status).Value = "createAndGo";
    request->SetSync(false, "1,2," + std::to_string(status));
    EXPECT_EQ(Column(*Request(path), 1), (std::vector<std::string>{"10.90.90.10", "192.168.20.0", "10.1.1.0"}));

    list.Item(status).Value = "destroy";
    switch_.ClearJournal();
    request->SetSync(false, std::to_string(status));
    const auto journal = switch_.Journal();
    ASSERT_EQ(journal.size(), 1u);
    ASSERT_EQ(journal[0].varbinds.size(), 1u);
    EXPECT_EQ(journal[0].varbinds[0].oid, kVendorArc + ".12.1.2.10.1.1.3.3");
    EXPECT_EQ(journal[0].varbinds[0].value, "6");
    EXPECT_EQ(Column(*Request(path), 1), (std::vector<std::string>{"10.90.90.10", "192.168.20.0"}));
}

}  // namespace
