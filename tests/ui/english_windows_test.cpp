// Every window in English: opens each one as a user reaches it, walks its widgets, and fails
// on any visible text that is still Portuguese. Also fails on a translation left unfinished
// or one that lost a placeholder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTableView>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QXmlStreamReader>

#include "app/Language.h"
#include "support/PanelRig.h"
#include "ui/link/NoPortMessage.h"
#include "ui/link/Port.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/memory/MeterBtn.h"
#include "ui/tables/FileList.h"

using namespace montira;

namespace {

struct Message {
    QString context, source, translation;
    bool unfinished = false;
};

QList<Message> ReadTs() {
    QList<Message> out;
    QFile f(QStringLiteral(MONTIRA_TS_FILE));
    if (!f.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&f);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            m = Message{context, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            m.translation = xml.readElementText();
            out << m;
        }
    }
    return out;
}

QStringList Words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts);
}

// Letters that English never uses.
bool HasPortugueseLetter(const QString& word) {
    static const QString letters = QStringLiteral("ãõçáéíóúâêôàÃÕÇÁÉÍÓÚÂÊÔÀ");
    for (QChar c : word)
        if (letters.contains(c)) return true;
    return false;
}

// Words that are the same in both languages, or are data rather than interface.
const QSet<QString> kBoth = {QStringLiteral("humidex"), QStringLiteral("wbgt"),
                             QStringLiteral("cf"),      QStringLiteral("sim"),
                             QStringLiteral("com"),     QStringLiteral("usb"),
                             QStringLiteral("ttyusb")};

// The words of the source texts that no translation uses: Portuguese for certain.
QSet<QString> PortugueseWords(const QList<Message>& messages) {
    QSet<QString> pt, en;
    for (const Message& m : messages) {
        for (const QString& w : Words(m.source)) pt.insert(w.toLower());
        for (const QString& w : Words(m.translation)) en.insert(w.toLower());
    }
    pt.subtract(en);
    pt.subtract(kBoth);
    return pt;
}

QString Plain(const QString& text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Every text a window shows: titles, labels, buttons and their tool tips, boxes' titles,
// combo entries, tabs, headings of the program's own tables, actions.
QStringList VisibleTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        // Hidden widgets and the windows it owns (looked at on their own) are skipped.
        if (w->window() != window || (!w->isVisibleTo(window) && w != window)) continue;
        texts << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << Plain(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
        if (auto* box = qobject_cast<QMessageBox*>(w)) texts << box->informativeText();
        if (auto* h = qobject_cast<QHeaderView*>(w);
            h && h->model() && !dynamic_cast<FileList*>(window)) {
            // A data file's own headings stay as the file has them.
            for (int i = 0; i < h->count(); ++i)
                texts << h->model()->headerData(i, h->orientation()).toString();
        }
        for (QAction* a : w->actions()) texts << a->text() << a->toolTip();
    }
    return texts;
}

class EnglishWindows : public ::testing::Test {
protected:
    void SetUp() override {
        messages_ = ReadTs();
        ASSERT_FALSE(messages_.isEmpty()) << MONTIRA_TS_FILE;
        portuguese_ = PortugueseWords(messages_);
        ASSERT_TRUE(InstallLanguage(*qApp, Language::English));
    }
    void TearDown() override { InstallLanguage(*qApp, Language::Portuguese); }

    // Each visible window (and any modal one) not looked at yet.
    void lookAtOpenWindows() {
        for (QWidget* w : QApplication::allWidgets())
            if (w->isWindow() && w->isVisible()) lookAt(w);
    }
    void lookAt(QWidget* window) {
        const QString name = QString::fromLatin1(window->metaObject()->className()) + '/' +
                             window->objectName() + " \"" + window->windowTitle() + '"';
        for (const QString& text : VisibleTexts(window)) {
            for (const QString& word : Words(text)) {
                if (HasPortugueseLetter(word) || portuguese_.contains(word.toLower())) {
                    found_ << name + ": \"" + text + '"';
                    break;
                }
            }
        }
        if (!windows_.contains(name)) windows_ << name;
    }
    // Looks at the modal dialog `open` starts, then closes it.
    // `settle` moves the clock until the exchanges around the dialog are over (a setting read
    // from the meter before its input box shows).
    void lookAtModal(const std::function<void()>& open,
                     const std::function<void(const std::function<bool()>&)>& settle = {}) {
        int seen = 0;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            lookAt(modal);
            ++seen;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->reject();
            else
                modal->close();
        });
        poll.start();
        open();
        if (settle) settle([&] { return seen > 0; });
        EXPECT_GT(seen, 0) << "no dialog opened";
    }

    QList<Message> messages_;
    QSet<QString> portuguese_;
    QStringList found_;
    QStringList windows_;
};

