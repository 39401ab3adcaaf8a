#include "infochel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "cp1251.h"
#include "mainformfixture.h"
#include "messagelog.h"

namespace {

// The lists in the program directory at the start of every test.
const QStringList kMaleNames = {"Борис", "Иван"};
const QStringList kFemaleNames = {"Анна", "Вера"};
const QStringList kMalePatronymics = {"Иванович", "Петрович"};
const QStringList kFemalePatronymics = {"Ивановна", "Петровна"};
const QStringList kListFiles = {"NameM.sps", "NameW.sps", "SurNameM.sps", "SurNameW.sps"};

const QString kCaption = QStringLiteral("Veltra 2.5.0.0. ");

// The main window with the subject window beside it, both on a program
// directory of their own.
class TSubjectFixture : public TMainFormFixture {
  public:
    TSubjectFixture() {
        WriteList("NameM.sps", kMaleNames);
        WriteList("NameW.sps", kFemaleNames);
        WriteList("SurNameM.sps", kMalePatronymics);
        WriteList("SurNameW.sps", kFemalePatronymics);
        Info = std::make_unique<TInfoChel>(program);
        program.InfoChel = Info.get();
    }

    QString Path(const QString& file) const { return Dir.filePath(file); }

    void WriteList(const QString& file, const QStringList& names) const {
        std::string content;
        for (const QString& name : names) content += cp1251::FromUtf8(name.toStdString()) + "\r\n";
        QFile out(Path(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content.data(), static_cast<qint64>(content.size()));
    }

    // The names of a list file, or "missing" when there is no such file.
    QString ReadList(const QString& file) const {
        QFile in(Path(file));
        if (!in.open(QIODevice::ReadOnly)) return QStringLiteral("missing");
        QByteArray bytes = in.readAll();
        if (!bytes.endsWith("\r\n")) return QStringLiteral("no CR LF at the end");
        bytes.chop(1);
        QStringList names;
        for (const QByteArray& line : bytes.split('\n')) {
            if (!line.endsWith('\r')) return QStringLiteral("a line without CR LF");
            names << QString::fromStdString(cp1251::ToUtf8(line.chopped(1).toStdString()));
        }
        return names.join(QLatin1Char('|'));
    }

    // Removes the list files, so that a rewritten file shows.
    void RemoveLists() const {
        for (const QString& file : kListFiles) QFile::remove(Path(file));
    }

    template <class T = QWidget>
    T* Control(const char* name) const {
        T* control = Info->findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) qFatal("no control %s", name);
        return control;
    }

    QStringList Items(const char* combo) const {
        QStringList items;
        auto* box = Control<QComboBox>(combo);
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }

    void Type(const char* name, const QString& text) const {
        auto* edit = Info->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (edit == nullptr) edit = Control<QComboBox>(name)->lineEdit();
        edit->clear();
        // Letter by letter, as typed; keyClicks() knows Latin-1 only.
        for (QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), {});
    }
    QString Text(const char* combo) const { return Control<QComboBox>(combo)->currentText(); }

    void Press(const char* name) const {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }
    void Check(const char* name, bool checked) const {
        auto* box = Control<QAbstractButton>(name);
        if (box->isChecked() != checked) QTest::keyClick(box, Qt::Key_Space);
    }
    bool Checked(const char* name) const { return Control<QAbstractButton>(name)->isChecked(); }

    void Open() const { TMainFormFixture::Press(QStringLiteral("SeSkinButton4")); }

    // Opens the window and fills it in.
    void Fill(const QString& surname, const QString& name, const QString& patronymic, bool female,
              bool self) const {
        Open();
        Type("XPEdit1", surname);
        Type("SeSkinComboBox1", name);
        Type("SeSkinComboBox2", patronymic);
        Press(female ? "SeSkinRadioButton2" : "SeSkinRadioButton1");
        Press(self ? "SeSkinRadioButton3" : "SeSkinRadioButton4");
    }
    void Confirm(const QString& surname, const QString& name, const QString& patronymic,
                 bool female, bool self) const {
        Fill(surname, name, patronymic, female, self);
        Press("SeSkinButton1");
    }

