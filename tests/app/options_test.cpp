#include "options.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "linklabel.h"
#include "messagelog.h"
#include "program.h"
#include "started.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

const std::string kDefaultsFile = Bytes({'1', 0, 0, 0, 0, 0, 0, 0, 0, '1', 0});

// The program as far as the settings window needs it: a start window, a main
// window, a program directory of its own with or without Options.opt.
struct Shell {
    explicit Shell(std::optional<std::string> file = std::nullopt, bool readOnly = false) {
        started = std::make_unique<TStarted>(
            program, TStartEnvironment{[](const std::string&) { return false; },
                                       [] { return QSize(1280, 1024); }});
        program.Started = started.get();
        program.ProgramDir = dir.path().toStdString() + "/";
        if (file) Write(*file);
        if (readOnly) std::filesystem::permissions(Path(), std::filesystem::perms::owner_read);
        program.MainWindow = &main;
        main.show();
        options = std::make_unique<TOptions>(program);
        program.Settings = options.get();
    }
    std::string Path() const { return program.ProgramDir + kSettingsFileName; }
    void Write(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
    std::string Read() const {
        std::ifstream in(Path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    template <class T = QWidget>
    T* Find(const char* name) const {
        return options->findChild<T*>(QString::fromLatin1(name));
    }
    QTabWidget* Tabs() const { return Find<QTabWidget>("SeSkinTabControl1"); }
    // Clicks a control as the user does: on its tab, on its left edge (the
    // indicator of a check box or radio button).
    void Click(const char* name) const {
        QWidget* control = Find(name);
        QVERIFY2(control, name);
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            if (Tabs()->widget(tab)->isAncestorOf(control)) Tabs()->setCurrentIndex(tab);
        }
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
    }
    bool Checked(const char* name) const { return Find<QAbstractButton>(name)->isChecked(); }

    QTemporaryDir dir;
    TProgram program;
    QWidget main;
    std::unique_ptr<TStarted> started;
    std::unique_ptr<TOptions> options;
};

const char* const kAllChecks[] = {"SeSkinCheckBox1", "SeSkinCheckBox2", "SeSkinCheckBox3",
                                  "SeSkinCheckBox4", "SeSkinCheckBox5", "SeSkinCheckBox6",
                                  "SeSkinCheckBox8", "SeSkinCheckBox9", "SeSkinCheckBox10"};

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void controls_data();
    void controls();
    void pages();
    void firstStartWithoutFile();
    void fileSetsControlsAndStartDelay();
    void changesApplyAtOnce();
    void closeWithoutSavingDropsChanges();
    void saveButtons();
    void restoreButton();
    void savedDelayWaitsForTheNextStart();
    void helpLinks_data();
    void helpLinks();
    void readOnlyFile();
    void openOnTab_data();
    void openOnTab();
};

void OptionsTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("tab");  // -1: below the tabs
    QTest::addColumn<bool>("enabled");
    struct Row {
        const char* name;
        const char* kind;
        const char* caption;
        int tab;
        bool enabled = true;
    };
    const Row rows[] = {
        {"SeSkinRadioButton1", "QRadioButton", "Длинная задержка", 0},
        {"SeSkinRadioButton2", "QRadioButton", "Стандартная задержка", 0},
        {"SeSkinRadioButton3", "QRadioButton", "Короткая задержка", 0},
        {"SeSkinRadioButton4", "QRadioButton", "Без задержки", 0},
        {"SeSkinCheckBox1", "QCheckBox", "Заполнение личной информации о тестируемом", 0},
        {"SeSkinCheckBox4", "QCheckBox", "Проверить целостность образцов почерка", 0, false},
        {"Label7", "TLinkLabel", "Задержка запуска программы \"Veltra\"", 0},
        {"Label5", "TLinkLabel", "Заполнение личной информации о тестируемом", 0},
        {"SeSkinCheckBox2", "QCheckBox", "Запрос на выход", 1},
        {"SeSkinCheckBox3", "QCheckBox", "Запрос на сохранение анализа", 1},
        {"Label8", "TLinkLabel", "Запрос на выход", 1},
        {"Label9", "TLinkLabel", "Запрос на сохранение анализа", 1},
        {"SeSkinCheckBox5", "QCheckBox", "Перед показом результата анализирования", 2},
        {"SeSkinCheckBox8", "QCheckBox", "Перед печатью результата анализа", 2},
        {"SeSkinCheckBox9", "QCheckBox", "Не анализировать повторно", 2},
        {"SeSkinCheckBox10", "QCheckBox", "После анализирования показать результат", 2},
        {"SeSkinRadioButton5", "QRadioButton", "Печатать один экземпляр", 3},
        {"SeSkinRadioButton6", "QRadioButton", "Печатать два экземпляря", 3},
        {"SeSkinRadioButton7", "QRadioButton", "Печатать три экземпляра", 3},
        {"SeSkinCheckBox6", "QCheckBox", "Выбирать принтер до печати результата", 3},
        {"SeSkinButton1", "QPushButton", "Сохранить настройки и закрыть окно настроек", -1},
        {"SeSkinButton2", "QPushButton", "Сохранить настройки", -1},
        {"SeSkinButton3", "QPushButton", "Восстановить настройки", -1},
        {"SeSkinButton4", "QPushButton", "Закрыть окно настроек без сохранения", -1},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.kind
                                << QString::fromUtf8(row.caption) << row.tab << row.enabled;
    }
}

void OptionsTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(int, tab);
    QFETCH(bool, enabled);
    Shell shell;
    QWidget* control = shell.options->findChild<QWidget*>(name);
    QVERIFY(control);
    QVERIFY(control->inherits(kind.toLatin1()));
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QCOMPARE(button->text(), caption);
    } else {
        QCOMPARE(qobject_cast<QLabel*>(control)->text(), caption);
    }
    QCOMPARE(control->isEnabled(), enabled);
    QTabWidget* tabs = shell.Tabs();
    for (int page = 0; page < tabs->count(); ++page) {
        QCOMPARE(tabs->widget(page)->isAncestorOf(control), page == tab);
    }
}

void OptionsTest::pages() {
    Shell shell;
    QCOMPARE(shell.options->windowTitle(), QStringLiteral("Настройки"));
    bool heading = false;
    for (QLabel* label : shell.options->findChildren<QLabel*>()) {
        heading = heading || label->text() == QStringLiteral("Настройки программы");
    }
    QVERIFY(heading);
    const QStringList captions = {"Запуск", "Выход", "Анализирование", "Печать"};
    const QList<QStringList> headings = {
        {"Задержка запуска", "Автооткрытие", "Проверка целостности"},
        {"Запросы"},
        {"Анализирование почерка"},
        {"Параметры печати"}};
    QTabWidget* tabs = shell.Tabs();
    QCOMPARE(tabs->count(), 4);
    for (int page = 0; page < 4; ++page) {
        QCOMPARE(tabs->tabText(page), captions[page]);
        QStringList titles;
        for (QGroupBox* group : tabs->widget(page)->findChildren<QGroupBox*>()) {
            titles << group->title();
        }
        QCOMPARE(titles, headings[page]);
    }
    // The analysis tab repeats its first three captions as links.
    QStringList links;
    for (TLinkLabel* link : tabs->widget(2)->findChildren<TLinkLabel*>()) links << link->text();
    QCOMPARE(links, QStringList({"Перед показом результата анализирования",
                                 "Перед печатью результата анализа", "Не анализировать повторно"}));
    QVERIFY(shell.options->minimumSize() == shell.options->maximumSize());
}

void OptionsTest::firstStartWithoutFile() {
    Shell shell;
    QCOMPARE(shell.started->Delay(), 1000);
    QVERIFY(shell.Checked("SeSkinRadioButton2"));
    QVERIFY(shell.Checked("SeSkinRadioButton5"));
    for (const char* name : kAllChecks) QVERIFY2(!shell.Checked(name), name);
    QCOMPARE(shell.program.Settings->CurrentSettings(), TSettings{});
    QVERIFY(!std::ifstream(shell.Path()));  // reading creates nothing
}

