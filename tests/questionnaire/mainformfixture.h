#pragma once
// A main window with the program around it, driven as a user drives it: the
// analysis runs in the real progress window, the example viewer is real and
// sees a 1024 x 768 screen, and a stand-in takes the result window's part.

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "analiz.h"
#include "mainwindow.h"
#include "program.h"
#include "resultanalized.h"
#include "viewexample.h"

class TSettingsStub : public TSettingsSource {
  public:
    TSettings CurrentSettings() const override { return Values; }
    TSettings Values;
};

// Counts what the commands ask of the result window; printing paints Panel4
// green as the result window does once the document is printed.
class TResultStub : public TResultCommands {
  public:
    explicit TResultStub(TProgram& program) : program_(program) {}
    void BuildResultDocument() override { ++Built; }
    void ShowResultWindow() override { ++Shown; }
    void PrintResultDocument() override {
        ++Printed;
        program_.MainForm->SetIndicator(4, TIndicatorColour::Green);
    }
    int Built = 0;
    int Shown = 0;
    int Printed = 0;

  private:
    TProgram& program_;
};

inline const QColor kLightBlue(166, 202, 240);
inline const QColor kGreen(0, 128, 0);
inline const QColor kPink(255, 128, 205);

class TMainFormFixture {
  public:
    // With `ownResultWindow` the program's real result window takes the
    // stand-in's place.
    explicit TMainFormFixture(bool ownResultWindow = false) {
        program.ProgramDir = Dir.path().toStdString() + "/";
        program.Settings = &Settings;
        analiz_ = std::make_unique<TAnaliz>();
        program.Analiz = analiz_.get();
        Viewer = std::make_unique<TViewExample>(program, [] { return QSize(1024, 768); });
        program.ViewExample = Viewer.get();
        std::unique_ptr<TResultStub> results;
        if (!ownResultWindow) {
            results = std::make_unique<TResultStub>(program);
            Results = results.get();
        }
        Form = std::make_unique<TMainForm>(program, std::move(results));
        program.MainForm = Form.get();
        program.MainWindow = Form.get();
        if (ownResultWindow) {
            resultWindow_ = std::make_unique<TResultAnalized>(program);
            program.ResultAnalized = resultWindow_.get();
        }
        Form->show();
    }

    template <class T = QWidget>
    T* Find(const QString& name) const {
        return Form->findChild<T*>(name);
    }
    QAbstractButton* Option(const QString& id) const { return Find<QAbstractButton>(id); }

    QTreeWidget* List() const { return Find<QTreeWidget>(QStringLiteral("ListView1")); }

    // A click on the row of the section in the section list.
    void OpenSection(int section) const {
        QTreeWidgetItem* row = List()->topLevelItem(section - 1);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(row).center());
    }

    int SelectedSection() const {
        const QList<QTreeWidgetItem*> rows = List()->selectedItems();
        return rows.isEmpty() ? 0 : List()->indexOfTopLevelItem(rows.front()) + 1;
    }

    void Click(const QString& id) const { QTest::mouseClick(Option(id), Qt::LeftButton); }
    void RightClick(const QString& id) const { QTest::mouseClick(Option(id), Qt::RightButton); }
    void Press(const QString& name) const {
        QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton);
    }

    QColor Indicator(int step) const {
        return Find(QStringLiteral("Panel%1").arg(step))->palette().color(QPalette::Window);
    }

    // Works on every section but `except` by a click on its first enabled option.
    void TouchSections(int except = 0) const {
        for (const TSectionInfo& section : catalogue::Sections()) {
            if (section.Number == except) continue;
            OpenSection(section.Number);
            for (const TOptionInfo& option : catalogue::OptionsOfSection(section.Number)) {
                if (!program.Sheet.IsEnabled(option.Option)) continue;
                Click(QString::fromUtf8(option.Id.data(), option.Id.size()));
                break;
            }
        }
    }

    QTemporaryDir Dir;
    TProgram program;
    TSettingsStub Settings;
    std::unique_ptr<TViewExample> Viewer;
    TResultStub* Results = nullptr;
    std::unique_ptr<TMainForm> Form;

  private:
    std::unique_ptr<TResultAnalized> resultWindow_;
    std::unique_ptr<TAnaliz> analiz_;
};
