#include "namelist.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "cp1251.h"
#include "safefile.h"

namespace {

// The Russian alphabet in its order; ё comes right after е.
constexpr std::u32string_view kRussianAlphabet = U"абвгдеёжзийклмнопрстуфхцчшщъыьэюя";

// Weights that order the characters: other characters, then Latin letters,
// then Russian letters, then the other Cyrillic letters of the code page.
// Capital and small letters weigh the same.
constexpr std::uint32_t kLatinLetters = 1u << 21;
constexpr std::uint32_t kRussianLetters = 2u << 21;
constexpr std::uint32_t kOtherCyrillicLetters = 3u << 21;

std::uint32_t Weight(char32_t c) {
    if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
    if (c >= U'a' && c <= U'z') return kLatinLetters | c;
    if (c >= U'\u0400' && c <= U'\u040F') c += 0x50;  // Ѐ..Џ, Ё among them
    if (c >= U'\u0410' && c <= U'\u042F') c += 0x20;  // А..Я
    if (c == U'\u0490') c = U'\u0491';                // Ґ
    if (std::size_t rank = kRussianAlphabet.find(c); rank != kRussianAlphabet.npos)
        return kRussianLetters | static_cast<std::uint32_t>(rank);
    if ((c >= U'\u0450' && c <= U'\u045F') || c == U'\u0491') return kOtherCyrillicLetters | c;
    return c;
}

struct TSequence {
    std::size_t Length;  // 0 when the bytes are no well-formed sequence
    char32_t Char;
};

// The UTF-8 sequence at `at`; overlong forms, surrogates and characters
// beyond U+10FFFF are not well-formed.
TSequence Utf8At(std::string_view bytes, std::size_t at) {
    auto byte = [&](std::size_t k) -> unsigned {
        return static_cast<unsigned char>(bytes[at + k]);
    };
    unsigned lead = byte(0);
    if (lead < 0x80) return {1, lead};
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    }
    if (length == 0 || at + length > bytes.size()) return {0, 0};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        unsigned next = byte(k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return {0, 0};
        c = (c << 6) | (next & 0x3F);
    }
    return {length, c};
}

bool IsUtf8Text(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        TSequence sequence = Utf8At(bytes, at);
        if (sequence.Length == 0) return false;
        beyondAscii = beyondAscii || sequence.Length > 1;
        at += sequence.Length;
    }
    return beyondAscii;
}

// The character at `at`, which moves past it.
char32_t NextChar(std::string_view bytes, bool utf8, std::size_t& at) {
    if (!utf8) return cp1251::ToUnicode(static_cast<unsigned char>(bytes[at++]));
    TSequence sequence = Utf8At(bytes, at);
    at += sequence.Length;
    return sequence.Char;
}

// Splits at CR, LF and CR LF; an end of line after the last line ends no
// further, empty line.
std::vector<std::string> Lines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == content.npos) end = content.size();
        lines.emplace_back(content.substr(start, end - start));
        if (end < content.size() && content[end] == '\r' && end + 1 < content.size() &&
            content[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// The content of a regular file, or none when it cannot be opened or read.
std::optional<std::string> ReadFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> content;
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        std::string data;
        char buffer[1 << 16];
        ssize_t count;
        while ((count = read(fd, buffer, sizeof buffer)) != 0) {
            if (count > 0) {
                data.append(buffer, static_cast<std::size_t>(count));
            } else if (errno != EINTR) {
                break;
            }
        }
        if (count == 0) content = std::move(data);
    }
    close(fd);
    return content;
}

}  // namespace

TNameList::TEntry TNameList::Entry(std::string bytes) {
    bool utf8 = IsUtf8Text(bytes);
    return {std::move(bytes), utf8};
}

std::string TNameList::Text(const TEntry& entry) {
    return entry.Utf8 ? entry.Bytes : cp1251::ToUtf8(entry.Bytes);
}

int TNameList::Compare(const TEntry& a, const TEntry& b) {
    std::size_t i = 0, j = 0;
    while (i < a.Bytes.size() && j < b.Bytes.size()) {
        std::uint32_t left = Weight(NextChar(a.Bytes, a.Utf8, i));
        std::uint32_t right = Weight(NextChar(b.Bytes, b.Utf8, j));
        if (left != right) return left < right ? -1 : 1;
    }
    return static_cast<int>(i < a.Bytes.size()) - static_cast<int>(j < b.Bytes.size());
}

bool TNameList::Load(const std::string& path) {
    std::optional<std::string> content = ReadFile(path);
    if (!content) return false;
    std::vector<TEntry> entries;
    for (std::string& line : Lines(*content)) entries.push_back(Entry(std::move(line)));
    auto before = [](const TEntry& a, const TEntry& b) { return Compare(a, b) < 0; };
    auto same = [](const TEntry& a, const TEntry& b) { return Compare(a, b) == 0; };
    // Of entries that differ only in letter case the first in the file stays.
    std::stable_sort(entries.begin(), entries.end(), before);
    entries.erase(std::unique(entries.begin(), entries.end(), same), entries.end());
    entries_ = std::move(entries);
    return true;
}

bool TNameList::Save(const std::string& path) const {
    std::string content;
    for (const TEntry& entry : entries_) content += entry.Bytes + "\r\n";
    return safefile::ReplaceFileContents(path, content).Ok();
}

bool TNameList::Add(std::string_view text) {
    std::string bytes = cp1251::FromUtf8(text, '?');
    std::replace_if(
        bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    TEntry entry = Entry(std::move(bytes));
    auto place =
        std::lower_bound(entries_.begin(), entries_.end(), entry,
                         [](const TEntry& a, const TEntry& b) { return Compare(a, b) < 0; });
    if (place != entries_.end() && Compare(*place, entry) == 0) return false;
    entries_.insert(place, std::move(entry));
    return true;
}

bool TNameList::Contains(std::string_view text) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const TEntry& entry) { return Text(entry) == text; });
}

std::vector<std::string> TNameList::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const TEntry& entry : entries_) {
        std::size_t end = 0;
        for (std::size_t shown = 0; end < entry.Bytes.size() && shown < kLongestShownName; ++shown)
            NextChar(entry.Bytes, entry.Utf8, end);
        std::string text = Text({entry.Bytes.substr(0, end), entry.Utf8});
        if (end < entry.Bytes.size()) text += "…";
        texts.push_back(std::move(text));
    }
    return texts;
}

bool AddToNameList(TNameList& list, std::string_view text, const std::string& path) {
    list.Add(text);
    return list.Save(path);
}
