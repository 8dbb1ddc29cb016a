#include "app/ViewPrinting.h"

#include "app/CView.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void PrintView(CView& view, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // paintRectPixels is in page coordinates; the painter's origin is the
    // printable area's corner.
    view.Print(painter, QRect(QPoint(0, 0), page.size()));
    painter.end();
}

bool PrintViewToPdf(CView& view, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintView(view, printer);
    return QFileInfo(path).size() > 0;
}

void PrintViewWithDialog(CView& view, QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) PrintView(view, printer);
}

void PreviewView(CView& view, QPrinter& printer, QWidget* parent) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&view](QPrinter* target) { PrintView(view, *target); });
    preview.exec();
}
