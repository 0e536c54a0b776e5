#include "platform/CodePage.h"

namespace mojiro {

std::string AnsiUpperCase(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto b = static_cast<unsigned char>(result[i]);
        if (IsLeadByte(b)) {
            ++i; // skip the trail byte: 0x61..0x7A there is not a letter
        } else if (b >= 'a' && b <= 'z') {
            result[i] = static_cast<char>(b - 'a' + 'A');
        }
    }
    return result;
}

} // namespace mojiro
