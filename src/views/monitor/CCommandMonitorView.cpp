#include "views/monitor/CCommandMonitorView.h"

#include "app/AppContext.h"
#include "app/LogFileCommands.h"
#include "link/ReceiverPort.h"
#include "views/monitor/CCommandMonitorDoc.h"
#include "views/monitor/CMonitorEdit.h"

#include <QMenu>
#include <QPainter>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

CCommandMonitorView::CCommandMonitorView(CCommandMonitorDoc& document, QWidget* parent)
    : CView(document, 0, parent), monitor(document), edit(new CMonitorEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    setFocusProxy(edit);
    connect(&document, &CCommandMonitorDoc::textArrived, this, &CCommandMonitorView::ShowArrived);
    connect(&document, &CCommandMonitorDoc::modeChanged, this, &CCommandMonitorView::StartAfresh);
    connect(edit, &CMonitorEdit::typed, this, &CCommandMonitorView::Send);
    connect(edit, &CMonitorEdit::contextMenuWanted, this, [this](const QPoint& at) {
        QMenu* menu = NewContextMenu(window());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    });
}

void CCommandMonitorView::ShowArrived() {
    const bool debug = monitor.DebugMode();
    for (const std::string& chunk : monitor.TakeArrived())
        text.Show(chunk, debug);
    ApplyChange();
}

void CCommandMonitorView::EraseScreen() {
    text.Erase();
    ApplyChange();
}

void CCommandMonitorView::StartAfresh() {
    text.DropPending();
    EraseScreen();
}

void CCommandMonitorView::ApplyChange() {
    const MonitorDisplayChange change = text.TakeChange();
    const QString added = QString::fromLatin1(change.text);
    if (change.replaced) {
        edit->setPlainText(added);
        return;
    }
    if (change.removedFront == 0 && added.isEmpty()) return;
    QTextCursor cursor(edit->document());
    if (change.removedFront > 0) {
        cursor.setPosition(static_cast<int>(change.removedFront), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(added);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

void CCommandMonitorView::Send(const QString& typed) {
    std::string bytes;
    for (QChar c : typed) {
        if (c == u'\r')
            bytes += "\r\n";
        else if (c.unicode() <= 0xFF) // the link carries 8-bit text only
            bytes += c.toLatin1();
    }
    monitor.Context().port.WriteString(bytes);
}

QMenu* CCommandMonitorView::NewContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    LogFileCommands* log = monitor.Context().logCommands;
    QAction* start = menu->addAction("&Start Log File");
    QAction* close = menu->addAction("&Close Log File");
    start->setEnabled(log && !log->Logging());
    close->setEnabled(log && log->Logging());
    if (log) {
        connect(start, &QAction::triggered, [log] { log->StartLogFile(); });
        connect(close, &QAction::triggered, [log] { log->CloseLogFile(); });
    }
    menu->addSeparator();
    QAction* pause = menu->addAction("&Pause", [this] { monitor.TogglePause(); });
    pause->setCheckable(true);
    pause->setChecked(monitor.Paused());
    menu->addAction("&Erase Screen", this, &CCommandMonitorView::EraseScreen);
    QAction* debug = menu->addAction("&Debug Monitor", [this] { monitor.ToggleDebugMode(); });
    debug->setCheckable(true);
    debug->setChecked(monitor.DebugMode());
    return menu;
}

void CCommandMonitorView::Print(QPainter& painter, const QRect& page) {
    painter.save();
    painter.setFont(edit->font());
    painter.setPen(Qt::black);
    const int lineHeight = std::max(1, painter.fontMetrics().lineSpacing());
    const int fitting = std::max(1, page.height() / lineHeight);
    QTextBlock block = edit->document()->lastBlock();
    for (int i = 1; i < fitting && block.previous().isValid(); ++i)
        block = block.previous();
    for (int y = page.top(); block.isValid(); block = block.next(), y += lineHeight)
        painter.drawText(QRect(page.left(), y, page.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, block.text());
    painter.restore();
}
