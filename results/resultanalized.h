#pragma once
// "Результат анализирования": the result document in an editable rich text
// view, saved as RTF and printed from here or by the main window's Print.

#include "resultplatform.h"
#include "secondarywindow.h"

class QPrinter;
class QPushButton;
class QResizeEvent;
class QTextEdit;

class TResultAnalized : public TSecondaryWindow {
    Q_OBJECT
  public:
    explicit TResultAnalized(TProgram& program, QWidget* parent = nullptr);

    // Fills RichEdit1 from scratch with the header of the test and the report
    // text; the caret ends up at the end. Does not show the window.
    void BuildResultDocument();
    // Prints what RichEdit1 holds with the copies and printer settings and
    // paints the main window's Panel4 green.
    void PrintResultDocument();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private slots:
    void SeSkinButton1Click();
    void SeSkinButton2Click();
    void SeSkinButton3Click();

  private:
    void createControls();
    void connectCommands();
    // Keeps the view filling the window below the buttons.
    void FormCanResize(const QSize& client);

    // The save dialog, the overwrite question, then the file.
    void SaveResultDocument();
    void WriteResultFile(const QString& path);
    bool PrintOn(QPrinter& printer);
    void PaintPanel4Green();
    // Where the dialogs open: this window, or the main window while this one
    // is hidden.
    QWidget* DialogOwner();

    QPushButton* SeSkinButton1 = nullptr;
    QPushButton* SeSkinButton2 = nullptr;
    QPushButton* SeSkinButton3 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    // The save dialog's name and entry, kept for its next use.
    TSaveChoice saveChoice_;
};
