// The module's progress window inside a Qt Widgets host.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "veltanlib.h"

namespace {

QWidget* FindForm() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "AnalizingForm") return widget;
    return nullptr;
}

// Records what the window shows while the module runs.
class Watcher : public QObject {
  public:
    struct Paint {
        QString step;     // Label2
        QString percent;  // Label3
        bool visible;     // the window
    };
    QStringList shows;    // "show" and "hide" of the window
    QList<Paint> paints;  // at each paint of Label3, the last label UpdateProgress sets

    // The step labels of the last count paints, consecutive repeats left out.
    QStringList Steps(qsizetype count) const {
        QStringList steps;
        for (const Paint& paint : paints.mid(paints.size() - count))
            if (steps.isEmpty() || steps.last() != paint.step) steps << paint.step;
        return steps;
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object->objectName() == "AnalizingForm" && event->type() == QEvent::Show)
            shows << "show";
        if (object->objectName() == "AnalizingForm" && event->type() == QEvent::Hide)
            shows << "hide";
        if (object->objectName() == "Label3" && event->type() == QEvent::Paint) {
            const auto* label3 = qobject_cast<QLabel*>(object);
            const auto* label2 = label3->parentWidget()->findChild<QLabel*>("Label2");
            paints << Paint{label2->text(), label3->text(), label3->window()->isVisible()};
        }
        return false;
    }
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The window is made on the first analysis.
        veltantest::Veltan().Analyse({u"Иван", u"Мужской", u"Лично"}, {});
        form_ = FindForm();
        QVERIFY(form_);
    }

    void windowIsTheFramelessProgressForm() {
        QCOMPARE(form_->metaObject()->className(), "TAnalizingForm");
        QCOMPARE(form_->windowTitle(), QString("Анализирование"));
        QVERIFY(form_->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form_->size(), QSize(340, 51));
        QCOMPARE(form_->font().pixelSize(), 11);
        QCOMPARE(form_->font().family(), QString("MS Sans Serif"));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Panel1") << "Panel1" << QRect(0, 0, 340, 51) << "";
        QTest::newRow("ProgressBar1") << "ProgressBar1" << QRect(7, 5, 327, 21) << "";
        QTest::newRow("Label1") << "Label1" << QRect(7, 30, -1, -1) << "Выполняется...";
        QTest::newRow("Label3") << "Label3" << QRect(297, 30, 35, -1) << "";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        const auto* control = form_->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->pos(), geometry.topLeft());
        if (geometry.width() > 0) QCOMPARE(control->width(), geometry.width());
        if (geometry.height() > 0) QCOMPARE(control->height(), geometry.height());
        if (!caption.isEmpty()) QCOMPARE(qobject_cast<const QLabel*>(control)->text(), caption);
    }

    void labelsOfTheStatusLine() {
        auto* label1 = form_->findChild<QLabel*>("Label1");
        QVERIFY(label1->font().bold());
        QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(0, 84, 227));
        // The caption is drawn in that colour, not in the text colour of the background.
        const QImage drawn = label1->grab().toImage();
        bool blue = false;
        for (int y = 0; y < drawn.height() && !blue; ++y)
            for (int x = 0; x < drawn.width() && !blue; ++x)
                blue = drawn.pixelColor(x, y) == QColor(0, 84, 227);
        QVERIFY(blue);
        const auto* label2 = form_->findChild<QLabel*>("Label2");
        QCOMPARE(label2->pos(), QPoint(105, 30));
        const auto* label3 = form_->findChild<QLabel*>("Label3");
        QVERIFY(label3->alignment() & Qt::AlignRight);
    }

    // The window is shown for the run only; the labels are repainted at every rule.
    void runShowsEveryStep() {
        Watcher watcher;
        qApp->installEventFilter(&watcher);
        veltantest::Veltan().Analyse({u"Анна", u"Женский", u"Другой"}, {});
        qApp->removeEventFilter(&watcher);

        QCOMPARE(watcher.shows, QStringList({"show", "hide"}));
        QVERIFY(!form_->isVisible());
        // Each rule repaints the labels; the window may first show those of the last run.
        QVERIFY(watcher.paints.size() >= 65);
        QCOMPARE(watcher.Steps(65),
                 QStringList({"Методика Маргенштерна", "наклон почерка", "наклон строк",
                              "расстояние между словами", "округлость букв", "нажим на ручку",
                              "размер почерка", "Ё"}));
        const QList<Watcher::Paint> run = watcher.paints.mid(watcher.paints.size() - 65);
        QCOMPARE(run.first().percent, QString("0.33%"));
        QCOMPARE(run.at(29).percent, QString("10.00%"));
        QCOMPARE(run.last().percent, QString("21.67%"));
        // Rule k is evaluated at position k of 300 under its group's label; a group that
        // ends one rule early or late shows up at its border.
        const struct {
            int last;
            const char* step;
        } groups[] = {{5, "Методика Маргенштерна"}, {12, "наклон почерка"},
                      {19, "наклон строк"},         {21, "расстояние между словами"},
                      {31, "округлость букв"},      {42, "нажим на ручку"},
                      {55, "размер почерка"},       {65, "Ё"}};
        for (int rule = 1, group = 0; rule <= 65; ++rule) {
            if (rule > groups[group].last) ++group;
            const Watcher::Paint& paint = run.at(rule - 1);
            QCOMPARE(paint.step, QString(groups[group].step));
            QCOMPARE(paint.percent, QString::asprintf("%.2f%%", rule * 100.0 / 300));
        }
        for (const Watcher::Paint& paint : watcher.paints) QVERIFY(paint.visible);
        const auto* bar = form_->findChild<QProgressBar*>("ProgressBar1");
        QCOMPARE(bar->maximum(), 300);
        QCOMPARE(bar->value(), 66);
    }

  private:
    QWidget* form_ = nullptr;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
