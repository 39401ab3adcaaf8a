#pragma once
// The settings window "Настройки": its controls are the live settings, which
// every consumer reads through TProgram::Settings at the moment of use.
// Options.opt is read when the window is created and by the restore and
// close-without-saving buttons, and written by the two save buttons.

#include <string>
#include <vector>

#include "secondarywindow.h"
#include "settings.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QTabWidget;

class TOptions : public TSecondaryWindow, public TSettingsSource {
    Q_OBJECT
  public:
    // Tabs of SeSkinTabControl1, as the main window's menu "Настройки" opens them.
    enum TTab { kStartTab = 0, kExitTab = 1, kAnalysisTab = 2, kPrintTab = 3 };

    // Reads Options.opt and sets the start window's delay from it (the only
    // time the delay is applied).
    explicit TOptions(TProgram& program);

    // Shows the window with the main window disabled and selects the tab.
    void OpenOnTab(int tab);

    TSettings CurrentSettings() const override;

    // Options.opt into the controls; nothing happens when it cannot be read.
    void ReadSettings();
    // The controls into Options.opt; a failure is reported in message boxes.
    void WriteSettings();

  private slots:
    void SeSkinButton1Click();
    void SeSkinButton2Click();
    void SeSkinButton3Click();
    void SeSkinButton4Click();

  private:
    void createControls();
    void createPages();
    void createButtons();
    void ShowSettings(const TSettings& settings);
    QCheckBox* CheckBox(bool TSettings::*field) const;
    std::string FilePath() const;

    QTabWidget* SeSkinTabControl1;
    QButtonGroup* delayChoices_;
    QButtonGroup* copiesChoices_;
    std::vector<QCheckBox*> checkBoxes_;  // in the order of the check-box table
};
