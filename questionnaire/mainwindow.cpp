#include "mainwindow.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <charconv>

#include "aboutprogramm.h"
#include "artwork.h"
#include "examplebox.h"
#include "messages.h"
#include "options.h"
#include "program.h"
#include "resultanalized.h"
#include "secondarywindow.h"
#include "sovmest.h"
#include "viewexample.h"

namespace {

const QString kCaption = QStringLiteral("Veltra 2.5.0.0.");
const QString kIncompleteTitle = QStringLiteral("Неточность анализирования...");
const QString kIncompleteText = QStringLiteral(
    "Вы не отметили особенности почерка в одном или нескольких параметрах почерка. Это сильно "
    "повлияет на точноть анализирования.");
const QString kContinueQuestion = QStringLiteral("Вы точно хотите продолжить анализирование?");

const QColor kBackground(234, 233, 215);
const QColor kLightBlue(166, 202, 240);
const QColor kGreen(0, 128, 0);
const QColor kPink(255, 128, 205);
const QColor kHeadingBlue(0, 83, 208);

// The client area and its parts.
constexpr int kClientWidth = 810;
constexpr int kClientHeight = 430;
constexpr QRect kHeading(4, 2, 192, 17);
constexpr QRect kList(4, 21, 192, 308);
constexpr int kListRowHeight = 17;
constexpr int kNavigationTop = 333;
constexpr int kSmallButton = 23;
constexpr int kStepTop = 360;
constexpr int kStepButtonWidth = 45;
constexpr int kStepButtonHeight = 36;
constexpr int kStepGap = 4;
constexpr int kIndicatorHeight = 6;
constexpr QRect kExitButton(4, 407, 192, 21);
constexpr QRect kLabelBox(200, 2, 606, 17);
constexpr QRect kPanelArea(200, 19, 606, 411);

// The tips of the step buttons, in order.
const char* const kStepTips[] = {
    "Шаг 1: Заполнение информации",
    "Шаг 3: Анализирование почерка",
    "Шаг 4: Просмотр результата",
    "Шаг 4: Печать результата",
};

const char* const kSettingsTabs[] = {"Запуск", "Выход", "Анализирование", "Печать"};

QColor ColourOf(TIndicatorColour colour) {
    switch (colour) {
        case TIndicatorColour::Green:
            return kGreen;
        case TIndicatorColour::Pink:
            return kPink;
        case TIndicatorColour::LightBlue:
            break;
    }
    return kLightBlue;
}

QFont PixelFont(const QString& family, int pixels, bool bold, bool italic = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

// Rows of the section list all of one height, icons included.
class TRowHeight : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kListRowHeight};
    }
};

// The program's result window, looked up when a command needs it: it is
// created after the main window.
class TProgramResults : public TResultCommands {
  public:
    explicit TProgramResults(TProgram& program) : program_(program) {}
    void BuildResultDocument() override {
        if (program_.ResultAnalized != nullptr) program_.ResultAnalized->BuildResultDocument();
    }
    void ShowResultWindow() override {
        if (program_.ResultAnalized != nullptr) program_.ResultAnalized->Open();
    }
    void PrintResultDocument() override {
        if (program_.ResultAnalized != nullptr) program_.ResultAnalized->PrintResultDocument();
    }

  private:
    TProgram& program_;
};

}  // namespace

TMainForm::TMainForm(TProgram& program, std::unique_ptr<TResultCommands> results)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      program_(program),
      results_(results ? std::move(results) : std::make_unique<TProgramResults>(program)) {
    createWindow();
    createMenus();
    connectCommands();
    program_.Sheet.SetObserver(this);
    for (const TOptionInfo& option : catalogue::Options()) OptionChanged(option.Option);
}

TMainForm::~TMainForm() { program_.Sheet.SetObserver(nullptr); }

