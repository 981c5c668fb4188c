#include "mibstore.h"

#include "valuetemplate.h"

#include <algorithm>
#include <stdexcept>

namespace {

enum RowStatusValue : int64_t {
    kActive = 1,
    kNotInService = 2,
    kCreateAndGo = 4,
    kCreateAndWait = 5,
    kDestroy = 6,
};

constexpr size_t kRootLength = 7;

Oid CellOid(const MibTable& table, uint32_t column, const Oid& index) {
    Oid oid = table.entry;
    oid.push_back(column);
    oid.insert(oid.end(), index.begin(), index.end());
    return oid;
}

}  // namespace

SimValue MibStore::MakeValue(const std::string& kind, const std::string& text, const Oid& index) {
    const std::string substituted = ValueTemplate::Substitute(text, index);
    if (SimValue::IsNumericKind(kind))
        return SimValue::FromText(kind, std::to_string(ValueTemplate::Evaluate(substituted)));
    return SimValue::FromText(kind, substituted);
}

void MibStore::Put(const Oid& oid, SimValue value, bool writable) {
    cells_[oid] = MibCell{std::move(value), writable};
}

void MibStore::Replace(const Oid& oid, SimValue value) {
    auto it = cells_.find(oid);
    if (it != cells_.end()) it->second.value = std::move(value);
}

void MibStore::AddTable(MibTable table) {
    for (MibTable& known : tables_) {
        if (known.entry == table.entry) {
            known = std::move(table);
            return;
        }
    }
    tables_.push_back(std::move(table));
}

const MibTable* MibStore::FindTable(const Oid& entry) const {
    for (const MibTable& table : tables_)
        if (table.entry == entry) return &table;
    return nullptr;
}

void MibStore::AddRow(const MibTable& table, const Oid& index, const std::map<uint32_t, std::string>& given) {
    if (table.indexLength != 0 && index.size() != table.indexLength)
        throw std::invalid_argument("row index " + OidText::Format(index) + " does not fit the table");
    for (auto& [oid, cell] : BuildRow(table, index, given)) cells_[oid] = std::move(cell);
}

const MibCell* MibStore::Find(const Oid& oid) const {
    auto it = cells_.find(oid);
    return it == cells_.end() ? nullptr : &it->second;
}

const std::pair<const Oid, MibCell>* MibStore::Next(const Oid& oid) const {
    auto it = cells_.upper_bound(oid);
    return it == cells_.end() ? nullptr : &*it;
}

const std::pair<const Oid, MibCell>* MibStore::AtOrAfter(const Oid& oid) const {
    auto it = cells_.lower_bound(oid);
    return it == cells_.end() ? nullptr : &*it;
}

bool MibStore::HasChildren(const Oid& parent) const {
    const auto* next = Next(parent);
    return next && OidText::StartsWith(next->first, parent);
}

std::vector<Oid> MibStore::Roots() const {
    std::vector<Oid> roots;
    auto add = [&roots](const Oid& oid) {
        const Oid root(oid.begin(), oid.begin() + static_cast<long>(std::min(oid.size(), kRootLength)));
        for (const Oid& known : roots)
            if (OidText::StartsWith(root, known)) return;
        std::erase_if(roots, [&root](const Oid& known) { return OidText::StartsWith(known, root); });
        roots.push_back(root);
    };
    for (const auto& [oid, cell] : cells_) add(oid);
    for (const MibTable& table : tables_) add(table.entry);
    std::sort(roots.begin(), roots.end());
    return roots;
}

MibStore::RowAddress MibStore::Locate(const Oid& oid) const {
    for (const MibTable& table : tables_) {
        if (oid.size() < table.entry.size() + 2 || !OidText::StartsWith(oid, table.entry)) continue;
        const uint32_t column = oid[table.entry.size()];
        Oid index(oid.begin() + static_cast<long>(table.entry.size()) + 1, oid.end());
        if (!table.columns.count(column)) continue;
        if (table.indexLength != 0 && index.size() != table.indexLength) continue;
        return RowAddress{&table, column, std::move(index)};
    }
    return {};
}

bool MibStore::RowExists(const MibTable& table, const Oid& index) const {
    for (const auto& [column, def] : table.columns)
        if (cells_.count(CellOid(table, column, index))) return true;
    return false;
}

