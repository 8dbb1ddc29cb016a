#include "app/CDocument.h"

#include "app/DocumentPrompts.h"
#include "link/MessageSink.h"

#include <filesystem>

CDocument::CDocument(WindowType type, DocumentServices services, QObject* parent)
    : QObject(parent), type(type), services(services) {}

void CDocument::SetTitle(const QString& newTitle) {
    if (newTitle == title) return;
    title = newTitle;
    emit titleChanged(title);
}

void CDocument::SetModified(bool value) {
    if (value == modified) return;
    modified = value;
    emit modifiedChanged(modified);
}

std::string_view CDocument::Filter() const {
    const auto file = FileTypeOf(type);
    return file ? file->filter : std::string_view{};
}

std::string_view CDocument::DefaultExtension() const {
    const auto file = FileTypeOf(type);
    return file ? file->extension : std::string_view{};
}

bool CDocument::Open(const std::string& path) {
    std::string error;
    return Finish(Read(path, error), path, error);
}

// After a read or write: on success the document is that file, unmodified;
// on failure the user is told and nothing changes.
bool CDocument::Finish(bool ok, const std::string& path, const std::string& error) {
    if (!ok) {
        ReportError(error);
        return false;
    }
    pathName = path;
    SetModified(false);
    return true;
}

bool CDocument::Save() {
    if (!HasFile()) return true;
    std::string path = pathName;
    if (path.empty()) {
        path = services.prompts.AskSavePath(Filter(), DefaultExtension());
        if (path.empty()) return false;
        // A name typed without an extension gets the type's.
        if (!std::filesystem::path(path).has_extension()) path += DefaultExtension();
    }
    return SaveAs(path);
}

bool CDocument::SaveAs(const std::string& path) {
    std::string error;
    if (IsExport(path)) {
        const bool written = Write(path, error);
        if (!written) ReportError(error);
        return written;
    }
    return Finish(Write(path, error), path, error);
}

bool CDocument::CanClose() {
    if (!modified || !HasFile()) return true;
    switch (services.prompts.AskSaveChanges(title)) {
    case SaveAnswer::Yes:
        return Save();
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool CDocument::Read(const std::string&, std::string& error) {
    error = "This window has no file.";
    return false;
}

bool CDocument::Write(const std::string&, std::string& error) {
    error = "This window has no file.";
    return false;
}

void CDocument::ReportError(const std::string& error) {
    services.messages.ShowMessage(error, "ERROR", MessageIcon::Stop);
}
