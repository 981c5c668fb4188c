#include "recordingtransport.h"

void MemoryAgent::Put(const std::string& oid, int32_t value) {
    OvVb vb;
    vb.Oid = oid;
    vb.SetInteger(value);
    std::vector<uint32_t> arcs;
    OvVb::ParseArcs(oid, arcs);
    objects_[arcs] = vb;
}

void MemoryAgent::PutText(const std::string& oid, const std::string& text) {
    OvVb vb;
    vb.Oid = oid;
    vb.SetOctets(text);
    std::vector<uint32_t> arcs;
    OvVb::ParseArcs(oid, arcs);
    objects_[arcs] = vb;
}

int32_t MemoryAgent::Answer(const OvPdu& request, OvPdu& response) {
    response = OvPdu{};
    response.Type = OvPdu::Kind::Response;
    int index = 0;
    for (const OvVb& asked : request.Vbs) {
        ++index;
        std::vector<uint32_t> arcs;
        OvVb::ParseArcs(asked.Oid, arcs);
        OvVb answer = asked;
        if (request.Type == OvPdu::Kind::GetNext) {
            const auto it = objects_.upper_bound(arcs);
            if (it == objects_.end()) {
                if (Version1) {
                    response.Vbs = request.Vbs;
                    response.ErrorStatus = 2;
                    response.ErrorIndex = index;
                    return 2;
                }
                answer.Syntax = OvVb::EndOfMibView;
            } else {
                answer = it->second;
            }
        } else if (request.Type == OvPdu::Kind::Get) {
            const auto it = objects_.find(arcs);
            if (it == objects_.end())
                answer.Syntax = OvVb::NoSuchInstance;
            else
                answer = it->second;
        } else {
            objects_[arcs] = asked;
        }
        response.Vbs.push_back(answer);
    }
    return 0;
}

int32_t RecordingTransport::SendSync(const OvSNMPTarget& target, OvPdu& pdu) {
    Sent.push_back(pdu);
    Targets.push_back(target);
    if (ForcedStatus != 0)
        return ForcedStatus;
    OvPdu response;
    const int32_t status = agent_.Answer(pdu, response);
    pdu = response;
    return status;
}

int32_t RecordingTransport::SendAsync(const OvSNMPTarget& target, const OvPdu& pdu, Completion completion,
                                      RequestId& id) {
    Sent.push_back(pdu);
    Targets.push_back(target);
    if (ForcedStatus != 0)
        return ForcedStatus;
    id = next_++;
    outstanding_[id] = {pdu, std::move(completion)};
    return 0;
}

void RecordingTransport::Cancel(RequestId id) {
    Cancelled.insert(id);
    outstanding_.erase(id);
}

int RecordingTransport::DeliverAll() {
    auto batch = std::move(outstanding_);
    outstanding_.clear();
    for (auto& [id, o] : batch) {
        OvPdu response;
        const int32_t status = agent_.Answer(o.request, response);
        o.completion(status, &response);
    }
    return static_cast<int>(batch.size());
}

void RecordingTransport::FailAll(int32_t status) {
    auto batch = std::move(outstanding_);
    outstanding_.clear();
    for (auto& [id, o] : batch)
        o.completion(status, nullptr);
}

std::vector<std::string> Oids(const OvPdu& pdu) {
    std::vector<std::string> oids;
    for (const OvVb& vb : pdu.Vbs)
        oids.push_back(vb.Oid);
    return oids;
}
