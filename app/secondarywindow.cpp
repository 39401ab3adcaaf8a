#include "secondarywindow.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "program.h"

TSecondaryWindow::TSecondaryWindow(TProgram& program, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), program_(program) {}

void TSecondaryWindow::Open() {
    if (!placed_) {
        CentreOnDesktop(*this);
        placed_ = true;
    }
    OpenSecondaryWindow(program_, this);
}

void TSecondaryWindow::closeEvent(QCloseEvent* event) {
    CloseSecondaryWindow(program_, this);
    event->accept();
}

void TSecondaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QPushButton* TSecondaryWindow::AddCloseButton(QBoxLayout* layout, const QString& objectName,
                                              const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    layout->addSpacing(8);
    layout->addWidget(button, 0, Qt::AlignRight);
    return button;
}

void CentreOnDesktop(QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr) return;
    QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    window.move(area.center() - frame.center() + frame.topLeft());
}

void PaintBackground(QWidget& window, const QColor& colour) {
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colour);
    window.setPalette(palette);
}
