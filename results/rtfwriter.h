#pragma once
// The result document as a Rich Text Format stream, as word processors open
// it: code page 1251, a font table, bold, font sizes and left indents, one
// paragraph per line. Qt-free.

#include <string>
#include <string_view>

#include "resultdocument.h"

// The whole stream. Plain ASCII: every other character is escaped, so no
// text in the document can end a group or start a control word.
std::string WriteRtf(const TResultDocument& document);

// UTF-8 text as RTF text: \ { } escaped, tab as \tab, line breaks as \line,
// other control characters and the Cyrillic of code page 1251 as \'xx, any
// other character as \uN with a "?" for readers that lack Unicode.
std::string RtfText(std::string_view text);
