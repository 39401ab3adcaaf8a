#pragma once
// The application object of Veltra: title, Russian texts of the standard
// buttons and dialogs, and the general error report.

#include <QApplication>

class TVeltraApplication : public QApplication {
    Q_OBJECT
  public:
    TVeltraApplication(int& argc, char** argv);

    // The general error report: an exception that escapes an event handler is
    // shown in an error box with its text, and the event loop goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};
