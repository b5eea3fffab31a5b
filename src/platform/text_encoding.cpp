#include "platform/text_encoding.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace zorvane {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at the start of s, or 0.
std::size_t utf8SequenceLength(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    if (lead < 0x80) return 1;
    std::size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (n == 0 || s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((b(i) & 0xC0) != 0x80) return 0;
    if (n == 3 && ((lead == 0xE0 && b(1) < 0xA0) || (lead == 0xED && b(1) >= 0xA0))) return 0;
    if (n == 4 && ((lead == 0xF0 && b(1) < 0x90) || (lead == 0xF4 && b(1) >= 0x90))) return 0;
    return n;
}

bool isValidUtf8(std::string_view s) {
    while (!s.empty()) {
        const std::size_t n = utf8SequenceLength(s);
        if (n == 0) return false;
        s.remove_prefix(n);
    }
    return true;
}

class Converter {
public:
    Converter() : cd_(iconv_open("UTF-8", "CP932")) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t u = units[i];
        const bool high = u >= 0xD800 && u < 0xDC00;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (static_cast<std::uint32_t>(units[i + 1]) - 0xDC00u));
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            out += kReplacement;
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

std::string AnsiToUtf8(std::string_view bytes) {
    if (isValidUtf8(bytes)) return std::string(bytes);
    Converter conv;
    if (!conv.ok()) return std::string(bytes);
    std::string out;
    std::vector<char> in(bytes.begin(), bytes.end());
    char* src = in.data();
    std::size_t left = in.size();
    char buf[256];
    while (left > 0) {
        char* dst = buf;
        std::size_t room = sizeof buf;
        const std::size_t rc = iconv(conv.get(), &src, &left, &dst, &room);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += kReplacement;  // skip the byte that does not convert
            ++src;
            --left;
        }
    }
    return out;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    while (!text.empty()) {
        const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[i])); };
        const std::size_t n = utf8SequenceLength(text);
        if (n == 0) {
            out += 0xDC00 + b(0);
            text.remove_prefix(1);
            continue;
        }
        char32_t cp = n == 1 ? b(0) : b(0) & (0x7Fu >> n);
        for (std::size_t i = 1; i < n; ++i) cp = (cp << 6) | (b(i) & 0x3F);
        out += cp;
        text.remove_prefix(n);
    }
    return out;
}

}  // namespace zorvane
