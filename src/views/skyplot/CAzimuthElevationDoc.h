#pragma once

#include "app/CDocument.h"
#include "views/skyplot/SkyPlotModel.h"

#include <functional>
#include <string>

class ProfileStore;
class ReceiverState;

// The sky plot's document: the plot data, the learned mask and its comment,
// saved as a .msk file.
class CAzimuthElevationDoc : public CDocument {
    Q_OBJECT

public:
    // A file to open; empty when the user cancels.
    using PathChooser = std::function<std::string()>;

    CAzimuthElevationDoc(DocumentServices services, ProfileStore& profile,
                         QObject* parent = nullptr);

    SkyPlotModel& Model() { return model; }
    const SkyPlotModel& Model() const { return model; }

    int EnableAutoLoad() const { return enableAutoLoad; }
    void SetEnableAutoLoad(int value) { enableAutoLoad = value; }

    // One update from the receiver; a mask that changed makes the document
    // modified.
    SkyPlotChanges UpdatePlot(const ReceiverState& state);

    // Loads the profile's last mask file when auto load is on. A missing or
    // unopenable file is passed over without a word.
    void AutoLoad();
    bool FileOpen() override;
    void SetOpenPathChooser(PathChooser chooser) { chooseOpenPath = std::move(chooser); }

    // Every entry back to 76 degrees, not observed.
    void ResetMask();
    // The menu's Clear: a reset mask that is no file's yet.
    void ClearMask();

signals:
    // The mask or the comment was replaced (a file read, a clear).
    void contentReplaced();

protected:
    // Both name the file in the window's title when they succeed.
    bool Read(const std::string& path, std::string& error) override;
    bool Write(const std::string& path, std::string& error) override;

private:
    DocumentServices services;
    ProfileStore& profile;
    SkyPlotModel model;
    int enableAutoLoad = 1;
    PathChooser chooseOpenPath;
};
