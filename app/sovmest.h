#pragma once
// The compatibility window "Совместимость": the systems the program was made,
// tested and run on, and the note on the faults seen under Windows XP. It has
// no title-bar buttons; its own button closes it.

#include "secondarywindow.h"

class TSovmest : public TSecondaryWindow {
    Q_OBJECT
  public:
    explicit TSovmest(TProgram& program);

  private slots:
    void Label41Click();
};

// The note behind Label41, CR line breaks included.
extern const QString kWindowsXpNote;