void TMainForm::createWindow() {
    setWindowTitle(kCaption);
    setFont(PixelFont(QStringLiteral("Arial"), 11, true));
    Paint(this, QPalette::Window, kBackground);

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    createLeftColumn(client);
    createRightArea(client);
    // The window is as large as its client area and the menu bar, no more.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMainForm::createLeftColumn(QWidget* client) {
    auto* heading = new QLabel(QStringLiteral("Параметры анализирования"), client);
    heading->setObjectName(QStringLiteral("HeadingLabel"));
    heading->setGeometry(kHeading);
    heading->setAlignment(Qt::AlignCenter);
    PaintBackground(*heading, Qt::black);
    Paint(heading, QPalette::WindowText, kLightBlue);

    ListView1 = new QTreeWidget(client);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(kList);
    // Where the list's own face is missing, Arial, of much the same measure,
    // stands in for it rather than whatever wider face the system offers.
    const QString listFace = QStringLiteral("Microsoft Sans Serif");
    ListView1->setFont(PixelFont(
        QFontDatabase::hasFamily(listFace) ? listFace : QStringLiteral("Arial"), 11, false));
    ListView1->setColumnCount(2);
    ListView1->setHeaderHidden(true);
    ListView1->setRootIsDecorated(false);
    ListView1->setIndentation(0);
    ListView1->setUniformRowHeights(true);
    ListView1->setItemDelegate(new TRowHeight(ListView1));
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->header()->setStretchLastSection(true);
    ListView1->setColumnWidth(0, 20);
    // The selection stays as visible when the list loses the focus.
    QPalette palette = ListView1->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    ListView1->setPalette(palette);
    for (const TSectionInfo& section : catalogue::Sections()) {
        auto* item = new QTreeWidgetItem(ListView1);
        item->setIcon(0, artwork::SectionIcon(0));
        item->setText(1, Utf8(section.Name));
    }

    SeSkinButton1 = new QPushButton(client);
    SeSkinButton1->setObjectName(QStringLiteral("SeSkinButton1"));
    SeSkinButton1->setGeometry(kList.left(), kNavigationTop, kSmallButton, kSmallButton);
    SeSkinButton1->setIcon(artwork::Chevron(artwork::TChevron::Down));
    SeSkinButton1->setToolTip(QStringLiteral("Следующий раздел"));
    SeSkinButton2 = new QPushButton(client);
    SeSkinButton2->setObjectName(QStringLiteral("SeSkinButton2"));
    SeSkinButton2->setGeometry(kList.left() + kSmallButton + 2, kNavigationTop, kSmallButton,
                               kSmallButton);
    SeSkinButton2->setIcon(artwork::Chevron(artwork::TChevron::Up));
    SeSkinButton2->setToolTip(QStringLiteral("Предыдущий раздел"));
    SeSkinButton3 = new QPushButton(QStringLiteral("Очистить раздел"), client);
    SeSkinButton3->setObjectName(QStringLiteral("SeSkinButton3"));
    const int clearLeft = kList.left() + 2 * (kSmallButton + 2);
    SeSkinButton3->setGeometry(clearLeft, kNavigationTop, kList.right() + 1 - clearLeft,
                               kSmallButton);
    for (QPushButton* button : {SeSkinButton1, SeSkinButton2, SeSkinButton3})
        button->setEnabled(false);

    createStepButtons(client, kStepTop);

    SeSkinButton8 = new QPushButton(QStringLiteral("Выход из программы"), client);
    SeSkinButton8->setObjectName(QStringLiteral("SeSkinButton8"));
    SeSkinButton8->setGeometry(kExitButton);
}

void TMainForm::createStepButtons(QWidget* client, int top) {
    for (int step = 1; step <= 4; ++step) {
        const int left = kList.left() + (step - 1) * (kStepButtonWidth + kStepGap);
        auto* button = new QPushButton(client);
        button->setObjectName(QStringLiteral("SeSkinButton%1").arg(step + 3));
        button->setGeometry(left, top, kStepButtonWidth, kStepButtonHeight);
        button->setIcon(artwork::StepIcon(step));
        button->setIconSize(QSize(32, 32));
        button->setToolTip(QString::fromUtf8(kStepTips[step - 1]));
        stepButtons_[step - 1] = button;

        auto* indicator = new QWidget(client);
        indicator->setObjectName(QStringLiteral("Panel%1").arg(step));
        indicator->setGeometry(left, top + kStepButtonHeight + 1, kStepButtonWidth,
                               kIndicatorHeight);
        indicators_[step - 1] = indicator;
        SetIndicator(step, TIndicatorColour::LightBlue);
    }
}

void TMainForm::createRightArea(QWidget* client) {
    auto* labelBox = new QFrame(client);
    labelBox->setGeometry(kLabelBox);
    labelBox->setFrameShape(QFrame::StyledPanel);
    labelBox->setFrameShadow(QFrame::Sunken);
    Label1 = new QLabel(QStringLiteral("Приветствие"), labelBox);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(labelBox->rect());
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(PixelFont(QStringLiteral("Arial"), 13, true, true));
    Paint(Label1, QPalette::WindowText, kHeadingBlue);

    auto* area = new QWidget(client);
    area->setObjectName(QStringLiteral("PanelArea"));
    area->setGeometry(kPanelArea);
    createWelcomePanel(area);
    createPanels(area);
}

