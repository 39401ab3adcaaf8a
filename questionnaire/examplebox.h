#pragma once
// The example box of a section's panel ("Образец почерка") and what it shows:
// the picture Obr_NN reduced to fit, or the error icon ObrError_NN with the
// label ObrLabel_NN when the example file is missing or damaged.

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <functional>

// A label that answers a left click released over it.
class TClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TClickableLabel(QWidget* parent, std::function<void()> onClick);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::function<void()> onClick_;
};

// An example file read from disk.
struct TExampleFile {
    enum class TState { Readable, Missing, Damaged };
    TState State = TState::Missing;
    QPixmap Picture;  // only when readable
};

// Reads a bitmap file; its existence is tested anew on every call.
TExampleFile ReadExampleFile(const QString& path);

// The size a picture is shown in: its own when it fits the area, otherwise
// reduced in proportion until it fits, truncated to whole pixels.
QSize FitInside(QSize picture, QSize area);

class TExampleBox : public QGroupBox {
    Q_OBJECT
  public:
    // `twoDigits` names the controls ("04": Obr_04, ObrError_04, ObrLabel_04);
    // `openViewer` is called with the shown example's path when the picture
    // is clicked.
    TExampleBox(const QString& twoDigits, const QRect& geometry, QWidget* parent,
                std::function<void(const QString&)> openViewer);

    // Shows the example file `path`: the picture when it can be read, the
    // error icon and label otherwise. The path is kept as the section's shown
    // example whatever happens.
    void ShowExample(const QString& path);
    const QString& ShownExample() const { return shownExample_; }

  private:
    void createControls(const QString& twoDigits);
    void ShowError(const QString& text);

    std::function<void(const QString&)> openViewer_;
    QString shownExample_;
    TClickableLabel* Obr = nullptr;
    QLabel* ObrError = nullptr;
    QLabel* ObrLabel = nullptr;
};
