#pragma once

#include "app/CDocument.h"
#include "survey/SurveyData.h"

#include <functional>

class FileProgress;
class ProfileStore;
struct TruthPosition;

// The survey window's document: the samples and their statistics kept in a
// .pth path file. The survey itself is core code (SurveyData); this class
// gives it the document's title, modified flag, file commands and questions.
class CSurveyDoc : public CDocument {
    Q_OBJECT

public:
    // The user's answer to a Yes/No question (message boxes by default).
    using Question = std::function<bool(const QString& text)>;

    CSurveyDoc(DocumentServices services, ProfileStore& profile, TruthPosition& truth,
               FileProgress* progress = nullptr);

    SurveyData& Survey() { return survey; }
    // One live fix, with the title and modified flag following the survey.
    SurveyData::Added AddPosition(const SurveySample& sample);
    // "Erase and Clear Screen", after its question.
    bool Erase();
    // The properties sheet, opened over `parent`; its result taken when it
    // closed after OK or an Apply. True when anything was taken.
    bool EditProperties(QWidget* parent);

    Question ask;

protected:
    bool Read(const std::string& path, std::string& error) override;
    bool Write(const std::string& path, std::string& error) override;

private:
    void Follow(); // title and modified flag from the survey

    SurveyData survey;
    TruthPosition& truth;
    MessageSink& messages;
    FileProgress* progress;
};