    TMessageLog Messages;
    std::unique_ptr<TInfoChel> Info;
};

}  // namespace

class InfoChelTest : public QObject {
    Q_OBJECT
  private slots:
    void controls();
    void stepOneOpensTheWindow();
    void confirm_data();
    void confirm();
    void sameNameIsNotWrittenAgain();
    void noDataMarkerIsNotANameToRemember();
    void writeError_data();
    void writeError();
    void missingFemaleFirstNames();
    void restore_data();
    void restore();
    void restoreBeforeFirstConfirmation();
    void restoreReloadsOnlyChangedGender();
};

void InfoChelTest::controls() {
    TSubjectFixture window;
    QVERIFY(!window.Info->isVisible());
    QCOMPARE(window.Info->minimumSize(), window.Info->maximumSize());
    struct Caption {
        const char* name;
        const char* text;
    };
    for (const Caption& label :
         {Caption{"XPLabel1", "Личная информация"}, Caption{"Label1", "Пол тестируемого:"},
          Caption{"Label2", "Тип анализирования:"}})
        QCOMPARE(window.Control<QLabel>(label.name)->text(), QString::fromUtf8(label.text));
    for (const Caption& group : {Caption{"XPGroupBox1", "Фамилия"}, Caption{"XPGroupBox2", "Имя"},
                                 Caption{"XPGroupBox3", "Отчество"}})
        QCOMPARE(window.Control<QGroupBox>(group.name)->title(), QString::fromUtf8(group.text));
    for (const Caption& button :
         {Caption{"SeSkinCheckBox1", "Внести имя в список имён"},
          Caption{"SeSkinCheckBox2", "Внести отчество в список отчеств"},
          Caption{"SeSkinRadioButton1", "Мужской"}, Caption{"SeSkinRadioButton2", "Женский"},
          Caption{"SeSkinRadioButton3", "Лично"},
          Caption{"SeSkinRadioButton4", "Анализ чужого почерка"},
          Caption{"SeSkinButton1", "Подтвердить информацию"},
          Caption{"SeSkinButton2", "Вернуться назад, отменив изменения"}})
        QCOMPARE(window.Control<QAbstractButton>(button.name)->text(),
                 QString::fromUtf8(button.text));

    QCOMPARE(window.Control<QLineEdit>("XPEdit1")->text(), QString());
    for (const char* combo : {"SeSkinComboBox1", "SeSkinComboBox2"}) {
        QVERIFY(window.Control<QComboBox>(combo)->isEditable());
        QCOMPARE(window.Control<QComboBox>(combo)->maxVisibleItems(), 8);
        QCOMPARE(window.Text(combo), QString());
    }
    QCOMPARE(window.Items("SeSkinComboBox1"), kMaleNames);
    QCOMPARE(window.Items("SeSkinComboBox2"), kMalePatronymics);
    for (const char* checked :
         {"SeSkinCheckBox1", "SeSkinCheckBox2", "SeSkinRadioButton1", "SeSkinRadioButton3"})
        QVERIFY2(window.Checked(checked), checked);
    for (const char* unchecked : {"SeSkinRadioButton2", "SeSkinRadioButton4"})
        QVERIFY2(!window.Checked(unchecked), unchecked);
}

void InfoChelTest::stepOneOpensTheWindow() {
    TSubjectFixture window;
    window.Open();
    QVERIFY(window.Info->isVisible());
    QVERIFY(!window.Form->isEnabled());
    // The two radio groups are independent.
    window.Press("SeSkinRadioButton2");
    window.Press("SeSkinRadioButton4");
    QVERIFY(window.Checked("SeSkinRadioButton2") && !window.Checked("SeSkinRadioButton1"));
    QVERIFY(window.Checked("SeSkinRadioButton4") && !window.Checked("SeSkinRadioButton3"));
    window.Type("XPEdit1", QStringLiteral("Иванова"));
    window.Press("SeSkinButton1");
    // The window keeps its fields for the next opening.
    window.Open();
    QCOMPARE(window.Control<QLineEdit>("XPEdit1")->text(), QStringLiteral("Иванова"));
    QVERIFY(window.Checked("SeSkinRadioButton2") && window.Checked("SeSkinRadioButton4"));
}

