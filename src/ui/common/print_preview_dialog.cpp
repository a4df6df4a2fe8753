// The preview draws the pages with the same renderer as the printer and the PDF, so what is shown is
// what comes out.
#include "ui/common/print_preview_dialog.h"

#include "ui/common/print_renderer.h"
#include "ui/common/screen_fit.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv::ui {

PreviewChoice showPrintPreview(const services::PrintDocument& document, const QString& printerName,
                               QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    QPrinter printer(QPrinter::HighResolution);
    if (!printerName.isEmpty())
        printer.setPrinterName(printerName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&document](QPrinter* device) { renderDocument(document, *device); });

    auto* zoomIn = new QPushButton(QStringLiteral("拡大"), &dialog);
    auto* zoomOut = new QPushButton(QStringLiteral("縮小"), &dialog);
    auto* whole = new QPushButton(QStringLiteral("ページ全体"), &dialog);
    auto* print = new QPushButton(QStringLiteral("印刷"), &dialog);
    auto* pdf = new QPushButton(QStringLiteral("PDFに保存"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), &dialog);
    QObject::connect(zoomIn, &QPushButton::clicked, preview, [preview] { preview->zoomIn(); });
    QObject::connect(zoomOut, &QPushButton::clicked, preview, [preview] { preview->zoomOut(); });
    QObject::connect(whole, &QPushButton::clicked, preview, &QPrintPreviewWidget::fitInView);
    PreviewChoice choice = PreviewChoice::Cancel;
    QObject::connect(print, &QPushButton::clicked, &dialog, [&] {
        choice = PreviewChoice::Print;
        dialog.accept();
    });
    QObject::connect(pdf, &QPushButton::clicked, &dialog, [&] {
        choice = PreviewChoice::SavePdf;
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(zoomIn);
    buttons->addWidget(zoomOut);
    buttons->addWidget(whole);
    buttons->addStretch();
    if (printerName.isEmpty()) {
        print->setEnabled(false);
        buttons->addWidget(new QLabel(QStringLiteral("通常使うプリンターが設定されていません。"), &dialog));
    }
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(preview, 1);
    layout->addLayout(buttons);
    (printerName.isEmpty() ? pdf : print)->setDefault(true);

    const QRect area = clientAreaFor(&dialog);
    const QSize size(std::min(area.width(), 900), std::min(area.height(), 820));
    fitOnScreen(&dialog, size, area.center() - QPoint(size.width() / 2, size.height() / 2));
    if (dialog.exec() != QDialog::Accepted)
        return PreviewChoice::Cancel;
    return choice;
}

} // namespace tv::ui
