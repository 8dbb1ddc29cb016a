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
    void contextMenuEvent(QContextMenuEvent* event) override;
};
