#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "aboutprogramm.h"
#include "linklabel.h"
#include "messagelog.h"
#include "program.h"
#include "sovmest.h"

namespace {

// Takes the addresses that the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> Opened;
  public slots:
    void open(const QUrl& url) { Opened << url; }
};

QStringList LabelTexts(const QWidget& window) {
    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

QColor TextColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

// A link as the user sees it: its colour, underlined, a hand over it.
bool LooksLikeLink(const TLinkLabel* link, const QColor& colour) {
    return TextColour(link) == colour && link->font().underline() &&
           link->cursor().shape() == Qt::PointingHandCursor;
}

// The compatibility lists as the window lays them out: for each list its
// heading, then every entry in its row, with the outcome beside it if any
// ("Windows 98 SE = Успешно").
QMap<QString, QStringList> CompatibilityLists(const QWidget& window) {
    auto text = [](QLayoutItem* item) {
        auto* label = item != nullptr ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        return label != nullptr ? label->text() : QString();
    };
    QMap<QString, QStringList> lists;
    for (QGridLayout* grid : window.findChildren<QGridLayout*>()) {
        QStringList entries;
        for (int row = 1; row < grid->rowCount(); ++row) {
            QString outcome = text(grid->itemAtPosition(row, 2));
            entries << text(grid->itemAtPosition(row, 1)) +
                           (outcome.isEmpty() ? QString() : " = " + outcome);
        }
        lists.insert(text(grid->itemAtPosition(0, 0)), entries);
    }
    return lists;
}

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void about();
    void aboutLinks();
    void compatibility();
    void compatibilityLists_data();
    void compatibilityLists();
    void windowsXpNote();
    void closing_data();
    void closing();
};

