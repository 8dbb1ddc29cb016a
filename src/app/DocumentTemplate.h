#pragma once

#include "app/CDocument.h"
#include "app/DocumentFileTypes.h"
#include "app/WindowTypes.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// How one window type is made: its document, and the frame's content (a
// view, or a splitter of views) showing that document.
class DocumentTemplate {
public:
    using CreateDocument = std::function<std::unique_ptr<CDocument>(DocumentServices)>;
    using CreateContent = std::function<QWidget*(CDocument&)>;

    DocumentTemplate(WindowType type, CreateDocument createDocument, CreateContent createContent)
        : type(type), createDocument(std::move(createDocument)),
          createContent(std::move(createContent)) {}

    WindowType Type() const { return type; }
    QString Title() const;
    std::optional<DocumentFileType> FileType() const { return FileTypeOf(type); }

    std::unique_ptr<CDocument> NewDocument(DocumentServices services) const {
        return createDocument(services);
    }
    QWidget* NewContent(CDocument& document) const { return createContent(document); }

    // Asked before every new window of this type, however it is opened (a
    // menu, New, a saved layout, a file): false opens none.
    using OpenCheck = std::function<bool()>;
    void SetOpenCheck(OpenCheck check) { openCheck = std::move(check); }
    bool MayOpen() const { return !openCheck || openCheck(); }

private:
    WindowType type;
    CreateDocument createDocument;
    CreateContent createContent;
    OpenCheck openCheck;
};
