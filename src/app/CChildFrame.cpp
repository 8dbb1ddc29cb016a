#include "app/CChildFrame.h"

#include "app/CDocument.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(std::unique_ptr<CDocument> owned, QWidget* content, QWidget* parent)
    : QMdiSubWindow(parent), document(owned.release()) {
    document->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(content);
    setWindowTitle(document->Title());
    connect(document, &CDocument::titleChanged, this, &QWidget::setWindowTitle);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!document->CanClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
