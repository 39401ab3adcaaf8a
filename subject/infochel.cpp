#include "infochel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "mainwindow.h"
#include "messages.h"
#include "program.h"

const QString kListWriteErrorMessage = QStringLiteral(
    "Ошибка записи.\r\rПри записи списков произошла ошибка. Файлы списков или директория "
    "открыта только для чтения.\r\rСнимите атрибут \"Только чтение\" и повторите попытку.");

// The first-name field and the patronymic field: their controls and files.
struct TNameFieldKind {
    const char* Group;
    const char* Caption;
    const char* Field;
    const char* Remember;
    const char* RememberCaption;
    const char* MaleFile;
    const char* FemaleFile;
};

namespace {

// Group box, its caption, drop-down list, check box;
// check box caption, file for a male subject, file for a female one.
constexpr TNameFieldKind kNameFields[] = {
    {"XPGroupBox2", "Имя", "SeSkinComboBox1", "SeSkinCheckBox1",  //
     "Внести имя в список имён", "NameM.sps", "NameW.sps"},
    {"XPGroupBox3", "Отчество", "SeSkinComboBox2", "SeSkinCheckBox2",  //
     "Внести отчество в список отчеств", "SurNameM.sps", "SurNameW.sps"},
};
constexpr int kFirstName = 0;
constexpr int kPatronymic = 1;

// The main window's colours, which this window shares.
const QColor kBackground(234, 233, 215);
const QColor kHeading(0, 83, 208);

// Rows the drop-down lists show at once.
constexpr int kVisibleNames = 8;
constexpr int kFieldWidth = 320;

QGroupBox* Group(const char* objectName, const char* caption) {
    auto* group = new QGroupBox(QString::fromUtf8(caption));
    group->setObjectName(QString::fromLatin1(objectName));
    return group;
}

QRadioButton* Choice(const char* objectName, const char* caption, QButtonGroup* group) {
    auto* choice = new QRadioButton(QString::fromUtf8(caption));
    choice->setObjectName(QString::fromLatin1(objectName));
    group->addButton(choice);
    return choice;
}

// A label and its two choices in one row.
QHBoxLayout* ChoiceRow(const char* labelName, const char* caption, QRadioButton* first,
                       QRadioButton* second) {
    auto* label = new QLabel(QString::fromUtf8(caption));
    label->setObjectName(QString::fromLatin1(labelName));
    label->setMinimumWidth(150);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return row;
}

}  // namespace

TInfoChel::TInfoChel(TProgram& program)
    : TSecondaryWindow(program, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowCloseButtonHint) {
    createControls();
    connectCommands();
    SeSkinRadioButton1->setChecked(true);
    if (program.MainForm != nullptr) program.MainForm->SetSubjectWindowOpener([this] { Open(); });
}

