// The progress window of the analysis run, as the user sees it and as the
// main window drives it.

#include "analiz.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <vector>

namespace {

// The main window's side of a run: what was asked of it, and what the user
// could see at that moment.
class RecordingHost : public TAnalysisHost {
  public:
    struct Call {
        QString What;
        bool ProgressVisible;
        bool AnalysisDone;
        bool ReportEmpty;
        bool operator==(const Call&) const = default;
    };

    RecordingHost(const QWidget& progress, const TAnswerSheet& sheet, const TReportText& report)
        : progress_(progress), sheet_(sheet), report_(report) {}

    void SetMainWindowEnabled(bool enabled) override {
        MainWindowEnabled = enabled;
        Record(enabled ? "enable" : "disable");
    }
    void AnalysisFinished() override { Record("finished"); }

    std::vector<Call> Calls;
    bool MainWindowEnabled = true;

  private:
    void Record(const char* what) {
        Calls.push_back({what, progress_.isVisible(), sheet_.AnalysisDone(), report_.empty()});
    }

    const QWidget& progress_;
    const TAnswerSheet& sheet_;
    const TReportText& report_;
};

QRect GeometryInWindow(const QWidget& window, const QWidget& child) {
    return QRect(child.mapTo(&window, QPoint(0, 0)), child.size());
}

TSubject SelfMale(const char* firstName) {
    TSubject subject;
    subject.FirstName = firstName;
    subject.Gender = TGender::Male;
    subject.Perspective = TPerspective::Self;
    return subject;
}

}  // namespace

class AnalizTest : public QObject {
    Q_OBJECT

  private slots:
    void looksAsDrawn();
    void captions_data();
    void captions();
    void boxesAndBarsFitTheWindow();
    void userCannotCloseIt();
    void runHandsTheMainWindowBackInOrder();
    void runKeepsTheWindowAliveWhileItWorks_data();
    void runKeepsTheWindowAliveWhileItWorks();
    void runLeavesTheLastSectionShown();
};

void AnalizTest::looksAsDrawn() {
    TAnaliz window;
    QCOMPARE(window.windowTitle(), QString("Анализирование..."));
    QCOMPARE(window.size(), QSize(266, 106));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.autoFillBackground());
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(window.font().family(), QString("Arial"));
    QCOMPARE(window.font().pixelSize(), 11);
    QVERIFY(window.font().bold());
    QVERIFY(!window.isVisible());
}

void AnalizTest::captions_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blue");
    QTest::newRow("CurrentSection") << "StaticText1"
                                    << "Текущий раздел..." << true;
    QTest::newRow("TitleBeforeTheFirstRun") << "StaticText2"
                                            << "<нет данных>" << false;
    QTest::newRow("Overall") << "StaticText3"
                             << "Всего..." << true;
}

void AnalizTest::captions() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(bool, blue);
    TAnaliz window;
    const auto* found = window.findChild<QLabel*>(label);
    QVERIFY(found);
    QCOMPARE(found->text(), text);
    QCOMPARE(found->palette().color(QPalette::WindowText) == QColor(0, 84, 208), blue);
}

void AnalizTest::boxesAndBarsFitTheWindow() {
    TAnaliz window;
    QList<QGroupBox*> boxes = window.findChildren<QGroupBox*>();
    QCOMPARE(boxes.size(), 2);
    std::sort(boxes.begin(), boxes.end(),
              [](const QGroupBox* a, const QGroupBox* b) { return a->y() < b->y(); });
    const QRect upper = boxes[0]->geometry();
    const QRect lower = boxes[1]->geometry();
    QCOMPARE(upper.topLeft(), QPoint(0, 0));
    QCOMPARE(upper.size(), QSize(266, 61));
    QCOMPARE(lower.size(), QSize(266, 46));
    QVERIFY(lower.top() <= upper.bottom() + 1);  // directly below
    QVERIFY(window.rect().contains(lower));

    const auto* step = window.findChild<QProgressBar*>("SeSkinProgressBar1");
    const auto* overall = window.findChild<QProgressBar*>("SeSkinProgressBar2");
    QVERIFY(step && overall);
    QCOMPARE(step->parentWidget(), boxes[0]);
    QCOMPARE(overall->parentWidget(), boxes[1]);
    for (const QProgressBar* bar : {step, overall}) {
        QCOMPARE(bar->size(), QSize(246, 16));
        QCOMPARE(bar->minimum(), 0);
        QVERIFY(bar->parentWidget()->rect().contains(bar->geometry()));
    }
    // The labels stand above their bars.
    for (const auto& [label, bar] : {std::pair{"StaticText2", step}, {"StaticText3", overall}})
        QVERIFY(GeometryInWindow(window, *window.findChild<QLabel*>(label)).bottom() <
                GeometryInWindow(window, *bar).top());
}

