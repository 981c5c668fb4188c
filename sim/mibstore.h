#pragma once

#include "oidtext.h"
#include "simvalue.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

// One column of a table: how a new row's cell is typed, whether a manager may
// write it, and the value template a new row starts with.
struct MibColumn {
    std::string kind;
    bool writable = false;
    std::string valueTemplate;
};

// A conceptual table as far as writes need it: its entry OID, the number of
// index arcs (0 for any), the RowStatus column (0 for none) and its columns.
struct MibTable {
    Oid entry;
    size_t indexLength = 1;
    uint32_t rowStatusColumn = 0;
    std::map<uint32_t, MibColumn> columns;
};

struct MibCell {
    SimValue value;
    bool writable = false;
};

using SetBinding = std::pair<Oid, SimValue>;

// SNMP error-status values a set can end with (RFC 3416 numbering).
enum SetStatus : int {
    kSetOk = 0,
    kWrongType = 7,
    kWrongValue = 10,
    kNoCreation = 11,
    kInconsistentValue = 12,
    kNotWritable = 17,
    kInconsistentName = 18,
};

// The switch's objects in OID order, and the rules by which a set changes them.
class MibStore {
public:
    void Put(const Oid& oid, SimValue value, bool writable);
    void Replace(const Oid& oid, SimValue value);
    void AddTable(MibTable table);
    const MibTable* FindTable(const Oid& entry) const;
    // Adds a row from the column templates; `given` holds value texts of
    // columns whose row differs from the template.
    void AddRow(const MibTable& table, const Oid& index, const std::map<uint32_t, std::string>& given = {});

    const MibCell* Find(const Oid& oid) const;
    // The first object after `oid` in lexicographic order, or null.
    const std::pair<const Oid, MibCell>* Next(const Oid& oid) const;
    const std::pair<const Oid, MibCell>* AtOrAfter(const Oid& oid) const;
    // Whether some object lies directly under `parent` (a scalar or column).
    bool HasChildren(const Oid& parent) const;
    // The subtrees an agent registers to serve every object and table.
    std::vector<Oid> Roots() const;

    // Checks one binding of a set PDU against the objects as they are; `pdu`
    // is every binding of the PDU, for row creation and destruction rules.
    SetStatus CheckSet(const Oid& oid, const SimValue& value, const std::vector<SetBinding>& pdu) const;
    // Applies a binding that CheckSet accepted.
    void ApplySet(const Oid& oid, const SimValue& value);

    static SimValue MakeValue(const std::string& kind, const std::string& text, const Oid& index = {});

private:
    struct RowAddress {
        const MibTable* table = nullptr;
        uint32_t column = 0;
        Oid index;
    };

    RowAddress Locate(const Oid& oid) const;
    bool RowExists(const MibTable& table, const Oid& index) const;
    bool CanBuildRow(const MibTable& table, const Oid& index) const;
    std::map<Oid, MibCell> BuildRow(const MibTable& table, const Oid& index,
                                    const std::map<uint32_t, std::string>& given) const;
    void EraseRow(const MibTable& table, const Oid& index);
    SetStatus CheckRowStatus(const RowAddress& at, const SimValue& value, const std::vector<SetBinding>& pdu) const;
    SetStatus CheckNewCell(const RowAddress& at, const SimValue& value, const std::vector<SetBinding>& pdu) const;
    bool PduCreatesRow(const RowAddress& at, const std::vector<SetBinding>& pdu) const;

    std::map<Oid, MibCell> cells_;
    std::deque<MibTable> tables_;   // stable addresses while rows are added
};
