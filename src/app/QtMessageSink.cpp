#include "app/QtMessageSink.h"

#include <QApplication>
#include <QThread>

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageSink::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    const QString boxText = FromUtf8(text);
    const QString boxCaption = FromUtf8(caption);
    if (OnUiThread()) {
        Show(boxText, boxCaption, icon);
        return;
    }
    QMetaObject::invokeMethod(
        &uiThread, [this, boxText, boxCaption, icon] { Show(boxText, boxCaption, icon); },
        Qt::QueuedConnection);
}

void QtMessageSink::Beep() {
    if (OnUiThread()) {
        Sound();
        return;
    }
    QMetaObject::invokeMethod(
        &uiThread, [this] { Sound(); }, Qt::QueuedConnection);
}

void QtMessageSink::Present(QMessageBox& box) {
    box.exec();
}

void QtMessageSink::Sound() {
    QApplication::beep();
}

void QtMessageSink::Show(const QString& text, const QString& caption, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    Present(box);
}

bool QtMessageSink::OnUiThread() const {
    return QThread::currentThread() == uiThread.thread();
}
