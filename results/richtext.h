#pragma once
// The result document in Qt's rich text: filling the view, reading back
// what it holds (the user's edits included) and printing it.

#include "resultdocument.h"

class QPrinter;
class QTextDocument;

// Replaces the whole content of `text` with the document; the undo history
// starts afresh.
void FillTextDocument(QTextDocument& text, const TResultDocument& document);

// What `text` holds now: paragraphs, their left indent, and runs of font
// name, size and bold. Formats beyond these are not kept.
TResultDocument DocumentFromText(const QTextDocument& text);

// Prints `text` on `printer` as one job with an empty title, laid out over
// the whole printable area, on as many pages as it needs. False when the
// printer reports an error.
bool PrintTextDocument(const QTextDocument& text, QPrinter& printer);
