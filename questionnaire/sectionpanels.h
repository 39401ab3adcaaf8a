#pragma once
// The option panels APanel_1 ... APanel_18, built from the catalogue: every
// option a radio button or check box named after its id, laid out in the
// section's arrangement, with the section's example box where it has one.
//
// The buttons keep no state of their own: a left click or the space bar asks
// TOptionInput, and the window sets checked and enabled from the answer sheet.

#include <QWidget>
#include <functional>

#include "catalogue.h"

class TExampleBox;

// Where the option buttons send the user's input.
class TOptionInput {
  public:
    virtual ~TOptionInput() = default;
    // A left click or the space bar on an enabled option.
    virtual void OptionClicked(OptionId id) = 0;
    // The right button released over an enabled option.
    virtual void OptionRightReleased(OptionId id) = 0;
};

class TSectionPanel : public QWidget {
    Q_OBJECT
  public:
    // A panel of `size` for `section`; `openViewer` receives the path of the
    // example picture the user clicks.
    TSectionPanel(const TSectionInfo& section, QSize size, QWidget* parent, TOptionInput& input,
                  std::function<void(const QString&)> openViewer);

    // None for section 6.
    TExampleBox* ExampleBox() const { return exampleBox_; }

  private:
    struct TCell {
        const TOptionInfo* Option;
        QWidget* Button;
        int Column;  // within a row of several options
    };
    struct TLine {
        std::vector<TCell> Cells;
        bool Separator = false;
    };

    void createButtons(const TSectionInfo& section, TOptionInput& input);
    std::vector<TLine> arrangeLines(const TSectionInfo& section) const;
    void placeLines(const std::vector<TLine>& lines, const TSectionInfo& section,
                    std::function<void(const QString&)> openViewer);

    std::vector<QWidget*> buttons_;  // in display order
    TExampleBox* exampleBox_ = nullptr;
};