void TMainForm::createWelcomePanel(QWidget* area) {
    welcomePanel_ = new QWidget(area);
    welcomePanel_->setObjectName(QStringLiteral("WelcomePanel"));
    welcomePanel_->resize(area->size());
    auto* layout = new QVBoxLayout(welcomePanel_);
    layout->setContentsMargins(24, 12, 24, 12);
    layout->setSpacing(7);
    auto add = [&](const QString& text, const QFont& font, const QColor& colour = {}) {
        auto* label = new QLabel(text, welcomePanel_);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(font);
        if (colour.isValid()) Paint(label, QPalette::WindowText, colour);
        layout->addWidget(label);
    };
    const QFont text = font();
    const QFont thanks = PixelFont(QStringLiteral("Arial"), 12, true, true);
    add(QStringLiteral("\"Veltra\"."), PixelFont(QStringLiteral("Arial"), 28, true, true),
        kLightBlue);
    add(QStringLiteral("От разработчика программы..."), text);
    add(QStringLiteral("Перед Вам пятая по счёту редакция программы \"Veltra\". В этой версии "
                       "существено изменён принцип анализирования. Теперь у Вас появилась "
                       "возможность указать пол тестируемого и тип анализа."),
        text);
    add(QStringLiteral("Система анализа также переработана заново. Так что, теперь результат "
                       "анализирования будет максимально полным, а точность анализирования "
                       "существенно повышена."),
        text);
    add(QStringLiteral("Внешний вид программы спроектирован для максимального удобства и "
                       "простоты. Все шаги анализирования располагаются слева. Четыре кнопки "
                       "означают: Заполнение информации, Анализирование почерка, Просмотр "
                       "результата анализования, Печать результата."),
        text);
    add(QStringLiteral("Для того, чтобы просмотреть образец почерка, необходимо навести курсор "
                       "\"мышки\" на параметр почерка и щёлкнуть один раз правой клавишей "
                       "\"мышки\". Если образец доступен, его предпросмотр появится в "
                       "специальном окно, иначе будет показана специальная надпись."),
        text);
    add(QStringLiteral("А для просмотраобразца необходимо щёлкнуть один раз левой кнопкой "
                       "\"мышки\" по образцу. Закрыть просмотр образца почерка можно темже "
                       "способом, т.е. щёлкнув по образцу."),
        text);
    add(QStringLiteral("Спасибо за Ваш выбор."), thanks, kHeadingBlue);
    add(QStringLiteral("Приятной работы..."), thanks, kHeadingBlue);
    add(QStringLiteral("С уважением, разработчик \"Veltra\"."), thanks, kHeadingBlue);
}

void TMainForm::createPanels(QWidget* area) {
    for (const TSectionInfo& section : catalogue::Sections()) {
        const int number = section.Number;
        auto* panel = new TSectionPanel(
            section, area->size(), area, *this,
            [this, number](const QString& path) { OpenExampleViewer(number, path); });
        panel->hide();
        panels_[number - 1] = panel;
        for (const TOptionInfo& option : catalogue::OptionsOfSection(number))
            options_[IndexOf(option.Option)] = panel->findChild<QAbstractButton*>(Utf8(option.Id));
    }
}

void TMainForm::createMenus() {
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };

    QMenu* N1 = MainMenu1->addMenu(QStringLiteral("Настройки"));
    N1->setObjectName(QStringLiteral("N1"));
    for (int tab = 0; tab < 4; ++tab) {
        QAction* item = N1->addAction(QString::fromUtf8(kSettingsTabs[tab]));
        item->setObjectName(QStringLiteral("N%1").arg(tab + 2));
        connect(item, &QAction::triggered, this, [this, tab] {
            if (program_.Options != nullptr) program_.Options->OpenOnTab(tab);
        });
    }

    QMenu* N9 = MainMenu1->addMenu(QStringLiteral("Анализирование"));
    N9->setObjectName(QStringLiteral("N9"));
    N11 = action(N9, "N11", QStringLiteral("Шаг 1: Заполнение информации"));
    N11->setIcon(artwork::StepIcon(1));
    N21 = action(N9, "N21", QStringLiteral("Шаг 2: Проверка заполнения параметров"));
    N21->setIcon(QIcon(artwork::SectionIcon(1)));
    N31 = action(N9, "N31", QStringLiteral("Шаг 3: Анализирование почерка"));
    N31->setIcon(artwork::StepIcon(2));
    N41 = action(N9, "N41", QStringLiteral("Шаг 4: Просмотр или печать результата"));
    N41->setIcon(artwork::StepIcon(3));
    // The default item of the menu is shown in bold.
    QFont bold = N11->font();
    bold.setBold(true);
    N11->setFont(bold);

    N7 = MainMenu1->addAction(QStringLiteral("Выход"));
    N7->setObjectName(QStringLiteral("N7"));

    QMenu* N8 = MainMenu1->addMenu(QStringLiteral("Справка"));
    N8->setObjectName(QStringLiteral("N8"));
    QAction* N10 = action(N8, "N10", QStringLiteral("О программе"));
    connect(N10, &QAction::triggered, this, [this] {
        if (program_.AboutProgramm != nullptr) program_.AboutProgramm->Open();
    });
    N8->addSeparator()->setObjectName(QStringLiteral("N12"));
    QAction* N13 = action(N8, "N13", QStringLiteral("Совместимость с Windows"));
    connect(N13, &QAction::triggered, this, [this] {
        if (program_.Sovmest != nullptr) program_.Sovmest->Open();
    });
}

