#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>

#include "aboutprogramm.h"
#include "artwork.h"
#include "mainformfixture.h"
#include "messagelog.h"
#include "options.h"
#include "sovmest.h"

namespace {

const QString kIncompleteTitle = QStringLiteral("Неточность анализирования...");
const QString kIncompleteText = QStringLiteral(
    "Вы не отметили особенности почерка в одном или нескольких параметрах почерка. Это сильно "
    "повлияет на точноть анализирования.");

QStringList Words(const QString& text) { return text.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

int RowIcon(const TMainFormFixture& window, int section) {
    const QImage shown = window.List()->topLevelItem(section - 1)->icon(0).pixmap(16).toImage();
    for (int icon = 0; icon <= 2; ++icon)
        if (shown == artwork::SectionIcon(icon).toImage()) return icon;
    return -1;
}

// Every option's widget shows what the answer sheet holds.
void VerifyWidgetsShowSheet(const TMainFormFixture& window) {
    for (const TOptionInfo& option : catalogue::Options()) {
        const QString id = QString::fromUtf8(option.Id.data(), option.Id.size());
        QAbstractButton* button = window.Option(id);
        QVERIFY2(button != nullptr, qPrintable(id));
        QVERIFY2(button->isChecked() == window.program.Sheet.IsChecked(option.Option),
                 qPrintable(id));
        QVERIFY2(button->isEnabled() == window.program.Sheet.IsEnabled(option.Option),
                 qPrintable(id));
    }
}

OptionId Id(const QString& name) { return *catalogue::FindOption(name.toStdString()); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startState();
    void windowLayout();
    void panelsFromCatalogue();
    void arrangements();
    void optionInput_data();
    void optionInput();
    void navigation_data();
    void navigation();
    void iconsAfterLeavingChangedSection();
    void clickThatSelectsNothingKeepsSection();
    void clearSection();
    void analyse_data();
    void analyse();
    void completenessCheck_data();
    void completenessCheck();
    void viewAndPrint_data();
    void viewAndPrint();
    void indicatorsThroughAWorkflow();
    void windowDisabledWhileAnalysing_data();
    void windowDisabledWhileAnalysing();
    void programResultWindow();
    void subjectConfirmation();
    void menus();
    void menuCommands_data();
    void menuCommands();
    void stepOneOpensSubjectWindow();
    void exitClosesWindow();
};

void MainWindowTest::startState() {
    TMainFormFixture window;
    QCOMPARE(window.Form->windowTitle(), QStringLiteral("Veltra 2.5.0.0."));
    QCOMPARE(window.Find<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Приветствие"));
    QVERIFY(window.Find(QStringLiteral("WelcomePanel"))->isVisible());
    for (int section = 1; section <= 18; ++section) {
        QVERIFY(!window.Find(QStringLiteral("APanel_%1").arg(section))->isVisible());
        QCOMPARE(RowIcon(window, section), 0);
    }
    QCOMPARE(window.SelectedSection(), 0);
    for (const char* name : {"SeSkinButton1", "SeSkinButton2", "SeSkinButton3"})
        QVERIFY2(!window.Find(QString::fromLatin1(name))->isEnabled(), name);
    for (int step = 1; step <= 4; ++step) QCOMPARE(window.Indicator(step), kLightBlue);
    VerifyWidgetsShowSheet(window);
    // The welcome texts, letter for letter, top to bottom.
    QStringList welcome;
    for (QLabel* label : window.Find(QStringLiteral("WelcomePanel"))->findChildren<QLabel*>())
        welcome << label->text();
    QCOMPARE(welcome,
             (QStringList{
                 "\"Veltra\".", "От разработчика программы...",
                 "Перед Вам пятая по счёту редакция программы \"Veltra\". В этой версии "
                 "существено изменён принцип анализирования. Теперь у Вас появилась возможность "
                 "указать пол тестируемого и тип анализа.",
                 "Система анализа также переработана заново. Так что, теперь результат "
                 "анализирования будет максимально полным, а точность анализирования "
                 "существенно повышена.",
                 "Внешний вид программы спроектирован для максимального удобства и простоты. Все "
                 "шаги анализирования располагаются слева. Четыре кнопки означают: Заполнение "
                 "информации, Анализирование почерка, Просмотр результата анализования, Печать "
                 "результата.",
                 "Для того, чтобы просмотреть образец почерка, необходимо навести курсор "
                 "\"мышки\" на параметр почерка и щёлкнуть один раз правой клавишей \"мышки\". "
                 "Если образец доступен, его предпросмотр появится в специальном окно, иначе будет "
                 "показана специальная надпись.",
                 "А для просмотраобразца необходимо щёлкнуть один раз левой кнопкой \"мышки\" по "
                 "образцу. Закрыть просмотр образца почерка можно темже способом, т.е. щёлкнув по "
                 "образцу.",
                 "Спасибо за Ваш выбор.", "Приятной работы...",
                 "С уважением, разработчик \"Veltra\"."}));
}

void MainWindowTest::windowLayout() {
    TMainFormFixture window;
    QCOMPARE(window.Form->centralWidget()->size(), QSize(810, 430));
    QCOMPARE(window.Find(QStringLiteral("PanelArea"))->size(), QSize(606, 411));
    QVERIFY(!(window.Form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.Form->palette().color(QPalette::Window), QColor(234, 233, 215));
    QCOMPARE(window.Form->font().pixelSize(), 11);
    QVERIFY(window.Form->font().bold());
    auto* label = window.Find<QLabel>(QStringLiteral("Label1"));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 83, 208));
    QVERIFY(label->font().bold() && label->font().italic());
    QCOMPARE(label->font().pixelSize(), 13);
    // All eighteen rows show without scrolling.
    QCOMPARE(window.List()->topLevelItemCount(), 18);
    QCOMPARE(window.List()->verticalScrollBar()->maximum(), 0);
    QCOMPARE(window.List()->topLevelItem(0)->text(1), QStringLiteral("Наклон почерка"));
    // Every control of the client area lies inside it.
    const QRect client = window.Form->centralWidget()->rect();
    for (QWidget* child : window.Form->centralWidget()->findChildren<QWidget*>(
             QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
}

// The panels are the catalogue: one button per option named after its id,
// inside its panel, overlapping no other option and not the example box.
void MainWindowTest::panelsFromCatalogue() {
    TMainFormFixture window;
    for (const TSectionInfo& section : catalogue::Sections()) {
        const QString panelName = QString::fromStdString(section.Panel());
        QWidget* panel = window.Find(panelName);
        QVERIFY2(panel != nullptr, qPrintable(panelName));
        QWidget* box = panel->findChild<QWidget*>(QStringLiteral("ObrBox_") +
                                                  QString::fromStdString(section.TwoDigits()));
        QCOMPARE(box != nullptr, section.HasExampleBox);
        std::vector<QRect> taken;
        if (box != nullptr) {
            QVERIFY(panel->rect().contains(box->geometry()));
            taken.push_back(box->geometry());
        }
        for (const TOptionInfo& option : catalogue::OptionsOfSection(section.Number)) {
            const QString id = QString::fromUtf8(option.Id.data(), option.Id.size());
            QAbstractButton* button = window.Option(id);
            QCOMPARE(button->parentWidget(), panel);
            QCOMPARE(button->text(),
                     QString::fromUtf8(option.Caption.data(), option.Caption.size()));
            QCOMPARE(qobject_cast<QRadioButton*>(button) != nullptr,
                     option.Kind == TOptionKind::Radio);
            QVERIFY2(panel->rect().contains(button->geometry()), qPrintable(id));
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(id));
            for (const QRect& other : taken)
                QVERIFY2(!other.intersects(button->geometry()), qPrintable(id));
            taken.push_back(button->geometry());
        }
    }
}

// The arrangements of the panels: lines in table order, indented options
// right of the others, the margin grid, the signature columns, the separators.
void MainWindowTest::arrangements() {
    TMainFormFixture window;
    auto at = [&](const QString& id) { return window.Option(id)->geometry(); };
    for (int section : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18}) {
        int lastTop = -1;
        for (const TOptionInfo& option : catalogue::OptionsOfSection(section)) {
            const QRect place = at(QString::fromUtf8(option.Id.data(), option.Id.size()));
            QVERIFY2(place.top() > lastTop, option.Id.data());
            lastTop = place.top();
            const QRect first =
                at(QString::fromUtf8(catalogue::OptionsOfSection(section)[0].Id.data()));
            QCOMPARE(place.left() > first.left(), option.Indented);
        }
    }
    // Margins: a row per side, a column per width.
    for (int side = 1; side <= 4; ++side) {
        for (int width = 1; width <= 3; ++width) {
            const QRect place = at(QStringLiteral("RB4_%1_%2").arg(side).arg(width));
            QCOMPARE(place.top(), at(QStringLiteral("RB4_%1_1").arg(side)).top());
            QCOMPARE(place.left(), at(QStringLiteral("RB4_1_%1").arg(width)).left());
            if (width > 1)
                QVERIFY(place.left() >
                        at(QStringLiteral("RB4_%1_%2").arg(side).arg(width - 1)).right());
            if (side > 1) QVERIFY(place.top() > at(QStringLiteral("RB4_%1_1").arg(side - 1)).top());
        }
    }
    // Signature: slant on the left, size of the letters on the right.
    for (int row = 1; row <= 3; ++row) {
        const QRect slant = at(QStringLiteral("RB16_%1").arg(row));
        const QRect size = at(QStringLiteral("RB16_%1").arg(row + 3));
        QCOMPARE(slant.top(), size.top());
        QCOMPARE(slant.left(), at(QStringLiteral("RB16_1")).left());
        QVERIFY(size.left() > slant.right());
    }
    QVERIFY(at(QStringLiteral("RB16_7")).top() > at(QStringLiteral("RB16_3")).bottom());
    // The separators lie between the options they divide.
    const struct {
        int Section;
        const char* Above;
        const char* Below;
    } separators[] = {{4, "RB4_4_3", "RB4_5"}, {15, "RB15_8", "RB15_9"}};
    for (const auto& expected : separators) {
        const QList<QFrame*> lines = window.Find(QStringLiteral("APanel_%1").arg(expected.Section))
                                         ->findChildren<QFrame*>(QStringLiteral("Separator"));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0]->geometry().top() > at(QString::fromLatin1(expected.Above)).bottom());
        QVERIFY(lines[0]->geometry().bottom() < at(QString::fromLatin1(expected.Below)).top());
    }
}

