#pragma once

#include "app/DocumentFileTypes.h"
#include "app/WindowTypes.h"

#include <QObject>
#include <QString>

#include <string>
#include <string_view>

class DocumentPrompts;
class MessageSink;

// What a document needs from the application to talk to the user.
struct DocumentServices {
    MessageSink& messages;
    DocumentPrompts& prompts;
};

// The data behind one child window. File-backed types implement Read and
// Write with core file code; this class turns their failures into messages
// and asks the user before unsaved changes are lost.
class CDocument : public QObject {
    Q_OBJECT

public:
    CDocument(WindowType type, DocumentServices services, QObject* parent = nullptr);

    WindowType Type() const { return type; }

    const QString& Title() const { return title; }
    void SetTitle(const QString& newTitle);

    const std::string& PathName() const { return pathName; }
    void SetPathName(const std::string& path) { pathName = path; }

    bool IsModified() const { return modified; }
    void SetModified(bool value);

    bool HasFile() const { return FileTypeOf(type).has_value(); }
    std::string_view Filter() const;           // empty without a file
    std::string_view DefaultExtension() const; // empty without a file

    // Reads `path`; on success it becomes the path name and the document is
    // unmodified. A failure is shown to the user and leaves the path alone.
    bool Open(const std::string& path);
    // To the path name, asking for one when there is none. False when the
    // write failed or the user cancelled. Types without a file have nothing
    // to save and succeed.
    bool Save();
    bool SaveAs(const std::string& path);
    // True when the window may close: unmodified, saved (Yes) or discarded
    // (No). Cancel, or a failed save, keeps it open.
    bool CanClose();

    // The File menu's Open while this document's window is active. False
    // leaves it to the application's own open dialog.
    virtual bool FileOpen() { return false; }

signals:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);

protected:
    // A path that Save As exports to (another format): written, but the
    // document keeps its own path and modified flag.
    virtual bool IsExport(const std::string& /*path*/) const { return false; }
    virtual bool Read(const std::string& path, std::string& error);
    virtual bool Write(const std::string& path, std::string& error);

private:
    void ReportError(const std::string& error);
    bool Finish(bool ok, const std::string& path, const std::string& error);

    WindowType type;
    DocumentServices services;
    QString title;
    std::string pathName;
    bool modified = false;
};
