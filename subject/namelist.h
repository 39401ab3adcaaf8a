#pragma once
// A list of first names or patronymics (NameM.sps, NameW.sps, SurNameM.sps,
// SurNameW.sps): one entry a line, Windows-1251, CR LF after every line.
// Qt-free; texts in and out are UTF-8.
//
// The list is kept sorted without regard to letter case, in Russian
// alphabetical order (ё right after е, Latin letters before Cyrillic ones,
// other characters before letters), and never holds two entries that differ
// only in letter case.
//
// Every entry keeps the bytes it was read with, so a damaged file (bytes the
// code page lacks, binary content, text in UTF-8) is written back line for
// line as it was read: sorted, without duplicates and with CR LF endings, but
// with no line changed. A line that is well-formed UTF-8 with letters beyond
// ASCII is read as UTF-8 text, since a Windows-1251 name practically never is.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Entries longer than this many characters are shown cut short, ending in
// "…"; the file keeps them whole.
inline constexpr std::size_t kLongestShownName = 80;

class TNameList {
  public:
    // Replaces the list by the entries of the file; a line ends at CR, at LF
    // or at CR LF. A file that cannot be opened or read leaves the list as it
    // was. Returns whether the file was read.
    bool Load(const std::string& path);

    // Writes the whole list to the file, which is created when missing. The
    // new content is written completely beside the file before it replaces
    // the file, so a failed write leaves the old file as it was. Returns
    // whether the list was written.
    bool Save(const std::string& path) const;

    // Puts the text in its sorted place unless an entry equal to it without
    // regard to letter case is there; returns whether it was added. A
    // character the code page lacks is stored as '?'; a line break as a space.
    bool Add(std::string_view text);

    // Whether an entry reads exactly as `text`, letter case included.
    bool Contains(std::string_view text) const;

    // The entries in their order, as shown to the user.
    std::vector<std::string> Texts() const;

    std::size_t Size() const { return entries_.size(); }

  private:
    struct TEntry {
        std::string Bytes;  // as in the file, without the line end
        bool Utf8;          // the bytes are UTF-8 text rather than Windows-1251
    };

    static TEntry Entry(std::string bytes);
    static std::string Text(const TEntry& entry);
    static int Compare(const TEntry& a, const TEntry& b);

    std::vector<TEntry> entries_;
};

// Adds the text to the list and writes the whole list to the file. Returns
// false when the file could not be written; the list keeps the text anyway.
bool AddToNameList(TNameList& list, std::string_view text, const std::string& path);