void MainWindowTest::optionInput_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("input");  // ids; "space:" the space bar, "right:" the right button
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("unchecked");
    QTest::addColumn<QString>("disabled");
    QTest::addColumn<bool>("touched");
    QTest::addRow("RadioSelectsAndGroupFollows") << 1 << "RB1_1 RB1_3"
                                                 << "RB1_3"
                                                 << "RB1_1"
                                                 << "" << true;
    QTest::addRow("SelectedRadioStaysSelected") << 1 << "RB1_1 RB1_1"
                                                << "RB1_1"
                                                << "RB1_2"
                                                << "" << true;
    QTest::addRow("SubOptionOpensWithItsChoice") << 2 << "RB2_2 RB2_3"
                                                 << "RB2_2 RB2_3"
                                                 << ""
                                                 << "RB2_5" << true;
    QTest::addRow("ClosedSubOptionStaysTicked") << 2 << "RB2_2 RB2_3 RB2_1"
                                                << "RB2_1 RB2_3"
                                                << "RB2_2"
                                                << "RB2_3 RB2_5" << true;
    QTest::addRow("DisabledOptionIgnoresClick") << 2 << "RB2_3"
                                                << ""
                                                << "RB2_3"
                                                << "RB2_3" << false;
    QTest::addRow("DisabledOptionIgnoresSpace") << 2 << "space:RB2_3"
                                                << ""
                                                << "RB2_3"
                                                << "RB2_3" << false;
    QTest::addRow("SpaceTicksFocusedBox") << 9 << "space:RB9_1"
                                          << "RB9_1"
                                          << ""
                                          << "" << true;
    QTest::addRow("SpaceSelectsFocusedRadio") << 13 << "space:RB13_2"
                                              << "RB13_2"
                                              << "RB13_1"
                                              << "" << true;
    QTest::addRow("BoxTickedTwiceStaysTouched") << 9 << "RB9_1 RB9_1"
                                                << ""
                                                << "RB9_1"
                                                << "" << true;
    QTest::addRow("RightButtonChangesNothing") << 1 << "right:RB1_1 right:RB1_2"
                                               << ""
                                               << "RB1_1 RB1_2"
                                               << "" << false;
    QTest::addRow("NoDotsKeepsHighDotsClosed") << 8 << "RB8_7"
                                               << "RB8_7"
                                               << "RB8_8"
                                               << "RB8_8" << true;
    QTest::addRow("OtherDotsOpenHighDots") << 8 << "RB8_7 RB8_1 RB8_8"
                                           << "RB8_1 RB8_8"
                                           << "RB8_7"
                                           << "" << true;
    QTest::addRow("MarginGroupsAreIndependent") << 4 << "RB4_1_2 RB4_2_1 RB4_1_3"
                                                << "RB4_1_3 RB4_2_1"
                                                << "RB4_1_2"
                                                << "" << true;
    QTest::addRow("NoDoodlesClosesTheOthers") << 18 << "RB18_1 RB18_13"
                                              << "RB18_1 RB18_13"
                                              << ""
                                              << "RB18_1 RB18_2 RB18_12" << true;
    QTest::addRow("LoopKindsClosedByVariousLoops") << 11 << "RB11_1 RB11_16"
                                                   << "RB11_1 RB11_16"
                                                   << ""
                                                   << "RB11_2 RB11_15" << true;
}

