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

TEST_F(DocumentTest, FileTypesComeFromTheWindowType) {
    EXPECT_EQ(Make(WindowType::SkyPlot)->DefaultExtension(), ".msk");
    EXPECT_EQ(Make(WindowType::Survey)->DefaultExtension(), ".pth");
    EXPECT_EQ(Make(WindowType::Ttff)->DefaultExtension(), ".ttf");
    for (WindowType none :
         {WindowType::SignalQuality, WindowType::Navigation, WindowType::CommandMonitor}) {
        auto doc = Make(none);
        EXPECT_FALSE(doc->HasFile());
        EXPECT_TRUE(doc->Filter().empty());
        // Nothing to lose: no question, and saving has nothing to do.
        doc->SetModified(true);
        EXPECT_TRUE(doc->CanClose());
        EXPECT_TRUE(doc->Save());
    }
    EXPECT_TRUE(prompts.askedTitles.empty());
}

TEST_F(DocumentTest, SavesAndOpensThroughWriteAndRead) {
    auto doc = Make();
    doc->text = "1,2,3\n";
    doc->SetModified(true);
    ASSERT_TRUE(doc->SaveAs(Path("a.pth")));
    EXPECT_EQ(FileText(Path("a.pth")), "1,2,3\n");
    EXPECT_EQ(doc->PathName(), Path("a.pth"));
    EXPECT_FALSE(doc->IsModified());

    auto other = Make();
    other->SetModified(true);
    ASSERT_TRUE(other->Open(Path("a.pth")));
    EXPECT_EQ(other->text, "1,2,3\n");
    EXPECT_EQ(other->PathName(), Path("a.pth"));
    EXPECT_FALSE(other->IsModified());
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(DocumentTest, FailuresBecomeErrorMessagesAndChangeNothing) {
    auto doc = Make();
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

TEST_F(DocumentTest, ModifiedSignalsOnlyChanges) {
    auto doc = Make();
    std::vector<bool> seen;
    QObject::connect(doc.get(), &CDocument::modifiedChanged, [&](bool m) { seen.push_back(m); });
    doc->SetModified(true);
    doc->SetModified(true);
    doc->SetModified(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(DocumentTest, SavePromptAnswers) {
    EXPECT_EQ(SaveChangesText("Survey Window"), "Save changes to Survey Window?");

    auto clean = Make();
    EXPECT_TRUE(clean->CanClose());
    EXPECT_TRUE(prompts.askedTitles.empty()) << "an unmodified document is not asked about";

    auto doc = Make();
    doc->text = "x";
    doc->SetPathName(Path("p.pth"));
    doc->SetModified(true);

    prompts.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(doc->CanClose());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("p.pth"))));
    EXPECT_EQ(prompts.askedTitles, std::vector<QString>{"Survey Window"});

    prompts.answer = SaveAnswer::No;
    EXPECT_TRUE(doc->CanClose());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("p.pth"))));

    prompts.answer = SaveAnswer::Yes;
    EXPECT_TRUE(doc->CanClose());
    EXPECT_EQ(FileText(Path("p.pth")), "x");
    EXPECT_TRUE(prompts.askedFilters.empty()) << "a known path is not asked for";
}

TEST_F(DocumentTest, YesWithoutAPathAsksForOne) {
    auto doc = Make();
    doc->text = "y";
    doc->SetModified(true);
    prompts.answer = SaveAnswer::Yes;

    prompts.path = ""; // the dialog cancelled: the window stays
    EXPECT_FALSE(doc->CanClose());
    EXPECT_TRUE(doc->IsModified());

    prompts.path = Path("named"); // typed without extension: the type's is added
    EXPECT_TRUE(doc->CanClose());
    EXPECT_EQ(prompts.askedFilters, (std::vector<std::string>(2, "Path Files (*.pth)")));
    EXPECT_EQ(prompts.askedExtension, ".pth");
    EXPECT_EQ(doc->PathName(), Path("named.pth"));
    EXPECT_EQ(FileText(Path("named.pth")), "y");
}

TEST_F(DocumentTest, YesWithAFailingSaveKeepsTheWindow) {
    auto doc = Make();
    doc->SetPathName(Path("no/such/dir.pth"));
    doc->SetModified(true);
    prompts.answer = SaveAnswer::Yes;
    EXPECT_FALSE(doc->CanClose());
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(DocumentTest, RegistryHoldsOneDocumentPerTypeUntilItGoes) {
    DocumentRegistry registry;
    auto first = Make(WindowType::Survey);
    auto second = Make(WindowType::Survey);
    auto sky = Make(WindowType::SkyPlot);
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
