#include "TestDocument.h"
#include "app/DocumentRegistry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class DocumentTest : public testing::Test {
protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::unique_ptr<TextDocument> Make(WindowType type = WindowType::Survey) {
        auto doc = std::make_unique<TextDocument>(type, DocumentServices{sink, prompts});
        doc->SetTitle("Survey Window");
        return doc;
    }

    QTemporaryDir dir;
    RecordingSink sink;
    ScriptedPrompts prompts;
};

TEST_F(DocumentTest, WindowTypesWithoutAFileHaveNothingToLose) {
    for (WindowType none :
         {WindowType::SignalQuality, WindowType::Navigation, WindowType::CommandMonitor}) {
        auto doc = Make(none);
        EXPECT_FALSE(doc->HasFile());
        EXPECT_TRUE(doc->Filter().empty());
        // No question, and saving has nothing to do.
        doc->SetModified(true);
        EXPECT_TRUE(doc->CanClose());
        EXPECT_TRUE(doc->Save());
    }
    EXPECT_TRUE(prompts.askedTitles.empty());
}

// Through Write and Read; failures become error messages and change nothing.
TEST_F(DocumentTest, SavesAndOpensThroughWriteAndRead) {
    auto doc = Make(), other = Make();
    doc->text = "1,2,3\n";
    std::vector<bool> signalled; // changes only
    QObject::connect(doc.get(), &CDocument::modifiedChanged,
                     [&](bool m) { signalled.push_back(m); });
    for (CDocument* d : {doc.get(), other.get(), doc.get()})
        d->SetModified(true);
    ASSERT_TRUE(doc->SaveAs(Path("a.pth")));
    ASSERT_TRUE(other->Open(Path("a.pth")));
    EXPECT_EQ(FileText(Path("a.pth")), "1,2,3\n");
    EXPECT_EQ(other->text, "1,2,3\n");
    for (CDocument* d : {doc.get(), other.get()}) {
        EXPECT_EQ(d->PathName(), Path("a.pth"));
        EXPECT_FALSE(d->IsModified());
    }
    EXPECT_EQ(signalled, (std::vector<bool>{true, false}));

    doc->SetPathName(Path("kept.pth"));
    doc->SetModified(true);
    EXPECT_FALSE(doc->Open(Path("missing.pth")));
    EXPECT_FALSE(doc->SaveAs(Path("no/such/dir.pth")));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "Cannot open " + Path("missing.pth"));
    EXPECT_EQ(sink.messages[1].text, "Cannot write " + Path("no/such/dir.pth"));
    for (const RecordedMessage& m : sink.messages)
        EXPECT_EQ(m.caption, "ERROR");
    EXPECT_EQ(doc->PathName(), Path("kept.pth"));
    EXPECT_TRUE(doc->IsModified());
}

// Yes saves (asking for a path only when there is none, and adding the
// type's extension to one typed without), No closes without saving, Cancel
// keeps the window; so do a cancelled path dialog and a failing save.
TEST_F(DocumentTest, SavePromptAnswers) {
    EXPECT_EQ(SaveChangesText("Survey Window"), "Save changes to Survey Window?");
    EXPECT_TRUE(Make()->CanClose());
    EXPECT_TRUE(prompts.askedTitles.empty()) << "an unmodified document is not asked about";
    const struct {
        SaveAnswer answer;
        std::string path, chosen;
        bool closes;
        std::string saved;
    } cases[] = {
        {SaveAnswer::Cancel, "cancel.pth", "", false, ""},
        {SaveAnswer::No, "no.pth", "", true, ""},
        {SaveAnswer::Yes, "yes.pth", "", true, "yes.pth"},
        {SaveAnswer::Yes, "", "", false, ""},
        {SaveAnswer::Yes, "", "named", true, "named.pth"},
        {SaveAnswer::Yes, "no/such/dir.pth", "", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + c.chosen);
        prompts = {};
        prompts.answer = c.answer;
        prompts.path = c.chosen.empty() ? "" : Path(c.chosen.c_str());
        auto doc = Make();
        doc->text = "x";
        if (!c.path.empty()) doc->SetPathName(Path(c.path.c_str()));
        doc->SetModified(true);
        EXPECT_EQ(doc->CanClose(), c.closes);
        EXPECT_EQ(prompts.askedTitles, std::vector<QString>{"Survey Window"});
        EXPECT_EQ(prompts.askedFilters,
                  std::vector<std::string>(c.path.empty(), "Path Files (*.pth)"));
        EXPECT_EQ(prompts.askedExtension, c.path.empty() ? ".pth" : "");
        EXPECT_EQ(doc->IsModified(), c.saved.empty());
        EXPECT_EQ(FileText(Path(c.path.empty() ? c.saved.c_str() : c.path.c_str())),
                  c.saved.empty() ? "" : "x");
        EXPECT_EQ(doc->PathName(), c.saved.empty() ? doc->PathName() : Path(c.saved.c_str()));
    }
    EXPECT_EQ(sink.messages.size(), 1u); // the failing save
}

TEST_F(DocumentTest, RegistryHoldsOneDocumentPerTypeUntilItGoes) {
    DocumentRegistry registry;
    auto first = Make(), second = Make(), sky = Make(WindowType::SkyPlot);
    EXPECT_TRUE(registry.Register(*first));
    EXPECT_FALSE(registry.Register(*second));
    EXPECT_TRUE(registry.Register(*sky));
    EXPECT_EQ(registry.Find(WindowType::Survey), first.get());
    EXPECT_EQ(registry.Find(WindowType::SkyPlot), sky.get());

    second.reset(); // the refused one leaves the entry alone
    EXPECT_EQ(registry.Find(WindowType::Survey), first.get());
    first.reset();
    EXPECT_EQ(registry.Find(WindowType::Survey), nullptr);

    registry.Unregister(*sky);
    EXPECT_EQ(registry.Find(WindowType::SkyPlot), nullptr);
    EXPECT_TRUE(registry.Empty());
    auto again = Make(WindowType::Survey);
    EXPECT_TRUE(registry.Register(*again));
}

} // namespace