void InfoChelTest::confirm_data() {
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("patronymic");
    QTest::addColumn<bool>("female");
    QTest::addColumn<bool>("self");
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("caption");        // after "Veltra 2.5.0.0. "
    QTest::addColumn<QStringList>("listFiles");  // NameM, NameW, SurNameM, SurNameW afterwards

    const QString missing = QStringLiteral("missing");
    QTest::newRow("EmptyFields") << ""
                                 << ""
                                 << "" << false << true << true
                                 << "<нет данных> <нет данных> <нет данных>"
                                 << QStringList{"|Борис|Иван", missing, "|Иванович|Петрович",
                                                missing};
    QTest::newRow("OneAndTwoSpaces")
        << " "
        << "  "
        << " " << false << false << true << "<нет данных>    <нет данных>"
        << QStringList{"  |Борис|Иван", missing, " |Иванович|Петрович", missing};
    QTest::newRow("KnownNames") << "Петров"
                                << "Иван"
                                << "Петрович" << false << true << true << "Петров Иван Петрович"
                                << QStringList{missing, missing, missing, missing};
    // No exact match, but a case-only duplicate: the file is rewritten as it was.
    QTest::newRow("CaseOnlyDifference")
        << "Петров"
        << "иван"
        << "ПЕТРОВИЧ" << false << true << true << "Петров иван ПЕТРОВИЧ"
        << QStringList{"Борис|Иван", missing, "Иванович|Петрович", missing};
    QTest::newRow("NewFemaleNames")
        << "Сидорова"
        << "Галина"
        << "Сергеевна" << true << false << true << "Сидорова Галина Сергеевна"
        << QStringList{missing, "Анна|Вера|Галина", missing, "Ивановна|Петровна|Сергеевна"};
    QTest::newRow("FemaleSelf") << "Сидорова"
                                << "Анна"
                                << "Сергеевна" << true << true << true << "Сидорова Анна Сергеевна"
                                << QStringList{missing, missing, missing,
                                               "Ивановна|Петровна|Сергеевна"};
    QTest::newRow("NotRemembered")
        << "Сидоров"
        << "Глеб"
        << "Олегович" << false << true << false << "Сидоров Глеб Олегович"
        << QStringList{missing, missing, missing, missing};
}

void InfoChelTest::confirm() {
    QFETCH(QString, surname);
    QFETCH(QString, name);
    QFETCH(QString, patronymic);
    QFETCH(bool, female);
    QFETCH(bool, self);
    QFETCH(bool, remember);
    QFETCH(QString, caption);
    QFETCH(QStringList, listFiles);

    TSubjectFixture window;
    window.Fill(surname, name, patronymic, female, self);
    window.Check("SeSkinCheckBox1", remember);
    window.Check("SeSkinCheckBox2", remember);
    window.RemoveLists();
    window.Press("SeSkinButton1");

    QVERIFY(!window.Info->isVisible());
    QVERIFY(window.Form->isEnabled());
    QCOMPARE(window.Form->windowTitle(), kCaption + caption);
    QVERIFY(window.Find<QAction>(QStringLiteral("N21"))->font().bold());
    QVERIFY(!window.Find<QAction>(QStringLiteral("N11"))->font().bold());
    QCOMPARE(window.Indicator(1), kGreen);
    const TSubject& subject = window.program.Subject;
    QCOMPARE(subject.Gender, female ? TGender::Female : TGender::Male);
    QCOMPARE(subject.Perspective, self ? TPerspective::Self : TPerspective::Other);
    QCOMPARE(QString::fromStdString(subject.Surname + " " + subject.FirstName + " " +
                                    subject.Patronymic),
             caption);
    for (int i = 0; i < kListFiles.size(); ++i)
        QCOMPARE(window.ReadList(kListFiles[i]), listFiles[i]);
    QVERIFY(window.Messages.Shown.empty());
    // The fields keep what was typed, "<нет данных>" or not.
    QCOMPARE(window.Control<QLineEdit>("XPEdit1")->text(), surname);
    QCOMPARE(window.Text("SeSkinComboBox1"), name);
    QCOMPARE(window.Text("SeSkinComboBox2"), patronymic);
}

