#include "ovsnmpvarlist.h"

#include <gtest/gtest.h>

#include "ovexception.h"

namespace {

const OvOptionDef kState[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList kStateList(kState, OvOptionList::IntegerValues);

const char* const kStart = "7";
const char* const kInstance = "1.3.6.1.2.1.2.2.1.1.7";

const OvSNMPVarDef kPortTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "State", SYN_INTEGER, ACC_READWRITE, &kStateList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Name", SYN_DISPLAYSTR, ACC_READONLY, nullptr, "$0+1", "$0-1", "note", &kStart,
     &kInstance},
    {},
};
const OvSNMPVarDef kTerminatorOnly[] = {{}};

TEST(OvSNMPVarList, BuildsItemsFromTheTable) {
    const OvSNMPVarList list(kPortTable, MVT_UMV, 1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemType, MVT_UMV);
    EXPECT_EQ(list.KeyCount, 1);
    EXPECT_EQ(list.Instance, "");
    EXPECT_EQ(list.Name, "");
    const OvSNMPVarItem& state = list.Item(1);
    EXPECT_EQ(state.Oid, "1.3.6.1.2.1.17.7.1.4.5.1.2");
    EXPECT_EQ(state.Caption, "State");
    EXPECT_EQ(state.Options, &kStateList);
    EXPECT_FALSE(state.GetExpression.has_value());
    EXPECT_FALSE(state.Remark.has_value());
    EXPECT_EQ(state.Value, "");
    EXPECT_EQ(state.InstanceOid, "");
    const OvSNMPVarItem& name = list.Item(2);
    EXPECT_EQ(name.GetExpression, "$0+1");
    EXPECT_EQ(name.SetExpression, "$0-1");
    EXPECT_EQ(name.Remark, "note");
    EXPECT_EQ(name.Value, "7");
    EXPECT_EQ(name.InstanceOid, kInstance);
}

TEST(OvSNMPVarList, TerminatorOnlyOrNullTableAddsNothing) {
    OvSNMPVarList list(kTerminatorOnly, SVT_SV, 0);
    EXPECT_EQ(list.Count(), 0);
    list.AddDefinitions(kPortTable);
    list.AddDefinitions(kTerminatorOnly);
    list.AddDefinitions(nullptr);
    EXPECT_EQ(list.Count(), 3);
}

TEST(OvSNMPVarList, AddDefinitionsKeepsExistingItemsInFront) {
    OvSNMPVarList list;
    list.AddVariable("1.3.6.1.2.1.1.5", "System Name", SYN_DISPLAYSTR, ACC_READWRITE);
    list.AddDefinitions(kPortTable);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(0).Caption, "System Name");
    EXPECT_EQ(list.Item(1).Caption, "Port");
}

TEST(OvSNMPVarList, AddVariableStoresEmptyTextsAsAbsent) {
    OvSNMPVarList list;
    list.AddVariable("1.3.6.1.2.1.1.3", "Up Time", SYN_TIMETICKS, ACC_READONLY, &kStateList, "", "$0", "");
    const OvSNMPVarItem& item = list.Item(0);
    EXPECT_FALSE(item.GetExpression.has_value());
    EXPECT_EQ(item.SetExpression, "$0");
    EXPECT_FALSE(item.Remark.has_value());
    EXPECT_EQ(item.Options, &kStateList);
    EXPECT_EQ(item.Syntax, SYN_TIMETICKS);
}

TEST(OvSNMPVarList, CopyTakesNameButNotInstance) {
    OvSNMPVarList source(kPortTable, MVT_FMV, 1);
    source.Name = "ports";
    source.Instance = "5";
    source.Item(2).Value = "eth5";
    const OvSNMPVarList copy(source);
    EXPECT_EQ(copy.Name, "ports");
    EXPECT_EQ(copy.Instance, "");
    EXPECT_EQ(copy.ItemType, MVT_FMV);
    EXPECT_EQ(copy.Item(2).Value, "eth5");
    EXPECT_EQ(copy.Item(2).Remark, "note");

    OvSNMPVarList target;
    target.Instance = "9";
    target.AddVariable("1.2", "old", SYN_INTEGER, ACC_READONLY);
    target.Assign(source);
    EXPECT_EQ(target.Instance, "9");
    EXPECT_EQ(target.Count(), 3);
    EXPECT_EQ(target.KeyCount, 1);
    source.Item(2).Value = "changed";
    EXPECT_EQ(target.Item(2).Value, "eth5");
}

