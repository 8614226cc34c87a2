#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace montira::testing {

// Answers the next message box that opens: records its title and text and presses the
// given button. Polls from the message box's own event loop.
class ModalAnswer {
public:
    explicit ModalAnswer(QMessageBox::StandardButton press) : press_(press) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    int seen = 0;
    QString title, text, objectName;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == last_) return;
        last_ = box;
        ++seen;
        title = box->windowTitle();
        text = box->text();
        objectName = box->objectName();
        icon = box->icon();
        buttons = box->standardButtons();
        if (QAbstractButton* b = box->button(press_))
            b->click();
        else
            box->reject();
    }
    QMessageBox::StandardButton press_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
};

}  // namespace montira::testing