void MainWindowTest::optionInput() {
    QFETCH(int, section);
    QFETCH(QString, input);
    QFETCH(QString, checked);
    QFETCH(QString, unchecked);
    QFETCH(QString, disabled);
    QFETCH(bool, touched);
    TMainFormFixture window;
    window.OpenSection(section);
    for (const QString& step : Words(input)) {
        if (step.startsWith(QLatin1String("space:"))) {
            QAbstractButton* button = window.Option(step.mid(6));
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        } else if (step.startsWith(QLatin1String("right:"))) {
            window.RightClick(step.mid(6));
        } else {
            window.Click(step);
        }
    }
    for (const QString& id : Words(checked)) {
        QVERIFY2(window.program.Sheet.IsChecked(Id(id)), qPrintable(id));
        QVERIFY2(window.Option(id)->isChecked(), qPrintable(id));
    }
    for (const QString& id : Words(unchecked))
        QVERIFY2(!window.Option(id)->isChecked(), qPrintable(id));
    for (const QString& id : Words(disabled))
        QVERIFY2(!window.Option(id)->isEnabled(), qPrintable(id));
    VerifyWidgetsShowSheet(window);
    QCOMPARE(window.program.Sheet.IsSectionTouched(section), touched);
    QCOMPARE(window.Indicator(2), touched ? kPink : kLightBlue);
}

