#include "ovsnmprequest.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <memory>

#include "ovexception.h"
#include "ovnetsnmpresult.h"
#include "ovexpression.h"
#include "ovnumlist.h"
#include "ovresultmap.h"
#include "ovsnmpsession.h"
#include "ovsnmpvalueconverter.h"
#include "snmpeventprocessor.h"

namespace {

constexpr int32_t kNoSuchName = -102;

// Restores a list from its copy when a write leaves, by return or by raise.
class ListRestorer {
public:
    explicit ListRestorer(OvSNMPVarList& list) : list_(list), saved_(list) {}
    ~ListRestorer() { Restore(); }
    void Restore() {
        if (!restored_)
            list_.Assign(saved_);
        restored_ = true;
    }

private:
    OvSNMPVarList& list_;
    OvSNMPVarList saved_;
    bool restored_ = false;
};

[[noreturn]] void Raise(const OvMappedResult& mapped) {
    throw OvException(mapped.Text, mapped.Code);
}

}  // namespace

OvSNMPRequest::OvSNMPRequest() : OvSNMPRequestSettings(OvSNMPRequestSettings::FromDefaults()) {}

OvSNMPRequest::~OvSNMPRequest() {
    Alive = false;
    const auto start = std::chrono::steady_clock::now();
    while (Pending > 0 &&
           std::chrono::steady_clock::now() - start < std::chrono::milliseconds(DestroyWaitMs))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, SnmpEventProcessor::IntervalMs);
    // Whatever is still outstanding must never reach this object.
    if (!outstanding_.empty() && (transport_ || OvSNMPSession::Global()))
        for (const auto id : outstanding_)
            Transport().Cancel(id);
}

OvSNMPTransport& OvSNMPRequest::Transport() const {
    if (transport_)
        return *transport_;
    OvSNMPSession* session = OvSNMPSession::Global();
    if (!session)
        throw OvException::Own(-506);
    return *session;
}

bool OvSNMPRequest::IsTable() const {
    return List.ItemType == MVT_FMV || List.ItemType == MVT_UMV;
}

std::string OvSNMPRequest::BaseOid(int index) const {
    const std::string& oid = List.Item(index).Oid;
    return List.Instance.empty() ? oid : oid + "." + List.Instance;
}

std::string OvSNMPRequest::RowIndex() {
    std::string index;
    for (int k = 0; k < List.KeyCount; ++k) {
        if (k)
            index += ".";
        index += EncodeIndex(k);
    }
    return index;
}

OvPdu::Kind OvSNMPRequest::ReadOperation() const {
    switch (List.ItemType) {
    case SVT_SV: return OvPdu::Kind::Get;
    case MVT_SV: return UseGetNext ? OvPdu::Kind::GetNext : OvPdu::Kind::Get;
    case MVT_FMV:
    case MVT_UMV: return OvPdu::Kind::GetNext;
    default: throw OvException::Own(-515);
    }
}

OvPdu OvSNMPRequest::BuildPdu(PduKind kind) {
    OvPdu pdu;
    pdu.Type = kind == PduKind::Write ? OvPdu::Kind::Set : ReadOperation();
    pdu.SecurityLevel = Security.SecurityLevel;
    pdu.ContextName = Scope.ContextName;
    pdu.ContextEngineID = Scope.ContextEngineID;
    const bool table = IsTable();
    for (int i = 0; i < List.Count(); ++i) {
        OvVb vb;
        switch (kind) {
        case PduKind::ReadFirst:
            if (!List.IsReadable(i))
                continue;
            List.Item(i).InstanceOid.clear();
            vb.Oid = List.ItemType == SVT_SV ? BaseOid(i) + ".0" : BaseOid(i);
            break;
        case PduKind::ReadNext:
            if (!List.IsReadable(i))
                continue;
            if (!table)
                throw OvException::Own(-510);
            vb.Oid = List.Item(i).InstanceOid;
            break;
        case PduKind::Write:
            if ((table && i < List.KeyCount) || !List.IsSettable(i))
                continue;
            if (List.ItemType == SVT_SV)
                vb.Oid = BaseOid(i) + ".0";
            else if (List.ItemType == MVT_SV)
                vb.Oid = BaseOid(i);
            else if (table)
                vb.Oid = BaseOid(i) + "." + RowIndex();
            else
                throw OvException::Own(-515);
            vb.Syntax = static_cast<uint8_t>(List.Item(i).Syntax);
            ValueToVb(i, vb);
            break;
        }
        pdu.Vbs.push_back(std::move(vb));
    }
    return pdu;
}

