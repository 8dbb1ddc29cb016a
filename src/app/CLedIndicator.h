#pragma once

#include "app/StatusBarModel.h"

#include <QWidget>

// One status-bar LED: a cell of the LED strip, magenta shown transparent,
// centred when the widget is at least 16x16. Repaints at once on a change.
class CLedIndicator : public QWidget {
    Q_OBJECT

public:
    CLedIndicator(LedStyle style, QWidget* parent = nullptr);

    LedMode Mode() const { return mode; }
    void SetMode(LedMode newMode);
    LedStyle Style() const { return style; }
    void SetStyle(LedStyle newStyle);

    QSize sizeHint() const override { return {kLedCellSize, kLedCellSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LedStyle style;
    LedMode mode = LedMode::Off;
};
