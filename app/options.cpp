#include "options.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "linklabel.h"
#include "messages.h"
#include "program.h"
#include "started.h"

namespace {

struct TChoice {
    const char* Name;
    const char* Caption;
};
// The delay choices in the order of TStartDelay, the copies choices for 1..3.
constexpr TChoice kDelayChoices[] = {
    {"SeSkinRadioButton1", "Длинная задержка"},
    {"SeSkinRadioButton2", "Стандартная задержка"},
    {"SeSkinRadioButton3", "Короткая задержка"},
    {"SeSkinRadioButton4", "Без задержки"},
};
constexpr TChoice kCopiesChoices[] = {
    {"SeSkinRadioButton5", "Печатать один экземпляр"},
    {"SeSkinRadioButton6", "Печатать два экземпляря"},
    {"SeSkinRadioButton7", "Печатать три экземпляра"},
};

struct TCheck {
    const char* Name;
    const char* Caption;
    bool TSettings::*Field;
};
constexpr TCheck kChecks[] = {
    {"SeSkinCheckBox1", "Заполнение личной информации о тестируемом",
     &TSettings::AskSubjectAtStart},
    {"SeSkinCheckBox4", "Проверить целостность образцов почерка", &TSettings::CheckSamples},
    {"SeSkinCheckBox2", "Запрос на выход", &TSettings::AskOnExit},
    {"SeSkinCheckBox3", "Запрос на сохранение анализа", &TSettings::AskSaveOnExit},
    {"SeSkinCheckBox5", "Перед показом результата анализирования", &TSettings::AnalyseBeforeShow},
    {"SeSkinCheckBox8", "Перед печатью результата анализа", &TSettings::AnalyseBeforePrint},
    {"SeSkinCheckBox9", "Не анализировать повторно", &TSettings::NoRepeatAnalysis},
    {"SeSkinCheckBox10", "После анализирования показать результат", &TSettings::ShowAfterAnalysis},
    {"SeSkinCheckBox6", "Выбирать принтер до печати результата", &TSettings::ChoosePrinter},
};

// The help links: a click shows the message (heading, two CRs, five spaces,
// body).
struct THelpLink {
    const char* Name;
    const char* Caption;
    const char* Message;
};
constexpr THelpLink kStartHelp[] = {
    {"Label7", "Задержка запуска программы \"Veltra\"",
     "Задержка запуска программы \"Veltra\".\r\r     Эта функция сделана исключительно для "
     "информации о программе. "},
    {"Label5", "Заполнение личной информации о тестируемом",
     "Заполнение личной информации о тестируемом.\r\r     Как только программа загрузится "
     "полностью, автоматически произойдёт запрос информации о тестируемом."},
};
constexpr THelpLink kExitHelp[] = {
    {"Label8", "Запрос на выход",
     "Запрос на выход.\r\r     Программа будет требовать подтверждения на выход."},
    {"Label9", "Запрос на сохранение анализа",
     "\r\r     Когда программа будет закрываться, то произойдёт запрос на сохрание результата "
     "анализа при условии, что анализирование было произведено."},
};
// On the analysis tab the first three captions come again as links that do
// nothing.
constexpr const char* kAnalysisLinks[] = {
    "Перед показом результата анализирования",
    "Перед печатью результата анализа",
    "Не анализировать повторно",
};

struct TButton {
    const char* Name;
    const char* Caption;
    void (TOptions::*Click)();
};

const QColor kLinkColour(0, 0, 255);

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QGroupBox* Group(const char* heading, std::initializer_list<QWidget*> controls) {
    auto* group = new QGroupBox(Text(heading));
    auto* layout = new QVBoxLayout(group);
    for (QWidget* control : controls) layout->addWidget(control);
    return group;
}

// The help links at the foot of a page, under a rule.
void AddLinks(QVBoxLayout* page, const std::vector<TLinkLabel*>& links) {
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    page->addWidget(rule);
    for (TLinkLabel* link : links) page->addWidget(link);
}

template <std::size_t N>
std::vector<TLinkLabel*> HelpLinks(const THelpLink (&table)[N]) {
    std::vector<TLinkLabel*> links;
    for (const THelpLink& help : table) {
        auto* link = new TLinkLabel(Text(help.Name), Text(help.Caption), kLinkColour);
        QString message = Text(help.Message);
        QObject::connect(link, &TLinkLabel::clicked, link, [message] { ShowInformation(message); });
        links.push_back(link);
    }
    return links;
}

}  // namespace

TOptions::TOptions(TProgram& program)
    : TSecondaryWindow(program, Qt::Dialog),
      SeSkinTabControl1(new QTabWidget),
      delayChoices_(new QButtonGroup(this)),
      copiesChoices_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Настройки"));
    createControls();
    createPages();
    createButtons();
    setFixedSize(sizeHint());

    ReadSettings();
    if (program.Started != nullptr) {
        program.Started->SetDelay(DelayMilliseconds(CurrentSettings().StartDelay));
    }
}

void TOptions::createControls() {
    SeSkinTabControl1->setObjectName(QStringLiteral("SeSkinTabControl1"));
    auto addChoices = [](QButtonGroup* group, const auto& table, int firstId) {
        int id = firstId;
        for (const TChoice& choice : table) {
            auto* button = new QRadioButton(Text(choice.Caption));
            button->setObjectName(Text(choice.Name));
            group->addButton(button, id++);
        }
    };
    addChoices(delayChoices_, kDelayChoices, 0);
    addChoices(copiesChoices_, kCopiesChoices, 1);
    for (const TCheck& check : kChecks) {
        auto* box = new QCheckBox(Text(check.Caption));
        box->setObjectName(Text(check.Name));
        checkBoxes_.push_back(box);
    }
    // The sample check is shown and stored but cannot be changed here.
    CheckBox(&TSettings::CheckSamples)->setEnabled(false);
    ShowSettings(TSettings{});
}