OvSNMPRequest::Outcome OvSNMPRequest::ProcessResponse(const OvPdu& response, int32_t code) {
    Outcome outcome;
    const bool table = IsTable();
    std::string rowSuffix;
    bool suffixFound = false;
    int processed = 0, ended = 0;
    std::size_t next = 0;
    for (int i = 0; i < List.Count() && next < response.Vbs.size(); ++i) {
        if (!List.IsReadable(i))
            continue;
        const OvVb& vb = response.Vbs[next++];
        OvSNMPVarItem& item = List.Item(i);
        const std::string base = BaseOid(i);
        if (code == kNoSuchName && table) {
            // SNMPv1 answers the end of the agent's view with the request
            // echoed and no-such-name.
            if (item.InstanceOid == vb.Oid) {
                outcome.endOfView = true;
                return outcome;
            }
            throw OvException(MapSnmpResult(2).Text, kNoSuchName);
        }
        ++processed;
        if (IsColumnEnd(base, item.InstanceOid, vb.Oid)) {
            ++ended;
            item.Value = OV_NOTDONE_VALUE;
            item.InstanceOid = base + "." + RowIndex();
            continue;
        }
        ValueFromVb(i, vb);
        item.InstanceOid = vb.Oid;
        // The row is named by a column that is still inside itself; an ended
        // column's answer belongs to another column.
        if (!suffixFound && vb.Oid.size() > base.size()) {
            rowSuffix = vb.Oid.substr(base.size() + 1);
            suffixFound = true;
        }
    }
    outcome.allEnded = processed == ended;
    if (outcome.allEnded)
        return outcome;
    if (table)
        DecodeRowSuffix(rowSuffix);
    for (int i = 0; i < List.Count(); ++i)
        EvaluateExpression(i, true);
    outcome.rowRead = table;
    return outcome;
}

void OvSNMPRequest::DecodeRowSuffix(const std::string& suffix) {
    std::string rest = suffix;
    for (int k = 0; k < List.KeyCount; ++k) {
        if (rest.empty())
            throw OvException::Own(-514);
        if (!List.IsReadable(k))
            List.Item(k).InstanceOid = BaseOid(k) + "." + suffix;
        rest = DecodeIndex(k, rest);
    }
}

bool OvSNMPRequest::FetchRow(bool first) {
    if (!Alive)
        return false;
    const OvSNMPTarget target = BuildTarget(*this);
    OvPdu pdu = BuildPdu(first ? PduKind::ReadFirst : PduKind::ReadNext);
    const OvMappedResult mapped = MapSnmpResult(Transport().SendSync(target, pdu));
    if (mapped.Code != 0 && !(mapped.Code == kNoSuchName && IsTable()))
        Raise(mapped);
    return ProcessResponse(pdu, mapped.Code).rowRead;
}

void OvSNMPRequest::MarkSelection(const std::string& selection, const OvSNMPValueSource* source) {
    if (selection.empty())
        return;
    OvNumList<int32_t> selected;
    selected.Delimiter = ',';
    selected.Parse(selection);
    for (int i = 0; i < List.Count(); ++i) {
        OvSNMPVarItem& item = List.Item(i);
        const int position = selected.IndexOf(i);
        if (position < 0) {
            item.Access |= ACC_INVALID;
            continue;
        }
        item.Access &= ~ACC_INVALID;
        if (source)
            item.Value = source->ValueAt(position);
    }
}

bool OvSNMPRequest::SetSync(bool readBack, const std::string& selection, const OvSNMPValueSource* source) {
    if (!Alive)
        return false;
    ListRestorer restorer(List);
    MarkSelection(selection, source);
    for (int i = 0; i < List.Count(); ++i)
        EvaluateExpression(i, false);
    const OvSNMPTarget target = BuildTarget(*this);
    OvPdu pdu = BuildPdu(PduKind::Write);
    const OvMappedResult mapped = MapSnmpResult(Transport().SendSync(target, pdu));
    restorer.Restore();
    if (mapped.Code != 0)
        Raise(mapped);
    return readBack && ProcessResponse(pdu, mapped.Code).rowRead;
}

