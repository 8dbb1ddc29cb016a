#pragma once

#include "app/CDocument.h"
#include "ttff/TtffResults.h"

struct TtffSettings;

// The TTFF window's results as kept in a file: saved as .ttf, exported as
// comma-separated text (Save As a .csv name), opened from .ttf. A file read
// here is taken over by the view at its next tick that runs a test.
class CTTFFDoc : public CDocument {
    Q_OBJECT

public:
    CTTFFDoc(DocumentServices services, TtffSettings& settings);

    const TtffData& Data() const { return data; }
    // The view's results after a recorded milestone: the document changed.
    void Store(const TtffData& results);
    // A file read since the view last looked, once.
    std::optional<TtffData> TakeLoaded();

protected:
    bool Read(const std::string& path, std::string& error) override;
    bool Write(const std::string& path, std::string& error) override;
    bool IsExport(const std::string& path) const override;

private:
    TtffSettings& settings;
    TtffData data;
    bool loaded = false;
};
