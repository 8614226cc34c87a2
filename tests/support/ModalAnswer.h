#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace montira::test {

// Answers each message box that opens by pressing the given button, and notes its text.
// Polls from the message box's own event loop.
class ModalAnswer {
public:
    explicit ModalAnswer(QMessageBox::StandardButton press) : press_(press) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    int seen = 0;
    QString text;

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == last_) return;
        last_ = box;
        ++seen;
        text = box->text();
        if (QAbstractButton* b = box->button(press_))
            b->click();
        else
            box->reject();
    }
    QMessageBox::StandardButton press_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
};

}  // namespace montira::test
