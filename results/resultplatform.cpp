#include "resultplatform.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "resultfile.h"

namespace {

QStringList NameFilters() {
    QStringList filters;
    for (const TSaveFilter& filter : kSaveFilters) {
        filters << QStringLiteral("%1 (*%2)")
                       .arg(QString::fromUtf8(filter.Caption), QString::fromUtf8(filter.Extension));
    }
    return filters;
}

class TStandardPlatform : public TResultPlatform {
  public:
    bool AskSaveName(QWidget* parent, TSaveChoice& choice) override {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("SaveDialog1"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The window asks its own question before it overwrites a file.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = NameFilters();
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(choice.FilterIndex - 1));
        if (!choice.FileName.isEmpty()) dialog.selectFile(choice.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        choice.FileName = dialog.selectedFiles().first();
        choice.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
        if (choice.FilterIndex < 1) choice.FilterIndex = 1;
        return true;
    }

    bool AskPrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        return dialog.exec() == QDialog::Accepted;
    }

    bool UseDefaultPrinter(QPrinter& printer) override {
        const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
        if (printerInfo.isNull()) return false;
        printer.setPrinterName(printerInfo.printerName());
        return true;
    }
};

TResultPlatform* replacement = nullptr;

}  // namespace

TResultPlatform& ResultPlatform() {
    static TStandardPlatform standard;
    return replacement != nullptr ? *replacement : standard;
}

void SetResultPlatform(TResultPlatform* platform) { replacement = platform; }
