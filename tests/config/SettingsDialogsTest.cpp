#include "app/QtWait.h"
#include "app/StartupSettings.h"
#include "app/TestAppContext.h"
#include "config/CCommsSettingsDlg.h"
#include "config/CGeneralSettingsSheet.h"
#include "config/CGpsSettingsDlg.h"
#include "config/CNmeaSettingsDlg.h"
#include "support/Files.h"
#include "support/SimProcess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

QStringList Items(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

class GpsSettingsTest : public testing::Test, protected TestAppContext {
protected:
    std::unique_ptr<CGpsSettingsDlg> Open() {
        SettingsQuestions q;
        q.yesNo = [this](const QString& text, const QString& caption) {
            asked << caption + ": " + text;
            return answer;
        };
        q.openPath = q.savePath = [this](const QString&, const QString&) { return path; };
        return std::make_unique<CGpsSettingsDlg>(
            GpsSettingsLinks{profile, settings, state, port, sink, nullptr}, q);
    }
    void Type(CGpsSettingsDlg& d, const QString& text, bool cr, bool lf) {
        d.CommandText().setText(text);
        d.Cr().setChecked(cr);
        d.Lf().setChecked(lf);
        d.Add();
    }

    StartupSettings settings;
    QStringList asked;
    bool answer = true;
    QString path;
};

// The model decides what can be picked: a catalogue for the Kestra models,
// free typing for the generic receiver.
TEST_F(GpsSettingsTest, ModelRulesAndCatalogueSelection) {
    auto d = Open();
    EXPECT_EQ(d->Models().currentText(), "Generic");
    EXPECT_FALSE(d->Descriptions().isEnabled());
    EXPECT_FALSE(d->Responses().isEnabled());
    EXPECT_TRUE(d->CommandText().isEnabled());
    EXPECT_TRUE(d->Strings().isEnabled());

    d->SelectModel(3);
    EXPECT_TRUE(d->Descriptions().isEnabled());
    EXPECT_EQ(d->Descriptions().count(), 17);
    EXPECT_EQ(d->Descriptions().itemText(8), "RECEIVER DYNAMICS ");
    d->SelectDescription(10);
    EXPECT_EQ(d->CommandText().text(), "$PZEKS,ITIM,300,GMT,25,9,1999,16,00,00");
    EXPECT_EQ(d->HelpContext(), 0x200B0 + 10);

    d->SelectModel(0);
    EXPECT_EQ(d->Descriptions().count(), 30);
    d->Cr().setChecked(false);
    d->SelectDescription(0);
    EXPECT_EQ(d->CommandText().text(), "$PZEKS,RXID,0");
    EXPECT_TRUE(d->Cr().isChecked() && d->Lf().isChecked());
    EXPECT_TRUE(d->NotYetAdded());
    EXPECT_TRUE(d->Button("Help").isEnabled());
    d->Add();
    EXPECT_FALSE(d->NotYetAdded());
    EXPECT_EQ(Items(d->Strings()), QStringList{"$PZEKS,RXID,0<CR><LF>"});
}

// The list buttons keep the list and the slots in step; a full list ignores
// Add; Save and Load give back the same strings, byte for byte.
TEST_F(GpsSettingsTest, ListButtonsAndFileRoundTrip) {
    auto d = Open();
    Type(*d, "A", true, true);
    Type(*d, "B", true, false);
    Type(*d, "C", false, false);
    d->Strings().setCurrentRow(2);
    d->MoveUp();
    EXPECT_EQ(Items(d->Strings()), (QStringList{"A<CR><LF>", "C", "B<CR>"}));
    EXPECT_EQ(d->Strings().currentRow(), 1);
    d->Strings().setCurrentRow(0);
    d->MoveDown();
    EXPECT_EQ(d->List().Slots()[1], "A\r\n");
    d->Strings().setCurrentRow(2);
    d->Edit();
    EXPECT_EQ(d->CommandText().text(), "B");
    EXPECT_TRUE(d->Cr().isChecked());
    EXPECT_FALSE(d->Lf().isChecked());
    EXPECT_EQ(Items(d->Strings()), (QStringList{"C", "A<CR><LF>"}));
    d->Strings().setCurrentRow(0);
    d->Delete();
    EXPECT_EQ(Items(d->Strings()), QStringList{"A<CR><LF>"});
    EXPECT_EQ(d->Strings().currentRow(), 0);
    for (int i = 0; i < 10; ++i)
        Type(*d, QString::number(i), false, true);
    EXPECT_EQ(d->Strings().count(), 10);

    QTemporaryDir dir;
    path = dir.filePath("ten.gps");
    d->Save();
    EXPECT_EQ(ReadFile(path.toStdString()), "A<CR><LF>\r\n0<LF>\r\n1<LF>\r\n2<LF>\r\n3<LF>\r\n4<LF>"
                                            "\r\n5<LF>\r\n6<LF>\r\n7<LF>\r\n8<LF>\r\n");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "File \"ten.gps\" Saved");
    EXPECT_EQ(sink.messages[0].caption, "SUCCESS");
    auto reopened = Open();
    reopened->Load();
    EXPECT_EQ(reopened->List().Slots(), d->List().Slots());
    EXPECT_EQ(sink.messages.back().text, "File \"ten.gps\" Loaded");
}

