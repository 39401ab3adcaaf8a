#include "ansistr.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace ansistr {
namespace {

constexpr const char* kCodePage = "CP1251";

// Bytes taken by the character at the head of text, for skipping one the converter
// cannot take.
using CharLength = std::size_t (*)(const unsigned char* text, std::size_t size);

std::size_t Utf16CharLength(const unsigned char* text, std::size_t size) {
    const bool highSurrogate = size >= 4 && (text[1] & 0xFC) == 0xD8 && (text[3] & 0xFC) == 0xDC;
    return highSurrogate ? 4 : 2;
}

std::size_t Utf8CharLength(const unsigned char* text, std::size_t size) {
    std::size_t length = 1;
    while (length < size && length < 4 && (text[length] & 0xC0) == 0x80) ++length;
    return length;
}

std::size_t ByteLength(const unsigned char*, std::size_t) { return 1; }

// One direction of the system's code-page conversion.
class Converter {
  public:
    Converter(const char* to, const char* from, CharLength charLength, std::string_view replacement)
        : cd_(iconv_open(to, from)), charLength_(charLength), replacement_(replacement) {}
    ~Converter() {
        if (cd_ != kNone) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts size bytes; a character the target lacks becomes the replacement.
    std::string Convert(const char* text, std::size_t size) const {
        // Two output bytes per input byte hold every result of the three directions.
        std::string out(size * 2, '\0');
        if (cd_ == kNone) return {};
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(text);
        char* next = out.data();
        std::size_t inLeft = size;
        std::size_t outLeft = out.size();
        while (inLeft > 0 &&
               iconv(cd_, &in, &inLeft, &next, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errno != EILSEQ && errno != EINVAL) break;
            std::memcpy(next, replacement_.data(), replacement_.size());
            next += replacement_.size();
            outLeft -= replacement_.size();
            const std::size_t skip =
                errno == EINVAL ? inLeft
                                : charLength_(reinterpret_cast<unsigned char*>(in), inLeft);
            in += skip;
            inLeft -= skip;
        }
        out.resize(static_cast<std::size_t>(next - out.data()));
        return out;
    }

  private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    iconv_t cd_;
    CharLength charLength_;
    std::string_view replacement_;
};

}  // namespace

AnsiString::AnsiString(std::string_view text) {
    if (text.empty()) return;
    const auto length = static_cast<std::int32_t>(text.size());
    block_ = std::make_unique<char[]>(sizeof length + text.size() + 1);
    std::memcpy(block_.get(), &length, sizeof length);
    std::memcpy(block_.get() + sizeof length, text.data(), text.size());
    block_[sizeof length + text.size()] = '\0';
}

std::string_view AnsiString::View() const { return ansistr::View(Data()); }

std::string_view View(const char* text) {
    if (!text) return {};
    std::int32_t length;
    std::memcpy(&length, text - sizeof length, sizeof length);
    return {text, static_cast<std::size_t>(length)};
}

std::string ToAnsi(std::u16string_view text) {
    static const Converter converter(kCodePage, "UTF-16LE", Utf16CharLength, "?");
    return converter.Convert(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

std::string Utf8ToAnsi(std::string_view text) {
    static const Converter converter(kCodePage, "UTF-8", Utf8CharLength, "?");
    return converter.Convert(text.data(), text.size());
}

std::u16string FromAnsi(std::string_view text) {
    static const Converter converter("UTF-16LE", kCodePage, ByteLength, "\xFD\xFF");
    const std::string bytes = converter.Convert(text.data(), text.size());
    std::u16string wide(bytes.size() / 2, u'\0');
    std::memcpy(wide.data(), bytes.data(), bytes.size());
    return wide;
}

}  // namespace ansistr
