#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct OvSNMPVarDef;

//  Menu: a submenu (its children follow with Depth+1); Separator: a separator line;
//  Editor: scalar editor page; Table: table editor page; Dialog: dedicated dialog (Target = class name);
//  Tool: tool page (Target = the page, e.g. "/TMIB_IFTable"); Command: the main window's own command
//  (Target = "Reboot", "Help", "About", "RmonControl" for the pages that also run a command ...);
//  None: an entry without a command (exists only inside hidden menus).
enum class PageForm : uint8_t { Menu, Separator, Editor, Table, Dialog, Tool, Command, None };

// ExtraOwnCaption: the dialog captions itself; the main window leaves its caption alone.
enum PageExtra : uint32_t {
    ExtraHeight450 = 1, ExtraValueWidth150 = 2, ExtraPortList28 = 4, ExtraNoEdit = 8,
    ExtraNote = 16, ExtraV2c = 32, ExtraRmonUpdate = 64, ExtraStpVersionFirst = 128,
    ExtraOwnCaption = 256
};

struct PageDefinition {          // one page's static definition table
    uint32_t ItemType;           // the SVT_SV/MVT_SV/MVT_FMV/MVT_UMV codes of src/snmpmodel/ovsnmpcodes.h
    int KeyCount;
    const OvSNMPVarDef* Vars;    // ended by a record with a null Oid, as OvSNMPVarList expects
};

struct PageFormat { int Item; const char* Format; };   // input rule of one item's edit

struct PageEntry {
    uint8_t Depth;               // 0 = top-level menu of the menu bar
    const char* Caption;         // the menu text, exactly
    bool Hidden;
    PageForm Form;
    const char* Target;          // see PageForm; null for Editor/Table/Menu/Separator/None
    const PageDefinition* Definition;  // Editor/Table pages (and the RMON Control command); null otherwise
    const char* CaptionPrefix;   // null = the caption followed by " : "
    int RowStatus;               // -1 = none
    uint32_t Extras;             // PageExtra bits
    std::span<const PageFormat> Formats;  // input rules applied after the page is built
};

std::span<const PageEntry> PageCatalog();   // the whole tree, depth-first, in menu order

// The entry at the end of a path of menu captions, e.g. {"VLAN", "VLAN Multiply Management"};
// nullptr when there is none.
const PageEntry* FindPage(std::span<const std::string_view> path);
