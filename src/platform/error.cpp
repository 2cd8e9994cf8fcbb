#include "platform/error.h"

#include <cctype>
#include <cstdint>

namespace platform {

std::string messageText(std::string_view bytes, int codePage) {
    return toUnicode(bytes, codePage).toStdString();
}

bool tryStrToInt(const std::string& text, int& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return false;
    int64_t result = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        result = result * base + digit;
        if (result > (base == 16 ? 0xFFFFFFFFLL : 2147483648LL)) return false;
    }
    if (base == 16) {
        uint32_t bits = static_cast<uint32_t>(result);
        // Negated as unsigned: "-$80000000" is INT_MIN, not an overflow.
        value = static_cast<int32_t>(negative ? 0u - bits : bits);
        return true;
    }
    if (negative) result = -result;
    if (result > INT32_MAX) return false;
    value = static_cast<int>(result);
    return true;
}

int strToInt(const std::string& text, int codePage) {
    int value = 0;
    if (!tryStrToInt(text, value))
        throw PlatformError("'" + messageText(text, codePage) + "' is not a valid integer value");
    return value;
}

int strToIntIn(const std::string& text, const std::string& where, int codePage) {
    int value = 0;
    if (!tryStrToInt(text, value))
        throw PlatformError("'" + messageText(text, codePage) +
                            "' is not a valid integer value in " + where);
    return value;
}

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace platform