void TMainForm::connectCommands() {
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TMainForm::ListView1Click);
    connect(SeSkinButton1, &QPushButton::clicked, this, &TMainForm::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TMainForm::SeSkinButton2Click);
    connect(SeSkinButton3, &QPushButton::clicked, this, &TMainForm::SeSkinButton3Click);
    connect(stepButtons_[0], &QPushButton::clicked, this, &TMainForm::N11Click);
    connect(stepButtons_[1], &QPushButton::clicked, this, &TMainForm::SeSkinButton5Click);
    connect(stepButtons_[2], &QPushButton::clicked, this, &TMainForm::SeSkinButton6Click);
    connect(stepButtons_[3], &QPushButton::clicked, this, &TMainForm::SeSkinButton7Click);
    connect(SeSkinButton8, &QPushButton::clicked, this, &TMainForm::SeSkinButton8Click);
    connect(N11, &QAction::triggered, this, &TMainForm::N11Click);
    connect(N21, &QAction::triggered, this, &TMainForm::N21Click);
    // Steps 3 and 4 of the menu press the Analyse and View buttons.
    connect(N31, &QAction::triggered, stepButtons_[1], &QPushButton::click);
    connect(N41, &QAction::triggered, stepButtons_[2], &QPushButton::click);
    connect(N7, &QAction::triggered, this, &TMainForm::SeSkinButton8Click);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!placed_) {
        CentreOnDesktop(*this);
        placed_ = true;
    }
}

// The section list and navigation.

void TMainForm::ListView1Click() {
    const QList<QTreeWidgetItem*> selection = ListView1->selectedItems();
    if (selection.isEmpty()) {
        // A click that leaves no row selected keeps the section that is shown.
        if (selected_ != 0) SelectSection(selected_);
        return;
    }
    selected_ = ListView1->indexOfTopLevelItem(selection.front()) + 1;
    RefreshSectionView();
}

void TMainForm::SelectSection(int section) {
    const QSignalBlocker quiet(ListView1);
    ListView1->setCurrentItem(ListView1->topLevelItem(section - 1));
}

void TMainForm::SeSkinButton1Click() {
    SelectSection(selected_ + 1);
    ListView1Click();
}

void TMainForm::SeSkinButton2Click() {
    SelectSection(selected_ - 1);
    ListView1Click();
}

void TMainForm::RefreshSectionView() {
    if (selected_ == 0) return;
    welcomePanel_->hide();
    for (int section = 1; section <= catalogue::kSectionCount; ++section) {
        ListView1->topLevelItem(section - 1)
            ->setIcon(0, artwork::SectionIcon(SectionIcon(program_.Sheet, section, selected_)));
    }
    SeSkinButton1->setEnabled(selected_ < catalogue::kSectionCount);
    SeSkinButton2->setEnabled(selected_ > 1);
    SeSkinButton3->setEnabled(true);
    Label1->setText(Utf8(catalogue::Section(selected_).Name));
    for (TSectionPanel* panel : panels_) panel->setVisible(panel == panels_[selected_ - 1]);
}

void TMainForm::SeSkinButton3Click() {
    if (selected_ != 0) program_.Sheet.ClearSection(selected_);
}

// The options, through the answer sheet.

void TMainForm::OptionClicked(OptionId id) { program_.Sheet.Click(id); }

void TMainForm::OptionChanged(OptionId id) {
    QAbstractButton* button = options_[IndexOf(id)];
    button->setChecked(program_.Sheet.IsChecked(id));
    button->setEnabled(program_.Sheet.IsEnabled(id));
}

