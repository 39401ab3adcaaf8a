#include "secondarywindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
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

void CentreOnDesktop(QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr) return;
    QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    window.move(area.center() - frame.center() + frame.topLeft());
}
