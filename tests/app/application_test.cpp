#include "application.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

#include "messagelog.h"

class ApplicationTest : public QObject {
    Q_OBJECT
  private slots:
    void title();
    void russianButtons();
    void errorReport_data();
    void errorReport();
    void eventLoopGoesOn();
};

void ApplicationTest::title() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Veltra"));
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
}

void ApplicationTest::russianButtons() {
    QMessageBox box(QMessageBox::NoIcon, "", "",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Да"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Нет"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Отмена"));
}

void ApplicationTest::errorReport_data() {
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("text");
    QTest::newRow("StandardException") << true << "Запись не удалась";
    QTest::newRow("AnythingElse") << false << "Неизвестная ошибка.";
}

// An exception from a button's handler is shown with its text, and the button
// goes on working.
void ApplicationTest::errorReport() {
    QFETCH(bool, standard);
    QFETCH(QString, text);
    TMessageLog log;
    QPushButton button;
    int clicks = 0;
    connect(&button, &QPushButton::clicked, [&] {
        if (++clicks > 1) return;
        if (standard) throw std::runtime_error(text.toStdString());
        throw 42;
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(log.Texts(), QStringList{text});
    QCOMPARE(log.Shown[0].Kind, TMessageKind::Error);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(log.Shown.size(), size_t(1));
}

// Inside the running event loop: the report is shown and the loop carries on
// with the next event.
void ApplicationTest::eventLoopGoesOn() {
    TMessageLog log;
    QTimer::singleShot(0, [] { throw std::runtime_error("первая"); });
    QTimer::singleShot(20, [] { QCoreApplication::exit(3); });
    QCOMPARE(QCoreApplication::exec(), 3);
    QCOMPARE(log.Texts(), QStringList{"первая"});
}

int main(int argc, char** argv) {
    TVeltraApplication application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
