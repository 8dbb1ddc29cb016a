#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// "New": the titles of the window types not open yet, sorted, the first
// selected. OK or a double-click picks one.
class CNewWindowDialog : public QDialog {
    Q_OBJECT

public:
    CNewWindowDialog(QStringList titles, QWidget* parent = nullptr);

    QString Selected() const;
    QListWidget& List() const { return *list; }

private:
    QListWidget* list;
};