// A name added once matches exactly the next time, the empty one too.
void InfoChelTest::sameNameIsNotWrittenAgain() {
    TSubjectFixture window;
    window.Confirm("", "", "Олегович", false, true);
    QCOMPARE(window.ReadList("NameM.sps"), QStringLiteral("|Борис|Иван"));
    QCOMPARE(window.Items("SeSkinComboBox1"), QStringList({"", "Борис", "Иван"}));
    QCOMPARE(window.Items("SeSkinComboBox2"), QStringList({"Иванович", "Олегович", "Петрович"}));
    window.RemoveLists();
    window.Open();
    window.Press("SeSkinButton1");
    for (const QString& file : kListFiles)
        QCOMPARE(window.ReadList(file), QStringLiteral("missing"));
}

// Restoring after a confirmation with empty fields puts the marker into the
// fields; confirming again must not put it into the lists as a name.
void InfoChelTest::noDataMarkerIsNotANameToRemember() {
    TSubjectFixture window;
    window.Confirm("", "", "", false, true);
    window.Open();
    window.Press("SeSkinButton2");
    QCOMPARE(window.Text("SeSkinComboBox1"), QStringLiteral("<нет данных>"));
    window.RemoveLists();
    window.Open();
    window.Press("SeSkinButton1");
    for (const QString& file : kListFiles)
        QCOMPARE(window.ReadList(file), QStringLiteral("missing"));
    QCOMPARE(window.program.Subject.FirstName, std::string("<нет данных>"));
}

void InfoChelTest::writeError_data() {
    QTest::addColumn<QStringList>("unwritable");
    QTest::newRow("FirstNames") << QStringList{"NameM.sps"};
    QTest::newRow("BothLists") << QStringList{"NameM.sps", "SurNameM.sps"};
}

// A list file that cannot be replaced (here a directory of its name) gives
// the message once per list; the confirmation is carried out all the same.
void InfoChelTest::writeError() {
    QFETCH(QStringList, unwritable);
    TSubjectFixture window;
    for (const QString& file : unwritable) {
        QFile::remove(window.Path(file));
        QVERIFY(QDir(window.Dir.path()).mkdir(file));
    }
    window.Confirm("Петров", "Глеб", "Олегович", false, true);

    QCOMPARE(window.Messages.Shown.size(), std::size_t(unwritable.size()));
    for (const TMessage& message : window.Messages.Shown) {
        QCOMPARE(message.Kind, TMessageKind::Error);
        QCOMPARE(message.Text,
                 QStringLiteral("Ошибка записи.\r\rПри записи списков произошла ошибка. Файлы "
                                "списков или директория открыта только для чтения.\r\rСнимите "
                                "атрибут \"Только чтение\" и повторите попытку."));
    }
    QCOMPARE(window.Form->windowTitle(), kCaption + QStringLiteral("Петров Глеб Олегович"));
    QVERIFY(!window.Info->isVisible());
    QCOMPARE(window.Indicator(1), kGreen);
    // The lists keep the new names; the directories stay.
    QCOMPARE(window.Items("SeSkinComboBox1"), QStringList({"Борис", "Глеб", "Иван"}));
    QCOMPARE(window.Items("SeSkinComboBox2"), QStringList({"Иванович", "Олегович", "Петрович"}));
    for (const QString& file : unwritable) QVERIFY(QFileInfo(window.Path(file)).isDir());
}

void InfoChelTest::missingFemaleFirstNames() {
    TSubjectFixture window;
    QFile::remove(window.Path("NameW.sps"));
    window.Open();
    window.Type("SeSkinComboBox1", QStringLiteral("Ев"));
    window.Press("SeSkinRadioButton2");
    QCOMPARE(window.Items("SeSkinComboBox1"), kMaleNames);
    QCOMPARE(window.Items("SeSkinComboBox2"), kFemalePatronymics);
    QCOMPARE(window.Text("SeSkinComboBox1"), QStringLiteral("Ев"));
}

