#pragma once
// The about window "О программе": the product picture, the build and the
// maker's contacts, whose links go to the system's mail program and browser.

#include "secondarywindow.h"

class TAboutProgramm : public TSecondaryWindow {
    Q_OBJECT
  public:
    explicit TAboutProgramm(TProgram& program);
};

// Where the contact links lead.
extern const QString kMakerMail;
extern const QString kMakerSite;