void TInfoChel::createControls() {
    setObjectName(QStringLiteral("InfoChel"));
    setWindowTitle(QStringLiteral("Личная информация"));
    PaintBackground(*this, kBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);

    XPLabel1 = new QLabel(QStringLiteral("Личная информация"));
    XPLabel1->setObjectName(QStringLiteral("XPLabel1"));
    XPLabel1->setAlignment(Qt::AlignCenter);
    QFont headingFont = XPLabel1->font();
    headingFont.setBold(true);
    headingFont.setItalic(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    XPLabel1->setFont(headingFont);
    QPalette headingPalette = XPLabel1->palette();
    headingPalette.setColor(QPalette::WindowText, kHeading);
    XPLabel1->setPalette(headingPalette);
    layout->addWidget(XPLabel1);

    QGroupBox* surname = Group("XPGroupBox1", "Фамилия");
    XPEdit1 = new QLineEdit;
    XPEdit1->setObjectName(QStringLiteral("XPEdit1"));
    XPEdit1->setMinimumWidth(kFieldWidth);
    (new QVBoxLayout(surname))->addWidget(XPEdit1);
    layout->addWidget(surname);

    for (int i = 0; i < 2; ++i) {
        const TNameFieldKind& kind = kNameFields[i];
        TNameField& name = names_[i];
        name.Kind = &kind;
        name.Field = new QComboBox;
        name.Field->setObjectName(QString::fromLatin1(kind.Field));
        name.Field->setEditable(true);
        name.Field->setMaxVisibleItems(kVisibleNames);
        // The list offers names; only a confirmation adds one to it.
        name.Field->setInsertPolicy(QComboBox::NoInsert);
        name.Field->completer()->setCompletionMode(QCompleter::PopupCompletion);
        name.Field->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        name.Field->setMinimumWidth(kFieldWidth);
        // A very long name must not widen the window.
        name.Field->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        name.Remember = new QCheckBox(QString::fromUtf8(kind.RememberCaption));
        name.Remember->setObjectName(QString::fromLatin1(kind.Remember));
        name.Remember->setChecked(true);
        QGroupBox* group = Group(kind.Group, kind.Caption);
        auto* fields = new QVBoxLayout(group);
        fields->addWidget(name.Field);
        fields->addWidget(name.Remember);
        layout->addWidget(group);
    }

    auto* gender = new QButtonGroup(this);
    SeSkinRadioButton1 = Choice("SeSkinRadioButton1", "Мужской", gender);
    SeSkinRadioButton2 = Choice("SeSkinRadioButton2", "Женский", gender);
    auto* perspective = new QButtonGroup(this);
    SeSkinRadioButton3 = Choice("SeSkinRadioButton3", "Лично", perspective);
    SeSkinRadioButton4 = Choice("SeSkinRadioButton4", "Анализ чужого почерка", perspective);
    SeSkinRadioButton3->setChecked(true);
    layout->addSpacing(4);
    layout->addLayout(
        ChoiceRow("Label1", "Пол тестируемого:", SeSkinRadioButton1, SeSkinRadioButton2));
    layout->addLayout(
        ChoiceRow("Label2", "Тип анализирования:", SeSkinRadioButton3, SeSkinRadioButton4));

    SeSkinButton1 = new QPushButton(QStringLiteral("Подтвердить информацию"));
    SeSkinButton1->setObjectName(QStringLiteral("SeSkinButton1"));
    SeSkinButton2 = new QPushButton(QStringLiteral("Вернуться назад, отменив изменения"));
    SeSkinButton2->setObjectName(QStringLiteral("SeSkinButton2"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {SeSkinButton1, SeSkinButton2}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setFixedSize(sizeHint());
}

void TInfoChel::connectCommands() {
    connect(SeSkinButton1, &QPushButton::clicked, this, &TInfoChel::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TInfoChel::SeSkinButton2Click);
    // A gender choice that becomes selected, by the user or by the program.
    connect(SeSkinRadioButton1, &QRadioButton::toggled, this, &TInfoChel::SeSkinRadioButton1Click);
    connect(SeSkinRadioButton2, &QRadioButton::toggled, this, &TInfoChel::SeSkinRadioButton2Click);
}

void TInfoChel::SeSkinRadioButton1Click(bool checked) {
    if (checked) LoadNameLists(TGender::Male);
}

void TInfoChel::SeSkinRadioButton2Click(bool checked) {
    if (checked) LoadNameLists(TGender::Female);
}

void TInfoChel::SeSkinButton1Click() { ConfirmSubject(); }

void TInfoChel::SeSkinButton2Click() { close(); }

void TInfoChel::closeEvent(QCloseEvent* event) {
    RestoreSubjectWindow();
    event->accept();
}

TGender TInfoChel::Gender() const {
    return SeSkinRadioButton1->isChecked() ? TGender::Male : TGender::Female;
}

std::string TInfoChel::FileOf(const TNameField& name, TGender gender) const {
    return Program().ProgramDir +
           (gender == TGender::Male ? name.Kind->MaleFile : name.Kind->FemaleFile);
}

void TInfoChel::ShowNames(const TNameField& name) {
    QString typed = name.Field->currentText();
    QStringList texts;
    for (const std::string& text : name.List.Texts()) texts << QString::fromStdString(text);
    name.Field->clear();
    name.Field->addItems(texts);
    name.Field->setCurrentIndex(-1);
    name.Field->setEditText(typed);
}

void TInfoChel::LoadNameLists(TGender gender) {
    for (TNameField& name : names_) {
        name.List.Load(FileOf(name, gender));
        ShowNames(name);
    }
}

void TInfoChel::RememberName(TNameField& name) {
    if (!name.Remember->isChecked()) return;
    std::string typed = name.Field->currentText().toStdString();
    // The marker of a missing name comes back into the fields when the window
    // is restored; it is the program's own text, not a name to offer.
    if (typed == kNoData || name.List.Contains(typed)) return;
    if (!AddToNameList(name.List, typed, FileOf(name, Gender()))) ShowError(kListWriteErrorMessage);
    ShowNames(name);
}

void TInfoChel::ConfirmSubject() {
    for (TNameField& name : names_) RememberName(name);
    TProgram& program = Program();
    StoreSubject(program.Subject, XPEdit1->text().toStdString(),
                 names_[kFirstName].Field->currentText().toStdString(),
                 names_[kPatronymic].Field->currentText().toStdString(), Gender(),
                 SeSkinRadioButton3->isChecked() ? TPerspective::Self : TPerspective::Other);
    if (program.MainForm != nullptr) program.MainForm->ShowSubjectInCaption();
    // Hidden without the restore of the other ways of closing.
    CloseSecondaryWindow(program, this);
    if (program.MainForm != nullptr) {
        program.MainForm->MakeCompletenessCheckDefault();
        program.MainForm->SetIndicator(1, TIndicatorColour::Green);
    }
}

void TInfoChel::RestoreSubjectWindow() {
    TProgram& program = Program();
    CloseSecondaryWindow(program, this);
    const TSubject& subject = program.Subject;
    XPEdit1->setText(QString::fromStdString(subject.Surname));
    names_[kFirstName].Field->setEditText(QString::fromStdString(subject.FirstName));
    names_[kPatronymic].Field->setEditText(QString::fromStdString(subject.Patronymic));
    // A gender choice that is selected already loads nothing again.
    (subject.Gender == TGender::Male ? SeSkinRadioButton1 : SeSkinRadioButton2)->setChecked(true);
    (subject.Perspective == TPerspective::Self ? SeSkinRadioButton3 : SeSkinRadioButton4)
        ->setChecked(true);
}
