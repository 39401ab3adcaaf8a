#include "sovmest.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "linklabel.h"
#include "messages.h"

const QString kWindowsXpNote = QStringLiteral(
    "Ошибки, возникающие при работе с программой \"Veltra\" в ОС Windows XP, XP SP1, XP SP2"
    "\r\r"
    "При тестировании программы в операционный системе Windows XP с сервис-паками, возникали "
    "некоторые ошибки:\r  -при попытке просмотра образца почерка, программа \"зависала\"."
    "\r\r"
    "Данная ошибка возникала только на некоторых машинах, на остальных машинах программа вела "
    "себя стабильно."
    "\r\r"
    "Процент \"зависания\": 2%."
    "\r\r"
    "Если Вы найдёте причину ошибки, уважительная просьба сообщить об этом."
    "\r\r"
    "С уважением, разработчик программы \"Veltra\".");

namespace {

enum class TOutcome { None, Success, AlmostSuccess };

struct TEntry {
    const char* System;
    TOutcome Outcome = TOutcome::None;
};

struct TList {
    const char* Heading;
    std::vector<TEntry> Entries;
};

const TList kLists[] = {
    {"Программа теоретически работает в ОС...",
     {{"Windows 95 | 95 SE"},
      {"Windows 98 | 98 SE |98 PE"},
      {"Windows NT | SP1 | SP2 | SP3 | SP4"},
      {"Windows 2000 | SP1 | SP2 | SP3 | SP4"},
      {"Windows XP | SP1 | SP2"}}},
    {"Программа создавалась в ОС...", {{"Windows 2000 SP4"}}},
    {"Программа тестировалась в ОС...",
     {{"Windows 98 SE"}, {"Windows 2000 SP3 | SP4"}, {"Windows XP | SP1 | SP2"}}},
    {"Результаты тестирования...",
     {{"Windows 98 SE", TOutcome::Success},
      {"Windows 2000 SP3", TOutcome::Success},
      {"Windows 2000 SP4", TOutcome::Success},
      {"Windows XP", TOutcome::AlmostSuccess},
      {"Windows XP SP1", TOutcome::AlmostSuccess},
      {"Windows XP SP2", TOutcome::AlmostSuccess}}},
};

QLabel* Coloured(const QString& text, const QColor& colour) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// One list: the heading, then each entry behind a small marker, with the
// outcome of its test beside it.
QWidget* ListBlock(const TList& list) {
    auto* block = new QWidget;
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 6);
    grid->setVerticalSpacing(2);
    grid->addWidget(Coloured(QString::fromUtf8(list.Heading), Qt::black), 0, 0, 1, 3);
    int row = 1;
    for (const TEntry& entry : list.Entries) {
        grid->addWidget(Coloured(QStringLiteral("▪"), QColor(0, 0, 128)), row, 0);
        grid->addWidget(Coloured(QString::fromUtf8(entry.System), Qt::black), row, 1);
        if (entry.Outcome == TOutcome::Success) {
            grid->addWidget(Coloured(QStringLiteral("Успешно"), QColor(0, 128, 0)), row, 2);
        } else if (entry.Outcome == TOutcome::AlmostSuccess) {
            grid->addWidget(Coloured(QStringLiteral("Почти успешно"), QColor(128, 128, 0)), row, 2);
        }
        ++row;
    }
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(3, 1);
    return block;
}

}  // namespace

TSovmest::TSovmest(TProgram& program)
    : TSecondaryWindow(program, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Sovmest"));
    setWindowTitle(QStringLiteral("Совместимость"));
    PaintBackground(*this, Qt::white);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    auto* layout = new QVBoxLayout(this);
    // Two columns: where it should run and was made; where it was tested.
    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);
    for (const auto& column : {std::pair{0, 1}, std::pair{2, 3}}) {
        auto* lists = new QVBoxLayout;
        lists->addWidget(ListBlock(kLists[column.first]));
        lists->addWidget(ListBlock(kLists[column.second]));
        lists->addStretch();
        columns->addLayout(lists);
    }
    layout->addLayout(columns);

    auto* note =
        new TLinkLabel(QStringLiteral("Label41"),
                       QStringLiteral("Узнать ошибки в Windows XP | SP1 | SP2"), QColor(0, 0, 128));
    connect(note, &TLinkLabel::clicked, this, &TSovmest::Label41Click);
    layout->addWidget(note);

    AddCloseButton(layout, QStringLiteral("SeSkinButton1"),
                   QStringLiteral("Закрыть окно информации"));
    setFixedSize(sizeHint());
}

void TSovmest::Label41Click() { ShowInformation(kWindowsXpNote); }
