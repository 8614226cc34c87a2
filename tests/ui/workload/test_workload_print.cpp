#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "ui/workload/WorkLoadPrint.h"

using montira::ui::PrintWindowImage;

namespace {

// A window that notes what it looked like when it was painted for the printer.
class Probe : public QWidget {
public:
    Probe() {
        auto* v = new QVBoxLayout(this);
        body = new QLabel("body", this);
        body->setMinimumHeight(200);
        header = new QLabel("header", this);
        header->setMinimumHeight(100);
        button = new QPushButton("Imprimir", this);
        v->addWidget(body);
        v->addWidget(button);
        v->addWidget(header);
    }
    void paintEvent(QPaintEvent*) override {
        paintedHeight = height();
        headerShown = header->isVisible();
        buttonShown = button->isVisible();
    }
    QLabel *body, *header;
    QPushButton* button;
    int paintedHeight = -1;
    bool headerShown = true, buttonShown = true;
};

}  // namespace

TEST(PrintWindowImage, foldsTheEmptyHeaderAndHidesButtonsOnlyWhilePrinting) {
    QTemporaryDir dir;
    Probe w;
    w.resize(300, 400);
    w.show();
    auto toPdf = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dir.filePath("p.pdf"));
        return true;
    };
    QPrinter printer;
    ASSERT_TRUE(PrintWindowImage(w, *w.header, true, {w.button}, printer, toPdf));
    EXPECT_FALSE(w.headerShown);
    EXPECT_FALSE(w.buttonShown);
    EXPECT_LT(w.paintedHeight, 400);
    EXPECT_EQ(w.height(), 400);
    EXPECT_TRUE(w.header->isVisible());
    EXPECT_TRUE(w.button->isVisible());

    ASSERT_TRUE(PrintWindowImage(w, *w.header, false, {w.button}, printer, toPdf));
    EXPECT_TRUE(w.headerShown);  // a filled header is printed
    EXPECT_EQ(w.paintedHeight, 400);
}
