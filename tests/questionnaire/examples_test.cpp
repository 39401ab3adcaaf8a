#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include "examplebox.h"
#include "mainformfixture.h"
#include "messagelog.h"

namespace {

const QString kMissing = QStringLiteral("Образец почерка не обнаружен");
const QString kDamaged = QStringLiteral("Образец почерка повреждён");

// What an example box shows.
enum class TShows { Nothing, Picture, Missing, Damaged };

}  // namespace

Q_DECLARE_METATYPE(TShows)

namespace {

// A main window whose Example folder holds these bitmaps: smaller than any
// box (0101, 0301), wider (0103) and taller (0104) than their box, the
// viewer's (0501 fits a 1024 x 768 screen, 0504 does not, 0505 only in its
// width), and a damaged file (0102).
class TExamplesFixture : public TMainFormFixture {
  public:
    TExamplesFixture() {
        QDir(Dir.path()).mkdir(QStringLiteral("Example"));
        const struct {
            const char* Code;
            QSize Size;
        } pictures[] = {{"0101", {100, 50}},   {"0301", {80, 40}},   {"0103", {1200, 300}},
                        {"0104", {150, 1000}}, {"0501", {600, 400}}, {"0504", {2000, 1000}},
                        {"0505", {500, 1000}}};
        for (const auto& picture : pictures) WriteBitmap(picture.Code, picture.Size);
        WriteBytes("0102", "BM not really a bitmap");
    }

    QString ExamplePath(const char* code) const {
        return Dir.path() + QStringLiteral("/Example/") + QLatin1String(code) +
               QStringLiteral(".bmp");
    }
    void WriteBitmap(const char* code, QSize size) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QVERIFY(image.save(ExamplePath(code), "BMP"));
    }
    void WriteBytes(const char* code, const QByteArray& bytes) const {
        QFile file(ExamplePath(code));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QLabel* Control(const char* kind, int section) const {
        return Find<QLabel>(
            QStringLiteral("%1_%2").arg(QLatin1String(kind)).arg(section, 2, 10, QLatin1Char('0')));
    }
    QLabel* Picture(int section) const { return Control("Obr", section); }
    TExampleBox* Box(int section) const {
        return Find<TExampleBox>(QStringLiteral("ObrBox_%1").arg(section, 2, 10, QLatin1Char('0')));
    }

    TShows Shows(int section) const {
        const bool picture = Picture(section)->isVisible();
        const bool icon = Control("ObrError", section)->isVisible();
        QLabel* label = Control("ObrLabel", section);
        if (icon != label->isVisible() || (picture && icon)) return TShows::Nothing;
        if (picture) return TShows::Picture;
        if (!icon) return TShows::Nothing;
        return label->text() == kMissing   ? TShows::Missing
               : label->text() == kDamaged ? TShows::Damaged
                                           : TShows::Nothing;
    }
};

}  // namespace

class ExamplesTest : public QObject {
    Q_OBJECT
  private slots:
    void boxesStartEmpty();
    void errorControls();
    void rightRelease_data();
    void rightRelease();
    void rightReleaseChangesNoAnswer();
    void fileTestedOnEveryCall();
    void boxKeepsItsExample();
    void viewer_data();
    void viewer();
    void viewerClosedByCloseBox();
    void pictureGoneSinceShown_data();
    void pictureGoneSinceShown();
};

void ExamplesTest::boxesStartEmpty() {
    TExamplesFixture window;
    for (const TSectionInfo& section : catalogue::Sections()) {
        window.OpenSection(section.Number);
        if (!section.HasExampleBox) {
            QVERIFY(window.Picture(section.Number) == nullptr);
            QVERIFY(window.Control("ObrError", section.Number) == nullptr);
            QVERIFY(window.Control("ObrLabel", section.Number) == nullptr);
            continue;
        }
        QCOMPARE(window.Box(section.Number)->title(), QStringLiteral("Образец почерка"));
        QCOMPARE(window.Shows(section.Number), TShows::Nothing);
        QVERIFY(!window.Picture(section.Number)->isVisible());
        QVERIFY(window.Box(section.Number)->ShownExample().isEmpty());
        // The picture, the icon and the label stay inside the frame, clear of its title.
        const QRect inside = window.Box(section.Number)->contentsRect();
        for (const char* kind : {"Obr", "ObrError", "ObrLabel"})
            QVERIFY2(inside.contains(window.Control(kind, section.Number)->geometry()), kind);
        // The longer of the two error texts is shown whole.
        QLabel* label = window.Control("ObrLabel", section.Number);
        QCOMPARE(label->text(), kMissing);
        QVERIFY(label->fontMetrics().horizontalAdvance(kMissing) <= label->width());
    }
}

