#include "resultanalized.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTextEdit>
#include <algorithm>

#include "messages.h"
#include "program.h"
#include "resultfile.h"
#include "richtext.h"
#include "rtfwriter.h"

namespace {

constexpr int kClientWidth = 688;
constexpr int kClientHeight = 453;
// The view's distance from the left, right and bottom edges, and its top.
constexpr int kViewMargin = 5;
constexpr int kViewTop = 30;
constexpr int kButtonTop = 4;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 22;
constexpr int kButtonGap = 5;

const QColor kPrintedGreen(0, 128, 0);

const QString kOverwriteTitle = QStringLiteral("Файл существует...");
const QString kNoPrinterMessage = QStringLiteral(
    "Не удалось напечатать результат анализирования: в системе не установлен принтер по "
    "умолчанию.\rУстановите принтер или включите в настройках выбор принтера перед печатью.");
const QString kPrintFailedMessage =
    QStringLiteral("Не удалось напечатать результат анализирования: принтер сообщил об ошибке.");

// The fonts the document names are those of the system it was made for. Where
// they are missing the view shows Liberation Sans, metric-compatible with
// Arial and close to MS Sans Serif; the document and its files keep the
// original names.
void SubstituteDocumentFonts() {
    QFont::insertSubstitution(QString::fromUtf8(kProductFontName),
                              QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QString::fromUtf8(kDocumentFontName),
                              QStringLiteral("Liberation Sans"));
}

QIcon PrinterIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);  // the sheet going in
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(1, 6, 13, 6);  // the body
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 5);  // the printed sheet
    painter.fillRect(11, 8, 2, 1, QColor(0, 160, 0));
    return QIcon(pixmap);
}

// The long time format without the time zone some locales end it with:
// hours, minutes and seconds.
QString LongTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) out += c;
    }
    return out.trimmed();
}

// The user's locale; a system that has none (the C locale) gets the Russian
// formats the program speaks.
QLocale UserLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::Russian, QLocale::Russia) : system;
}

QString OverwriteQuestion(const QFileInfo& file) {
    QString directory = QDir::toNativeSeparators(file.absolutePath());
    if (!directory.endsWith(QDir::separator())) directory += QDir::separator();
    return QStringLiteral("Файл с именем ") + file.fileName() + QLatin1Char('\r') +
           QStringLiteral("уже существует по адресу ") + directory + QStringLiteral("\r\r") +
           QStringLiteral("Перезаписать его?");
}

}  // namespace

TResultAnalized::TResultAnalized(TProgram& program, QWidget* parent)
    : TSecondaryWindow(program, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    if (parent != nullptr) setParent(parent, windowFlags());
    setObjectName(QStringLiteral("ResultAnalized"));
    setWindowTitle(QStringLiteral("Результат анализирования"));
    PaintBackground(*this, Qt::white);
    SubstituteDocumentFonts();
    createControls();
    connectCommands();
    setFixedSize(kClientWidth, kClientHeight);
}

void TResultAnalized::createControls() {
    struct Button {
        QPushButton*& control;
        const char* name;
        const char* caption;
        QIcon icon;
    };
    // Save and print first, close at the end of the row.
    const Button buttons[] = {
        {SeSkinButton2, "SeSkinButton2", " Сохранить",
         style()->standardIcon(QStyle::SP_DialogSaveButton)},
        {SeSkinButton3, "SeSkinButton3", " Напечатать", PrinterIcon()},
        {SeSkinButton1, "SeSkinButton1", " Закрыть",
         style()->standardIcon(QStyle::SP_DialogCloseButton)},
    };
    int left = kViewMargin;
    for (const Button& button : buttons) {
        button.control = new QPushButton(button.icon, QString::fromUtf8(button.caption), this);
        button.control->setObjectName(QString::fromLatin1(button.name));
        button.control->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    QFont font(QString::fromUtf8(kDocumentFontName));
    font.setPointSizeF(kDocumentPointSize);
    RichEdit1->setFont(font);
    RichEdit1->document()->setDefaultFont(font);
    FormCanResize(QSize(kClientWidth, kClientHeight));
}

void TResultAnalized::connectCommands() {
    connect(SeSkinButton1, &QPushButton::clicked, this, &TResultAnalized::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TResultAnalized::SeSkinButton2Click);
    connect(SeSkinButton3, &QPushButton::clicked, this, &TResultAnalized::SeSkinButton3Click);
}

void TResultAnalized::resizeEvent(QResizeEvent* event) {
    FormCanResize(event->size());
    TSecondaryWindow::resizeEvent(event);
}

void TResultAnalized::FormCanResize(const QSize& client) {
    RichEdit1->setGeometry(kViewMargin, kViewTop, client.width() - 2 * kViewMargin,
                           client.height() - kViewTop - kViewMargin);
}

void TResultAnalized::SeSkinButton1Click() { close(); }

void TResultAnalized::SeSkinButton2Click() { SaveResultDocument(); }

void TResultAnalized::SeSkinButton3Click() { PrintResultDocument(); }

void TResultAnalized::BuildResultDocument() {
    const QLocale locale = UserLocale();
    const QDateTime now = QDateTime::currentDateTime();
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    const QString time = locale.toString(now.time(), LongTimeFormat(locale));
    FillTextDocument(*RichEdit1->document(),
                     ComposeResultDocument(Program().Subject, Program().Report, date.toStdString(),
                                           time.toStdString()));
    RichEdit1->moveCursor(QTextCursor::End);
}

void TResultAnalized::SaveResultDocument() {
    TSaveChoice choice = saveChoice_;
    if (!ResultPlatform().AskSaveName(this, choice)) return;
    choice.FileName =
        QString::fromStdString(CompleteSaveName(choice.FileName.toStdString(), choice.FilterIndex));
    saveChoice_ = choice;
    const QFileInfo file(choice.FileName);
    if (file.exists() && !AskQuestion(kOverwriteTitle, OverwriteQuestion(file))) return;
    WriteResultFile(choice.FileName);
}

void TResultAnalized::WriteResultFile(const QString& path) {
    const std::string error =
        ReplaceFileContents(path.toStdString(), WriteRtf(DocumentFromText(*RichEdit1->document())));
    if (error.empty()) return;
    ShowError(QStringLiteral("Не удалось сохранить результат анализирования в файл «%1».\r%2")
                  .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
}

void TResultAnalized::PrintResultDocument() {
    const TSettings settings =
        Program().Settings != nullptr ? Program().Settings->CurrentSettings() : TSettings{};
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(std::clamp(settings.Copies, 1, 3));
    if (settings.ChoosePrinter) {
        if (ResultPlatform().AskPrinter(DialogOwner(), printer) && PrintOn(printer)) {
            PaintPanel4Green();
        }
        return;
    }
    PaintPanel4Green();
    if (!ResultPlatform().UseDefaultPrinter(printer)) {
        ShowError(kNoPrinterMessage);
        return;
    }
    PrintOn(printer);
}

bool TResultAnalized::PrintOn(QPrinter& printer) {
    if (PrintTextDocument(*RichEdit1->document(), printer)) return true;
    ShowError(kPrintFailedMessage);
    return false;
}

void TResultAnalized::PaintPanel4Green() {
    if (Program().MainWindow == nullptr) return;
    if (auto* panel = Program().MainWindow->findChild<QWidget*>(QStringLiteral("Panel4"))) {
        PaintBackground(*panel, kPrintedGreen);
    }
}

QWidget* TResultAnalized::DialogOwner() { return isVisible() ? this : Program().MainWindow; }
