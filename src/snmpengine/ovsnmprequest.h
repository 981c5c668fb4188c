#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ovpdu.h"
#include "ovsnmperror.h"
#include "ovsnmpsettings.h"
#include "ovsnmptransport.h"
#include "ovsnmpvarlist.h"
#include "ovvb.h"

class OvSNMPRequest;

// Called once per asynchronous request with the caller's user data.
using OvSNMPCompletion = void (*)(void* userData, OvSNMPError& record, OvSNMPVarList& list);

// Yields the value to write for a position in a write's selection.
class OvSNMPValueSource {
public:
    virtual ~OvSNMPValueSource() = default;
    virtual std::string ValueAt(int position) const = 0;
};

// Reads and writes the variable list it owns through the SNMP session: a
// scalar group with one get, a table row by row with get-next, a write with
// one set. The settings are copied from the defaults when it is built.
class OvSNMPRequest : public OvSNMPRequestSettings {
public:
    static constexpr int DestroyWaitMs = 6000;

    bool UseGetNext = false;
    OvSNMPVarList List;
    std::string Condition;
    bool Alive = true;
    int32_t Pending = 0;

    OvSNMPRequest();
    virtual ~OvSNMPRequest();
    OvSNMPRequest(const OvSNMPRequest&) = delete;
    OvSNMPRequest& operator=(const OvSNMPRequest&) = delete;

    // Synchronous read; for a table the first or the next row, true while a
    // row was read. Other lists read with first true and give false.
    bool FetchRow(bool first);
    void GetAsync(OvSNMPCompletion completion, void* userData, bool first);
    // selection: comma-separated variable indexes, empty for all.
    bool SetSync(bool readBack, const std::string& selection, const OvSNMPValueSource* source = nullptr);
    void SetAsync(OvSNMPCompletion completion, void* userData, bool readBack, const std::string& selection,
                  const OvSNMPValueSource* source = nullptr);

    virtual std::string SubstituteVariables(const std::string& text, bool quoteStrings, char marker);
    virtual std::string DecodeIndex(int index, const std::string& suffix);
    virtual std::string EncodeIndex(int index);
    virtual void ValueFromVb(int index, const OvVb& vb);
    virtual void ValueToVb(int index, OvVb& vb);
    virtual void EvaluateExpression(int index, bool afterRead);
    virtual bool EvaluateCondition(const std::string& text);
    virtual bool IsColumnEnd(const std::string& baseOid, const std::string& previousInstanceOid,
                             const std::string& responseOid);

    // The variable's OID with the list's Instance appended.
    std::string BaseOid(int index) const;
    // The index columns' instance sub-identifiers, joined with ".".
    std::string RowIndex();

    // Sends through another transport than the process's session (tests).
    void SetTransport(OvSNMPTransport* transport) { transport_ = transport; }

private:
    enum class PduKind { ReadFirst, ReadNext, Write };
    struct Outcome {
        bool rowRead = false;
        bool endOfView = false;
        bool allEnded = false;
    };

    bool IsTable() const;
    OvPdu::Kind ReadOperation() const;
    OvPdu BuildPdu(PduKind kind);
    Outcome ProcessResponse(const OvPdu& response, int32_t code);
    void DecodeRowSuffix(const std::string& suffix);
    void MarkSelection(const std::string& selection, const OvSNMPValueSource* source);
    OvSNMPTransport& Transport() const;
    void SendAsync(const OvPdu& pdu, OvSNMPCompletion completion, void* userData, bool readBack);
    void Complete(OvSNMPTransport::RequestId id, int32_t status, const OvPdu* response,
                  const OvSNMPTarget& target, OvSNMPCompletion completion, void* userData, bool readBack);

    OvSNMPTransport* transport_ = nullptr;
    std::vector<OvSNMPTransport::RequestId> outstanding_;
};
