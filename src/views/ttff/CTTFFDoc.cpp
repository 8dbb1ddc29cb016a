#include "views/ttff/CTTFFDoc.h"

#include "ttff/TtffFiles.h"
#include "ttff/TtffMilestones.h"

CTTFFDoc::CTTFFDoc(DocumentServices services, TtffSettings& settings)
    : CDocument(WindowType::Ttff, services), settings(settings) {}

void CTTFFDoc::Store(const TtffData& results) {
    data = results;
    SetModified(true);
}

std::optional<TtffData> CTTFFDoc::TakeLoaded() {
    if (!loaded) return std::nullopt;
    loaded = false;
    return data;
}

bool CTTFFDoc::Read(const std::string& path, std::string& error) {
    if (!ReadTtfFile(path, data, error)) return false;
    loaded = true;
    // The file's test type becomes the running one: a finished single
    // test's file (mode 0) ends the timing.
    settings.mode = data.savedMode;
    return true;
}

bool CTTFFDoc::Write(const std::string& path, std::string& error) {
    return IsCsvPath(path) ? WriteTtffCsvFile(path, data, error) : WriteTtfFile(path, data, error);
}

bool CTTFFDoc::IsExport(const std::string& path) const {
    return IsCsvPath(path);
}