void InfoWindowsTest::about() {
    TProgram program;
    TAboutProgramm about(program);
    QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
    const QStringList texts = LabelTexts(about);
    for (const char* text :
         {"Veltra", "2.5.0.0", "2005", "Сборка:", "00-02", "Контактная информация:"}) {
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }
    auto* close = about.findChild<QPushButton*>(QStringLiteral("XPButton1"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Закрыть окно информации"));
}

void InfoWindowsTest::aboutLinks() {
    TProgram program;
    TAboutProgramm about(program);
    about.show();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    const QList<TLinkLabel*> links = about.findChildren<TLinkLabel*>();
    QCOMPARE(links.size(), 2);
    QVERIFY(links[0]->text().startsWith(QStringLiteral("E-Mail:")));
    QVERIFY(links[1]->text().startsWith(QStringLiteral("InterNet:")));
    for (TLinkLabel* link : links) {
        QVERIFY(LooksLikeLink(link, QColor(128, 0, 128)));
        QTest::mouseClick(link, Qt::LeftButton);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.Opened, QList<QUrl>({QUrl("mailto:" + kMakerMail), QUrl(kMakerSite)}));
}

void InfoWindowsTest::compatibility() {
    TProgram program;
    TSovmest sovmest(program);
    QCOMPARE(sovmest.windowTitle(), QStringLiteral("Совместимость"));
    QCOMPARE(sovmest.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(sovmest.font().bold());
    // No title-bar buttons: only its own button closes it.
    QVERIFY(sovmest.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!(sovmest.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(sovmest.windowFlags() & Qt::WindowMinMaxButtonsHint));

    const QStringList texts = LabelTexts(sovmest);
    for (const char* text :
         {"Программа теоретически работает в ОС...", "Windows 95 | 95 SE",
          "Windows 98 | 98 SE |98 PE", "Windows NT | SP1 | SP2 | SP3 | SP4",
          "Windows 2000 | SP1 | SP2 | SP3 | SP4", "Программа создавалась в ОС...",
          "Windows 2000 SP4", "Программа тестировалась в ОС...", "Windows 2000 SP3 | SP4",
          "Windows XP | SP1 | SP2", "Результаты тестирования...", "Windows 98 SE",
          "Windows 2000 SP3", "Windows XP", "Windows XP SP1", "Windows XP SP2"}) {
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }
    int success = 0;
    int almost = 0;
    for (QLabel* label : sovmest.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Успешно")) {
            QCOMPARE(TextColour(label), QColor(0, 128, 0));
            ++success;
        } else if (label->text() == QStringLiteral("Почти успешно")) {
            QCOMPARE(TextColour(label), QColor(128, 128, 0));
            ++almost;
        }
    }
    QCOMPARE(success, 3);
    QCOMPARE(almost, 3);

    auto* note = sovmest.findChild<TLinkLabel*>(QStringLiteral("Label41"));
    QVERIFY(note);
    QCOMPARE(note->text(), QStringLiteral("Узнать ошибки в Windows XP | SP1 | SP2"));
    QVERIFY(LooksLikeLink(note, QColor(0, 0, 128)));
    auto* close = sovmest.findChild<QPushButton*>(QStringLiteral("SeSkinButton1"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Закрыть окно информации"));
}

void InfoWindowsTest::compatibilityLists_data() {
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("Theoretically")
        << "Программа теоретически работает в ОС..."
        << QStringList{"Windows 95 | 95 SE", "Windows 98 | 98 SE |98 PE",
                       "Windows NT | SP1 | SP2 | SP3 | SP4", "Windows 2000 | SP1 | SP2 | SP3 | SP4",
                       "Windows XP | SP1 | SP2"};
    QTest::newRow("MadeIn") << "Программа создавалась в ОС..." << QStringList{"Windows 2000 SP4"};
    QTest::newRow("TestedIn") << "Программа тестировалась в ОС..."
                              << QStringList{"Windows 98 SE", "Windows 2000 SP3 | SP4",
                                             "Windows XP | SP1 | SP2"};
    QTest::newRow("Results") << "Результаты тестирования..."
                             << QStringList{"Windows 98 SE = Успешно",
                                            "Windows 2000 SP3 = Успешно",
                                            "Windows 2000 SP4 = Успешно",
                                            "Windows XP = Почти успешно",
                                            "Windows XP SP1 = Почти успешно",
                                            "Windows XP SP2 = Почти успешно"};
}

// Each list keeps its entries in order, and each outcome stands beside its
// own system.
void InfoWindowsTest::compatibilityLists() {
    QFETCH(QString, heading);
    QFETCH(QStringList, entries);
    TProgram program;
    TSovmest sovmest(program);
    const QMap<QString, QStringList> lists = CompatibilityLists(sovmest);
    QCOMPARE(lists.size(), 4);
    QVERIFY2(lists.contains(heading), qPrintable(heading));
    QCOMPARE(lists.value(heading), entries);
}

void InfoWindowsTest::windowsXpNote() {
    TProgram program;
    TSovmest sovmest(program);
    sovmest.show();
    TMessageLog log;
    QTest::mouseClick(sovmest.findChild<TLinkLabel*>(QStringLiteral("Label41")), Qt::LeftButton);
    QCOMPARE(log.Shown.size(), size_t(1));
    QCOMPARE(log.Shown[0].Kind, TMessageKind::Information);
    const QStringList parts = {
        "Ошибки, возникающие при работе с программой \"Veltra\" в ОС Windows XP, XP SP1, XP SP2",
        "При тестировании программы в операционный системе Windows XP с сервис-паками, возникали "
        "некоторые ошибки:\r  -при попытке просмотра образца почерка, программа \"зависала\".",
        "Данная ошибка возникала только на некоторых машинах, на остальных машинах программа вела "
        "себя стабильно.",
        "Процент \"зависания\": 2%.",
        "Если Вы найдёте причину ошибки, уважительная просьба сообщить об этом.",
        "С уважением, разработчик программы \"Veltra\"."};
    QCOMPARE(log.Shown[0].Text, parts.join("\r\r"));
}

void InfoWindowsTest::closing_data() {
    QTest::addColumn<bool>("about");
    QTest::addColumn<QString>("how");  // a button's name, "Escape" or "TitleBar"
    QTest::newRow("AboutButton") << true << "XPButton1";
    QTest::newRow("AboutTitleBar") << true << "TitleBar";
    QTest::newRow("AboutEscape") << true << "Escape";
    QTest::newRow("SovmestButton") << false << "SeSkinButton1";
    QTest::newRow("SovmestEscape") << false << "Escape";
}

// Opening disables the main window; every way of closing hides the window
// and enables the main window again, and the window opens again later.
void InfoWindowsTest::closing() {
    QFETCH(bool, about);
    QFETCH(QString, how);
    TProgram program;
    QWidget main;
    program.MainWindow = &main;
    main.show();
    std::unique_ptr<TSecondaryWindow> window;
    if (about) {
        window = std::make_unique<TAboutProgramm>(program);
    } else {
        window = std::make_unique<TSovmest>(program);
    }
    for (int opening = 0; opening < 2; ++opening) {
        window->Open();
        QVERIFY(window->isVisible());
        QVERIFY(!main.isEnabled());
        if (how == "Escape") {
            QTest::keyClick(window.get(), Qt::Key_Escape);
        } else if (how == "TitleBar") {
            window->close();
        } else {
            QTest::mouseClick(window->findChild<QPushButton*>(how), Qt::LeftButton);
        }
        QVERIFY(!window->isVisible());
        QVERIFY(main.isEnabled());
    }
}

QTEST_MAIN(InfoWindowsTest)
#include "infowindows_test.moc"
