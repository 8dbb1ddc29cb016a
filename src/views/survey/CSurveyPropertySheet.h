#pragma once

#include "app/CPropertySheet.h"
#include "survey/SurveySheet.h"

class MessageSink;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
struct TruthPosition;

// "Survey Window Properties": four pages editing one set of values. Apply
// and OK check the truth page first and keep the sheet open on a bad entry;
// the survey takes the values of the last good Apply or OK (Result()), so
// Cancel drops only the edits made after it.
class CSurveyPropertySheet : public CPropertySheet {
    Q_OBJECT

public:
    CSurveyPropertySheet(SurveySheetValues values, TruthPosition& truth, MessageSink& messages,
                         QWidget* parent = nullptr);

    const std::optional<SurveySheetValues>& Result() const { return sheet.Result(); }

    // The controls, for tests.
    QCheckBox* acquisition;
    QCheckBox* verifyFix;
    QRadioButton* small;
    QRadioButton* large;
    QCheckBox* useLines;
    QLineEdit* hdop;
    QLineEdit* vdop;
    QPlainTextEdit* comment;
    QLineEdit* latitude;
    QLineEdit* longitude;
    QLineEdit* altitude;
    QCheckBox* useTruth;

private:
    CPropertyPage* PlotPage();
    CPropertyPage* AveragePage();
    CPropertyPage* PrintingPage();
    CPropertyPage* TruthPage(TruthPosition& truth, MessageSink& messages);

    SurveySheet sheet;
};