std::map<Oid, MibCell> MibStore::BuildRow(const MibTable& table, const Oid& index,
                                          const std::map<uint32_t, std::string>& given) const {
    std::map<Oid, MibCell> row;
    for (const auto& [column, def] : table.columns) {
        auto text = given.find(column);
        const std::string& source = text == given.end() ? def.valueTemplate : text->second;
        row[CellOid(table, column, index)] = MibCell{MakeValue(def.kind, source, index), def.writable};
    }
    return row;
}

bool MibStore::CanBuildRow(const MibTable& table, const Oid& index) const {
    try {
        BuildRow(table, index, {});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void MibStore::EraseRow(const MibTable& table, const Oid& index) {
    for (const auto& [column, def] : table.columns) cells_.erase(CellOid(table, column, index));
}

bool MibStore::PduCreatesRow(const RowAddress& at, const std::vector<SetBinding>& pdu) const {
    const Oid status = CellOid(*at.table, at.table->rowStatusColumn, at.index);
    return std::any_of(pdu.begin(), pdu.end(), [&status](const SetBinding& binding) {
        return binding.first == status && binding.second.type == SimType::Integer &&
               (binding.second.number == kCreateAndGo || binding.second.number == kCreateAndWait);
    });
}

SetStatus MibStore::CheckRowStatus(const RowAddress& at, const SimValue& value,
                                   const std::vector<SetBinding>& pdu) const {
    const bool exists = RowExists(*at.table, at.index);
    switch (value.number) {
    case kCreateAndGo:
    case kCreateAndWait:
        if (exists) return kInconsistentValue;
        return CanBuildRow(*at.table, at.index) ? kSetOk : kNoCreation;
    case kActive:
    case kNotInService:
        return exists ? kSetOk : kInconsistentValue;
    case kDestroy: {
        // A row that goes away takes no other values in the same PDU.
        const Oid status = CellOid(*at.table, at.table->rowStatusColumn, at.index);
        for (const SetBinding& binding : pdu) {
            const RowAddress other = Locate(binding.first);
            if (binding.first != status && other.table == at.table && other.index == at.index)
                return kInconsistentValue;
        }
        return kSetOk;
    }
    default:
        return kWrongValue;
    }
}

SetStatus MibStore::CheckNewCell(const RowAddress& at, const SimValue& value,
                                 const std::vector<SetBinding>& pdu) const {
    const MibColumn& column = at.table->columns.at(at.column);
    if (!column.writable) return kNotWritable;
    if (value.type != MakeValue(column.kind, column.valueTemplate, at.index).type) return kWrongType;
    if (at.table->rowStatusColumn == 0) return kNoCreation;
    return PduCreatesRow(at, pdu) ? kSetOk : kInconsistentName;
}

SetStatus MibStore::CheckSet(const Oid& oid, const SimValue& value, const std::vector<SetBinding>& pdu) const {
    const RowAddress at = Locate(oid);
    const bool isStatus = at.table && at.column == at.table->rowStatusColumn;
    if (const MibCell* cell = Find(oid)) {
        if (!cell->writable) return kNotWritable;
        if (value.type != cell->value.type) return kWrongType;
        return isStatus ? CheckRowStatus(at, value, pdu) : kSetOk;
    }
    if (!at.table) return kNoCreation;
    if (isStatus) {
        if (value.type != SimType::Integer) return kWrongType;
        if (value.number == kDestroy) return kSetOk;   // destroying what is not there changes nothing
        return CheckRowStatus(at, value, pdu);
    }
    try {
        return CheckNewCell(at, value, pdu);
    } catch (const std::exception&) {
        return kNoCreation;
    }
}

void MibStore::ApplySet(const Oid& oid, const SimValue& value) {
    const RowAddress at = Locate(oid);
    SimValue stored = value;
    if (at.table && at.column == at.table->rowStatusColumn) {
        if (value.number == kDestroy) {
            EraseRow(*at.table, at.index);
            return;
        }
        if (value.number == kCreateAndGo) stored.number = kActive;
        if (value.number == kCreateAndWait) stored.number = kNotInService;
    }
    if (!Find(oid) && at.table)
        for (auto& [cellOid, cell] : BuildRow(*at.table, at.index, {})) cells_.emplace(cellOid, std::move(cell));
    auto it = cells_.find(oid);
    if (it != cells_.end()) it->second.value = std::move(stored);
}
