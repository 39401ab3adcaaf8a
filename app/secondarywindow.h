#pragma once
// A window opened from the main window: it follows the window protocol for
// every way of closing (its buttons, the title bar's close button, Escape)
// and keeps its state between openings.

#include <QWidget>

struct TProgram;

class TSecondaryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TSecondaryWindow(TProgram& program, Qt::WindowFlags flags = Qt::Window);

    // Shows the window and disables the main window.
    void Open();

  protected:
    TProgram& Program() const { return program_; }
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TProgram& program_;
    bool placed_ = false;
};

// Moves the window to the middle of the desktop.
void CentreOnDesktop(QWidget& window);
