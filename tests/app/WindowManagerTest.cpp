#include "app/WindowManager.h"
#include "QtWait.h"
#include "TestDocument.h"
#include "app/CChildFrame.h"
#include "app/CView.h"
#include "app/DocumentRegistry.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMdiArea>
#include <QSplitter>
#include <QTemporaryDir>

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

TEST_F(WindowManagerTest, OpensTitledAtTheDefaultRectangle) {
    CChildFrame* survey = manager.Open(WindowType::Survey);
    ASSERT_NE(survey, nullptr);
    EXPECT_TRUE(survey->isVisible());
    EXPECT_EQ(survey->windowTitle(), "Survey Window");
    EXPECT_EQ(survey->Document().Title(), "Survey Window");
    EXPECT_EQ(survey->geometry(), QRect(0, 0, 500, 700));
    EXPECT_NE(qobject_cast<QSplitter*>(survey->widget()), nullptr);
    EXPECT_EQ(registry.Find(WindowType::Survey), &survey->Document());

    CChildFrame* sky = manager.Open(WindowType::SkyPlot);
    EXPECT_EQ(sky->geometry(), QRect(100, 100, 450, 450));
    EXPECT_EQ(area.activeSubWindow(), sky);
    // No default rectangle: the area places it, with some size.
    CChildFrame* monitor = manager.Open(WindowType::CommandMonitor);
    EXPECT_TRUE(monitor->isVisible());
    EXPECT_FALSE(monitor->size().isEmpty());

    EXPECT_EQ(manager.Open(WindowType::Ttff), nullptr) << "no template";
}

TEST_F(WindowManagerTest, OpeningAnOpenTypeBringsItForward) {
    CChildFrame* survey = manager.Open(WindowType::Survey);
    manager.Open(WindowType::SkyPlot);
    ASSERT_NE(area.activeSubWindow(), survey);
    EXPECT_EQ(manager.Open(WindowType::Survey), survey);
    EXPECT_EQ(area.activeSubWindow(), survey);
    EXPECT_EQ(documentsMade, 2);
    EXPECT_EQ(area.subWindowList().size(), 2);
}

TEST_F(WindowManagerTest, TitleFollowsTheDocumentExactly) {
    CChildFrame* frame = manager.Open(WindowType::SkyPlot);
    frame->Document().SetModified(true);
    EXPECT_EQ(frame->windowTitle(), "Azimuth & Elevation Window");
    frame->Document().SetTitle("Other");
    EXPECT_EQ(frame->windowTitle(), "Other");
}

TEST_F(WindowManagerTest, ClosingAsksTheDocument) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("s.pth").toStdString();
    auto& doc = static_cast<TextDocument&>(manager.Open(WindowType::Survey)->Document());
    doc.text = "saved";
    doc.SetModified(true);

    prompts.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(Close(WindowType::Survey));
    ASSERT_NE(manager.FrameOf(WindowType::Survey), nullptr);
    EXPECT_TRUE(manager.FrameOf(WindowType::Survey)->isVisible());

    prompts.answer = SaveAnswer::Yes;
    prompts.path = path;
    EXPECT_TRUE(Close(WindowType::Survey));
    EXPECT_EQ(FileText(path), "saved");
    EXPECT_EQ(prompts.askedTitles.size(), 2u);

    // The document went with its window: the type opens afresh.
    EXPECT_EQ(registry.Find(WindowType::Survey), nullptr);
    EXPECT_TRUE(area.subWindowList().isEmpty());
    ASSERT_NE(manager.Open(WindowType::Survey), nullptr);
    EXPECT_EQ(documentsMade, 2);
}

// Ticks sample and learn, so they go on while the window is minimised.
TEST_F(WindowManagerTest, ViewTimersTickWhileMinimised) {
    area.show();
    CChildFrame* survey = manager.Open(WindowType::Survey);
    const auto views = survey->findChildren<CountingView*>();
    ASSERT_EQ(views.size(), 2);
    survey->showMinimized();
    const int before = views[0]->ticks;
    EXPECT_TRUE(WaitForUi([&] { return views[0]->ticks >= before + 3 && views[1]->ticks >= 3; }));
    EXPECT_FALSE(views[0]->isVisible());
}

} // namespace
