#include "texts.h"

namespace core {

std::string compose(const ComposedText& text, std::initializer_list<std::string_view> pieces) {
    const std::string_view pattern = text.pattern;
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < pieces.size()) {
            out += *(pieces.begin() + index);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace core
