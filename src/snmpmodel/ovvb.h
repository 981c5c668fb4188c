#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One variable binding as the request engine sends and receives it. Syntax
// is the BER tag of the value; the field that carries the value follows it.
struct OvVb {
    static constexpr uint8_t Integer32 = 0x02;
    static constexpr uint8_t OctetString = 0x04;
    static constexpr uint8_t Null = 0x05;
    static constexpr uint8_t ObjectId = 0x06;
    static constexpr uint8_t IpAddress = 0x40;
    static constexpr uint8_t Counter32 = 0x41;
    static constexpr uint8_t Gauge32 = 0x42;
    static constexpr uint8_t TimeTicks = 0x43;
    static constexpr uint8_t Opaque = 0x44;
    static constexpr uint8_t Counter64Tag = 0x46;
    static constexpr uint8_t UInteger32 = 0x47;
    static constexpr uint8_t NoSuchObject = 0x80;
    static constexpr uint8_t NoSuchInstance = 0x81;
    static constexpr uint8_t EndOfMibView = 0x82;

    std::string Oid;             // dotted decimal, no leading dot
    uint8_t Syntax = Null;
    int64_t Integer = 0;         // INTEGER (signed) and the 32-bit unsigned types (0..2^32-1)
    uint64_t Counter64 = 0;
    std::string Bytes;           // OCTET STRING and Opaque contents; IpAddress as its 4 bytes
    std::vector<uint32_t> Arcs;  // OBJECT IDENTIFIER value

    // Empty for NULL and the three exceptions (and an empty string or OID).
    std::string PrintableValue() const;

    void SetNull();
    void SetInteger(int32_t value);
    // Counter32, Gauge32, TimeTicks or UInteger32.
    void SetUnsigned(uint8_t tag, uint32_t value);
    void SetCounter64(uint64_t value);
    void SetOctets(std::string bytes);
    void SetObjectId(std::vector<uint32_t> arcs);
    void SetIpAddress(std::string fourBytes);

    bool IsException() const { return Syntax >= NoSuchObject && Syntax <= EndOfMibView; }
    bool IsInteger32Family() const;  // INTEGER and the 32-bit unsigned tags
    bool IsOctets() const { return Syntax == OctetString || Syntax == Opaque; }

    // "1.3.6.1" from arcs, and back; false for a text that is no dotted OID
    // (a leading dot is accepted; "" is the empty OID).
    static std::string ArcsText(const std::vector<uint32_t>& arcs);
    static bool ParseArcs(const std::string& text, std::vector<uint32_t>& arcs);
};
