#include "aboutprogramm.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#include "linklabel.h"
#include "productpicture.h"

const QString kMakerMail = QStringLiteral("author@veltra.example");
const QString kMakerSite = QStringLiteral("https://www.veltra.example/");

namespace {

const QColor kLinkColour(128, 0, 128);

QLabel* Bold(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The system's handler opens the address; nothing is said when it cannot.
TLinkLabel* Link(const QString& name, const QString& text, const QUrl& url) {
    auto* link = new TLinkLabel(name, text, kLinkColour);
    QObject::connect(link, &TLinkLabel::clicked, link, [url] { QDesktopServices::openUrl(url); });
    return link;
}

}  // namespace

TAboutProgramm::TAboutProgramm(TProgram& program) : TSecondaryWindow(program, Qt::Dialog) {
    setObjectName(QStringLiteral("AboutProgramm"));
    setWindowTitle(QStringLiteral("О программе"));
    PaintBackground(*this, Qt::white);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TProductPicture);
    layout->addWidget(new QLabel(QStringLiteral("Программа анализа почерка")));

    auto* build = new QFormLayout;
    build->addRow(Bold(QStringLiteral("Сборка:")), new QLabel(QStringLiteral("00-02")));
    layout->addLayout(build);

    layout->addWidget(Bold(QStringLiteral("Контактная информация:")));
    layout->addWidget(Link(QStringLiteral("MailLink"), QStringLiteral("E-Mail: ") + kMakerMail,
                           QUrl(QStringLiteral("mailto:") + kMakerMail)));
    layout->addWidget(Link(QStringLiteral("WebLink"), QStringLiteral("InterNet: ") + kMakerSite,
                           QUrl(kMakerSite)));

    AddCloseButton(layout, QStringLiteral("XPButton1"), QStringLiteral("Закрыть окно информации"));
    setFixedSize(sizeHint());
}
