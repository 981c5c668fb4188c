#include "ovbinarystring.h"

OvBinaryString::OvBinaryString(std::string_view bytes) {
    Assign(bytes);
}

std::string_view OvBinaryString::View() const {
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
}

void OvBinaryString::Assign(std::string_view bytes) {
    bytes_.assign(bytes.begin(), bytes.end());
}