void MainWindowTest::navigation_data() {
    QTest::addColumn<QString>("steps");  // "N" a click on row N, "next", "previous"
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<bool>("previousEnabled");
    QTest::addRow("FirstRow") << "1" << 1 << true << false;
    QTest::addRow("MiddleRow") << "9" << 9 << true << true;
    QTest::addRow("LastRow") << "18" << 18 << false << true;
    QTest::addRow("NextFromSeventeen") << "17 next" << 18 << false << true;
    QTest::addRow("PreviousFromTwo") << "2 previous" << 1 << true << false;
    QTest::addRow("NextTwiceThenPrevious") << "1 next next previous" << 2 << true << true;
}

void MainWindowTest::navigation() {
    QFETCH(QString, steps);
    QFETCH(int, shown);
    QFETCH(bool, nextEnabled);
    QFETCH(bool, previousEnabled);
    TMainFormFixture window;
    for (const QString& step : Words(steps)) {
        if (step == QLatin1String("next"))
            window.Press(QStringLiteral("SeSkinButton1"));
        else if (step == QLatin1String("previous"))
            window.Press(QStringLiteral("SeSkinButton2"));
        else
            window.OpenSection(step.toInt());
    }
    QCOMPARE(window.SelectedSection(), shown);
    QCOMPARE(window.Find(QStringLiteral("SeSkinButton1"))->isEnabled(), nextEnabled);
    QCOMPARE(window.Find(QStringLiteral("SeSkinButton2"))->isEnabled(), previousEnabled);
    QVERIFY(window.Find(QStringLiteral("SeSkinButton3"))->isEnabled());
    QCOMPARE(window.Find<QLabel>(QStringLiteral("Label1"))->text(),
             QString::fromUtf8(catalogue::Section(shown).Name.data()));
    QVERIFY(!window.Find(QStringLiteral("WelcomePanel"))->isVisible());
    for (int section = 1; section <= 18; ++section) {
        QCOMPARE(window.Find(QStringLiteral("APanel_%1").arg(section))->isVisible(),
                 section == shown);
        QCOMPARE(RowIcon(window, section), section == shown ? 2 : 0);
    }
}

// A section's icon turns to "touched" only once the user leaves it.
void MainWindowTest::iconsAfterLeavingChangedSection() {
    TMainFormFixture window;
    window.OpenSection(2);
    window.Click(QStringLiteral("RB2_1"));
    QCOMPARE(RowIcon(window, 2), 2);
    window.Press(QStringLiteral("SeSkinButton1"));
    QCOMPARE(RowIcon(window, 2), 1);
    QCOMPARE(RowIcon(window, 3), 2);
    QCOMPARE(RowIcon(window, 1), 0);
}