void OptionsTest::fileSetsControlsAndStartDelay() {
    Shell shell(Bytes({'3', 1, 0, 0, 0, 0, 0, 0, 1, '3', 1}));
    QCOMPARE(shell.started->Delay(), 30);
    QVERIFY(shell.Checked("SeSkinRadioButton4"));
    QVERIFY(shell.Checked("SeSkinCheckBox1"));
    QVERIFY(shell.Checked("SeSkinCheckBox10"));
    QVERIFY(shell.Checked("SeSkinRadioButton7"));
    QVERIFY(shell.Checked("SeSkinCheckBox6"));
    QVERIFY(!shell.Checked("SeSkinCheckBox5"));
    TSettings settings = shell.program.Settings->CurrentSettings();
    QVERIFY(settings.AskSubjectAtStart && settings.ShowAfterAnalysis && settings.ChoosePrinter);
    QCOMPARE(settings.Copies, 3);
}

// A change is in force at once and survives the window's own close button.
void OptionsTest::changesApplyAtOnce() {
    Shell shell(kDefaultsFile);
    shell.options->OpenOnTab(TOptions::kAnalysisTab);
    shell.Click("SeSkinCheckBox10");
    shell.Click("SeSkinRadioButton6");
    QVERIFY(shell.program.Settings->CurrentSettings().ShowAfterAnalysis);
    QCOMPARE(shell.program.Settings->CurrentSettings().Copies, 2);
    QVERIFY(shell.options->close());
    QVERIFY(!shell.options->isVisible());
    QVERIFY(shell.main.isEnabled());
    QVERIFY(shell.program.Settings->CurrentSettings().ShowAfterAnalysis);
    QCOMPARE(shell.Read(), kDefaultsFile);
}

void OptionsTest::closeWithoutSavingDropsChanges() {
    Shell shell(kDefaultsFile);
    shell.options->OpenOnTab(TOptions::kAnalysisTab);
    shell.Click("SeSkinCheckBox10");
    shell.Click("SeSkinButton4");
    QVERIFY(!shell.options->isVisible());
    QVERIFY(shell.main.isEnabled());
    QVERIFY(!shell.program.Settings->CurrentSettings().ShowAfterAnalysis);
    QCOMPARE(shell.Read(), kDefaultsFile);
}

void OptionsTest::saveButtons() {
    Shell shell;
    TMessageLog log;
    shell.options->OpenOnTab(TOptions::kStartTab);
    shell.Click("SeSkinRadioButton3");
    shell.Click("SeSkinCheckBox1");
    shell.Click("SeSkinButton2");
    QCOMPARE(shell.Read(), Bytes({'2', 1, 0, 0, 0, 0, 0, 0, 0, '1', 0}));
    QVERIFY(shell.options->isVisible());
    QVERIFY(!shell.main.isEnabled());

    shell.Click("SeSkinCheckBox9");
    shell.Click("SeSkinCheckBox6");
    shell.Click("SeSkinButton1");
    QCOMPARE(shell.Read(), Bytes({'2', 1, 0, 0, 0, 0, 0, 1, 0, '1', 1}));
    QVERIFY(!shell.options->isVisible());
    QVERIFY(shell.main.isEnabled());
    QVERIFY(shell.Checked("SeSkinCheckBox9"));  // read back from what was saved
    QVERIFY(log.Shown.empty());
}

void OptionsTest::restoreButton() {
    Shell shell(Bytes({'0', 0, 0, 1, 0, 0, 0, 0, 0, '2', 0}));
    shell.options->OpenOnTab(TOptions::kExitTab);
    shell.Click("SeSkinCheckBox2");
    shell.Click("SeSkinCheckBox3");
    shell.Click("SeSkinRadioButton2");
    shell.Click("SeSkinButton3");
    QVERIFY(shell.Checked("SeSkinRadioButton1"));
    QVERIFY(shell.Checked("SeSkinCheckBox2"));
    QVERIFY(!shell.Checked("SeSkinCheckBox3"));
    QVERIFY(shell.Checked("SeSkinRadioButton6"));
    QVERIFY(shell.options->isVisible());
}

