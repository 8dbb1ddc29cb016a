#pragma once

#include <QMdiSubWindow>

#include <memory>

class CDocument;
class CView;

// The MDI window around a document's view (or a splitter of views). It owns
// the document, so closing the window ends the document. Its title is the
// document's title, exactly: windows are found by title.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    CChildFrame(std::unique_ptr<CDocument> document, QWidget* content, QWidget* parent = nullptr);

    CDocument& Document() const { return *document; }
    // Where the window is when neither minimised nor maximised, in the MDI
    // area's coordinates: what the layout saves.
    QRect NormalRect() const { return normalRect; }

    // The window's content; the first view for a splitter frame.
    CView* FirstView() const;

protected:
    // Asks the document; Cancel (or a failed save) keeps the window open.
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void TrackNormalRect();

    CDocument* document; // a child QObject of this frame
    QRect normalRect;
};
