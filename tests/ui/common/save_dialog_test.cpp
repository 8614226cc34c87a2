#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "ui/common/SaveDialog.h"

using namespace montira;

namespace {

// Types `name` into the save dialog as soon as it shows, and presses Save.
QString SaveAs(const QString& folder, const QString& name, const QString& suffix) {
    QTimer typist;
    typist.setInterval(5);
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        typist.stop();
        d->selectFile(name);
        QMetaObject::invokeMethod(d, "accept");
    });
    typist.start();
    return AskSaveFileName(nullptr, "Salvar", folder, "Data Files (*.plv);;All Files (*)", suffix);
}

}  // namespace

TEST(SaveDialog, aNameTypedWithoutExtensionGetsTheFileKindsSuffix) {
    QTemporaryDir dir;
    const std::tuple<const char*, const char*, const char*> rows[] = {
        // typed, suffix, saved
        {"teste", "plv", "teste.plv"},
        {"rotulos", "nse", "rotulos.nse"},
        {"teste.txt", "plv", "teste.txt"},
        {"medicao.plv", "plv", "medicao.plv"},
    };
    for (const auto& [typed, suffix, saved] : rows)
        EXPECT_EQ(SaveAs(dir.path(), typed, suffix), dir.filePath(saved)) << typed;
    EXPECT_EQ(WithDefaultSuffix("/a.b/teste", "plv"), "/a.b/teste.plv");
    EXPECT_EQ(WithDefaultSuffix("", "plv"), "");
}
