#include "resultanalized.h"

#include <sys/resource.h>

#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>
#include <csignal>
#include <deque>
#include <optional>

#include "messagelog.h"
#include "program.h"
#include "richtext.h"
#include "rtfwriter.h"
#include "unrtf.h"

namespace {

const QColor kLightBlue(166, 202, 240);
const QColor kGreen(0, 128, 0);

class TFakeSettings : public TSettingsSource {
  public:
    TSettings CurrentSettings() const override { return Settings; }
    TSettings Settings;
};

// Stands in for the platform's dialogs; printing goes into a PDF file.
class TFakePlatform : public TResultPlatform {
  public:
    bool AskSaveName(QWidget*, TSaveChoice& choice) override {
        Presets.push_back(choice);
        if (SaveAnswers.empty()) return false;
        const std::optional<TSaveChoice> answer = SaveAnswers.front();
        SaveAnswers.pop_front();
        if (!answer) return false;
        choice = *answer;
        return true;
    }
    bool AskPrinter(QWidget*, QPrinter& printer) override {
        DialogCopies.push_back(printer.copyCount());
        return PrinterConfirmed && ToPdf(printer);
    }
    bool UseDefaultPrinter(QPrinter& printer) override {
        DefaultCopies.push_back(printer.copyCount());
        return HasDefaultPrinter && ToPdf(printer);
    }

    bool ToPdf(QPrinter& printer) const {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfPath);
        return true;
    }

    std::deque<std::optional<TSaveChoice>> SaveAnswers;  // nothing: the user cancels
    std::vector<TSaveChoice> Presets;
    bool PrinterConfirmed = true;
    bool HasDefaultPrinter = true;
    std::vector<int> DialogCopies;
    std::vector<int> DefaultCopies;
    QString PdfPath;
};

// The result window with a main window holding Panel4, live settings, and
// the platform's dialogs replaced.
struct Fixture {
    Fixture() {
        program.Settings = &settings;
        program.MainWindow = &main;
        panel4 = new QWidget(&main);
        panel4->setObjectName(QStringLiteral("Panel4"));
        PaintBackground(*panel4, kLightBlue);
        platform.PdfPath = dir.filePath(QStringLiteral("print.pdf"));
        SetResultPlatform(&platform);
        window = std::make_unique<TResultAnalized>(program);
    }
    ~Fixture() { SetResultPlatform(nullptr); }

    template <class T = QWidget>
    T* Find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QTextEdit* View() const { return Find<QTextEdit>("RichEdit1"); }
    void Click(const char* name) const {
        QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
    }
    void Build(const char* surname, const char* firstName, const char* patronymic,
               std::string report) {
        StoreSubject(program.Subject, surname, firstName, patronymic, TGender::Male,
                     TPerspective::Other);
        program.Report = std::move(report);
        window->BuildResultDocument();
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void SaveAs(const QString& name, int filterIndex) {
        platform.SaveAnswers.push_back(TSaveChoice{Path(name), filterIndex});
        Click("SeSkinButton2");
    }
    QColor Panel4Colour() const { return panel4->palette().color(QPalette::Window); }

    QTemporaryDir dir;
    TProgram program;
    TFakeSettings settings;
    QWidget main;
    QWidget* panel4 = nullptr;
    TFakePlatform platform;
    TMessageLog messages;
    std::unique_ptr<TResultAnalized> window;
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList BlockTexts(const QTextDocument& text) {
    QStringList texts;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        texts << block.text();
    }
    return texts;
}

// Types as the user does, Cyrillic included (QTest::keyClicks takes Latin-1
// keys only).
void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

int PdfPages(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

constexpr std::string_view kSentence =
    "Иван отличается упорством и любит доводить начатое до конца. ";

std::string Report(int sentences) {
    std::string report;
    for (int i = 0; i < sentences; ++i) report += kSentence;
    return report + "Конец отчёта. ";
}

}  // namespace

class TResultAnalizedTest : public QObject {
    Q_OBJECT
  private slots:
    void controls() {
        Fixture f;
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Результат анализирования"));
        QCOMPARE(f.window->size(), QSize(688, 453));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.window->palette().color(QPalette::Window), QColor(Qt::white));
        const std::pair<const char*, const char*> buttons[] = {{"SeSkinButton1", " Закрыть"},
                                                               {"SeSkinButton2", " Сохранить"},
                                                               {"SeSkinButton3", " Напечатать"}};
        for (auto [name, caption] : buttons) {
            auto* button = f.Find<QPushButton>(name);
            QVERIFY2(button, name);
            QCOMPARE(button->text(), QString::fromUtf8(caption));
            QVERIFY2(!button->icon().isNull(), name);
            QVERIFY2(button->geometry().bottom() < 30, name);
        }
        QTextEdit* view = f.View();
        QVERIFY(view);
        QCOMPARE(view->geometry(), QRect(5, 30, 678, 418));
        QVERIFY(!view->isReadOnly());
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(view->lineWrapMode(), QTextEdit::WidgetWidth);
    }

