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
    std::vector<std::string> Paragraphs;  // runs of spaces collapsed to one
    std::vector<std::string> Bold;
};

inline bool UnrtfAvailable() { return std::filesystem::exists(UNRTF_EXECUTABLE); }

namespace unrtf_detail {

inline std::string Utf8(char32_t c) {
    std::string out;
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
    return out;
}

// The HTML entities unrtf writes for the characters the tests use; numeric
// ones in full, a UTF-16 surrogate pair joined.
inline std::string DecodeEntities(const std::string& html) {
    static const std::pair<const char*, const char*> kNamed[] = {
        {"amp", "&"},   {"lt", "<"},    {"gt", ">"},    {"quot", "\""}, {"nbsp", " "},
        {"laquo", "«"}, {"raquo", "»"}, {"mdash", "—"}, {"ndash", "–"}};
    std::string out;
    char32_t high = 0;
    std::smatch m;
    static const std::regex kEntity("^&(#([0-9]+)|[a-z]+);");
    for (std::size_t i = 0; i < html.size();) {
        std::string rest = html.substr(i, 16);
        if (html[i] == '&' && std::regex_search(rest, m, kEntity)) {
            if (m[2].matched) {
                auto c = static_cast<char32_t>(std::stoul(m[2]));
                if (c >= 0xD800 && c < 0xDC00) {
                    high = c;
                } else if (c >= 0xDC00 && c < 0xE000 && high != 0) {
                    out += Utf8(0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
                    high = 0;
                } else {
                    out += Utf8(c);
                }
            } else {
                for (auto [name, text] : kNamed) {
                    if (m[1] == name) out += text;
                }
            }
            i += m[0].length();
        } else {
            out += html[i++];
        }
    }
    return out;
}

inline std::string Collapsed(const std::string& text) {
    return std::regex_replace(text, std::regex(" +"), " ");
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
    std::string body = html.substr(begin + 6, end - begin - 6);

    TReadBack back;
    static const std::regex kBold("<b>([\\s\\S]*?)</b>");
    for (std::sregex_iterator it(body.begin(), body.end(), kBold), last; it != last; ++it) {
        back.Bold.push_back(DecodeEntities(
            StripTags(std::regex_replace((*it)[1].str(), std::regex("<br>\n?"), ""))));
    }
    // A paragraph ends in <br>; other line ends in unrtf's output mean nothing.
    std::string text = std::regex_replace(body, std::regex("<br>\n?"), "\x01");
    std::erase(text, '\n');
    std::replace(text.begin(), text.end(), '\x01', '\n');
    text = DecodeEntities(StripTags(text));
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
        back.Paragraphs.push_back(Collapsed(text.substr(start, nl - start)));
    }
    back.Paragraphs.push_back(Collapsed(text.substr(start)));
    return back;
}
