#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/panel/BlinkSlot.h"

using namespace montira;

namespace {

struct LayoutRequests : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::LayoutRequest) ++count;
        return false;
    }
};

struct Row {
    QWidget window;
    QLabel* blinking = new QLabel(QStringLiteral("Sem comunicação"));
    QLabel* beside = new QLabel(QStringLiteral("v"));
    BlinkSlot* slot = nullptr;
    Row() {
        auto* row = new QHBoxLayout(&window);
        row->addStretch(1);
        slot = new BlinkSlot(blinking, &window);
        row->addWidget(slot);
        row->addWidget(beside);
        window.show();
        QApplication::processEvents();
    }
};

}  // namespace

TEST(BlinkSlot, blinkingLaysOutNothingAndMovesNothingBeside) {
    Row r;
    const QRect before = r.beside->geometry();
    LayoutRequests requests;
    r.window.installEventFilter(&requests);
    for (int i = 0; i < 10; ++i) {
        r.blinking->setVisible(i % 2 == 1);
        QApplication::processEvents();
        EXPECT_EQ(r.beside->geometry(), before) << i;
    }
    EXPECT_EQ(requests.count, 0);
    EXPECT_TRUE(r.blinking->isVisibleTo(&r.window));
    EXPECT_EQ(r.blinking->geometry(), r.slot->rect());
}

TEST(BlinkSlot, aLongerCaptionWidensTheSlot) {
    Row r;
    const int narrow = r.slot->width();
    r.blinking->setText(QStringLiteral("/dev/serial/by-id/usb-adapter-if00-port0"));
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_GT(r.slot->width(), narrow);
    EXPECT_EQ(r.blinking->geometry(), r.slot->rect());
}
