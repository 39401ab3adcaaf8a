#pragma once
// Reads an RTF file back with unrtf, a reader that shares nothing with our
// writer: the paragraphs' text and the stretches it shows in bold.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

struct TReadBack {
    std::vector<std::u32string> Paragraphs;  // runs of spaces collapsed to one
    std::vector<std::u32string> Bold;
};

inline bool UnrtfAvailable() { return std::filesystem::exists(UNRTF_EXECUTABLE); }

namespace unrtf_detail {

// unrtf's HTML as characters: the entities it writes for the characters the
// tests use, numeric ones in full, a UTF-16 surrogate pair joined.
inline std::u32string DecodeEntities(const std::string& html) {
    static const std::pair<const char*, char32_t> kNamed[] = {
        {"amp", U'&'},   {"lt", U'<'},    {"gt", U'>'},    {"quot", U'"'}, {"nbsp", U' '},
        {"laquo", U'«'}, {"raquo", U'»'}, {"mdash", U'—'}, {"ndash", U'–'}};
    static const std::regex kEntity("^&(#([0-9]+)|[a-z]+);");
    std::u32string out;
    char32_t high = 0;
    std::smatch m;
    for (std::size_t i = 0; i < html.size();) {
        const std::string rest = html.substr(i, 16);
        if (html[i] != '&' || !std::regex_search(rest, m, kEntity)) {
            out += static_cast<unsigned char>(html[i++]);
            continue;
        }
        if (m[2].matched) {
            const auto c = static_cast<char32_t>(std::stoul(m[2]));
            if (c >= 0xD800 && c < 0xDC00) {
                high = c;
            } else if (c >= 0xDC00 && c < 0xE000 && high != 0) {
                out += 0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00);
                high = 0;
            } else {
                out += c;
            }
        } else {
            for (auto [name, c] : kNamed) {
                if (m[1] == name) out += c;
            }
        }
        i += m[0].length();
    }
    return out;
}

inline std::u32string Collapsed(std::u32string text) {
    text.erase(std::unique(text.begin(), text.end(),
                           [](char32_t a, char32_t b) { return a == U' ' && b == U' '; }),
               text.end());
    return text;
}

inline std::string StripTags(const std::string& html) {
    return std::regex_replace(html, std::regex("<[^>]*>"), "");
}

}  // namespace unrtf_detail

// Runs unrtf --html on the file; nothing when it fails.
inline std::optional<TReadBack> ReadWithUnrtf(const std::filesystem::path& file) {
    using namespace unrtf_detail;
    const std::string command =
        std::string(UNRTF_EXECUTABLE) + " --html '" + file.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return std::nullopt;
    std::string html;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) html.append(buffer, n);
    const auto begin = html.find("<body>");
    const auto end = html.find("</body>");
    if (begin == std::string::npos || end == std::string::npos) return std::nullopt;
    const std::string body = html.substr(begin + 6, end - begin - 6);

    TReadBack back;
    static const std::regex kBold("<b>([\\s\\S]*?)</b>");
    for (std::sregex_iterator it(body.begin(), body.end(), kBold), last; it != last; ++it) {
        std::string bold = StripTags((*it)[1].str());
        std::erase(bold, '\n');
        back.Bold.push_back(DecodeEntities(bold));
    }
    // A paragraph ends in <br>; other line ends in unrtf's output mean nothing.
    std::string text = std::regex_replace(body, std::regex("<br>\n?"), "\x01");
    std::erase(text, '\n');
    std::u32string chars = DecodeEntities(StripTags(text));
    std::size_t start = 0;
    for (std::size_t stop; (stop = chars.find(U'\x01', start)) != std::u32string::npos;
         start = stop + 1) {
        back.Paragraphs.push_back(Collapsed(chars.substr(start, stop - start)));
    }
    back.Paragraphs.push_back(Collapsed(chars.substr(start)));
    return back;
}
