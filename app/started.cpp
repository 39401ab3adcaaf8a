#include "started.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "drivecheck.h"
#include "messages.h"
#include "productpicture.h"
#include "program.h"
#include "secondarywindow.h"

const QString kOpticalDriveMessage = QStringLiteral(
    "Для исключения большого количества ошибок при изменении программных файлов, программе "
    "\"Veltra\" запрещается работа со съемного устройства, доступного только для чтения. "
    "Скопируйте программу на жёсткий диск, снимите атрибут \"Только чтение\" и повторите "
    "попытку запуска.\r\rС уважением, разработчик программы.");
const QString kScreenQuestionTitle = QStringLiteral("Масштаб образцов...");
const QString kScreenQuestion = QStringLiteral(
    "Разрешение Вашего монитора не соответствует необходимому для программы (1024х768).\r"
    "Это сильно повлияет на масштаб образцов почерка.\r\rПродолжать работу программы?");

namespace {

// A screen smaller than this in both directions makes the examples too small.
constexpr int kLeastScreenWidth = 1000;
constexpr int kLeastScreenHeight = 700;

// The executable's directory with its trailing separator.
std::string ProgramDirectory() {
    return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
}

}  // namespace

TStartEnvironment TStartEnvironment::System() {
    return {.OnOpticalMedium = drive::IsOnOpticalMedium, .ScreenSize = [] {
                QScreen* screen = QGuiApplication::primaryScreen();
                return screen != nullptr ? screen->size() : QSize();
            }};
}

TStarted::TStarted(TProgram& program, TStartEnvironment environment)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      program_(program),
      environment_(std::move(environment)),
      Timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("Started"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(DelayMilliseconds(TStartDelay::Standard));
    connect(Timer1, &QTimer::timeout, this, &TStarted::Timer1Timer);
    createContents();
    adjustSize();
    CentreOnDesktop(*this);
    program_.ProgramDir = ProgramDirectory();
}

void TStarted::createContents() {
    PaintBackground(*this, Qt::white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 10);
    layout->addWidget(new TProductPicture(this));
    auto* line = new QLabel(QStringLiteral("Программа анализа почерка"), this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
    auto* loading = new QLabel(QStringLiteral("Загрузка..."), this);
    loading->setAlignment(Qt::AlignRight);
    layout->addWidget(loading);
}

void TStarted::SetDelay(int milliseconds) { Timer1->setInterval(milliseconds); }

int TStarted::Delay() const { return Timer1->interval(); }

void TStarted::EndWithMainWindow(QWidget* mainWindow) {
    mainWindow_ = mainWindow;
    mainWindow_->installEventFilter(this);
}

void TStarted::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Timer1->start();
}

void TStarted::Timer1Timer() {
    Timer1->stop();

    bool refused = false;
    if (environment_.OnOpticalMedium(program_.ProgramDir)) {
        ShowError(kOpticalDriveMessage);
        refused = true;
    }
    // The question is asked even when the drive has refused the start, and
    // its Yes does not lift that refusal.
    QSize screen = environment_.ScreenSize();
    if (screen.width() < kLeastScreenWidth && screen.height() < kLeastScreenHeight &&
        !AskQuestion(kScreenQuestionTitle, kScreenQuestion)) {
        refused = true;
    }
    if (refused) {
        close();
        return;
    }

    program_.ProgramDir = ProgramDirectory();
    if (program_.MainWindow != nullptr) program_.MainWindow->show();
    hide();
    if (program_.MainWindow != nullptr && program_.Settings != nullptr &&
        program_.Settings->CurrentSettings().AskSubjectAtStart) {
        // Step 1 of the main window, pressed once: it opens the subject window.
        auto* stepOne =
            program_.MainWindow->findChild<QAbstractButton*>(QStringLiteral("SeSkinButton4"));
        if (stepOne != nullptr) stepOne->click();
    }
}

void TStarted::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::exit(0);
}

bool TStarted::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_ && event->type() == QEvent::Close) {
        if (!mainWindow_->isEnabled()) {
            event->ignore();
            return true;
        }
        close();
    }
    return QWidget::eventFilter(watched, event);
}