TEST(OvSNMPVarList, SavedCopyRestoresAccessAfterSelectiveWrite) {
    OvSNMPVarList list(kPortTable, MVT_UMV, 1);
    const OvSNMPVarList saved(list);
    list.Item(1).Access |= ACC_INVALID;
    list.Item(1).Value = "3";
    list = saved;
    EXPECT_EQ(list.Item(1).Access, ACC_READWRITE);
    EXPECT_EQ(list.Item(1).Value, "");
}

TEST(OvSNMPVarList, AppendInstanceToOids) {
    OvSNMPVarList list(kPortTable, MVT_SV, 0);
    list.AppendInstanceToOids("3.1");
    EXPECT_EQ(list.Item(0).Oid, "1.3.6.1.2.1.17.7.1.4.5.1.1.3.1");
    EXPECT_EQ(list.Item(2).Oid, "1.3.6.1.2.1.17.7.1.4.5.1.3.3.1");
}

TEST(OvSNMPVarList, ClearRemovesAllItems) {
    OvSNMPVarList list(kPortTable, MVT_UMV, 1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(OvSNMPVarList, IndexOutsideTheListRaisesOutOfRange) {
    OvSNMPVarList list(kPortTable, MVT_UMV, 1);
    for (int index : {-1, 3, 1000}) {
        try {
            list.Item(index);
            FAIL() << index;
        } catch (const OvException& e) {
            EXPECT_EQ(e.Code(), -12);
            EXPECT_EQ(e.Text(), "Out of range at index of array or list!");
        }
    }
    EXPECT_THROW(list.IsReadable(3), OvException);
}

struct AccessCase {
    int32_t Access;
    uint8_t ItemType;
    int Index;  // below KeyCount 1 means an index column
    bool Implied, Readable, Settable, Shown, Unshown;
};

TEST(OvSNMPVarList, AccessPredicates) {
    const AccessCase cases[] = {
        {ACC_NOTACCESS, MVT_UMV, 0, false, false, true, true, false},
        {ACC_NOTACCESS | ACC_IMPLIED, MVT_FMV, 0, true, false, true, true, false},
        {ACC_NOTACCESS, MVT_SV, 0, false, false, false, true, false},
        {ACC_NOTACCESS, MVT_UMV, 1, false, false, false, true, false},
        {ACC_READONLY, SVT_SV, 1, false, true, false, true, false},
        {ACC_WRITEONLY, SVT_SV, 1, false, false, true, false, true},
        {ACC_READWRITE, SVT_SV, 1, false, true, true, true, false},
        {ACC_DERIVED, SVT_SV, 1, false, false, false, true, false},
        {ACC_READWRITE | ACC_HIDDEN, SVT_SV, 1, false, true, true, false, true},
        {ACC_INVALID, SVT_SV, 1, false, false, false, false, true},
        {ACC_READWRITE | ACC_INVALID, MVT_UMV, 0, false, false, false, false, true},
        {ACC_WRITEONLY | ACC_HIDDEN, SVT_SV, 1, false, false, true, false, true},
    };
    for (const AccessCase& c : cases) {
        OvSNMPVarList list;
        list.ItemType = c.ItemType;
        list.KeyCount = 1;
        list.AddVariable("1.1", "key", SYN_INTEGER, ACC_NOTACCESS);
        list.AddVariable("1.2", "column", SYN_INTEGER, ACC_READONLY);
        list.Item(c.Index).Access = c.Access;
        SCOPED_TRACE(testing::Message() << "access " << c.Access << " type " << int(c.ItemType) << " index "
                                        << c.Index);
        EXPECT_EQ(list.IsImplied(c.Index), c.Implied);
        EXPECT_EQ(list.IsReadable(c.Index), c.Readable);
        EXPECT_EQ(list.IsSettable(c.Index), c.Settable);
        EXPECT_EQ(list.IsShown(c.Index), c.Shown);
        EXPECT_EQ(list.IsUnshown(c.Index), c.Unshown);
    }
}

TEST(OvSNMPVarList, ShownAndUnshownCounts) {
    OvSNMPVarList list(kPortTable, MVT_UMV, 1);
    list.AddVariable("1.4", "write only", SYN_INTEGER, ACC_WRITEONLY);
    list.AddVariable("1.5", "hidden", SYN_INTEGER, ACC_READWRITE | ACC_HIDDEN);
    EXPECT_EQ(list.ShownCount(), 3);
    EXPECT_EQ(list.UnshownCount(), 2);
}

TEST(OvSNMPVarList, OwnedOptionListsStayWithTheirList) {
    OvSNMPVarList list;
    list.AdoptOptionList(std::make_unique<OvOptionList>(kState, OvOptionList::IntegerValues));
    EXPECT_EQ(list.OwnedOptionListCount(), 1);
    const OvSNMPVarList copy(list);
    EXPECT_EQ(copy.OwnedOptionListCount(), 0);
}

}  // namespace