void ExamplesTest::errorControls() {
    TExamplesFixture window;
    QLabel* icon = window.Control("ObrError", 4);
    QCOMPARE(icon->pixmap().size(), QSize(32, 32));
    QVERIFY(icon->pixmap().hasAlphaChannel());
    QLabel* label = window.Control("ObrLabel", 4);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(label->font().bold() && label->font().italic());
    QCOMPARE(label->font().pixelSize(), 13);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QCOMPARE(window.Picture(4)->toolTip(), QStringLiteral("Нажмите для просмотра"));
}

void ExamplesTest::rightRelease_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("clicks");  // right clicks, in order
    QTest::addColumn<TShows>("shows");
    QTest::addColumn<QString>("code");  // of the shown example; empty: none kept
    QTest::addRow("SmallerPictureUnscaled") << 1 << "RB1_1" << TShows::Picture << "0101";
    QTest::addRow("WiderPictureReducedToWidth") << 1 << "RB1_3" << TShows::Picture << "0103";
    QTest::addRow("TallerPictureReducedToHeight") << 1 << "RB1_4" << TShows::Picture << "0104";
    QTest::addRow("MissingFile") << 1 << "RB1_5" << TShows::Missing << "0105";
    QTest::addRow("DamagedFile") << 1 << "RB1_2" << TShows::Damaged << "0102";
    QTest::addRow("PresentThenMissing") << 1 << "RB1_1 RB1_6" << TShows::Missing << "0106";
    QTest::addRow("MissingThenPresentAgain")
        << 1 << "RB1_1 RB1_6 RB1_1" << TShows::Picture << "0101";
    QTest::addRow("DamagedThenPresent") << 1 << "RB1_2 RB1_1" << TShows::Picture << "0101";
    QTest::addRow("SharedCodeFirst") << 3 << "RB3_1" << TShows::Picture << "0301";
    QTest::addRow("SharedCodeSecond") << 3 << "RB3_2" << TShows::Picture << "0301";
    QTest::addRow("SharedCodeOfCapitals") << 15 << "RB15_2" << TShows::Missing << "1501";
    QTest::addRow("DisabledOptionShowsNothing") << 2 << "RB2_3" << TShows::Nothing << "";
    QTest::addRow("OptionWithoutExample") << 4 << "RB4_9" << TShows::Nothing << "";
}

void ExamplesTest::rightRelease() {
    QFETCH(int, section);
    QFETCH(QString, clicks);
    QFETCH(TShows, shows);
    QFETCH(QString, code);
    TExamplesFixture window;
    window.OpenSection(section);
    for (const QString& id : clicks.split(QLatin1Char(' '))) window.RightClick(id);

    QCOMPARE(window.Shows(section), shows);
    QCOMPARE(window.Box(section)->ShownExample(),
             code.isEmpty() ? QString() : window.ExamplePath(qPrintable(code)));
    if (shows != TShows::Picture) return;
    // The picture is centred, at its own size when it fits, otherwise reduced
    // in proportion to the box's width or height, whichever runs out first.
    QLabel* picture = window.Picture(section);
    QCOMPARE(picture->alignment(), Qt::AlignCenter);
    const QSize natural = QImage(window.ExamplePath(qPrintable(code))).size();
    const QSize area = picture->size();
    QSize expected = natural;
    if (natural.width() > area.width() || natural.height() > area.height()) {
        const int byWidth = natural.height() * area.width() / natural.width();
        expected = byWidth <= area.height()
                       ? QSize(area.width(), byWidth)
                       : QSize(natural.width() * area.height() / natural.height(), area.height());
    }
    QCOMPARE(picture->pixmap().size(), expected);
    QVERIFY(code != "0103" || expected.width() == area.width());
    QVERIFY(code != "0104" || expected.height() == area.height());
}

// The right button shows, it never answers.
void ExamplesTest::rightReleaseChangesNoAnswer() {
    TMessageLog messages;  // Yes to the question of the second analysis
    TExamplesFixture window;
    window.TouchSections();
    window.Press(QStringLiteral("SeSkinButton5"));
    window.program.Sheet.ClearSection(1);
    window.OpenSection(1);
    window.RightClick(QStringLiteral("RB1_1"));
    QVERIFY(!window.Option(QStringLiteral("RB1_1"))->isChecked());
    QVERIFY(!window.program.Sheet.IsChecked(OptionId::RB1_1));
    QVERIFY(!window.program.Sheet.IsSectionTouched(1));
    QCOMPARE(window.Indicator(2), kPink);  // from the clear, not from the right click
    window.OpenSection(2);
    window.Click(QStringLiteral("RB2_1"));
    window.Press(QStringLiteral("SeSkinButton5"));
    window.RightClick(QStringLiteral("RB2_2"));
    QVERIFY(window.program.Sheet.AnalysisDone());
    QCOMPARE(window.Indicator(2), kGreen);
    // A left click selects and shows nothing.
    window.Click(QStringLiteral("RB2_4"));
    QCOMPARE(window.Picture(2)->isVisible(), false);
}

