#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class MessageSink;
class QLineEdit;
class QPushButton;
class QTabWidget;

// One tab of a property sheet. Pages check their own fields (telling the user
// what is wrong) and apply their values when the sheet says so.
class CPropertyPage : public QWidget {
    Q_OBJECT

public:
    explicit CPropertyPage(const QString& title, QWidget* parent = nullptr);
    const QString& Title() const { return title; }

    // False when a field is refused; the page has told the user and put the
    // focus on the field.
    virtual bool Validate() { return true; }
    // The page's values take effect (Apply, or OK after every page validated).
    virtual void Apply() {}

    bool IsModified() const { return modified; }
    // Editing a field marks the page modified, which enables Apply.
    void SetModified(bool value = true);

signals:
    void modifiedChanged(bool modified);

private:
    QString title;
    bool modified = false;
};

// A tabbed settings dialog with OK, Cancel and Apply. OK validates every page
// (showing the first refused one), applies them all and closes; Apply does
// the same without closing; Cancel changes nothing.
class CPropertySheet : public QDialog {
    Q_OBJECT

public:
    explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);

    void AddPage(CPropertyPage* page);
    QPushButton* ApplyButton() const { return applyButton; }

    // What OK and Apply do; public so tests drive them without clicks.
    bool ApplyAll();
    void accept() override;

private:
    void UpdateApplyButton();

    QTabWidget* tabs;
    QPushButton* applyButton;
    std::vector<CPropertyPage*> pages;
};

// An integer field validated to [min, max]. A refused value shows the message
// every settings page uses ("Please enter an integer between 0 and 99.") and
// returns nothing; the focus goes to the field.
std::optional<int> ValidatedInteger(QLineEdit& edit, int min, int max, MessageSink& messages);