// A control-click on the selected row would leave no row selected; the
// section shown stays.
void MainWindowTest::clickThatSelectsNothingKeepsSection() {
    TMainFormFixture window;
    window.OpenSection(5);
    QTreeWidgetItem* row = window.List()->topLevelItem(4);
    QTest::mouseClick(window.List()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      window.List()->visualItemRect(row).center());
    QCOMPARE(window.SelectedSection(), 5);
    QVERIFY(window.Find(QStringLiteral("APanel_5"))->isVisible());
    QCOMPARE(RowIcon(window, 5), 2);
}

void MainWindowTest::clearSection() {
    TMessageLog messages;
    TMainFormFixture window;
    window.OpenSection(2);
    window.Click(QStringLiteral("RB2_2"));
    window.Click(QStringLiteral("RB2_3"));
    window.Press(QStringLiteral("SeSkinButton5"));  // Yes to the question
    QVERIFY(window.program.Sheet.AnalysisDone());
    QCOMPARE(window.Indicator(2), kGreen);

    window.Press(QStringLiteral("SeSkinButton3"));
    for (const TOptionInfo& option : catalogue::OptionsOfSection(2))
        QVERIFY(!window.program.Sheet.IsChecked(option.Option));
    QVERIFY(!window.Option(QStringLiteral("RB2_3"))->isEnabled());
    QVERIFY(!window.Option(QStringLiteral("RB2_5"))->isEnabled());
    QVERIFY(!window.program.Sheet.IsSectionTouched(2));
    QVERIFY(!window.program.Sheet.AnalysisDone());
    QCOMPARE(window.Indicator(2), kPink);
    VerifyWidgetsShowSheet(window);
    window.Press(QStringLiteral("SeSkinButton1"));
    QCOMPARE(RowIcon(window, 2), 0);
}

void MainWindowTest::analyse_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("showAfter");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ran");
    QTest::addColumn<bool>("shown");
    QTest::addRow("CompleteRunsWithoutQuestion")
        << "SeSkinButton5" << true << false << false << false << true << false;
    QTest::addRow("CompleteShowsResultWhenSet")
        << "SeSkinButton5" << true << true << false << false << true << true;
    QTest::addRow("MenuStepThreeAnalyses")
        << "N31" << true << true << false << false << true << true;
    QTest::addRow("IncompleteYesRunsAndShowsNothing")
        << "SeSkinButton5" << false << true << true << true << true << false;
    QTest::addRow("IncompleteNoDoesNothing")
        << "SeSkinButton5" << false << true << false << true << false << false;
}

void MainWindowTest::analyse() {
    QFETCH(QString, command);
    QFETCH(bool, complete);
    QFETCH(bool, showAfter);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, ran);
    QFETCH(bool, shown);
    TMessageLog messages;
    messages.Answers = {answer};
    TMainFormFixture window;
    window.TouchSections(complete ? 0 : 7);
    window.Settings.Values.ShowAfterAnalysis = showAfter;
    window.program.Report = "до анализа";

    if (command == QLatin1String("N31"))
        window.Find<QAction>(command)->trigger();
    else
        window.Press(command);

    QCOMPARE(messages.Shown.size(), std::size_t{asked});
    if (asked) {
        QCOMPARE(messages.Shown[0].Kind, TMessageKind::Question);
        QCOMPARE(messages.Shown[0].Title, kIncompleteTitle);
        QCOMPARE(messages.Shown[0].Text,
                 kIncompleteText + "\r\rВы точно хотите продолжить анализирование?");
    }
    QCOMPARE(window.program.Report != "до анализа", ran);
    QCOMPARE(window.program.Sheet.AnalysisDone(), ran);
    QCOMPARE(window.Indicator(2), ran ? kGreen : kPink);
    QCOMPARE(window.Results->Built, int{shown});
    QCOMPARE(window.Results->Shown, int{shown});
    QVERIFY(window.Form->isEnabled());
    // Only View paints Panel3 green.
    QCOMPARE(window.Indicator(3), ran ? kPink : kLightBlue);
}

void MainWindowTest::completenessCheck_data() {
    QTest::addColumn<bool>("complete");
    QTest::addRow("EverySectionTouched") << true;
    QTest::addRow("OneSectionUntouched") << false;
}