// Apply asks about a command left in the edit field, stores model, flag and
// strings; Cancel keeps the profile as it was.
TEST_F(GpsSettingsTest, ApplyStoresAndCancelKeeps) {
    auto d = Open();
    d->SelectModel(1);
    d->StartupInit().setChecked(true);
    d->SelectDescription(29);
    d->Apply();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith("Warning: You have a message which has not been added"));
    EXPECT_EQ(profile.GetInt(kGpsSection, "GPSModel", -1), 1);
    EXPECT_EQ(profile.GetInt(kGpsSection, "GPSInitEnable", -1), 1);
    EXPECT_EQ(profile.GetString(kGpsSection, "GPSInitString1", ""), "$PZEKQ,VERS\r\n");
    EXPECT_EQ(settings.gpsModel, 1);

    auto cancelled = Open();
    EXPECT_EQ(Items(cancelled->Strings()), QStringList{"$PZEKQ,VERS<CR><LF>"});
    cancelled->SelectModel(4);
    Type(*cancelled, "$PZEKS,MASK,9", true, true);
    cancelled->reject();
    EXPECT_EQ(profile.GetInt(kGpsSection, "GPSModel", -1), 1);
    EXPECT_EQ(profile.GetString(kGpsSection, "GPSInitString2", "none"), "");
}

// Against the simulator: ten strings applied, ten replies shown in order,
// and a reply queued before the dialog opened is not among them.
TEST_F(GpsSettingsTest, TenStringsAppliedGiveTenResponsesInOrder) {
    QTemporaryDir dir;
    const std::string link = dir.filePath("receiver").toStdString();
    SimProcess sim({"--seed", "3", "--link", link});
    ASSERT_FALSE(sim.ReadLine().empty());
    ASSERT_EQ(port.Open(link, 19200), 0);
    receiver.Start(0ms);
    state.PostReply("$PZEKR,OLD,1");
    auto d = Open();
    const QStringList items{"MASK", "RATE", "PPS",  "DGPS", "VER",
                            "SN",   "RXID", "FIXM", "MMSV", "DRLM"};
    for (const QString& item : items)
        Type(*d, "$PZEKQ," + item, true, true);
    d->Apply();
    ASSERT_TRUE(WaitForUi([&] { return d->Responses().count() >= 10; }, 8s))
        << Items(d->Responses()).join(' ').toStdString();
    for (int i = 0; i < items.size(); ++i)
        EXPECT_TRUE(d->Responses().item(i)->text().startsWith("$PZEKR," + items[i] + ","))
            << d->Responses().item(i)->text().toStdString();
    receiver.Stop();
}

