#include "views/survey/CSurveyDoc.h"

#include "link/MessageSink.h"
#include "views/survey/CSurveyPropertySheet.h"

#include <QMessageBox>

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CSurveyDoc::CSurveyDoc(DocumentServices services, ProfileStore& profile, TruthPosition& truth,
                       FileProgress* progress)
    : CDocument(WindowType::Survey, services), survey(profile, truth, services.messages),
      truth(truth), messages(services.messages), progress(progress) {
    ask = [](const QString& text) {
        return QMessageBox::question(nullptr, QStringLiteral("Harrowview"), text) ==
               QMessageBox::Yes;
    };
    Follow();
}

void CSurveyDoc::Follow() {
    SetTitle(QString::fromStdString(survey.Title()));
    SetModified(survey.IsModified());
}

SurveyData::Added CSurveyDoc::AddPosition(const SurveySample& sample) {
    const SurveyData::Added added = survey.AddPosition(sample);
    Follow();
    return added;
}

bool CSurveyDoc::Erase() {
    const bool erased = survey.Erase([this] { return ask(Text(kEraseQuestion)); });
    // An erased survey belongs to no file: Save asks for a name.
    if (erased) SetPathName({});
    Follow();
    return erased;
}

bool CSurveyDoc::EditProperties(QWidget* parent) {
    CSurveyPropertySheet sheet(survey.SheetValues(), truth, messages, parent);
    sheet.exec();
    if (!sheet.Result()) return false;
    survey.TakeSheetResult(*sheet.Result());
    Follow();
    return true;
}

bool CSurveyDoc::Read(const std::string& path, std::string& error) {
    const bool read = survey.Open(
        path, [this] { return ask(Text(kDisableAcquisitionQuestion)); }, progress, error);
    if (read) survey.SetModified(false);
    Follow();
    return read;
}

bool CSurveyDoc::Write(const std::string& path, std::string& error) {
    const bool written = survey.Save(path, progress, error);
    if (written) survey.SetModified(false);
    Follow();
    return written;
}
