// The whole program put together as main() does: every window, Options.opt
// beside the executable, the hand-over and the end of the program.

#include <QAbstractButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "infochel.h"
#include "mainwindow.h"
#include "messagelog.h"
#include "program.h"
#include "started.h"
#include "windows.h"

namespace fs = std::filesystem;

namespace {

// Options.opt beside the test program for the length of one test; the file
// that was there before comes back afterwards.
class TOptionsFile {
  public:
    explicit TOptionsFile(const std::string& bytes)
        : path_(QCoreApplication::applicationDirPath().toStdString() + "/Options.opt") {
        if (fs::exists(path_)) {
            std::ifstream in(path_, std::ios::binary);
            old_ = std::string(std::istreambuf_iterator<char>(in), {});
        }
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }
    ~TOptionsFile() {
        if (old_) {
            std::ofstream(path_, std::ios::binary | std::ios::trunc) << *old_;
        } else {
            fs::remove(path_);
        }
    }

  private:
    fs::path path_;
    std::optional<std::string> old_;
};

// Runs the event loop until `done` holds (2), the program ends (0) or the time
// is up (1).
template <typename Done>
int RunUntil(Done done) {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    limit.start(5000);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) QCoreApplication::exit(2);
    });
    poll.start(5);
    return QCoreApplication::exec();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void subjectAtStartThenEndAskingNothing();
};

// No delay, the subject window at start and both exit questions on: the
// subject window is open over the disabled main window as soon as the main
// window shows, and closing the main window afterwards ends the program
// without a single message.
void StartupTest::subjectAtStartThenEndAskingNothing() {
    TOptionsFile options(std::string{'3', 1, 0, 1, 1, 0, 0, 0, 0, '1', 0});
    TMessageLog log;  // a small screen's question is answered Yes
    TProgram program;
    CreateWindows(program);
    QCOMPARE(program.Started->Delay(), 30);
    QVERIFY(!program.MainWindow->isVisible());
    QVERIFY(!program.InfoChel->isVisible());

    program.Started->show();
    QCOMPARE(RunUntil([&] { return program.MainWindow->isVisible(); }), 2);
    QVERIFY(!program.Started->isVisible());
    QVERIFY(program.InfoChel->isVisible());
    QVERIFY(!program.MainWindow->isEnabled());
    for (const TMessage& message : log.Shown) QVERIFY(message.Kind == TMessageKind::Question);

    program.InfoChel->findChild<QAbstractButton*>(QStringLiteral("SeSkinButton2"))->click();
    QVERIFY(!program.InfoChel->isVisible());
    QVERIFY(program.MainWindow->isEnabled());

    log.Shown.clear();
    QTimer::singleShot(0, program.MainWindow, &QWidget::close);
    QCOMPARE(RunUntil([] { return false; }), 0);
    QVERIFY(log.Shown.empty());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