    // The view follows any change of the window's size.
    void formCanResize() {
        Fixture f;
        f.window->show();
        f.window->setFixedSize(800, 500);
        QCOMPARE(f.View()->geometry(), QRect(5, 30, 790, 465));
    }

    void buildFillsNineParagraphs() {
        Fixture f;
        f.Build("Иванов", "Иван", "Петрович", "Иван общителен. ");
        const QTextDocument& text = *f.View()->document();
        const QStringList texts = BlockTexts(text);
        QCOMPARE(texts.size(), 9);
        QCOMPARE(texts[0], QString::fromUtf8(kProductLine));
        // Today in the locale's short date format; the time to the second,
        // without the time zone the long format may end with.
        const QRegularExpressionMatch stamp =
            QRegularExpression(QStringLiteral("^Дата и время тестирования: (.+); (.+)$"))
                .match(texts[2]);
        QVERIFY2(stamp.hasMatch(), qPrintable(texts[2]));
        const QLocale locale = QLocale::system().language() == QLocale::C
                                   ? QLocale(QLocale::Russian, QLocale::Russia)
                                   : QLocale::system();
        const QDate date = locale.toDate(stamp.captured(1), QLocale::ShortFormat);
        QVERIFY2(date == QDate::currentDate() || date == QDate::currentDate().addDays(-1),
                 qPrintable(texts[2]));
        QVERIFY2(
            QRegularExpression(QStringLiteral("^\\d{1,2}:\\d\\d:\\d\\d( ?[AaPp]\\.?[Mm]\\.?)?$"))
                .match(stamp.captured(2))
                .hasMatch(),
            qPrintable(texts[2]));
        QCOMPARE(texts.mid(3),
                 (QStringList{"", "Фамилия: Иванов", "Имя:            Иван", "Отчество: Петрович",
                              "", "             Иван общителен. "}));
        QStringList bold;
        for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
            QCOMPARE(block.blockFormat().leftMargin(), 40.0);  // 30 pt at 96 dpi
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                const QString family = block.blockNumber() == 0 ? "Arial" : "MS Sans Serif";
                QCOMPARE(format.fontFamilies().toStringList(), QStringList{family});
                QCOMPARE(format.fontPointSize(), 8.0);
                if (format.fontWeight() == QFont::Bold) bold << it.fragment().text();
            }
        }
        QCOMPARE(bold, (QStringList{QString::fromUtf8(kProductLine), "Дата и время тестирования: ",
                                    "Фамилия: ", "Имя: ", "Отчество: "}));
        QCOMPARE(text.defaultFont().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(text.defaultFont().pointSizeF(), 8.0);
        QVERIFY(f.View()->textCursor().atEnd());
        QVERIFY(!f.View()->textCursor().hasSelection());
    }

    // On a system without the document's fonts the view shows Liberation Sans.
    void fontsAreSubstitutedForDisplay() {
        Fixture f;
        QCOMPARE(QFontInfo(f.View()->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(),
                 QStringLiteral("Liberation Sans"));
    }

    // A second build replaces everything, the user's edits included, and
    // cannot be undone back into the old content.
    void buildTwiceGivesTheSameDocument() {
        Fixture f;
        f.Build("Иванов", "Иван", "Петрович", "Иван общителен. ");
        TResultDocument first = DocumentFromText(*f.View()->document());
        Type(f.View(), QStringLiteral("Дописано"));
        f.window->BuildResultDocument();
        TResultDocument second = DocumentFromText(*f.View()->document());
        first.Paragraphs.erase(first.Paragraphs.begin() + 2);  // date and time
        second.Paragraphs.erase(second.Paragraphs.begin() + 2);
        QVERIFY(first == second);
        QVERIFY(!f.View()->document()->isUndoAvailable());
    }

    // What the view shows is what the file gets: fonts, sizes, bold, indents.
    void richTextKeepsTheDocument() {
        TResultDocument document =
            ComposeResultDocument(TSubject{}, "Отчёт. ", "01.02.2024", "13:45:07");
        document.Paragraphs.push_back(
            {.Runs = {{.Text = "Крупно",
                       .FontName = "Times New Roman",
                       .PointSize = 12.5,
                       .Bold = true},
                      {.Text = " {\\}", .FontName = "Arial", .PointSize = 10, .Bold = false}},
             .LeftIndentTwips = 0});
        QTextDocument text;
        FillTextDocument(text, document);
        QVERIFY(DocumentFromText(text) == document);
    }

    void saveCompletesTheName_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        const std::tuple<const char*, int, const char*, const char*> rows[] = {
            {"WordPlainName", 1, "итог", "итог.doc"},
            {"WordUpperCaseExtension", 1, "итог.DOC", "итог.DOC.doc"},
            {"RtfKeepsItsExtension", 2, "итог.rtf", "итог.rtf"},
            {"RtfAfterTxt", 2, "итог.txt", "итог.txt.rtf"},
            {"TxtPlainName", 3, "итог", "итог.txt"},
            {"TxtAfterTwoDots", 3, "a.b.rtf", "a.b.rtf.txt"},
            {"DotInDirectoryOnly", 2, "папка.x/итог", "папка.x/итог.rtf"},
        };
        for (auto [name, filter, typed, written] : rows) {
            QTest::newRow(name) << filter << QString::fromUtf8(typed) << QString::fromUtf8(written);
        }
    }
    void saveCompletesTheName() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        Fixture f;
        QDir(f.dir.path()).mkdir(QStringLiteral("папка.x"));
        f.Build("Иванов", "Иван", "Петрович", "Иван общителен. ");
        f.SaveAs(typed, filter);
        QVERIFY(f.messages.Shown.empty());
        // Whatever the extension, the file holds RTF.
        QVERIFY(ReadFile(f.Path(written)).startsWith("{\\rtf1\\ansi\\ansicpg1251"));
        if (typed != written) QVERIFY(!QFile::exists(f.Path(typed)));
    }

    void saveAsksBeforeOverwriting_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void saveAsksBeforeOverwriting() {
        QFETCH(bool, yes);
        Fixture f;
        f.Build("Иванов", "Иван", "Петрович", "Иван общителен. ");
        WriteFile(f.Path("итог.rtf"), "old");
        f.messages.Answers.push_back(yes);
        f.SaveAs("итог.rtf", 2);
        QCOMPARE(f.messages.Shown.size(), 1u);
        const TMessage& question = f.messages.Shown.front();
        QCOMPARE(question.Kind, TMessageKind::Question);
        QCOMPARE(question.Title, QStringLiteral("Файл существует..."));
        QCOMPARE(question.Text, "Файл с именем итог.rtf\rуже существует по адресу " +
                                    QDir::toNativeSeparators(f.dir.path()) +
                                    "/\r\rПерезаписать его?");
        QCOMPARE(ReadFile(f.Path("итог.rtf")).startsWith("{\\rtf1"), yes);
        QCOMPARE(f.platform.Presets.size(), 1u);  // No does not show the dialog again
    }

    void saveCancelledWritesNothing() {
        Fixture f;
        f.platform.SaveAnswers.push_back(std::nullopt);
        f.Click("SeSkinButton2");
        QVERIFY(f.messages.Shown.empty());
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
    }

    // The dialog opens with the first entry, then with the entry and the
    // completed name of the last save.
    void saveDialogKeepsTheLastChoice() {
        Fixture f;
        f.SaveAs("итог", 3);
        f.platform.SaveAnswers.push_back(std::nullopt);
        f.Click("SeSkinButton2");
        QCOMPARE(f.platform.Presets.size(), 2u);
        QCOMPARE(f.platform.Presets[0].FileName, QString());
        QCOMPARE(f.platform.Presets[0].FilterIndex, 1);
        QCOMPARE(f.platform.Presets[1].FileName, f.Path("итог.txt"));
        QCOMPARE(f.platform.Presets[1].FilterIndex, 3);
    }

    void saveWritesTheUsersEdits() {
        Fixture f;
        f.Build("Иванов", "Иван", "Петрович", "Иван общителен. ");
        Type(f.View(), QStringLiteral("Дописано {вручную}"));
        f.SaveAs("итог.rtf", 2);
        const QByteArray rtf = ReadFile(f.Path("итог.rtf"));
        QVERIFY(
            rtf.contains(QByteArray::fromStdString(RtfText("Иван общителен. Дописано {вручную}"))));
        QVERIFY(rtf.contains(QByteArray::fromStdString(RtfText("Фамилия: "))));
    }

    // Names that look like markup, reach outside the code page or run long
    // come back from the saved file as the view shows them, under a file name
    // of the same kind.
    void saveHostileNamesEndToEnd() {
        if (!UnrtfAvailable()) QSKIP("unrtf is not installed");
        Fixture f;
        const std::string longName(400, 'W');
        f.Build("}{\\rtf1 \\par Иванов\\'ff", ("Ёлка «ёж» — 😀 中 " + longName).c_str(),
                "{\\b жирный}\\u-1?", "Вы общительны. ");
        f.SaveAs(QStringLiteral("итог {x} \\ 😀"), 2);
        QVERIFY(f.messages.Shown.empty());
        const std::optional<TReadBack> back =
            ReadWithUnrtf(f.Path(QStringLiteral("итог {x} \\ 😀.rtf")).toStdString());
        QVERIFY(back);
        std::vector<std::u32string> expected;
        for (const QString& text : BlockTexts(*f.View()->document())) {
            expected.push_back(unrtf_detail::Collapsed(text.toStdU32String()));
        }
        QVERIFY(back->Paragraphs == expected);
        QCOMPARE(back->Bold.size(), 5u);
    }

    // A write that fails half-way (here: the file size limit) leaves the
    // earlier file as it was, reports the failure and keeps the window.
    void failedSaveKeepsTheOldFile() {
        Fixture f;
        f.window->Open();
        f.Build("Иванов", "Иван", "Петрович", Report(20));
        const QString before = f.View()->toPlainText();
        WriteFile(f.Path("итог.doc"), "old content");

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto* previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
        f.SaveAs("итог.doc", 1);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QCOMPARE(ReadFile(f.Path("итог.doc")), QByteArray("old content"));
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"итог.doc"});
        QCOMPARE(f.messages.Shown.size(), 2u);  // the question, then the error
        QCOMPARE(f.messages.Shown[1].Kind, TMessageKind::Error);
        QVERIFY2(f.messages.Shown[1].Text.contains(QDir::toNativeSeparators(f.Path("итог.doc"))),
                 qPrintable(f.messages.Shown[1].Text));
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.View()->toPlainText(), before);
    }

    void print_data() {
        QTest::addColumn<bool>("choosePrinter");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("hasDefaultPrinter");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("green");
        QTest::addColumn<bool>("error");
        QTest::newRow("DefaultPrinter") << false << false << true << 2 << true << true << false;
        QTest::newRow("ChosenPrinter") << true << true << false << 3 << true << true << false;
        QTest::newRow("PrintDialogCancelled")
            << true << false << true << 1 << false << false << false;
        // Panel4 turns green before the print, so even when it fails.
        QTest::newRow("NoPrinterInstalled")
            << false << false << false << 1 << false << true << true;
    }
    void print() {
        QFETCH(bool, choosePrinter);
        QFETCH(bool, confirmed);
        QFETCH(bool, hasDefaultPrinter);
        QFETCH(int, copies);
        QFETCH(bool, printed);
        QFETCH(bool, green);
        QFETCH(bool, error);
        Fixture f;
        f.settings.Settings.ChoosePrinter = choosePrinter;
        f.settings.Settings.Copies = copies;
        f.platform.PrinterConfirmed = confirmed;
        f.platform.HasDefaultPrinter = hasDefaultPrinter;
        f.Build("Иванов", "Иван", "Петрович", "Иван общителен. ");
        f.Click("SeSkinButton3");
        QCOMPARE(QFile::exists(f.platform.PdfPath), printed);
        QCOMPARE(f.Panel4Colour(), green ? kGreen : kLightBlue);
        QCOMPARE(f.platform.DialogCopies,
                 choosePrinter ? std::vector<int>{copies} : std::vector<int>{});
        QCOMPARE(f.platform.DefaultCopies,
                 choosePrinter ? std::vector<int>{} : std::vector<int>{copies});
        QCOMPARE(f.messages.Shown.size(), error ? 1u : 0u);
        if (error) QVERIFY(f.messages.Shown[0].Text.contains(QStringLiteral("принтер")));
    }

    // The main window's Print runs on the hidden window; a long report runs
    // over several pages and its text reaches the paper.
    void printLongReportOverSeveralPages() {
        Fixture f;
        f.Build("Иванов", "Иван", "Петрович", Report(1));
        f.window->PrintResultDocument();
        const int shortPages = PdfPages(ReadFile(f.platform.PdfPath));
        QCOMPARE(shortPages, 1);
        QFile::remove(f.platform.PdfPath);
        f.Build("Иванов", "Иван", "Петрович", Report(600));
        f.window->PrintResultDocument();
        QVERIFY(PdfPages(ReadFile(f.platform.PdfPath)) > 1);

        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
        QProcess process;
        process.start(pdftotext, {f.platform.PdfPath, QStringLiteral("-")});
        QVERIFY(process.waitForFinished());
        const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        QVERIFY(text.contains(QStringLiteral("Фамилия: Иванов")));
        QVERIFY(text.contains(QStringLiteral("Конец отчёта.")));
        QVERIFY(text.contains(QString::fromUtf8(kProductLine)));

        // The left indent of 30 points reaches the paper.
        process.start(pdftotext, {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                  QStringLiteral("1"), f.platform.PdfPath, QStringLiteral("-")});
        QVERIFY(process.waitForFinished());
        const QRegularExpressionMatch word =
            QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>Фамилия:</word>"))
                .match(QString::fromUtf8(process.readAllStandardOutput()));
        QVERIFY(word.hasMatch());
        QVERIFY2(std::abs(word.captured(1).toDouble() - 30) < 1, qPrintable(word.captured(1)));

        // The job has no title of its own.
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdfinfo.isEmpty()) QSKIP("pdfinfo is not installed");
        process.start(pdfinfo, {f.platform.PdfPath});
        QVERIFY(process.waitForFinished());
        const QString info = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(!QRegularExpression(QStringLiteral("^Title:[ \\t]*\\S"),
                                     QRegularExpression::MultilineOption)
                      .match(info)
                      .hasMatch(),
                 qPrintable(info));
    }

    void closeButtonHandsTheMainWindowBack() {
        Fixture f;
        f.main.show();
        f.window->Open();
        QVERIFY(!f.main.isEnabled());
        f.Click("SeSkinButton1");
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.main.isEnabled());
    }
};

QTEST_MAIN(TResultAnalizedTest)
#include "resultanalized_test.moc"
