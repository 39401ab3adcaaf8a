#pragma once
// The platform's save and print dialogs and its default printer, as the
// result window reaches them. The program uses the standard ones; tests put
// their own in place.

#include <QString>

class QPrinter;
class QWidget;

// What the save dialog is preset with and what the user chose.
struct TSaveChoice {
    QString FileName;
    int FilterIndex = 1;  // 1 "Microsoft Word", 2 "RTF", 3 "TXT"
};

class TResultPlatform {
  public:
    virtual ~TResultPlatform() = default;
    // The save dialog preset with `choice`; false when the user cancels.
    virtual bool AskSaveName(QWidget* parent, TSaveChoice& choice) = 0;
    // The print dialog over `printer`, preset to its number of copies; false
    // when the user cancels.
    virtual bool AskPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Points `printer` at the default printer; false when there is none.
    virtual bool UseDefaultPrinter(QPrinter& printer) = 0;
};

// The platform in use; the standard dialogs unless a test set its own.
TResultPlatform& ResultPlatform();
// nullptr brings the standard dialogs back.
void SetResultPlatform(TResultPlatform* platform);
