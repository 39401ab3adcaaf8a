#include "windowsystem.h"

#include <QApplication>
#include <QPointer>
#include <QThread>
#include <clocale>
#include <cstdlib>
#include <string>

#include "analizingform.h"

namespace veltan {
namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// The platforms to try for an application of the module's own: the one the environment
// names, or the one its display suggests, and always the offscreen platform last, so
// that a display that cannot be reached never stops the host.
std::string Platforms() {
    std::string platforms = Set("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM")
                            : Set("DISPLAY")       ? "xcb"
                                                   : "wayland";
    return platforms + ";offscreen";
}

}  // namespace

struct WindowSystem::Parts {
    // The arguments of the module's own application; they live as long as it does.
    int argc = 3;
    char name[7] = "veltan";
    char option[10] = "-platform";
    std::string platforms;
    char* argv[4] = {name, option, nullptr, nullptr};
    std::unique_ptr<QApplication> ownApplication;
    QPointer<TAnalizingForm> form;

    // Starts the module's own application where a window system is there to show it.
    void StartOwnApplication() {
        if (!Set("QT_QPA_PLATFORM") && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) return;
        platforms = Platforms();
        argv[2] = platforms.data();
        // The application sets the C locale from the environment; the host's stays.
        const std::string hostLocale = std::setlocale(LC_ALL, nullptr);
        ownApplication = std::make_unique<QApplication>(argc, argv);
        std::setlocale(LC_ALL, hostLocale.c_str());
    }
};

WindowSystem::WindowSystem() : parts_(std::make_unique<Parts>()) {}

WindowSystem::~WindowSystem() {
    // A host's application that has already ended took the window's native parts with
    // it; the window object is then left alone.
    if (QCoreApplication::instance()) delete parts_->form;
}

ProgressWindow& WindowSystem::Window() {
    if (!QCoreApplication::instance()) parts_->StartOwnApplication();
    const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application || application->thread() != QThread::currentThread()) return NoWindow();
    if (!parts_->form) parts_->form = new TAnalizingForm;
    return *parts_->form;
}

}  // namespace veltan
