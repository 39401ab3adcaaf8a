#include "analiz.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {

constexpr QColor kCaptionBlue(0, 84, 208);
constexpr int kClientWidth = 266;
constexpr int kClientHeight = 106;
constexpr int kBarLeft = 10;
constexpr int kBarWidth = 246;
constexpr int kBarHeight = 16;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

void PaintBlue(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kCaptionBlue);
    label->setPalette(palette);
}

QProgressBar* MakeBar(QWidget* parent, const char* name, int top) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setGeometry(kBarLeft, top, kBarWidth, kBarHeight);
    bar->setTextVisible(false);
    bar->setRange(0, 1);
    bar->setValue(0);
    return bar;
}

// The width in pixels of the filled part of the bar.
int DrawnFill(const QProgressBar& bar) {
    const int span = bar.maximum() - bar.minimum();
    if (span <= 0 || bar.value() < bar.minimum()) return 0;
    return bar.width() * (bar.value() - bar.minimum()) / span;
}

}  // namespace

// Shows the run's progress on the window's controls and lets the window
// repaint whenever a bar's fill moves.
class TAnaliz::Progress : public TRunObserver {
  public:
    explicit Progress(TAnaliz& window) : window_(window) {}

    void OverallChanged(int position, int maximum) override {
        Move(*window_.SeSkinProgressBar2, position, maximum);
    }
    void StepChanged(int position, int maximum) override {
        Move(*window_.SeSkinProgressBar1, position, maximum);
    }
    void SectionShown(std::string_view caption, std::string_view title) override {
        window_.StaticText1->setText(Utf8(caption));
        window_.StaticText2->setText(Utf8(title));
    }

  private:
    static void Move(QProgressBar& bar, int position, int maximum) {
        const int before = DrawnFill(bar);
        bar.setMaximum(maximum);
        bar.setValue(position);
        if (DrawnFill(bar) != before) QCoreApplication::processEvents();
    }

    TAnaliz& window_;
};

TAnaliz::TAnaliz(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("Analiz");
    setWindowTitle("Анализирование...");
    setFixedSize(kClientWidth, kClientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font("Arial");
    font.setPixelSize(11);
    font.setBold(true);
    setFont(font);
    createControls();
}

void TAnaliz::createControls() {
    // The lower box begins on the upper box's last line, so that both fit the
    // client area whole.
    auto* upper = new QGroupBox(this);
    upper->setObjectName("GroupBox1");
    upper->setGeometry(0, 0, kClientWidth, 61);
    auto* lower = new QGroupBox(this);
    lower->setObjectName("GroupBox2");
    lower->setGeometry(0, 60, kClientWidth, 46);

    StaticText1 =
        MakeLabel(upper, "StaticText1", Utf8(kCurrentSectionCaption), {kBarLeft, 4, kBarWidth, 16});
    PaintBlue(StaticText1);
    StaticText2 = MakeLabel(upper, "StaticText2", Utf8(kNoData), {kBarLeft, 20, kBarWidth, 16});
    SeSkinProgressBar1 = MakeBar(upper, "SeSkinProgressBar1", 38);

    StaticText3 = MakeLabel(lower, "StaticText3", "Всего...", {kBarLeft, 4, kBarWidth, 16});
    PaintBlue(StaticText3);
    SeSkinProgressBar2 = MakeBar(lower, "SeSkinProgressBar2", 22);
}

// Centred on the desktop, whatever the window's parent; the frame is known
// once the window is shown.
void TAnaliz::centreOnDesktop() {
    const QScreen* desktop = screen();
    if (!desktop) return;
    QRect frame = frameGeometry();
    frame.moveCenter(desktop->availableGeometry().center());
    move(frame.topLeft());
}

void TAnaliz::RunAnalysis(TAnswerSheet& sheet, const TSubject& subject, TReportText& report,
                          TAnalysisHost& host) {
    report.clear();  // empty from the first moment of the run, before anything is shown
    show();
    centreOnDesktop();
    host.SetMainWindowEnabled(false);
    Progress progress(*this);
    RunRules(sheet, subject, report, &progress);
    sheet.SetAnalysisDone();
    host.AnalysisFinished();
    host.SetMainWindowEnabled(true);
    hide();
}

// Escape would close a dialog; this one stays until the run hides it.
void TAnaliz::reject() {}

void TAnaliz::closeEvent(QCloseEvent* event) { event->ignore(); }
