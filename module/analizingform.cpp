#include "analizingform.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QWindow>

TAnalizingForm::TAnalizingForm() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("AnalizingForm");
    setWindowTitle("Анализирование");
    resize(688, 446);
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    setPalette(buttonFace);
    setAutoFillBackground(true);
    createControls();
    FormCreate();
}

void TAnalizingForm::createControls() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, 340, 51);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    ProgressBar1 = new QProgressBar(Panel1);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(7, 5, 327, 21);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(100);

    Label1 = new QLabel("Выполняется...", Panel1);
    Label1->setObjectName("Label1");
    Label1->move(7, 30);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 84, 227));
    Label1->setPalette(blue);
    Label1->adjustSize();

    Label2 = new QLabel("Анализирование", Panel1);
    Label2->setObjectName("Label2");
    Label2->move(105, 30);
    Label2->adjustSize();

    Label3 = new QLabel("00.00%", Panel1);
    Label3->setObjectName("Label3");
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label3->setGeometry(297, 30, 35, Label3->sizeHint().height());
}

// The window shrinks to the extent of its contents.
void TAnalizingForm::FormCreate() {
    setFixedSize(QRect(QPoint(0, 0), childrenRect().bottomRight()).size());
}

void TAnalizingForm::Show() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    LetWindowSystemEventsThrough();
    repaint();
}

// Repaints reach the screen only while the window system has the window mapped and
// exposed, which it says through its events; they are let through here, but not the
// host's input, timers or sockets.
void TAnalizingForm::LetWindowSystemEventsThrough() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers |
                                    QEventLoop::X11ExcludeTimers);
}

void TAnalizingForm::Hide() { hide(); }

void TAnalizingForm::Start(int maximum) {
    ProgressBar1->setMaximum(maximum);
    ProgressBar1->setValue(0);
}

void TAnalizingForm::StepIt() {
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    ProgressBar1->repaint();
}

void TAnalizingForm::UpdateProgress(std::string_view stepLabel) {
    if (windowHandle() && !windowHandle()->isExposed()) LetWindowSystemEventsThrough();
    Label1->repaint();
    Label2->setText(QString::fromUtf8(stepLabel.data(), static_cast<qsizetype>(stepLabel.size())));
    Label2->adjustSize();
    Label2->repaint();
    Label3->setText(QString::fromStdString(
        veltan::PercentText(ProgressBar1->value(), ProgressBar1->maximum())));
    Label3->repaint();
}
