#pragma once
// The program's message boxes. Every box goes through here, so that tests can
// answer them instead of a person.

#include <QString>
#include <functional>

enum class TMessageKind { Error, Information, Question };

struct TMessage {
    TMessageKind Kind;
    QString Title;
    QString Text;  // as the program words it, CR line breaks included
};

// An error box with one "OK" button, owned by the application.
void ShowError(const QString& text);
// An information box with one "OK" button, owned by the application.
void ShowInformation(const QString& text);
// The same under a title of its own.
void ShowInformation(const QString& title, const QString& text);
// A question with the buttons Yes and No and no icon; true for Yes.
bool AskQuestion(const QString& title, const QString& text);

// From now on every message goes to `answerer` instead of the screen; its
// result is the answer to a question (ignored for the other kinds). An empty
// answerer brings the boxes back.
using TMessageAnswerer = std::function<bool(const TMessage&)>;
void SetMessageAnswerer(TMessageAnswerer answerer);