void InfoChelTest::restore_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("BackButton") << "SeSkinButton2";
    QTest::newRow("TitleBarClose") << "close";
    QTest::newRow("EscapeInSurname") << "XPEdit1";
    QTest::newRow("EscapeInFirstName") << "SeSkinComboBox1";
}

void InfoChelTest::restore() {
    QFETCH(QString, way);
    TSubjectFixture window;
    window.Confirm("Иванова", "", "Петровна", true, false);
    window.Open();
    window.Type("XPEdit1", QStringLiteral("Петров"));
    window.Type("SeSkinComboBox1", QStringLiteral("Иван"));
    window.Type("SeSkinComboBox2", QStringLiteral("Иванович"));
    window.Press("SeSkinRadioButton1");
    window.Press("SeSkinRadioButton3");
    QCOMPARE(window.Items("SeSkinComboBox1"), kMaleNames);

    if (way == "SeSkinButton2") {
        window.Press("SeSkinButton2");
    } else if (way == "close") {
        window.Info->close();
    } else {
        QWidget* field = window.Control(way.toLatin1().constData());
        if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
        QTest::keyClick(field, Qt::Key_Escape);
    }

    QVERIFY(!window.Info->isVisible());
    QVERIFY(window.Form->isEnabled());
    QCOMPARE(window.Control<QLineEdit>("XPEdit1")->text(), QStringLiteral("Иванова"));
    QCOMPARE(window.Text("SeSkinComboBox1"), QStringLiteral("<нет данных>"));
    QCOMPARE(window.Text("SeSkinComboBox2"), QStringLiteral("Петровна"));
    QVERIFY(window.Checked("SeSkinRadioButton2") && window.Checked("SeSkinRadioButton4"));
    QCOMPARE(window.Items("SeSkinComboBox1"), QStringList({"", "Анна", "Вера"}));
    QCOMPARE(window.Items("SeSkinComboBox2"), kFemalePatronymics);
    QCOMPARE(window.Form->windowTitle(), kCaption + "Иванова <нет данных> Петровна");
    QCOMPARE(window.program.Subject.Gender, TGender::Female);
}

// Before the first confirmation the subject is female and nameless.
void InfoChelTest::restoreBeforeFirstConfirmation() {
    TSubjectFixture window;
    window.Open();
    window.Type("XPEdit1", QStringLiteral("Петров"));
    window.Type("SeSkinComboBox1", QStringLiteral("Иван"));
    window.Press("SeSkinButton2");
    QCOMPARE(window.Control<QLineEdit>("XPEdit1")->text(), QString());
    QCOMPARE(window.Text("SeSkinComboBox1"), QString());
    QVERIFY(window.Checked("SeSkinRadioButton2") && window.Checked("SeSkinRadioButton4"));
    QCOMPARE(window.Items("SeSkinComboBox1"), kFemaleNames);
    QCOMPARE(window.Form->windowTitle(), QStringLiteral("Veltra 2.5.0.0."));
    QCOMPARE(window.Indicator(1), kLightBlue);
}

// A gender that stays selected on restore loads nothing; selecting it anew
// does.
void InfoChelTest::restoreReloadsOnlyChangedGender() {
    TSubjectFixture window;
    window.Confirm("Петров", "Иван", "Петрович", false, true);
    window.WriteList("NameM.sps", {"Борис", "Глеб", "Иван"});
    window.Open();
    window.Press("SeSkinButton2");
    QCOMPARE(window.Items("SeSkinComboBox1"), kMaleNames);
    window.Open();
    window.Press("SeSkinRadioButton2");
    window.Press("SeSkinRadioButton1");
    QCOMPARE(window.Items("SeSkinComboBox1"), QStringList({"Борис", "Глеб", "Иван"}));
}

QTEST_MAIN(InfoChelTest)
#include "infochel_test.moc"
