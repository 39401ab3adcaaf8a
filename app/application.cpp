#include "application.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

#include "messages.h"

TVeltraApplication::TVeltraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Veltra"));
    // The standard buttons and dialogs speak Russian ("Да", "Нет", "Отмена").
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(translator);
    }
    // The program ends when its start window closes (the main window closes
    // it), not when the last visible window goes.
    setQuitOnLastWindowClosed(false);
}

bool TVeltraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowError(QStringLiteral("Неизвестная ошибка."));
    }
    return false;
}
