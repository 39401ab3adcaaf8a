#pragma once
// The progress window of the analysis run and the run as the main window
// starts it.

#include <QDialog>

#include "report.h"

class QCloseEvent;
class QLabel;
class QProgressBar;

// What the run does to the main window. The main window implements it.
class TAnalysisHost {
  public:
    virtual ~TAnalysisHost() = default;
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    // Paints Panel2 green, Panel3 and Panel4 pink.
    virtual void AnalysisFinished() = 0;
};

// "Анализирование...": shown only while a run works; the user cannot close it.
class TAnaliz : public QDialog {
    Q_OBJECT

  public:
    explicit TAnaliz(QWidget* parent = nullptr);

    // Rebuilds the report from the sheet and the subject while the window shows
    // the progress, then marks the analysis done and hands the main window back.
    void RunAnalysis(TAnswerSheet& sheet, const TSubject& subject, TReportText& report,
                     TAnalysisHost& host);

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    class Progress;

    void createControls();
    void centreOnDesktop();

    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QProgressBar* SeSkinProgressBar1 = nullptr;
    QProgressBar* SeSkinProgressBar2 = nullptr;
};
