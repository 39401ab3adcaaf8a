#include "started.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "messagelog.h"
#include "program.h"

namespace {

// A main window that says when it is shown and when its step 1 is pressed.
class FakeMain : public QWidget {
  public:
    explicit FakeMain(QStringList& events) : events_(events) {
        auto* stepOne = new QPushButton(this);
        stepOne->setObjectName(QStringLiteral("SeSkinButton4"));
        connect(stepOne, &QPushButton::clicked, this, [this] { events_ << "step 1"; });
    }

  protected:
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        events_ << "main shown";
    }

  private:
    QStringList& events_;
};

class FixedSettings : public TSettingsSource {
  public:
    TSettings Settings;
    TSettings CurrentSettings() const override { return Settings; }
};

// The program's event loop, with a time limit against a hang (1).
int RunEventLoop() {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    limit.start(5000);
    return QCoreApplication::exec();
}

// Runs the program's event loop from the start window's show until the
// program ends (0) or the hand-over is done (2).
int RunStart(TProgram& program, TStarted& started) {
    started.SetDelay(30);
    started.show();
    QTimer handedOver;
    QObject::connect(&handedOver, &QTimer::timeout, [&] {
        if (program.MainWindow->isVisible() && !started.isVisible()) QCoreApplication::exit(2);
    });
    handedOver.start(10);
    return RunEventLoop();
}

}  // namespace

class StartedTest : public QObject {
    Q_OBJECT
  private slots:
    void looks();
    void handOver_data();
    void handOver();
    void subjectAtStart_data();
    void subjectAtStart();
    void closingTheMainWindowEndsTheProgram();
};

void StartedTest::looks() {
    TProgram program;
    TStarted started(program);
    QVERIFY(started.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(started.palette().color(QPalette::Window), QColor(Qt::white));
    QStringList texts;
    for (QLabel* label : started.findChildren<QLabel*>()) texts << label->text();
    for (const char* text : {"Veltra", "2.5.0.0", "2005"}) QVERIFY2(texts.contains(text), text);
    QCOMPARE(QString::fromStdString(program.ProgramDir),
             QCoreApplication::applicationDirPath() + "/");
    QCOMPARE(started.Delay(), 1000);
}

void StartedTest::handOver_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("optical");
    QTest::addColumn<bool>("answer");  // to the screen question
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("ends");

    const QString drive = kOpticalDriveMessage;
    const QString screen = kScreenQuestion;
    QTest::newRow("Screen1280x1024")
        << QSize(1280, 1024) << false << true << QStringList() << false;
    QTest::newRow("Screen800x600Yes")
        << QSize(800, 600) << false << true << QStringList{screen} << false;
    QTest::newRow("Screen800x600No")
        << QSize(800, 600) << false << false << QStringList{screen} << true;
    QTest::newRow("Screen999x699No")
        << QSize(999, 699) << false << false << QStringList{screen} << true;
    // Failing only one of the two sizes passes.
    QTest::newRow("Screen1280x600") << QSize(1280, 600) << false << false << QStringList() << false;
    QTest::newRow("Screen900x768") << QSize(900, 768) << false << false << QStringList() << false;
    QTest::newRow("Screen1000x600") << QSize(1000, 600) << false << false << QStringList() << false;
    QTest::newRow("CdRom") << QSize(1280, 1024) << true << true << QStringList{drive} << true;
    // The question comes after the refusal, and its Yes does not lift it.
    QTest::newRow("CdRomAndSmallScreenYes")
        << QSize(800, 600) << true << true << QStringList{drive, screen} << true;
    QTest::newRow("CdRomAndSmallScreenNo")
        << QSize(800, 600) << true << false << QStringList{drive, screen} << true;
}

void StartedTest::handOver() {
    QFETCH(QSize, screen);
    QFETCH(bool, optical);
    QFETCH(bool, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, ends);

    QStringList events;
    FakeMain main(events);
    FixedSettings settings;
    TProgram program;
    program.MainWindow = &main;
    program.Settings = &settings;
    QString askedDir;
    TStarted started(program, {[&](const std::string& dir) {
                                   askedDir = QString::fromStdString(dir);
                                   return optical;
                               },
                               [&] { return screen; }});
    TMessageLog log;
    log.Answers = {answer};

    QCOMPARE(RunStart(program, started), ends ? 0 : 2);
    QCOMPARE(log.Texts(), messages);
    if (!log.Shown.empty() && optical) {
        QCOMPARE(log.Shown[0].Kind, TMessageKind::Error);
    }
    for (const TMessage& message : log.Shown) {
        if (message.Kind == TMessageKind::Question) {
            QCOMPARE(message.Title, QStringLiteral("Масштаб образцов..."));
        }
    }
    QCOMPARE(askedDir, QCoreApplication::applicationDirPath() + "/");
    QVERIFY(!started.isVisible());
    QCOMPARE(main.isVisible(), !ends);
    QCOMPARE(events, ends ? QStringList() : QStringList{"main shown"});
}

void StartedTest::subjectAtStart_data() {
    QTest::addColumn<bool>("ask");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("On") << true << QStringList{"main shown", "step 1"};
    QTest::newRow("Off") << false << QStringList{"main shown"};
}

// The subject window opens as the main window's step 1 opens it, once, after
// the main window is shown.
void StartedTest::subjectAtStart() {
    QFETCH(bool, ask);
    QFETCH(QStringList, events);
    QStringList happened;
    FakeMain main(happened);
    FixedSettings settings;
    settings.Settings.AskSubjectAtStart = ask;
    TProgram program;
    program.MainWindow = &main;
    program.Settings = &settings;
    TStarted started(program,
                     {[](const std::string&) { return false; }, [] { return QSize(1280, 1024); }});
    QCOMPARE(RunStart(program, started), 2);
    QTest::qWait(50);  // the timer runs once only
    QCOMPARE(happened, events);
}

// While a secondary window has the main window disabled, the main window
// cannot be closed under it; afterwards closing it ends the program.
void StartedTest::closingTheMainWindowEndsTheProgram() {
    TProgram program;
    TStarted started(program);
    QWidget main;
    started.EndWithMainWindow(&main);
    main.show();
    main.setEnabled(false);
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    main.setEnabled(true);
    QTimer::singleShot(0, &main, &QWidget::close);
    QCOMPARE(RunEventLoop(), 0);
    QVERIFY(!main.isVisible());
}

QTEST_MAIN(StartedTest)
#include "started_test.moc"
