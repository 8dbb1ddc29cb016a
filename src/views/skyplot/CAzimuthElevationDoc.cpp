#include "views/skyplot/CAzimuthElevationDoc.h"

#include "app/WindowTypes.h"
#include "profile/ProfileStore.h"
#include "link/MessageSink.h"
#include "views/skyplot/MaskFileDialogs.h"
#include "views/skyplot/SkyPlotSettings.h"

#include <filesystem>

namespace {

// The window's title names the file the mask was last read from or saved to.
QString FileTitle(const std::string& path) {
    const std::string_view title = FindWindowType(WindowType::SkyPlot)->title;
    const std::string name = std::filesystem::path(path).filename().string();
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())) + " - [" +
           QString::fromStdString(name) + "]";
}

} // namespace

CAzimuthElevationDoc::CAzimuthElevationDoc(DocumentServices services, ProfileStore& profile,
                                           QObject* parent)
    : CDocument(WindowType::SkyPlot, services, parent), services(services), profile(profile),
      enableAutoLoad(ReadEnableAutoLoad(profile)),
      chooseOpenPath([] { return AskOpenMaskFile(nullptr); }) {}

SkyPlotChanges CAzimuthElevationDoc::UpdatePlot(const ReceiverState& state) {
    SkyPlotChanges changes = model.Update(state);
    if (changes.maskChanged) SetModified(true);
    return changes;
}

void CAzimuthElevationDoc::AutoLoad() {
    if (enableAutoLoad != 1) return;
    const std::string path =
        profile.GetString(skyplot_profile::kSection, skyplot_profile::kLastMaskFile, "");
    if (path.empty() || !CanOpenForUpdate(path)) return;
    Open(path);
}

bool CAzimuthElevationDoc::FileOpen() {
    if (!CanClose()) return true;
    const std::string path = chooseOpenPath();
    if (path.empty()) return true;
    if (!CanOpenForUpdate(path)) {
        services.messages.ShowMessage("Could Not Open File", "Harrowview",
                                      MessageIcon::Exclamation);
        return true;
    }
    Open(path);
    return true;
}

void CAzimuthElevationDoc::ResetMask() {
    model.ResetMask();
    emit contentReplaced();
}

void CAzimuthElevationDoc::ClearMask() {
    ResetMask();
    SetTitle(QStringLiteral("Untitled"));
    SetPathName(std::filesystem::absolute("Untitled.msk").string());
}

// Read whole or not at all: a short file leaves the open mask as it was.
bool CAzimuthElevationDoc::Read(const std::string& path, std::string& error) {
    MaskFileContent content;
    if (!ReadMaskFile(path, content, error)) return false;
    model.Load(content);
    SetTitle(FileTitle(path));
    emit contentReplaced();
    return true;
}

bool CAzimuthElevationDoc::Write(const std::string& path, std::string& error) {
    if (!WriteMaskFile(path, model.FileContent(), error)) return false;
    SetTitle(FileTitle(path));
    return true;
}
