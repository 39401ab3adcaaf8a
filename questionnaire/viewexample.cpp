#include "viewexample.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "examplebox.h"

TViewExample::TViewExample(TProgram& program, std::function<QSize()> screenSize)
    : TSecondaryWindow(program, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowCloseButtonHint),
      screenSize_(std::move(screenSize)) {
    setWindowTitle(QStringLiteral("Образец почерка"));
    createControls();
}

void TViewExample::createControls() {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setPalette(white);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Image1 = new TClickableLabel(nullptr, [this] { Image1Click(); });
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox1->setWidget(Image1);

    // The window fits around the scroll box.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(ScrollBox1, 0, Qt::AlignLeft | Qt::AlignTop);
}

QSize TViewExample::ScreenSize() const {
    if (screenSize_) return screenSize_();
    return screen() != nullptr ? screen()->size() : QSize(1024, 768);
}

bool TViewExample::OpenExampleViewer(const QString& path) {
    TExampleFile file = ReadExampleFile(path);
    if (file.State != TExampleFile::TState::Readable) return false;
    Image1->setPixmap(file.Picture);
    Image1->resize(file.Picture.size());

    // At most 90 per cent of the screen's width and about 97 per cent of its
    // height; a larger picture scrolls. A scroll bar needed in one direction
    // is added to the other, so that it hides nothing of the picture.
    const QSize screen = ScreenSize();
    const QSize limit(screen.width() - screen.width() / 10, screen.height() - screen.height() / 30);
    const QSize picture = file.Picture.size();
    const int barWidth = ScrollBox1->verticalScrollBar()->sizeHint().width();
    const int barHeight = ScrollBox1->horizontalScrollBar()->sizeHint().height();
    const bool scrollsAcross = picture.width() > limit.width();
    const bool scrollsDown = picture.height() > limit.height();
    ScrollBox1->setFixedSize(
        std::min(picture.width() + (scrollsDown ? barWidth : 0), limit.width()),
        std::min(picture.height() + (scrollsAcross ? barHeight : 0), limit.height()));
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);

    adjustSize();
    CentreOnDesktop(*this);
    Open();
    return true;
}

void TViewExample::Image1Click() { close(); }