TEST_F(EnglishWindows, translationHasNoUnfinishedEntryAndKeepsEveryPlaceholder) {
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d"));
    QStringList bad;
    for (const Message& m : messages_) {
        if (m.unfinished || m.translation.isEmpty()) {
            bad << "unfinished: " + m.context + " | " + m.source;
            continue;
        }
        QStringList a, b;
        for (auto it = placeholder.globalMatch(m.source); it.hasNext();) a << it.next().captured();
        for (auto it = placeholder.globalMatch(m.translation); it.hasNext();)
            b << it.next().captured();
        a.sort();
        b.sort();
        if (a != b) bad << "placeholders differ: " + m.context + " | " + m.source;
    }
    EXPECT_TRUE(bad.isEmpty()) << bad.join('\n').toStdString();
}

TEST_F(EnglishWindows, mainWindowAndEveryWindowItOpensSpeakEnglish) {
    test::PanelRig rig(test::PanelRig::Windows);
    ASSERT_TRUE(rig.connect());
    rig.panel.show();
    for (QWidget* w : {static_cast<QWidget*>(new Port(rig.state)),
                       static_cast<QWidget*>(MakeNoPortMessage("/dev/ttyUSB0").release())}) {
        w->show();
        lookAt(w);
        delete w;
    }

    // A short recording to open as a file.
    const QString file = rig.dir.filePath("ensaio.plv");
    rig.wiring->recorder().applySaveDialog(true, file);
    rig.wiring->recorder().start();
    rig.state.SampleInterval = 1;
    for (int i = 0; i < 3; ++i) rig.panel.timer2Tick();
    lookAtOpenWindows();  // the panel while it records
    rig.wiring->recorder().stop();

    for (ToolbarCommand c :
         {ToolbarCommand::AddText, ToolbarCommand::List, ToolbarCommand::Graph,
          ToolbarCommand::Environment, ToolbarCommand::Btn, ToolbarCommand::Memory})
        rig.click(c);
    rig.until([&] { return !rig.panel.link().busy(); }, 120000);  // the download
    QCoreApplication::processEvents();
    for (ToolbarCommand c : {ToolbarCommand::SetTime, ToolbarCommand::Sample,
                             ToolbarCommand::PowerOff, ToolbarCommand::Erase})
        lookAtModal([&] { rig.click(c); },
                    [&](const std::function<bool()>& seen) {
                        rig.until([&] {
                            return seen() && !rig.panel.link().busy() && !rig.panel.link().taken();
                        });
                    });
    rig.wiring->openFile(file);
    if (Memory* m = FindMemoryWindow(&rig.panel))
        emit m->GridSet->clicked(m->GridSet->model()->index(0, 0));
    for (QObject* o : rig.panel.children())
        if (auto* keypad = dynamic_cast<MeterBtn*>(o)) keypad->readAll();
    rig.until([&] { return !rig.panel.link().busy(); }, 120000);
    QCoreApplication::processEvents();
    // The plots and evaluations of the list windows, the work-load reference.
    for (QWidget* w : QApplication::allWidgets()) {
        if (!w->isWindow() || !w->isVisible()) continue;
        for (const char* key : {"Plot", "Evaluation"})
            if (auto* a = w->findChild<QAction*>(key)) a->trigger();
        if (auto* b = w->findChild<QAbstractButton*>("CmdReference")) b->click();
    }
    // The windows' own dialogs that stay hidden until asked for (scales, channel choosers).
    for (QWidget* w : QApplication::allWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && !d->isVisible() && !d->objectName().isEmpty())
            d->show();
    QCoreApplication::processEvents();
    lookAtOpenWindows();
    EXPECT_GE(windows_.size(), 23) << windows_.join('\n').toStdString();
    found_.removeDuplicates();
    EXPECT_TRUE(found_.isEmpty()) << found_.join('\n').toStdString();
}

}  // namespace
