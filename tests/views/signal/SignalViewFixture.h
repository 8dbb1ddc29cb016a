#pragma once

// A signal quality view on its own document, with the application's pieces
// it needs: a receiver state to feed, an in-memory profile and a recording
// message sink.
#include "app/QStringPrinter.h"
#include "app/TestAppContext.h"
#include "views/signal/CSignalBarWnd.h"
#include "views/signal/CSignalQualityDoc.h"
#include "views/signal/CSignalQualityView.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

struct Satellite {
    int prn = 0;
    int snr = 0;
    int tracked = 1;
    int used = 1;
};

class SignalViewTest : public testing::Test, protected TestAppContext {
protected:
    // 402 x 235 pixels: with 4 bars, slot i spans x 100i+3 .. 100i+99 and
    // y 3 .. 202, a plot 200 pixels high.
    void MakeView() {
        view = std::make_unique<CSignalQualityView>(document, context);
        view->resize(402, 235);
        view->show();
    }
    // The satellites in view, then one update as the timer does it.
    void Show(std::initializer_list<Satellite> satellites) {
        {
            StateWriter w(state, StateGroup::Sat);
            w.Sat().satellitesInView = static_cast<int>(satellites.size());
            int row = 0;
            for (const Satellite& s : satellites)
                w.Sat().satellites[row++] = {s.prn, s.snr, s.snr, 0, 20, s.tracked, s.used};
        }
        view->Tick();
    }
    // The thresholds fixed by the profile.
    void FixThresholds(int lower, int upper) {
        profile.SetInt("SignalQuality", "LowerThreshold", lower);
        profile.SetInt("SignalQuality", "UpperThreshold", upper);
        profile.SetInt("SignalQuality", "EnableAutoTrack", 0);
    }
    QImage Shown() const { return view->BarWindow().grab().toImage(); }
    QColor Face() const { return view->BarWindow().palette().color(QPalette::Button); }

    CSignalQualityDoc document{{sink, prompts}};
    std::unique_ptr<CSignalQualityView> view;
};
