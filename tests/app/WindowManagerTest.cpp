#include "app/WindowManager.h"
#include "QtWait.h"
#include "TestDocument.h"
#include "app/CChildFrame.h"
#include "app/CView.h"
#include "app/DocumentRegistry.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QSplitter>

#include <gtest/gtest.h>

#include <functional>

namespace {

class CountingView : public CView {
public:
    using CView::CView;
    int ticks = 0;

protected:
    void Tick() override { ++ticks; }
};

class WindowManagerTest : public testing::Test {
protected:
    WindowManagerTest() : manager(area, registry, {sink, prompts}) {
        for (WindowType type :
             {WindowType::Survey, WindowType::SkyPlot, WindowType::CommandMonitor})
            AddTemplate(type);
        area.resize(1200, 900);
        area.show();
    }
    void AddTemplate(WindowType type) {
        manager.AddTemplate(DocumentTemplate(
            type,
            [this, type](DocumentServices services) {
                ++documentsMade;
                return std::make_unique<TextDocument>(type, services);
            },
            [type](CDocument& doc) -> QWidget* {
                if (type != WindowType::Survey) return new CountingView(doc, 20);
                auto* splitter = new QSplitter;
                splitter->addWidget(new CountingView(doc, 20));
                splitter->addWidget(new CountingView(doc, 20));
                return splitter;
            }));
    }
    // Closes as the user would; true when the window went away.
    bool Close(WindowType type) {
        CChildFrame* frame = manager.FrameOf(type);
        const bool closed = frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }

    RecordingSink sink;
    ScriptedPrompts prompts;
    QMdiArea area;
    DocumentRegistry registry;
    WindowManager manager;
    int documentsMade = 0;
};

TEST_F(WindowManagerTest, OpensOnceTitledAtTheDefaultRectangleAndTicksWhileMinimised) {
    CChildFrame* survey = manager.Open(WindowType::Survey);
    ASSERT_NE(survey, nullptr);
    EXPECT_EQ(survey->windowTitle(), "Survey Window");
    EXPECT_EQ(survey->geometry(), QRect(0, 0, 500, 700));
    EXPECT_EQ(registry.Find(WindowType::Survey), &survey->Document());
    CChildFrame* sky = manager.Open(WindowType::SkyPlot);
    EXPECT_EQ(sky->geometry(), QRect(100, 100, 450, 450));
    EXPECT_EQ(area.activeSubWindow(), sky);
    // No default rectangle: the area places it, with some size.
    EXPECT_FALSE(manager.Open(WindowType::CommandMonitor)->size().isEmpty());
    EXPECT_EQ(manager.Open(WindowType::Ttff), nullptr) << "no template";
    // An open type is brought forward, not opened twice.
    EXPECT_EQ(manager.Open(WindowType::Survey), survey);
    EXPECT_EQ(area.activeSubWindow(), survey);
    EXPECT_EQ(documentsMade, 3);
    // The title follows the document exactly.
    sky->Document().SetModified(true);
    sky->Document().SetTitle("Other");
    EXPECT_EQ(sky->windowTitle(), "Other");

    // Ticks sample and learn, so they go on while the window is minimised.
    const auto views = survey->findChildren<CountingView*>();
    ASSERT_EQ(views.size(), 2);
    survey->showMinimized();
    const int before = views[0]->ticks;
    EXPECT_TRUE(WaitForUi([&] { return views[0]->ticks >= before + 3 && views[1]->ticks >= 3; }));
    EXPECT_FALSE(views[0]->isVisible());
}

// Cancel keeps the window; the saving answers are the document's own test.
TEST_F(WindowManagerTest, ClosingAsksTheDocumentAndTheTypeThenOpensAfresh) {
    auto& doc = manager.Open(WindowType::Survey)->Document();
    doc.SetModified(true);
    prompts.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(Close(WindowType::Survey));
    ASSERT_NE(manager.FrameOf(WindowType::Survey), nullptr);
    EXPECT_TRUE(manager.FrameOf(WindowType::Survey)->isVisible());

    prompts.answer = SaveAnswer::No;
    EXPECT_TRUE(Close(WindowType::Survey));
    EXPECT_EQ(registry.Find(WindowType::Survey), nullptr);
    EXPECT_TRUE(area.subWindowList().isEmpty());
    ASSERT_NE(manager.Open(WindowType::Survey), nullptr);
    EXPECT_EQ(documentsMade, 2);
}

} // namespace
