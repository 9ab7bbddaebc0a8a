#include "records/name.h"

#include <cstdint>
#include <vector>

namespace llk::records {
namespace {

constexpr char32_t Invalid = 0xFFFFFFFF;

// Decodes one code point at `at`, advancing it; Invalid for a malformed or overlong sequence.
char32_t Decode(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        value = lead & 0x07;
    } else {
        return Invalid;
    }
    for (int i = 0; i < length; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return Invalid;
        value = (value << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
    if (value < Smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return Invalid;
    return value;
}

void Encode(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Control characters, and the invisible ones that reorder or hide text around a name.
bool IsRemoved(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB);
}

bool IsSpace(char32_t c)
{
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::vector<char32_t> Characters(std::string_view utf8)
{
    std::vector<char32_t> characters;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t c = Decode(utf8, at);
        if (c != Invalid)
            characters.push_back(c);
    }
    return characters;
}

} // namespace

std::string CleanName(std::string_view utf8)
{
    std::vector<char32_t> kept;
    for (const char32_t c : Characters(utf8))
        if (!IsRemoved(c))
            kept.push_back(c);
    std::size_t first = 0;
    std::size_t last = kept.size();
    while (first < last && IsSpace(kept[first]))
        ++first;
    while (last > first && IsSpace(kept[last - 1]))
        --last;
    std::string out;
    for (std::size_t i = first; i < last; ++i)
        Encode(kept[i], out);
    return out;
}

int CharacterCount(std::string_view utf8) { return static_cast<int>(Characters(utf8).size()); }

bool IsValidName(std::string_view cleaned)
{
    const int count = CharacterCount(cleaned);
    return count >= 1 && count <= MaxNameLength;
}

} // namespace llk::records
