#include "app/TestAppContext.h"
#include "views/survey/CSurveyDoc.h"
#include "views/survey/CSurveyPropertySheet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// A bad latitude keeps the sheet open and takes nothing; a good Apply sets
// the reference position at once; Cancel after it keeps what was applied and
// drops the later edits; a threshold typed as 2.5 is kept as 25 tenths.
TEST(SurveySheet, ApplyChecksTheTruthAndCancelKeepsTheLastApply) {
    TestAppContext app;
    CSurveyDoc doc({app.sink, app.prompts}, app.profile, app.truth);
    CSurveyPropertySheet sheet(doc.Survey().SheetValues(), app.truth, app.sink);
    sheet.latitude->setText("91");
    sheet.longitude->setText("0 7 30 W");
    sheet.altitude->setText("45");
    sheet.useTruth->setChecked(true);
    EXPECT_FALSE(sheet.ApplyAll());
    ASSERT_EQ(app.sink.messages.size(), 1u);
    EXPECT_FALSE(sheet.Result());
    EXPECT_FALSE(app.truth.use);

    sheet.latitude->setText("51 30 15.5 N");
    sheet.hdop->setText("2.5");
    emit sheet.hdop->textEdited(sheet.hdop->text());
    ASSERT_TRUE(sheet.ApplyAll());
    EXPECT_TRUE(app.truth.use);
    EXPECT_NEAR(app.truth.latitude, 51.504305555, 1e-9);
    EXPECT_DOUBLE_EQ(app.truth.longitude, -0.125);
    sheet.altitude->setText("not taken");
    sheet.reject();
    ASSERT_TRUE(sheet.Result());
    EXPECT_EQ(sheet.Result()->hdopThreshold, 25);
    EXPECT_EQ(sheet.Result()->truth.altitude, "45");
}

// Erase asks first; Yes empties the survey and leaves it without a file, so
// Save asks for a name instead of writing "Untitled".
TEST(SurveyDoc, EraseAsksAndForgetsTheFile) {
    TestAppContext app;
    CSurveyDoc doc({app.sink, app.prompts}, app.profile, app.truth);
    QStringList asked;
    bool answer = false;
    doc.ask = [&](const QString& text) { return asked << text, answer; };
    doc.SetPathName("/tmp/old.pth");
    EXPECT_FALSE(doc.Erase());
    EXPECT_EQ(doc.PathName(), "/tmp/old.pth");
    answer = true;
    EXPECT_TRUE(doc.Erase());
    EXPECT_TRUE(doc.PathName().empty());
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith("This command will clear and erase all survey data."));
    EXPECT_EQ(doc.Title(), "Survey Window - [Untitled]");
    EXPECT_FALSE(doc.Save()) << "asked for a name, none given";
}

} // namespace