void TOptions::createPages() {
    auto check = [this](bool TSettings::*field) { return CheckBox(field); };
    auto newPage = [this](const char* caption) {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        SeSkinTabControl1->addTab(page, Text(caption));
        return layout;
    };

    QVBoxLayout* start = newPage("Запуск");
    start->addWidget(
        Group("Задержка запуска", {delayChoices_->button(0), delayChoices_->button(1),
                                   delayChoices_->button(2), delayChoices_->button(3)}));
    start->addWidget(Group("Автооткрытие", {check(&TSettings::AskSubjectAtStart)}));
    start->addWidget(Group("Проверка целостности", {check(&TSettings::CheckSamples)}));
    start->addStretch();
    AddLinks(start, HelpLinks(kStartHelp));

    QVBoxLayout* exit = newPage("Выход");
    exit->addWidget(
        Group("Запросы", {check(&TSettings::AskOnExit), check(&TSettings::AskSaveOnExit)}));
    exit->addStretch();
    AddLinks(exit, HelpLinks(kExitHelp));

    QVBoxLayout* analysis = newPage("Анализирование");
    analysis->addWidget(
        Group("Анализирование почерка",
              {check(&TSettings::AnalyseBeforeShow), check(&TSettings::AnalyseBeforePrint),
               check(&TSettings::NoRepeatAnalysis), check(&TSettings::ShowAfterAnalysis)}));
    analysis->addStretch();
    std::vector<TLinkLabel*> repeated;
    for (const char* caption : kAnalysisLinks) {
        repeated.push_back(new TLinkLabel(QString(), Text(caption), kLinkColour));
    }
    AddLinks(analysis, repeated);

    QVBoxLayout* print = newPage("Печать");
    print->addWidget(
        Group("Параметры печати", {copiesChoices_->button(1), copiesChoices_->button(2),
                                   copiesChoices_->button(3), check(&TSettings::ChoosePrinter)}));
    print->addStretch();
}

void TOptions::createButtons() {
    static constexpr TButton kButtons[] = {
        {"SeSkinButton1", "Сохранить настройки и закрыть окно настроек",
         &TOptions::SeSkinButton1Click},
        {"SeSkinButton2", "Сохранить настройки", &TOptions::SeSkinButton2Click},
        {"SeSkinButton3", "Восстановить настройки", &TOptions::SeSkinButton3Click},
        {"SeSkinButton4", "Закрыть окно настроек без сохранения", &TOptions::SeSkinButton4Click},
    };
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Настройки программы"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    layout->addWidget(SeSkinTabControl1);
    auto* buttons = new QGridLayout;
    int index = 0;
    for (const TButton& entry : kButtons) {
        auto* button = new QPushButton(Text(entry.Caption));
        button->setObjectName(Text(entry.Name));
        button->setAutoDefault(false);
        button->setMinimumWidth(button->sizeHint().width() + 16);
        connect(button, &QPushButton::clicked, this, entry.Click);
        buttons->addWidget(button, index / 2, index % 2);
        ++index;
    }
    layout->addLayout(buttons);
}

void TOptions::OpenOnTab(int tab) {
    Open();
    SeSkinTabControl1->setCurrentIndex(tab);
}

TSettings TOptions::CurrentSettings() const {
    TSettings settings;
    settings.StartDelay = static_cast<TStartDelay>(delayChoices_->checkedId());
    for (std::size_t i = 0; i < std::size(kChecks); ++i) {
        settings.*kChecks[i].Field = checkBoxes_[i]->isChecked();
    }
    settings.Copies = copiesChoices_->checkedId();
    return settings;
}

void TOptions::ShowSettings(const TSettings& settings) {
    delayChoices_->button(static_cast<int>(settings.StartDelay))->setChecked(true);
    for (std::size_t i = 0; i < std::size(kChecks); ++i) {
        checkBoxes_[i]->setChecked(settings.*kChecks[i].Field);
    }
    copiesChoices_->button(settings.Copies)->setChecked(true);
}

QCheckBox* TOptions::CheckBox(bool TSettings::*field) const {
    for (std::size_t i = 0; i < std::size(kChecks); ++i) {
        if (kChecks[i].Field == field) return checkBoxes_[i];
    }
    return nullptr;
}

std::string TOptions::FilePath() const { return Program().ProgramDir + kSettingsFileName; }

void TOptions::ReadSettings() {
    TSettings settings = CurrentSettings();
    if (ReadSettingsFile(FilePath(), settings)) ShowSettings(settings);
}

void TOptions::WriteSettings() {
    for (const std::string& message : WriteSettingsFile(FilePath(), CurrentSettings())) {
        ShowError(QString::fromStdString(message));
    }
}

void TOptions::SeSkinButton1Click() {
    WriteSettings();
    SeSkinButton4Click();
}

void TOptions::SeSkinButton2Click() { WriteSettings(); }

void TOptions::SeSkinButton3Click() { ReadSettings(); }

void TOptions::SeSkinButton4Click() {
    close();
    ReadSettings();
}
