#include "config/HelpWindow.h"

#include "config/CommandCatalogue.h"

#include <QDialog>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

void ShowCommandHelp(QWidget* parent, int model, int index) {
    static QPointer<QDialog> window;
    static QPointer<QTextBrowser> browser;
    if (!window) {
        window = new QDialog(parent);
        window->setWindowTitle(QStringLiteral("Harrowview Help"));
        window->setAttribute(Qt::WA_DeleteOnClose);
        browser = new QTextBrowser(window);
        (new QVBoxLayout(window))->addWidget(browser);
        window->resize(480, 320);
    }
    const std::string_view topic = HelpTopic(model, index);
    browser->setPlainText(QString::fromUtf8(topic.data(), static_cast<qsizetype>(topic.size())));
    window->show();
    window->raise();
}