// A file that appears after the first try is shown at the next right click.
void ExamplesTest::fileTestedOnEveryCall() {
    TExamplesFixture window;
    window.OpenSection(1);
    window.RightClick(QStringLiteral("RB1_5"));
    QCOMPARE(window.Shows(1), TShows::Missing);
    window.WriteBitmap("0105", {40, 20});
    window.RightClick(QStringLiteral("RB1_5"));
    QCOMPARE(window.Shows(1), TShows::Picture);
    QCOMPARE(window.Picture(1)->pixmap().size(), QSize(40, 20));
}

void ExamplesTest::boxKeepsItsExample() {
    TExamplesFixture window;
    window.OpenSection(1);
    window.RightClick(QStringLiteral("RB1_1"));
    window.OpenSection(3);
    window.RightClick(QStringLiteral("RB3_3"));
    window.OpenSection(1);
    QCOMPARE(window.Shows(1), TShows::Picture);
    window.OpenSection(3);
    QCOMPARE(window.Shows(3), TShows::Missing);
}

void ExamplesTest::viewer_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QSize>("scrollBox");
    QTest::addColumn<bool>("scrollsAcross");
    QTest::addColumn<bool>("scrollsDown");
    const int bar = QScrollArea().verticalScrollBar()->sizeHint().width();
    QTest::addRow("FitsTheScreen") << "RB5_1" << QSize(600, 400) << false << false;
    QTest::addRow("LargerThanTheScreen") << "RB5_4" << QSize(922, 743) << true << true;
    QTest::addRow("TallerThanTheScreen") << "RB5_5" << QSize(500 + bar, 743) << false << true;
}

void ExamplesTest::viewer() {
    QFETCH(QString, option);
    QFETCH(QSize, scrollBox);
    QFETCH(bool, scrollsAcross);
    QFETCH(bool, scrollsDown);
    TExamplesFixture window;
    window.OpenSection(5);
    window.RightClick(option);
    QTest::mouseClick(window.Picture(5), Qt::LeftButton);

    TViewExample& viewer = *window.Viewer;
    QVERIFY(viewer.isVisible());
    QVERIFY(!window.Form->isEnabled());
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Образец почерка"));
    auto* scroll = viewer.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
    auto* image = viewer.findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(scroll->size(), scrollBox);
    QCOMPARE(image->pixmap().size(), QImage(window.Box(5)->ShownExample()).size());
    QTRY_COMPARE(scroll->horizontalScrollBar()->isVisible(), scrollsAcross);
    QTRY_COMPARE(scroll->verticalScrollBar()->isVisible(), scrollsDown);

    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!viewer.isVisible());
    QVERIFY(window.Form->isEnabled());
}

void ExamplesTest::viewerClosedByCloseBox() {
    TExamplesFixture window;
    window.OpenSection(1);
    window.RightClick(QStringLiteral("RB1_1"));
    QTest::mouseClick(window.Picture(1), Qt::LeftButton);
    QVERIFY(window.Viewer->isVisible());
    window.Viewer->close();
    QVERIFY(!window.Viewer->isVisible());
    QVERIFY(window.Form->isEnabled());
}

// A picture whose file went away or broke after it was shown is reported in
// its box, and the viewer stays closed.
void ExamplesTest::pictureGoneSinceShown_data() {
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<TShows>("shows");
    QTest::addRow("FileDeleted") << true << TShows::Missing;
    QTest::addRow("FileDamaged") << false << TShows::Damaged;
}

void ExamplesTest::pictureGoneSinceShown() {
    QFETCH(bool, deleted);
    QFETCH(TShows, shows);
    TExamplesFixture window;
    window.OpenSection(1);
    window.RightClick(QStringLiteral("RB1_1"));
    if (deleted)
        QVERIFY(QFile::remove(window.ExamplePath("0101")));
    else
        window.WriteBytes("0101", "broken");
    QTest::mouseClick(window.Picture(1), Qt::LeftButton);
    QVERIFY(!window.Viewer->isVisible());
    QVERIFY(window.Form->isEnabled());
    QCOMPARE(window.Shows(1), shows);
}

QTEST_MAIN(ExamplesTest)
#include "examples_test.moc"
