#pragma once
// The main window "Veltra 2.5.0.0.": the section list and the eighteen option
// panels, navigation between sections, the four steps of an analysis with
// their indicator strips, and the menus that open the other windows.
//
// The window is thin: option clicks go to the answer sheet, which tells the
// window (as its observer) what to repaint.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "analiz.h"
#include "answersheet.h"
#include "sectionpanels.h"
#include "settings.h"

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
struct TProgram;

// The result window as the commands Analyse, View and Print use it.
class TResultCommands {
  public:
    virtual ~TResultCommands() = default;
    // Fills the result window with the header and the report text.
    virtual void BuildResultDocument() = 0;
    // Shows the result window with the main window disabled.
    virtual void ShowResultWindow() = 0;
    // Prints the result document (Panel4 turns green when it is printed).
    virtual void PrintResultDocument() = 0;
};

enum class TIndicatorColour { LightBlue, Green, Pink };

class TMainForm : public QMainWindow,
                  public TAnalysisHost,
                  private TOptionInput,
                  private TAnswerSheetObserver {
    Q_OBJECT
  public:
    // The other windows are reached through `program`; a window that is not
    // there is simply not opened. `results` stands in for the program's
    // result window.
    explicit TMainForm(TProgram& program, std::unique_ptr<TResultCommands> results = nullptr);
    ~TMainForm() override;

    // The analysis run hands the window back through these.
    void SetMainWindowEnabled(bool enabled) override;
    void AnalysisFinished() override;

    // The strips Panel1 ... Panel4 under the four step buttons (step 1 to 4).
    void SetIndicator(int step, TIndicatorColour colour);

    // What confirming the subject window changes here: the caption shows the
    // stored names, and step 2 becomes the default item of its menu.
    void ShowSubjectInCaption();
    void MakeCompletenessCheckDefault();

    // Step 1 opens the subject window through `open`; until it is given,
    // step 1 does nothing.
    void SetSubjectWindowOpener(std::function<void()> open);

    // Shows the example with this code in the example box of its section.
    void ShowExample(std::string_view code);

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void ListView1Click();
    void SeSkinButton1Click();
    void SeSkinButton2Click();
    void SeSkinButton3Click();
    void N11Click();
    void N21Click();
    void SeSkinButton5Click();
    void SeSkinButton6Click();
    void SeSkinButton7Click();
    void SeSkinButton8Click();

  private:
    // TOptionInput
    void OptionClicked(OptionId id) override;
    void OptionRightReleased(OptionId id) override;
    // TAnswerSheetObserver
    void OptionChanged(OptionId id) override;
    void SectionTouched(int section) override;
    void AnalysisInvalidated() override;

    void createWindow();
    void createLeftColumn(QWidget* client);
    void createStepButtons(QWidget* client, int top);
    void createRightArea(QWidget* client);
    void createWelcomePanel(QWidget* area);
    void createPanels(QWidget* area);
    void createMenus();
    void connectCommands();

    void RefreshSectionView();
    void SelectSection(int section);
    void OpenExampleViewer(int section, const QString& path);
    void RunAnalysis();
    // The analysis that View and Print run first when their setting is on.
    void RunAnalysisFirstIf(bool analyseFirst);
    TSettings CurrentSettings() const;

    TProgram& program_;
    std::unique_ptr<TResultCommands> results_;
    std::function<void()> openSubjectWindow_;
    int selected_ = 0;  // the section shown, 0 before the first

    QTreeWidget* ListView1 = nullptr;
    QPushButton* SeSkinButton1 = nullptr;
    QPushButton* SeSkinButton2 = nullptr;
    QPushButton* SeSkinButton3 = nullptr;
    std::array<QPushButton*, 4> stepButtons_{};  // SeSkinButton4 ... SeSkinButton7
    std::array<QWidget*, 4> indicators_{};       // Panel1 ... Panel4
    QPushButton* SeSkinButton8 = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* welcomePanel_ = nullptr;
    std::array<TSectionPanel*, catalogue::kSectionCount> panels_{};
    std::array<QAbstractButton*, catalogue::kOptionCount> options_{};
    QAction* N11 = nullptr;
    QAction* N21 = nullptr;
    QAction* N31 = nullptr;
    QAction* N41 = nullptr;
    QAction* N7 = nullptr;
    bool placed_ = false;
};