void OptionsTest::savedDelayWaitsForTheNextStart() {
    Shell shell;
    shell.options->OpenOnTab(TOptions::kStartTab);
    shell.Click("SeSkinRadioButton1");
    shell.Click("SeSkinButton1");
    QCOMPARE(shell.Read()[0], '0');
    QCOMPARE(shell.started->Delay(), 1000);

    Shell next(shell.Read());
    QCOMPARE(next.started->Delay(), 3000);
}

void OptionsTest::helpLinks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("Label7") << "Label7"
                            << "Задержка запуска программы \"Veltra\".\r\r     Эта функция сделана "
                               "исключительно для информации о программе. ";
    QTest::newRow("Label5") << "Label5"
                            << "Заполнение личной информации о тестируемом.\r\r     Как только "
                               "программа загрузится полностью, автоматически произойдёт запрос "
                               "информации о тестируемом.";
    QTest::newRow("Label8") << "Label8"
                            << "Запрос на выход.\r\r     Программа будет требовать подтверждения "
                               "на выход.";
    QTest::newRow("Label9") << "Label9"
                            << "\r\r     Когда программа будет закрываться, то произойдёт запрос "
                               "на сохрание результата анализа при условии, что анализирование "
                               "было произведено.";
}

void OptionsTest::helpLinks() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    Shell shell;
    TMessageLog log;
    shell.options->Open();
    shell.Click(name.toLatin1().constData());
    QCOMPARE(log.Shown.size(), size_t(1));
    QCOMPARE(log.Shown[0].Kind, TMessageKind::Information);
    QCOMPARE(log.Shown[0].Text, message);
    auto* link = shell.Find<TLinkLabel>(name.toLatin1().constData());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->font().underline());
}

// A read-only file is neither read nor replaced: both messages, the old bytes
// stay, and the values in the window stay in force.
void OptionsTest::readOnlyFile() {
    const std::string old = Bytes({'3', 1, 1, 1, 1, 1, 1, 1, 1, '3', 1});
    Shell shell(old, true);
    QVERIFY(shell.Checked("SeSkinRadioButton2"));  // not read
    TMessageLog log;
    shell.options->Open();
    shell.Click("SeSkinCheckBox5");
    shell.Click("SeSkinButton1");
    QCOMPARE(log.Texts(), QStringList({"Файл настроек защищён от записи.",
                                       "Невозможно произвести запись настроек программы."}));
    QCOMPARE(log.Shown[0].Kind, TMessageKind::Error);
    QCOMPARE(log.Shown[1].Kind, TMessageKind::Error);
    QCOMPARE(shell.Read(), old);
    QVERIFY(shell.program.Settings->CurrentSettings().AnalyseBeforeShow);
    QVERIFY(!shell.options->isVisible());
}

void OptionsTest::openOnTab_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::newRow("N2") << 0 << "Запуск";
    QTest::newRow("N3") << 1 << "Выход";
    QTest::newRow("N4") << 2 << "Анализирование";
    QTest::newRow("N5") << 3 << "Печать";
}

void OptionsTest::openOnTab() {
    QFETCH(int, tab);
    QFETCH(QString, caption);
    Shell shell;
    shell.Tabs()->setCurrentIndex((tab + 2) % 4);
    shell.options->OpenOnTab(tab);
    QVERIFY(shell.options->isVisible());
    QVERIFY(!shell.main.isEnabled());
    QCOMPARE(shell.Tabs()->tabText(shell.Tabs()->currentIndex()), caption);
    QTest::keyClick(shell.options.get(), Qt::Key_Escape);
    QVERIFY(!shell.options->isVisible());
    QVERIFY(shell.main.isEnabled());
}

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
