#pragma once

#include <QString>

class CView;
class QPrinter;
class QWidget;

// One page: the view's Print() onto the printer's printable area.
void PrintView(CView& view, QPrinter& printer);
// For tests and batch use; false when the file cannot be written.
bool PrintViewToPdf(CView& view, const QString& path);
// The print dialog, then the page; nothing when the user cancels. The
// printer keeps what Print Setup chose.
void PrintViewWithDialog(CView& view, QPrinter& printer, QWidget* parent);
void PreviewView(CView& view, QPrinter& printer, QWidget* parent);
