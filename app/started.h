#pragma once
// The start window: shown for the configured delay, then it checks the drive
// and the screen and hands over to the main window. It is the principal
// window: closing it ends the program.

#include <QSize>
#include <QWidget>
#include <functional>
#include <string>

class QTimer;
struct TProgram;

// What the hand-over asks of the machine; tests give their own answers.
struct TStartEnvironment {
    std::function<bool(const std::string& programDir)> OnOpticalMedium;
    std::function<QSize()> ScreenSize;

    // The real machine: the drive under the program and the primary screen.
    static TStartEnvironment System();
};

// The messages of the hand-over, CR line breaks included.
extern const QString kOpticalDriveMessage;
extern const QString kScreenQuestionTitle;
extern const QString kScreenQuestion;

class TStarted : public QWidget {
    Q_OBJECT
  public:
    explicit TStarted(TProgram& program,
                      TStartEnvironment environment = TStartEnvironment::System());

    // The delay between showing and the hand-over; the settings window sets it
    // from StartDelay when it is created.
    void SetDelay(int milliseconds);
    int Delay() const;

    // Closing `mainWindow` closes this window and so ends the program. While
    // a secondary window has it disabled, it cannot be closed.
    void EndWithMainWindow(QWidget* mainWindow);

  public slots:
    // The hand-over; runs once, when the delay is over.
    void Timer1Timer();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createContents();

    TProgram& program_;
    TStartEnvironment environment_;
    QWidget* mainWindow_ = nullptr;
    QTimer* Timer1;
};
