#pragma once
// A window opened from the main window: it follows the window protocol for
// every way of closing (its buttons, the title bar's close button, Escape)
// and keeps its state between openings.

#include <QWidget>

class QBoxLayout;
class QPushButton;
struct TProgram;

class TSecondaryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TSecondaryWindow(TProgram& program, Qt::WindowFlags flags = Qt::Window);

    // Shows the window and disables the main window.
    void Open();

  protected:
    TProgram& Program() const { return program_; }
    // A button at the right end of `layout` that closes the window.
    QPushButton* AddCloseButton(QBoxLayout* layout, const QString& objectName,
                                const QString& caption);
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TProgram& program_;
    bool placed_ = false;
};

// Moves the window to the middle of the desktop.
void CentreOnDesktop(QWidget& window);
// Fills the window's background with `colour`.
void PaintBackground(QWidget& window, const QColor& colour);
