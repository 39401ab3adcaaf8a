#pragma once
// The progress window shown while the rules run.

#include <QWidget>

#include "progress.h"

class QFrame;
class QLabel;
class QProgressBar;

class TAnalizingForm : public QWidget, public veltan::ProgressWindow {
    Q_OBJECT

  public:
    TAnalizingForm();

    void Show() override;
    void Hide() override;
    void Start(int maximum) override;
    void StepIt() override;
    void UpdateProgress(std::string_view stepLabel) override;

  private:
    void createControls();
    void FormCreate();
    void LetWindowSystemEventsThrough();

    QFrame* Panel1;
    QProgressBar* ProgressBar1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
};
