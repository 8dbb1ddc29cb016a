#include "app/CChildFrame.h"

#include "app/CDocument.h"
#include "app/CView.h"

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

CView* CChildFrame::FirstView() const {
    if (auto* view = qobject_cast<CView*>(widget())) return view;
    return widget() ? widget()->findChild<CView*>() : nullptr;
}

void CChildFrame::TrackNormalRect() {
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) normalRect = geometry();
}

void CChildFrame::moveEvent(QMoveEvent* event) {
    QMdiSubWindow::moveEvent(event);
    TrackNormalRect();
}

void CChildFrame::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    TrackNormalRect();
}