void MainWindowTest::completenessCheck() {
    QFETCH(bool, complete);
    TMessageLog messages;
    TMainFormFixture window;
    window.TouchSections(complete ? 0 : 18);
    window.Find<QAction>(QStringLiteral("N21"))->trigger();
    if (complete) {
        QVERIFY(messages.Shown.empty());
    } else {
        QCOMPARE(messages.Shown.size(), std::size_t{1});
        QCOMPARE(messages.Shown[0].Kind, TMessageKind::Information);
        QCOMPARE(messages.Shown[0].Title, kIncompleteTitle);
        QCOMPARE(messages.Shown[0].Text, kIncompleteText);
    }
    QVERIFY(!window.program.Sheet.AnalysisDone());
}

void MainWindowTest::viewAndPrint_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("beforeShow");
    QTest::addColumn<bool>("beforePrint");
    QTest::addColumn<bool>("noRepeat");
    QTest::addColumn<bool>("analysed");
    QTest::addColumn<bool>("changedSince");
    QTest::addColumn<bool>("ran");
    const QString view = QStringLiteral("SeSkinButton6"), print = QStringLiteral("SeSkinButton7");
    QTest::addRow("ViewShowsLastReport")
        << view << false << false << false << true << false << false;
    QTest::addRow("ViewNeverAnalysedShowsEmptyReport")
        << view << false << false << false << false << false << false;
    QTest::addRow("ViewIgnoresPrintSetting")
        << view << false << true << false << false << false << false;
    QTest::addRow("ViewAnalysesFirst") << view << true << false << false << false << false << true;
    QTest::addRow("ViewRepeatsCurrentAnalysis")
        << view << true << false << false << true << false << true;
    QTest::addRow("ViewNoRepeatKeepsCurrent")
        << view << true << false << true << true << false << false;
    QTest::addRow("ViewNoRepeatAfterChange")
        << view << true << false << true << true << true << true;
    QTest::addRow("ViewNoRepeatNeverAnalysed")
        << view << true << false << true << false << false << true;
    QTest::addRow("PrintPrintsLastReport")
        << print << false << false << false << true << false << false;
    QTest::addRow("PrintIgnoresShowSetting")
        << print << true << false << false << false << false << false;
    QTest::addRow("PrintAnalysesFirst")
        << print << false << true << false << false << false << true;
    QTest::addRow("PrintNoRepeatKeepsCurrent")
        << print << false << true << true << true << false << false;
    QTest::addRow("PrintNoRepeatAfterChange")
        << print << false << true << true << true << true << true;
}

void MainWindowTest::viewAndPrint() {
    QFETCH(QString, command);
    QFETCH(bool, beforeShow);
    QFETCH(bool, beforePrint);
    QFETCH(bool, noRepeat);
    QFETCH(bool, analysed);
    QFETCH(bool, changedSince);
    QFETCH(bool, ran);
    TMessageLog messages;
    TMainFormFixture window;
    window.OpenSection(1);
    window.Click(QStringLiteral("RB1_1"));  // the sheet stays incomplete
    if (analysed) window.Press(QStringLiteral("SeSkinButton5"));
    if (changedSince) window.Click(QStringLiteral("RB1_2"));
    messages.Shown.clear();
    // The settings are read when the command runs.
    window.Settings.Values.AnalyseBeforeShow = beforeShow;
    window.Settings.Values.AnalyseBeforePrint = beforePrint;
    window.Settings.Values.NoRepeatAnalysis = noRepeat;
    window.program.Report = "прежний отчёт";
    const QColor panel3 = window.Indicator(3);

    window.Press(command);

    QVERIFY(messages.Shown.empty());
    QCOMPARE(window.program.Report != "прежний отчёт", ran);
    QCOMPARE(window.Results->Built, 1);
    const bool view = command == QLatin1String("SeSkinButton6");
    QCOMPARE(window.Results->Shown, int{view});
    QCOMPARE(window.Results->Printed, int{!view});
    if (view) {
        QCOMPARE(window.Indicator(3), kGreen);
    } else {
        QCOMPARE(window.Indicator(4), kGreen);
        QCOMPARE(window.Indicator(3), ran ? kPink : panel3);
    }
}

