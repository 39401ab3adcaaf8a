#include "messages.h"

#include <QMessageBox>

namespace {

TMessageAnswerer& Answerer() {
    static TMessageAnswerer answerer;
    return answerer;
}

bool Show(const TMessage& message) {
    if (Answerer()) return Answerer()(message);
    // The program breaks its lines with CR; the box wants LF.
    QString text = message.Text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    switch (message.Kind) {
        case TMessageKind::Error:
        case TMessageKind::Information: {
            QMessageBox box(message.Kind == TMessageKind::Error ? QMessageBox::Critical
                                                                : QMessageBox::Information,
                            message.Title, text, QMessageBox::Ok);
            box.setTextFormat(Qt::PlainText);
            box.exec();
            return true;
        }
        case TMessageKind::Question: {
            QMessageBox box(QMessageBox::NoIcon, message.Title, text,
                            QMessageBox::Yes | QMessageBox::No);
            box.setTextFormat(Qt::PlainText);
            return box.exec() == QMessageBox::Yes;
        }
    }
    return false;
}

}  // namespace

void ShowError(const QString& text) { Show({TMessageKind::Error, QStringLiteral("Ошибка"), text}); }

void ShowInformation(const QString& text) {
    Show({TMessageKind::Information, QStringLiteral("Информация"), text});
}

void ShowInformation(const QString& title, const QString& text) {
    Show({TMessageKind::Information, title, text});
}

bool AskQuestion(const QString& title, const QString& text) {
    return Show({TMessageKind::Question, title, text});
}

void SetMessageAnswerer(TMessageAnswerer answerer) { Answerer() = std::move(answerer); }