void AnalizTest::userCannotCloseIt() {
    TAnaliz window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    window.close();
    QVERIFY(window.isVisible());
}

void AnalizTest::runHandsTheMainWindowBackInOrder() {
    TAnaliz window;
    TAnswerSheet sheet;
    sheet.Assign(OptionId::RB1_1, true);
    const TSubject subject = SelfMale("Пётр");
    TReportText report = "the previous report";
    RecordingHost host(window, sheet, report);

    window.RunAnalysis(sheet, subject, report, host);

    using Call = RecordingHost::Call;
    const std::vector<Call> expected = {{"disable", true, false, true},
                                        {"finished", true, true, false},
                                        {"enable", true, true, false}};
    QCOMPARE(host.Calls, expected);
    QVERIFY(!window.isVisible());
    QVERIFY(sheet.AnalysisDone());
    TReportText direct;
    RunRules(sheet, subject, direct);
    QCOMPARE(report, direct);
    QVERIFY(report.starts_with("Пётр, Ваш интеллект"));
}

void AnalizTest::runKeepsTheWindowAliveWhileItWorks_data() {
    QTest::addColumn<bool>("withMainWindow");
    QTest::newRow("OnItsOwn") << false;
    QTest::newRow("OverAMainWindowInTheCorner") << true;
}

// The run lets the window system work while the bars move: a timer due at
// once fires during the run, with the window up, centred on the desktop, and
// the main window disabled.
void AnalizTest::runKeepsTheWindowAliveWhileItWorks() {
    QFETCH(bool, withMainWindow);
    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 120, 90);
    mainWindow.show();
    TAnaliz window(withMainWindow ? &mainWindow : nullptr);
    TAnswerSheet sheet;
    TReportText report;
    RecordingHost host(window, sheet, report);
    struct {
        bool Fired = false;
        bool Visible = false;
        bool MainWindowEnabled = true;
        QPoint Centre;
    } seen;
    QTimer::singleShot(0, &window, [&] {
        seen = {true, window.isVisible(), host.MainWindowEnabled, window.frameGeometry().center()};
    });

    window.RunAnalysis(sheet, TSubject{}, report, host);

    QVERIFY(seen.Fired);
    QVERIFY(seen.Visible);
    QVERIFY(!seen.MainWindowEnabled);
    const QPoint desktopCentre = window.screen()->availableGeometry().center();
    QVERIFY((seen.Centre - desktopCentre).manhattanLength() <= 2);
}

void AnalizTest::runLeavesTheLastSectionShown() {
    TAnaliz window;
    TAnswerSheet sheet;
    TReportText report;
    RecordingHost host(window, sheet, report);
    window.RunAnalysis(sheet, TSubject{}, report, host);
    window.RunAnalysis(sheet, TSubject{}, report, host);

    QCOMPARE(host.Calls.size(), size_t{6});
    QCOMPARE(window.findChild<QLabel*>("StaticText1")->text(), QString("Текущий раздел..."));
    QCOMPARE(window.findChild<QLabel*>("StaticText2")->text(), QString("Каракули"));
    const auto* step = window.findChild<QProgressBar*>("SeSkinProgressBar1");
    const auto* overall = window.findChild<QProgressBar*>("SeSkinProgressBar2");
    QCOMPARE(step->maximum(), 11);
    QCOMPARE(step->value(), 11);
    QCOMPARE(overall->maximum(), 18);
    QCOMPARE(overall->value(), 18);
}

QTEST_MAIN(AnalizTest)
#include "analiz_test.moc"
