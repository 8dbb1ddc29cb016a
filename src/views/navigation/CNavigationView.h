#pragma once

#include "app/CView.h"

class CNavigationDoc;
class ProfileStore;
class ReceiverState;

// The navigation panel: time and clock drift or speed and heading, position
// and altitude as text on a 3D panel, redrawn every second from the state.
class CNavigationView : public CView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;

    CNavigationView(CNavigationDoc& document, const ReceiverState& state,
                    const ProfileStore& profile, QWidget* parent = nullptr);

    // The panel as the window shows it, scaled to fit the page.
    void Print(QPainter& painter, const QRect& page) override;

protected:
    void Tick() override { update(); }
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint(QPainter& painter) const;

    const ReceiverState& state;
    const ProfileStore& profile;
};