void TMainForm::SectionTouched(int /*section*/) { RefreshSectionView(); }

void TMainForm::AnalysisInvalidated() { SetIndicator(2, TIndicatorColour::Pink); }

// The handwriting examples.

void TMainForm::OptionRightReleased(OptionId id) {
    // RB4_9 and the options of section 6 have no example.
    if (auto code = catalogue::ExampleCode(id)) ShowExample(*code);
}

void TMainForm::ShowExample(std::string_view code) {
    int section = 0;
    std::from_chars(code.data(), code.data() + 2, section);
    if (section < 1 || section > catalogue::kSectionCount) return;
    TExampleBox* box = panels_[section - 1]->ExampleBox();
    if (box == nullptr) return;
    box->ShowExample(QString::fromStdString(program_.ProgramDir) + QStringLiteral("Example/") +
                     Utf8(code) + QStringLiteral(".bmp"));
}

void TMainForm::OpenExampleViewer(int section, const QString& path) {
    if (program_.ViewExample == nullptr) return;
    // A file that went away or broke since it was shown is reported in the box.
    if (!program_.ViewExample->OpenExampleViewer(path))
        panels_[section - 1]->ExampleBox()->ShowExample(path);
}

// The four steps.

void TMainForm::SetSubjectWindowOpener(std::function<void()> open) {
    openSubjectWindow_ = std::move(open);
}

void TMainForm::N11Click() {
    if (openSubjectWindow_) openSubjectWindow_();
}

void TMainForm::N21Click() {
    if (!program_.Sheet.AllSectionsTouched()) ShowInformation(kIncompleteTitle, kIncompleteText);
}

TSettings TMainForm::CurrentSettings() const {
    return program_.Settings != nullptr ? program_.Settings->CurrentSettings() : TSettings{};
}

void TMainForm::RunAnalysis() {
    if (program_.Analiz != nullptr)
        program_.Analiz->RunAnalysis(program_.Sheet, program_.Subject, program_.Report, *this);
}

void TMainForm::RunAnalysisFirstIf(bool analyseFirst) {
    // No completeness question here; a run still current is not repeated when
    // the settings say so.
    if (analyseFirst && (!CurrentSettings().NoRepeatAnalysis || !program_.Sheet.AnalysisDone()))
        RunAnalysis();
}

void TMainForm::SeSkinButton5Click() {
    if (program_.Sheet.AllSectionsTouched()) {
        RunAnalysis();
        if (CurrentSettings().ShowAfterAnalysis) {
            results_->BuildResultDocument();
            results_->ShowResultWindow();
        }
    } else if (AskQuestion(kIncompleteTitle,
                           kIncompleteText + QStringLiteral("\r\r") + kContinueQuestion)) {
        // An analysis of an incomplete sheet is not shown by itself.
        RunAnalysis();
    }
}

void TMainForm::SeSkinButton6Click() {
    RunAnalysisFirstIf(CurrentSettings().AnalyseBeforeShow);
    results_->BuildResultDocument();
    SetIndicator(3, TIndicatorColour::Green);
    results_->ShowResultWindow();
}

void TMainForm::SeSkinButton7Click() {
    RunAnalysisFirstIf(CurrentSettings().AnalyseBeforePrint);
    results_->BuildResultDocument();
    results_->PrintResultDocument();
}

void TMainForm::SeSkinButton8Click() { close(); }

void TMainForm::SetMainWindowEnabled(bool enabled) { setEnabled(enabled); }

void TMainForm::AnalysisFinished() {
    SetIndicator(2, TIndicatorColour::Green);
    SetIndicator(3, TIndicatorColour::Pink);
    SetIndicator(4, TIndicatorColour::Pink);
}

void TMainForm::SetIndicator(int step, TIndicatorColour colour) {
    PaintBackground(*indicators_[step - 1], ColourOf(colour));
}

// The subject window's confirmation.

void TMainForm::ShowSubjectInCaption() {
    const TSubject& subject = program_.Subject;
    setWindowTitle(kCaption + QLatin1Char(' ') + QString::fromStdString(subject.Surname) +
                   QLatin1Char(' ') + QString::fromStdString(subject.FirstName) + QLatin1Char(' ') +
                   QString::fromStdString(subject.Patronymic));
}

void TMainForm::MakeCompletenessCheckDefault() {
    QFont font = N21->font();
    font.setBold(true);
    N21->setFont(font);
    font.setBold(false);
    N11->setFont(font);
}