void MainWindowTest::indicatorsThroughAWorkflow() {
    TMainFormFixture window;
    window.TouchSections();
    const QList<QColor> touched{kLightBlue, kPink, kLightBlue, kLightBlue};
    const struct {
        const char* Command;
        QList<QColor> Colours;  // Panel1 ... Panel4 afterwards
    } steps[] = {
        {"SeSkinButton5", {kLightBlue, kGreen, kPink, kPink}},
        {"SeSkinButton6", {kLightBlue, kGreen, kGreen, kPink}},
        {"SeSkinButton7", {kLightBlue, kGreen, kGreen, kGreen}},
        {"RB1_2", {kLightBlue, kPink, kGreen, kGreen}},
        {"SeSkinButton5", {kLightBlue, kGreen, kPink, kPink}},
    };
    for (int step = 1; step <= 4; ++step) QCOMPARE(window.Indicator(step), touched[step - 1]);
    window.OpenSection(1);
    for (const auto& step : steps) {
        window.Press(QString::fromLatin1(step.Command));
        for (int panel = 1; panel <= 4; ++panel)
            QVERIFY2(window.Indicator(panel) == step.Colours[panel - 1],
                     qPrintable(QStringLiteral("%1: Panel%2").arg(step.Command).arg(panel)));
    }
}

void MainWindowTest::windowDisabledWhileAnalysing_data() {
    QTest::addColumn<QString>("command");
    QTest::addRow("Analyse") << "SeSkinButton5";
    QTest::addRow("ViewAnalysingFirst") << "SeSkinButton6";
    QTest::addRow("PrintAnalysingFirst") << "SeSkinButton7";
}

// The run's progress window has the main window disabled while it is shown,
// and hands it back enabled with the indicators of a finished run.
void MainWindowTest::windowDisabledWhileAnalysing() {
    QFETCH(QString, command);
    TMainFormFixture window;
    window.TouchSections();
    window.Settings.Values.AnalyseBeforeShow = true;
    window.Settings.Values.AnalyseBeforePrint = true;
    struct TEnabledLog : QObject {
        TMainFormFixture* Window = nullptr;
        QStringList Changes;  // "enabled/disabled, progress shown/hidden, Panel2 colour"
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::EnabledChange)
                Changes << QStringLiteral("%1 %2 %3")
                               .arg(Window->Form->isEnabled() ? "enabled" : "disabled")
                               .arg(Window->program.Analiz->isVisible() ? "shown" : "hidden")
                               .arg(Window->Indicator(2) == kGreen ? "green" : "pink");
            return QObject::eventFilter(watched, event);
        }
    } log;
    log.Window = &window;
    window.Form->installEventFilter(&log);
    window.Press(command);
    window.Form->removeEventFilter(&log);
    QCOMPARE(log.Changes, (QStringList{"disabled shown pink", "enabled shown green"}));
    QVERIFY(!window.program.Analiz->isVisible());
    QVERIFY(window.program.Sheet.AnalysisDone());
}

// The commands reach the program's own result window.
void MainWindowTest::programResultWindow() {
    TMainFormFixture window(true);
    window.TouchSections();
    window.Settings.Values.ShowAfterAnalysis = true;
    window.Press(QStringLiteral("SeSkinButton5"));
    QWidget* result = window.program.ResultAnalized;
    QVERIFY(result->isVisible());
    QVERIFY(!window.Form->isEnabled());
    const QString report = QString::fromStdString(window.program.Report).trimmed();
    QVERIFY(!report.isEmpty());
    QVERIFY(
        result->findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText().contains(report));
    QCOMPARE(window.Indicator(3), kPink);
    result->close();
    QVERIFY(window.Form->isEnabled());

    window.Press(QStringLiteral("SeSkinButton6"));
    QVERIFY(result->isVisible());
    QVERIFY(!window.Form->isEnabled());
    QCOMPARE(window.Indicator(3), kGreen);
}

void MainWindowTest::subjectConfirmation() {
    TMainFormFixture window;
    StoreSubject(window.program.Subject, "Иванова", "", "Петровна", TGender::Female,
                 TPerspective::Other);
    window.Form->ShowSubjectInCaption();
    window.Form->MakeCompletenessCheckDefault();
    window.Form->SetIndicator(1, TIndicatorColour::Green);
    QCOMPARE(window.Form->windowTitle(),
             QStringLiteral("Veltra 2.5.0.0. Иванова <нет данных> Петровна"));
    QVERIFY(window.Find<QAction>(QStringLiteral("N21"))->font().bold());
    QVERIFY(!window.Find<QAction>(QStringLiteral("N11"))->font().bold());
    QCOMPARE(window.Indicator(1), kGreen);
}

