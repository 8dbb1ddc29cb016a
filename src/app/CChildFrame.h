#pragma once

#include <QMdiSubWindow>

#include <memory>

class CDocument;

// The MDI window around a document's view (or a splitter of views). It owns
// the document, so closing the window ends the document. Its title is the
// document's title, exactly: windows are found by title.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    CChildFrame(std::unique_ptr<CDocument> document, QWidget* content, QWidget* parent = nullptr);

    CDocument& Document() const { return *document; }

protected:
    // Asks the document; Cancel (or a failed save) keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    CDocument* document; // a child QObject of this frame
};
