#include "views/monitor/CMonitorEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

CMonitorEdit::CMonitorEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    QFont courier("Courier");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(10);
    setFont(courier);
    // Read-only edits hide the caret; the user types here all the same.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void CMonitorEdit::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty() || event->matches(QKeySequence::Copy) ||
        event->matches(QKeySequence::SelectAll)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    emit typed(event->text());
    event->accept();
}

void CMonitorEdit::contextMenuEvent(QContextMenuEvent* event) {
    const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
    emit contextMenuWanted(keyboard ? mapToGlobal(QPoint(5, 5)) : event->globalPos());
    event->accept();
}
