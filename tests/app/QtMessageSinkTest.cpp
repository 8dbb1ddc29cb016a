#include "app/QtMessageSink.h"

#include "QStringPrinter.h"
#include "QtWait.h"

#include "support/Wait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// What the boxes looked like, and on which thread they and the beeps came.
struct Shown {
    struct Box {
        QString text, caption;
        QMessageBox::Icon icon;
        Qt::TextFormat format;
        QMessageBox::StandardButtons buttons;
        QThread* thread;
    };
    std::vector<Box> Boxes() {
        std::lock_guard lock(mutex);
        return boxes;
    }
    size_t Beeps() {
        std::lock_guard lock(mutex);
        return beeps.size();
    }
    std::mutex mutex;
    std::vector<Box> boxes;
    std::vector<QThread*> beeps;
};

// Records each box instead of waiting for a user to close it.
class WatchedSink : public QtMessageSink {
public:
    explicit WatchedSink(Shown& shown) : shown(shown) {}

protected:
    void Present(QMessageBox& box) override {
        std::lock_guard lock(shown.mutex);
        shown.boxes.push_back({box.text(), box.windowTitle(), box.icon(), box.textFormat(),
                               box.standardButtons(), QThread::currentThread()});
    }
    void Sound() override {
        std::lock_guard lock(shown.mutex);
        shown.beeps.push_back(QThread::currentThread());
    }

private:
    Shown& shown;
};

// Calls `call` on a thread of its own without processing UI events meanwhile;
// true when it returned by itself. (If it waits for the UI thread, events are
// processed afterwards to let it finish, so the test fails instead of hanging.)
bool ReturnsWithoutTheUiThread(const std::function<void()>& call) {
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        call();
        returned = true;
    });
    const bool alone = WaitFor([&] { return returned.load(); });
    if (!alone) WaitForUi([&] { return returned.load(); });
    worker.join();
    return alone;
}

TEST(QtMessageSink, BoxShowsTextCaptionAndIconAsGiven) {
    struct Case {
        MessageIcon icon;
        QMessageBox::Icon expected;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {MessageIcon::Stop, QMessageBox::Critical, "Communication Port Not Found!", "Harrowview"},
        {MessageIcon::Exclamation, QMessageBox::Warning, "Comm Open Error![5]", "Port"},
        {MessageIcon::Information, QMessageBox::Information, "Line one\nline two", "Info"},
        {MessageIcon::Question, QMessageBox::Question, "Mask 10\xC2\xB0 ok?", "Sky Plot"},
        {MessageIcon::None, QMessageBox::NoIcon, "<b>5 < 6 & 7</b>", "Plain"},
        {MessageIcon::Stop, QMessageBox::Critical, "Access Denied!", ""}, // no title
    };
    Shown shown;
    WatchedSink sink(shown);
    for (const Case& c : cases)
        sink.ShowMessage(c.text, c.caption, c.icon);

    const auto boxes = shown.Boxes();
    ASSERT_EQ(boxes.size(), std::size(cases));
    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(cases[i].text);
        EXPECT_EQ(boxes[i].text, QString::fromUtf8(cases[i].text));
        EXPECT_EQ(boxes[i].caption, QString::fromUtf8(cases[i].caption));
        EXPECT_EQ(boxes[i].icon, cases[i].expected);
        EXPECT_EQ(boxes[i].format, Qt::PlainText); // shown as written, never as markup
        EXPECT_EQ(boxes[i].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

// The real box: modal, on screen while ShowMessage waits, closed by OK.
TEST(QtMessageSink, OnTheUiThreadTheBoxIsModalUntilClosed) {
    QtMessageSink sink;
    std::tuple<QString, QString, bool> seen;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->text(), box->windowTitle(), box->isVisible()};
        box->button(QMessageBox::Ok)->click();
    });
    closer.start();
    sink.ShowMessage("Communication Port Not Found!", "Harrowview", MessageIcon::Stop);
    closer.stop();
    EXPECT_EQ(seen, std::tuple("Communication Port Not Found!", "Harrowview", true));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The receive thread reports a lost receiver: it must go on at once, and the
// boxes appear in order when the UI thread gets to them.
TEST(QtMessageSink, FromAnotherThreadReturnsAtOnceAndTheUiThreadShowsTheBoxes) {
    Shown shown;
    WatchedSink sink(shown);
    EXPECT_TRUE(ReturnsWithoutTheUiThread([&] {
        sink.ShowMessage("first", "Receiver", MessageIcon::Stop);
        sink.ShowMessage("second", "", MessageIcon::Exclamation);
        sink.Beep();
    }));
    EXPECT_TRUE(shown.Boxes().empty()) << "shown before the UI thread processed events";

    ASSERT_TRUE(WaitForUi([&] { return shown.Boxes().size() == 2 && shown.Beeps() == 1; }));
    const auto boxes = shown.Boxes();
    EXPECT_EQ(std::tuple(boxes[0].text, boxes[0].caption, boxes[0].icon),
              std::tuple("first", "Receiver", QMessageBox::Critical));
    EXPECT_EQ(std::tuple(boxes[1].text, boxes[1].caption, boxes[1].icon),
              std::tuple("second", "", QMessageBox::Warning));
    for (QThread* thread : {boxes[0].thread, boxes[1].thread, shown.beeps[0]})
        EXPECT_EQ(thread, QThread::currentThread());
}

// A box posted to a sink that is gone by the time the UI thread looks is
// dropped, not shown through a dangling sink.
TEST(QtMessageSink, BoxesPostedToADestroyedSinkAreDropped) {
    Shown shown;
    auto sink = std::make_unique<WatchedSink>(shown);
    EXPECT_TRUE(ReturnsWithoutTheUiThread([&] {
        sink->ShowMessage("late", "", MessageIcon::None);
        sink->Beep();
    }));
    sink.reset();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown.Boxes().empty());
    EXPECT_TRUE(shown.beeps.empty());
}

} // namespace
