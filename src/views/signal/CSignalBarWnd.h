#pragma once

#include <QWidget>

class SignalBarModel;

// The bar chart inside the signal quality view. It only draws: the view
// updates the model and asks for a repaint.
class CSignalBarWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSignalBarWnd(const SignalBarModel& model, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const SignalBarModel& model;
};