void OvSNMPRequest::SetAsync(OvSNMPCompletion completion, void* userData, bool readBack,
                             const std::string& selection, const OvSNMPValueSource* source) {
    if (!Alive)
        return;
    OvPdu pdu;
    {
        ListRestorer restorer(List);
        MarkSelection(selection, source);
        for (int i = 0; i < List.Count(); ++i)
            EvaluateExpression(i, false);
        BuildTarget(*this);
        pdu = BuildPdu(PduKind::Write);
    }
    SendAsync(pdu, completion, userData, readBack);
}

void OvSNMPRequest::GetAsync(OvSNMPCompletion completion, void* userData, bool first) {
    if (!Alive)
        return;
    BuildTarget(*this);
    SendAsync(BuildPdu(first ? PduKind::ReadFirst : PduKind::ReadNext), completion, userData, true);
}

void OvSNMPRequest::SendAsync(const OvPdu& pdu, OvSNMPCompletion completion, void* userData, bool readBack) {
    const OvSNMPTarget target = BuildTarget(*this);
    // The transport hands out the request's number only once it has sent.
    auto sentId = std::make_shared<OvSNMPTransport::RequestId>(0);
    // The destructor detaches what is still outstanding, so capturing this is safe.
    auto onResponse = [this, target, completion, userData, readBack, sentId](int32_t status,
                                                                            const OvPdu* response) {
        Complete(*sentId, status, response, target, completion, userData, readBack);
    };
    const int32_t result = Transport().SendAsync(target, pdu, onResponse, *sentId);
    if (result != 0)
        Raise(MapSnmpResult(result));
    outstanding_.push_back(*sentId);
    ++Pending;
}

void OvSNMPRequest::Complete(OvSNMPTransport::RequestId id, int32_t status, const OvPdu* response,
                             const OvSNMPTarget& target, OvSNMPCompletion completion, void* userData,
                             bool readBack) {
    outstanding_.erase(std::remove(outstanding_.begin(), outstanding_.end(), id), outstanding_.end());
    // Counted off before the caller's completion runs: it may destroy this request.
    --Pending;
    if (status == OvSnmpResult::SessionClosing)
        return;
    const OvMappedResult mapped = MapSnmpResult(status);
    OvSNMPError record;
    record.Code = mapped.Code;
    record.Text = mapped.Text;
    record.ErrorIndex = response ? response->ErrorIndex : 0;
    record.AgentAddress = target.IpAddress;
    record.AgentPort = target.Port;
    record.Finished = true;
    const bool table = IsTable();
    if (response && ((record.Code == 0 && readBack) || (record.Code == kNoSuchName && table))) {
        try {
            const Outcome outcome = ProcessResponse(*response, record.Code);
            if (outcome.endOfView) {
                record.Code = 0;
                record.Text = MapSnmpResult(0).Text;
            }
            record.Finished = outcome.endOfView || outcome.allEnded || !table;
        } catch (const OvException& e) {
            record.Code = e.Code();
            record.Text = e.Text();
            record.Finished = true;
        }
    }
    if (completion)
        completion(userData, record, List);
}

std::string OvSNMPRequest::SubstituteVariables(const std::string& text, bool quoteStrings, char marker) {
    return OvExpression::SubstituteVariables(List, text, quoteStrings, marker);
}

std::string OvSNMPRequest::DecodeIndex(int index, const std::string& suffix) {
    return OvSNMPValueConverter::DecodeIndex(List, index, suffix);
}

std::string OvSNMPRequest::EncodeIndex(int index) {
    return OvSNMPValueConverter::EncodeIndex(List, index);
}

void OvSNMPRequest::ValueFromVb(int index, const OvVb& vb) {
    OvSNMPValueConverter::ValueFromVb(List, index, vb);
}

void OvSNMPRequest::ValueToVb(int index, OvVb& vb) {
    OvSNMPValueConverter::ValueToVb(List, index, vb);
}

void OvSNMPRequest::EvaluateExpression(int index, bool afterRead) {
    OvExpression::EvaluateExpression(List, index, afterRead);
}

bool OvSNMPRequest::EvaluateCondition(const std::string& text) {
    return OvExpression::EvaluateCondition(List, text);
}

bool OvSNMPRequest::IsColumnEnd(const std::string& baseOid, const std::string& previousInstanceOid,
                                const std::string& responseOid) {
    if (!IsTable())
        return false;
    // The base must be followed by a dot: column 1's walk must not run on
    // into column 10.
    const bool insideColumn = responseOid.size() > baseOid.size() + 1 &&
                              responseOid.compare(0, baseOid.size(), baseOid) == 0 &&
                              responseOid[baseOid.size()] == '.';
    return !insideColumn || responseOid == previousInstanceOid;
}
