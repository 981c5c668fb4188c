#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// An owned run of bytes; empty when constructed.
class OvBinaryString {
public:
    OvBinaryString() = default;
    explicit OvBinaryString(std::string_view bytes);

    size_t Count() const { return bytes_.size(); }
    const uint8_t* Data() const { return bytes_.data(); }
    std::string_view View() const;

    uint8_t At(size_t index) const { return bytes_.at(index); }
    void SetAt(size_t index, uint8_t value) { bytes_.at(index) = value; }

    void Assign(std::string_view bytes);
    void Resize(size_t count) { bytes_.resize(count, 0); }
    void Clear() { bytes_.clear(); }

    bool operator==(const OvBinaryString&) const = default;

private:
    std::vector<uint8_t> bytes_;
};
