#pragma once
// The example viewer "Образец почерка": a handwriting example at its natural
// size, in a scroll box no larger than the screen allows. A click on the
// picture closes it, as does the close box.

#include <QSize>
#include <functional>

#include "secondarywindow.h"

class QScrollArea;
class TClickableLabel;

class TViewExample : public TSecondaryWindow {
    Q_OBJECT
  public:
    // `screenSize` tells the size of the screen; by default the screen the
    // viewer is on.
    explicit TViewExample(TProgram& program, std::function<QSize()> screenSize = {});

    // Opens the viewer with the bitmap `path`, the main window disabled.
    // Returns false, opening nothing, when the file cannot be read.
    bool OpenExampleViewer(const QString& path);

  private slots:
    void Image1Click();

  private:
    void createControls();
    QSize ScreenSize() const;

    std::function<QSize()> screenSize_;
    QScrollArea* ScrollBox1 = nullptr;
    TClickableLabel* Image1 = nullptr;
};