void MainWindowTest::menus() {
    TMainFormFixture window;
    QMenuBar* bar = window.Form->menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));
    QStringList titles;
    for (QAction* action : bar->actions()) titles << action->text();
    QCOMPARE(titles, (QStringList{"Настройки", "Анализирование", "Выход", "Справка"}));
    QCOMPARE(bar->actions()[2]->objectName(), QStringLiteral("N7"));
    QVERIFY(bar->actions()[2]->menu() == nullptr);
    const struct {
        const char* Menu;
        QStringList Items;
    } menus[] = {
        {"N1", {"N2 Запуск", "N3 Выход", "N4 Анализирование", "N5 Печать"}},
        {"N9",
         {"N11 Шаг 1: Заполнение информации", "N21 Шаг 2: Проверка заполнения параметров",
          "N31 Шаг 3: Анализирование почерка", "N41 Шаг 4: Просмотр или печать результата"}},
        {"N8", {"N10 О программе", "N12 ", "N13 Совместимость с Windows"}},
    };
    for (const auto& menu : menus) {
        QStringList items;
        for (QAction* action : window.Find<QMenu>(QString::fromLatin1(menu.Menu))->actions())
            items << action->objectName() + QLatin1Char(' ') + action->text();
        QCOMPARE(items, menu.Items);
    }
    QVERIFY(window.Find<QAction>(QStringLiteral("N12"))->isSeparator());
    // Step 1 is the default item at the start.
    QVERIFY(window.Find<QAction>(QStringLiteral("N11"))->font().bold());
    QVERIFY(!window.Find<QAction>(QStringLiteral("N21"))->font().bold());
    // Step 4 of the menu shows the result.
    window.Find<QAction>(QStringLiteral("N41"))->trigger();
    QCOMPARE(window.Results->Shown, 1);
    QCOMPARE(window.Indicator(3), kGreen);
}

void MainWindowTest::menuCommands_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab");
    QTest::addRow("SettingsStart") << "N2"
                                   << "TOptions" << 0;
    QTest::addRow("SettingsExit") << "N3"
                                  << "TOptions" << 1;
    QTest::addRow("SettingsAnalysis") << "N4"
                                      << "TOptions" << 2;
    QTest::addRow("SettingsPrint") << "N5"
                                   << "TOptions" << 3;
    QTest::addRow("About") << "N10"
                           << "TAboutProgramm" << -1;
    QTest::addRow("Compatibility") << "N13"
                                   << "TSovmest" << -1;
}

void MainWindowTest::menuCommands() {
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(int, tab);
    TMainFormFixture main;
    TOptions options(main.program);
    TAboutProgramm about(main.program);
    TSovmest sovmest(main.program);
    main.program.Options = &options;
    main.program.AboutProgramm = &about;
    main.program.Sovmest = &sovmest;

    main.Find<QAction>(item)->trigger();
    QWidget* opened = nullptr;
    for (QWidget* candidate : std::initializer_list<QWidget*>{&options, &about, &sovmest}) {
        QCOMPARE(candidate->isVisible(), window == candidate->metaObject()->className());
        if (candidate->isVisible()) opened = candidate;
    }
    QVERIFY(opened != nullptr);
    QVERIFY(!main.Form->isEnabled());
    if (tab >= 0)
        QCOMPARE(
            options.findChild<QTabWidget*>(QStringLiteral("SeSkinTabControl1"))->currentIndex(),
            tab);
    opened->close();
    QVERIFY(main.Form->isEnabled());
}

void MainWindowTest::stepOneOpensSubjectWindow() {
    TMainFormFixture window;
    window.Press(QStringLiteral("SeSkinButton4"));  // no subject window yet: nothing happens
    int opened = 0;
    window.Form->SetSubjectWindowOpener([&opened] { ++opened; });
    window.Press(QStringLiteral("SeSkinButton4"));
    window.Find<QAction>(QStringLiteral("N11"))->trigger();
    QCOMPARE(opened, 2);
}

void MainWindowTest::exitClosesWindow() {
    for (const char* command : {"SeSkinButton8", "N7"}) {
        TMainFormFixture window;
        if (QAction* item = window.Find<QAction>(QString::fromLatin1(command)))
            item->trigger();
        else
            window.Press(QString::fromLatin1(command));
        QVERIFY2(!window.Form->isVisible(), command);
    }
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
