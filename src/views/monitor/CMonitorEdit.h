#pragma once

#include <QPlainTextEdit>

// The monitor's text: read only, Courier 10 pt, scrolling both ways. What the
// user types does not change it but is handed on with `typed`, for the
// receiver; copying and selecting all work as usual.
class CMonitorEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CMonitorEdit(QWidget* parent = nullptr);

signals:
    void typed(const QString& text);
    // At the mouse, or for the keyboard at the top-left corner plus 5 pixels.
    void contextMenuWanted(const QPoint& globalPosition);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Tab is a character for the receiver, not a move to the next widget.
    bool focusNextPrevChild(bool) override { return false; }
    void contextMenuEvent(QContextMenuEvent* event) override;
};
