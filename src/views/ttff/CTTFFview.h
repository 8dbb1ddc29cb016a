#pragma once

#include "app/CView.h"
#include "ttff/ReceiverTtffLink.h"
#include "ttff/TtffController.h"

class CTTFFDoc;
class DocumentPrompts;
class MessageSink;
class ProfileStore;

// The TTFF window: runs the test (resets, restart, milestones, pauses) on
// its 200 ms timer, minimised or not, and shows the report. Painting only
// draws; it never advances the test.
class CTTFFview : public CView, private TtffObserver {
    Q_OBJECT

public:
    static constexpr int kTickMs = 200;

    struct Links {
        ReceiverState& state;
        CReceiverPort& port;
        ReceiveThread& receiver;
        const ProfileStore& profile;
        TtffSettings& settings;
        const TruthPosition& truth;
        MessageSink& messages;
        DocumentPrompts& prompts;
    };
    CTTFFview(CTTFFDoc& document, Links links, TtffTiming timing = {}, QWidget* parent = nullptr);

    const TtffController& Controller() const { return controller; }
    QString ReportText() const;
    // Beyond the results file: one row per test of this window's run.
    bool SaveRunsAs(const std::string& path);

protected:
    void Tick() override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void MilestoneRecorded(int milestone, const TtffData& results) override;

    CTTFFDoc& document;
    Links links;
    ReceiverTtffLink link;
    SteadyTtffClock clock;
    TtffController controller;
};