TEST(SettingsDialogs, NmeaFamiliesMoveAndOkWritesEveryFlag) {
    TestAppContext app;
    CNmeaSettingsDlg d(app.decode, app.profile);
    EXPECT_EQ(Items(d.Excluded()), QStringList{"GPRMC"});
    EXPECT_EQ(d.Included().count(), 7);
    d.Included().setCurrentRow(6); // the last: the one before it is selected next
    d.Exclude();
    EXPECT_EQ(d.Included().currentRow(), 5);
    EXPECT_EQ(d.Excluded().currentItem()->text(), "POLYT");
    while (d.Included().count() > 0)
        d.Exclude();
    d.IgnoreChecksum().setChecked(true);
    d.accept();
    for (const char* key : {"UsePOLYA", "UsePOLYP", "UsePOLYS", "UsePOLYT", "UseGPGGA", "UseGPGSA",
                            "UseGPGSV", "UseGPRMC"})
        EXPECT_EQ(app.profile.GetInt(kGpsSection, key, -1), 0) << key;
    EXPECT_EQ(app.profile.GetInt(kGpsSection, "IgnoreNMEAChecksum", -1), 1);
    EXPECT_EQ(app.decode.useGGA, 0);
    EXPECT_EQ(app.decode.ignoreChecksum, 1);
}

TEST(SettingsDialogs, GeneralSettingsStoreIndicesAndSayWhenApplied) {
    TestAppContext app;
    CGeneralSettingsSheet sheet(app.profile);
    EXPECT_EQ(sheet.Page().Units().currentText(), "Statute");
    int applied = 0;
    QObject::connect(&sheet.Page(), &CNavigationSetupPage::applied, [&] { ++applied; });
    sheet.Page().Units().setCurrentIndex(0);
    sheet.Page().PositionFormat().setCurrentIndex(2);
    sheet.accept();
    EXPECT_EQ(app.profile.GetInt("Settings", "Units", -1), 0);
    EXPECT_EQ(app.profile.GetInt("Settings", "PositionFormat", -1), 2);
    EXPECT_EQ(applied, 1);
}

// Demo mode and logging each switch their own controls; an odd speed leaves
// the speed unchosen (kept); a port not in the list is shown as it is.
TEST(SettingsDialogs, CommunicationsEnablingAndChoice) {
    RecordingSink sink;
    CommsChoice current;
    current.port = "/dev/pts/77";
    current.baud = 14400;
    CCommsSettingsDlg d(current, sink, {});
    d.FillPorts({{"/dev/ttyUSB0", "GPS receiver"}}, "/dev/pts/77");
    EXPECT_EQ(d.Ports().currentText(), "/dev/pts/77");
    EXPECT_EQ(d.Ports().itemText(2), "TCP/IP");
    EXPECT_EQ(d.Bauds().currentIndex(), -1);
    EXPECT_TRUE(d.Ports().isEnabled());
    EXPECT_FALSE(d.CaptureFile().isEnabled());
    EXPECT_FALSE(d.LogFile().isEnabled());
    d.Demo().setChecked(true);
    d.Logging().setChecked(true);
    EXPECT_FALSE(d.Bauds().isEnabled());
    EXPECT_TRUE(d.Button("Close Current File").isEnabled());
    EXPECT_TRUE(d.Button("...").isEnabled());
    d.Demo().setChecked(false);

    d.Wait().setText("1001");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(sink.messages.size(), 1u);
    d.Wait().setText("0");
    d.Ports().setCurrentIndex(1);
    d.accept();
    EXPECT_EQ(d.Choice().port, "/dev/ttyUSB0");
    EXPECT_EQ(d.Choice().baud, 0) << "no speed chosen: the current one stays";
    EXPECT_EQ(d.Choice().waitMs, 0);
}

} // namespace
