#pragma once

#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

// A delimited list of 32-bit numbers ("3,10,7" with delimiter ",").
template <typename T>
class OvNumList {
    static_assert(std::is_same_v<T, int32_t> || std::is_same_v<T, uint32_t>);

public:
    char Delimiter = '.';

    int Count() const { return static_cast<int>(numbers_.size()); }
    T operator[](int index) const { return numbers_.at(static_cast<size_t>(index)); }
    const std::vector<T>& Numbers() const { return numbers_; }

    // Replaces the contents: an empty text gives no numbers, otherwise one
    // number more than there are delimiters. Digits append to the current
    // number (saturating at the type's maximum); a "." that is not the
    // delimiter starts a fraction whose digits are dropped. Any other
    // character is skipped and makes the result false, so that input checks
    // can refuse the text.
    bool Parse(std::string_view text) {
        numbers_.clear();
        if (text.empty())
            return true;
        numbers_.push_back(0);
        bool inFraction = false;
        bool clean = true;
        for (char c : text) {
            if (c == Delimiter) {
                numbers_.push_back(0);
                inFraction = false;
            } else if (c == '.') {
                inFraction = true;
            } else if (c >= '0' && c <= '9') {
                if (!inFraction)
                    AppendDigit(numbers_.back(), c - '0');
            } else {
                clean = false;
            }
        }
        return clean;
    }

    int IndexOf(T value) const {
        for (size_t i = 0; i < numbers_.size(); ++i)
            if (numbers_[i] == value)
                return static_cast<int>(i);
        return -1;
    }

    bool AllInRange(T minimum, T maximum) const {
        for (T n : numbers_)
            if (n < minimum || n > maximum)
                return false;
        return true;
    }

private:
    static void AppendDigit(T& number, int digit) {
        constexpr T kMax = std::numeric_limits<T>::max();
        number = number > (kMax - digit) / 10 ? kMax : static_cast<T>(number * 10 + digit);
    }

    std::vector<T> numbers_;
};
