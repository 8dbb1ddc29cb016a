#include "views/survey/CSurveyPropertySheet.h"

#include "link/MessageSink.h"
#include "survey/SurveySettings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int kMaxComment = 511;

// A page whose checks and taking-over are given by the sheet.
class SurveyPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;
    std::function<bool()> validate;
    std::function<void()> apply;
    bool Validate() override { return !validate || validate(); }
    void Apply() override {
        if (apply) apply();
    }
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CSurveyPropertySheet::CSurveyPropertySheet(SurveySheetValues values, TruthPosition& truth,
                                           MessageSink& messages, QWidget* parent)
    : CPropertySheet(QStringLiteral("Survey Window Properties"), parent), sheet(std::move(values)) {
    AddPage(PlotPage());
    AddPage(AveragePage());
    AddPage(PrintingPage());
    AddPage(TruthPage(truth, messages));
}

CPropertyPage* CSurveyPropertySheet::PlotPage() {
    auto* page = new SurveyPage(QStringLiteral("Position Plot"), this);
    SurveySheetValues& v = sheet.Values();
    acquisition = new QCheckBox(QStringLiteral("Enable Position Acquisition"), page);
    verifyFix =
        new QCheckBox(QStringLiteral("Validate each position using GGA -- GPS Quality"), page);
    small = new QRadioButton(QStringLiteral("Small"), page);
    large = new QRadioButton(QStringLiteral("Large"), page);
    useLines = new QCheckBox(QStringLiteral("Use Lines"), page);
    acquisition->setChecked(v.acquisitionEnabled);
    verifyFix->setChecked(v.verifyPositionFix);
    (v.largePlotIndicator ? large : small)->setChecked(true);
    useLines->setChecked(v.useLines);
    // Each click goes into the sheet's values at once.
    connect(acquisition, &QCheckBox::clicked, page,
            [this](bool on) { sheet.Values().acquisitionEnabled = on; });
    connect(verifyFix, &QCheckBox::clicked, page, [this, page](bool on) {
        sheet.Values().verifyPositionFix = on;
        page->SetModified();
    });
    connect(large, &QRadioButton::toggled, page, [this, page](bool on) {
        sheet.Values().largePlotIndicator = on;
        page->SetModified();
    });
    connect(useLines, &QCheckBox::clicked, page, [this, page](bool on) {
        sheet.Values().useLines = on;
        page->SetModified();
    });
    auto* indicator = new QGroupBox(QStringLiteral("Plot Indicator"), page);
    auto* indicatorLayout = new QVBoxLayout(indicator);
    indicatorLayout->addWidget(small);
    indicatorLayout->addWidget(large);
    indicatorLayout->addWidget(useLines);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(acquisition);
    layout->addWidget(verifyFix);
    layout->addWidget(indicator);
    layout->addStretch();
    return page;
}

CPropertyPage* CSurveyPropertySheet::AveragePage() {
    auto* page = new SurveyPage(QStringLiteral("Position Average"), this);
    hdop = new QLineEdit(Text(ThresholdText(sheet.Values().hdopThreshold)), page);
    vdop = new QLineEdit(Text(ThresholdText(sheet.Values().vdopThreshold)), page);
    connect(hdop, &QLineEdit::textEdited, page, [this, page](const QString& text) {
        sheet.Values().hdopThreshold = ThresholdTenths(text.toStdString());
        page->SetModified();
    });
    connect(vdop, &QLineEdit::textEdited, page, [this, page](const QString& text) {
        sheet.Values().vdopThreshold = ThresholdTenths(text.toStdString());
        page->SetModified();
    });
    auto* layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("Lat/Lon Average HDOP Threshold:"), hdop);
    layout->addRow(QStringLiteral("Elevation Average VDOP Threshold:"), vdop);
    return page;
}

CPropertyPage* CSurveyPropertySheet::PrintingPage() {
    auto* page = new SurveyPage(QStringLiteral("Printing"), this);
    comment = new QPlainTextEdit(Text(sheet.Values().comment), page);
    connect(comment, &QPlainTextEdit::textChanged, page, [this, page] {
        // The path file keeps 511 characters: typing or pasting stops there.
        if (comment->document()->characterCount() - 1 > kMaxComment) {
            QTextCursor cursor(comment->document());
            cursor.setPosition(kMaxComment);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        sheet.Values().comment = comment->toPlainText().toStdString();
        page->SetModified();
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Comments:"), page));
    layout->addWidget(comment);
    return page;
}

CPropertyPage* CSurveyPropertySheet::TruthPage(TruthPosition& truth, MessageSink& messages) {
    auto* page = new SurveyPage(QStringLiteral("Truth Position"), this);
    const TruthEntries& entries = sheet.Values().truth;
    latitude = new QLineEdit(Text(entries.latitude), page);
    longitude = new QLineEdit(Text(entries.longitude), page);
    altitude = new QLineEdit(Text(entries.altitude), page);
    latitude->setMaxLength(20);
    longitude->setMaxLength(20);
    altitude->setMaxLength(10);
    useTruth = new QCheckBox(QStringLiteral("Use Truth Positon (Mean && TTFF)"), page);
    useTruth->setChecked(entries.use);
    for (QLineEdit* edit : {latitude, longitude, altitude})
        connect(edit, &QLineEdit::textEdited, page, [page] { page->SetModified(); });
    connect(useTruth, &QCheckBox::clicked, page, [page] { page->SetModified(); });

    auto take = [this] {
        TruthEntries& e = sheet.Values().truth;
        e.latitude = latitude->text().trimmed().toStdString();
        e.longitude = longitude->text().trimmed().toStdString();
        e.altitude = altitude->text().trimmed().toStdString();
        e.use = useTruth->isChecked();
    };
    // A bad entry keeps the sheet open with the cursor in it; nothing is taken.
    page->validate = [this, take, &messages] {
        take();
        TruthPosition trial;
        const std::optional<TruthProblem> problem = CheckTruthEntries(sheet.Values().truth, trial);
        if (!problem) return true;
        messages.ShowMessage(problem->text, problem->caption, MessageIcon::Stop);
        QLineEdit* field = problem->field == TruthProblem::Field::Latitude    ? latitude
                           : problem->field == TruthProblem::Field::Longitude ? longitude
                                                                              : altitude;
        field->setFocus();
        field->selectAll();
        return false;
    };
    // The last page: every page's values are in by now.
    page->apply = [this, &truth] { sheet.Apply(truth); };

    auto* layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("Latitude"), latitude);
    layout->addRow(QStringLiteral("Longitude"), longitude);
    layout->addRow(QStringLiteral("Altitude"), altitude);
    layout->addRow(useTruth);
    return page;
}
