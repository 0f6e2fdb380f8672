#include "core/text.h"

#include <atomic>

namespace {

std::atomic<w4::TextLookup> lookup{nullptr};

} // namespace

std::string Warehaus4::Tr(const char* english, const char* disambiguation)
{
    if (const w4::TextLookup find = lookup.load(std::memory_order_acquire)) {
        std::string text = find(english, disambiguation);
        if (!text.empty())
            return text;
    }
    return english;
}

namespace w4 {

void SetTextLookup(TextLookup find)
{
    lookup.store(find, std::memory_order_release);
}

std::string FillText(std::string_view text, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
                out += *(args.begin() + (next - '1'));
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace w4
