#include "sectionpanels.h"

#include <QCheckBox>
#include <QFrame>
#include <QMouseEvent>
#include <QRadioButton>
#include <algorithm>

#include "examplebox.h"

namespace {

constexpr int kMargin = 8;
// One option per line of this height.
constexpr int kPitch = 18;
constexpr int kIndent = 20;
constexpr int kColumnGap = 14;
constexpr int kSeparatorHeight = 10;
constexpr int kBoxGap = 10;
// The example box is placed where the widest picture of this shape fits.
constexpr int kPictureAspect = 2;

// Options shown side by side: `Count` options from the section's first, in
// `Columns` columns, filled row by row or column by column.
struct TColumnBlock {
    int Section;
    int Count;
    int Columns;
    bool ColumnMajor;
    bool SeparatorAfter;
};

constexpr TColumnBlock kColumnBlocks[] = {
    // Margins: rows top, bottom, left, right; columns wide, narrow, none.
    {4, catalogue::kMarginGridOptions, 3, false, true},
    // Signature: its slant on the left, the size of its letters on the right.
    {16, 2 * catalogue::kSignatureColumnOptions, 2, true, false},
};

const TColumnBlock* BlockOf(int section) {
    for (const TColumnBlock& block : kColumnBlocks)
        if (block.Section == section) return &block;
    return nullptr;
}

// A radio button or check box that leaves its state to the answer sheet.
template <class Button>
class TOptionButton final : public Button {
  public:
    TOptionButton(const TOptionInfo& option, TOptionInput& input, QWidget* parent)
        : Button(QString::fromUtf8(option.Caption.data(), option.Caption.size()), parent),
          id_(option.Option),
          input_(input) {
        this->setObjectName(QString::fromUtf8(option.Id.data(), option.Id.size()));
        this->setAutoExclusive(false);
    }

  protected:
    // What a click or the space bar would toggle goes to the answer sheet; the
    // window then shows what the sheet holds.
    void nextCheckState() override { input_.OptionClicked(id_); }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            event->accept();
            return;
        }
        Button::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            event->accept();
            if (this->rect().contains(event->position().toPoint())) input_.OptionRightReleased(id_);
            return;
        }
        Button::mouseReleaseEvent(event);
    }

  private:
    OptionId id_;
    TOptionInput& input_;
};

}  // namespace

TSectionPanel::TSectionPanel(const TSectionInfo& section, QSize size, QWidget* parent,
                             TOptionInput& input, std::function<void(const QString&)> openViewer)
    : QWidget(parent) {
    setObjectName(QString::fromStdString(section.Panel()));
    resize(size);
    createButtons(section, input);
    placeLines(arrangeLines(section), section, std::move(openViewer));
}

void TSectionPanel::createButtons(const TSectionInfo& section, TOptionInput& input) {
    for (const TOptionInfo& option : catalogue::OptionsOfSection(section.Number)) {
        if (option.Kind == TOptionKind::Radio)
            buttons_.push_back(new TOptionButton<QRadioButton>(option, input, this));
        else
            buttons_.push_back(new TOptionButton<QCheckBox>(option, input, this));
    }
}

std::vector<TSectionPanel::TLine> TSectionPanel::arrangeLines(const TSectionInfo& section) const {
    auto options = catalogue::OptionsOfSection(section.Number);
    std::vector<TLine> lines;
    std::size_t next = 0;
    if (const TColumnBlock* block = BlockOf(section.Number)) {
        const int rows = block->Count / block->Columns;
        for (int row = 0; row < rows; ++row) {
            TLine line;
            for (int column = 0; column < block->Columns; ++column) {
                const int index =
                    block->ColumnMajor ? column * rows + row : row * block->Columns + column;
                line.Cells.push_back({&options[index], buttons_[index], column});
            }
            lines.push_back(std::move(line));
        }
        if (block->SeparatorAfter) lines.push_back({{}, true});
        next = block->Count;
    }
    for (; next < options.size(); ++next) {
        lines.push_back({{{&options[next], buttons_[next], 0}}});
        if (options[next].Option == catalogue::kSeparatorAfter15) lines.push_back({{}, true});
    }
    return lines;
}

void TSectionPanel::placeLines(const std::vector<TLine>& lines, const TSectionInfo& section,
                               std::function<void(const QString&)> openViewer) {
    // Columns of the rows with several options are as wide as their widest option.
    std::vector<int> columnLeft{kMargin};
    for (const TLine& line : lines) {
        if (line.Cells.size() < 2) continue;
        columnLeft.resize(std::max(columnLeft.size(), line.Cells.size() + 1), kMargin);
        for (const TCell& cell : line.Cells) {
            const int right = columnLeft[cell.Column] + cell.Button->sizeHint().width();
            columnLeft[cell.Column + 1] = std::max(columnLeft[cell.Column + 1], right + kColumnGap);
        }
    }

    // Top and right edge of every line, for the example box.
    std::vector<int> tops, rights;
    std::vector<QFrame*> separators;
    int y = kMargin;
    for (const TLine& line : lines) {
        tops.push_back(y);
        int right = 0;
        if (line.Separator) {
            auto* separator = new QFrame(this);
            separator->setObjectName(QStringLiteral("Separator"));
            separator->setFrameShape(QFrame::HLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setGeometry(kMargin, y + kSeparatorHeight / 2 - 1, width() - 2 * kMargin, 2);
            separators.push_back(separator);
            y += kSeparatorHeight;
        } else {
            for (const TCell& cell : line.Cells) {
                const int x = line.Cells.size() > 1
                                  ? columnLeft[cell.Column]
                                  : kMargin + (cell.Option->Indented ? kIndent : 0);
                cell.Button->setGeometry(x, y, cell.Button->sizeHint().width(), kPitch);
                right = std::max(right, cell.Button->geometry().right() + 1);
            }
            y += kPitch;
        }
        rights.push_back(right);
    }
    if (!section.HasExampleBox) return;

    // The box takes the lower right corner beside the lines from some line on,
    // or the whole width below all of them; of these, the one that holds the
    // widest picture wins.
    QRect best;
    int bestScore = -1;
    int rightFromHere = 0;
    for (int first = static_cast<int>(lines.size()); first >= 0; --first) {
        if (first < static_cast<int>(lines.size()))
            rightFromHere = std::max(rightFromHere, rights[first]);
        const bool below = first == static_cast<int>(lines.size());
        const int left = below ? kMargin : rightFromHere + kBoxGap;
        const int top = below ? y + kBoxGap / 2 : tops[first];
        const QRect box(QPoint(left, top), QPoint(width() - kMargin - 1, height() - kMargin - 1));
        const int score = std::min(box.width() / kPictureAspect, box.height());
        if (score > bestScore) {
            bestScore = score;
            best = box;
        }
    }
    exampleBox_ = new TExampleBox(QString::fromStdString(section.TwoDigits()), best, this,
                                  std::move(openViewer));
    // A separator beside the box ends where the box begins.
    for (QFrame* separator : separators) {
        if (separator->y() >= best.top())
            separator->resize(best.left() - kBoxGap - kMargin, separator->height());
    }
}
