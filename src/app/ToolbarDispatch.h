#pragma once
#include <QHash>
#include <QString>
#include <QVector>
#include <functional>

#include "core/link/LinkState.h"

namespace montira {

// The keys of the main toolbar's buttons, compared exactly and case-sensitively.
namespace toolbar {
inline const QString Save = QStringLiteral("Save");
inline const QString Open = QStringLiteral("Open");
inline const QString List = QStringLiteral("List");
inline const QString Graph = QStringLiteral("Graph");
inline const QString Sample = QStringLiteral("Sample");
inline const QString CF = QStringLiteral("CF");
inline const QString PowerOff = QStringLiteral("PowerOff");
inline const QString Memory = QStringLiteral("Memory");
inline const QString SetTime = QStringLiteral("SetTime");
inline const QString Environment = QStringLiteral("Environment");
inline const QString Btn = QStringLiteral("Btn");
inline const QString AddText = QStringLiteral("AddText");
inline const QString Erase = QStringLiteral("Erase");
}  // namespace toolbar

// One button of Toolbar1: its key, tool tip, image number in the image list, and whether a
// group separator stands before it.
struct ToolbarButton {
    QString key;
    QString toolTip;
    int image;
    bool separatorBefore;
};

// The 13 buttons, left to right.
const QVector<ToolbarButton>& ToolbarButtons();
// Button 1 swaps image 1 / "Salvar como" for image 12 / "Interromper registro" while recording.
QString SaveButtonToolTip(bool recording);
int SaveButtonImage(bool recording);
// Number of images in the image list (one per command plus the recording image).
constexpr int kToolbarImages = 14;

// The one click handler of the toolbar: looks the key up and runs its command. Every command
// but "Open" is inert while the meter is not answering. A key without a handler (a window
// that has not been built) does nothing; so does a click that arrives while a command is
// still running (its dialogs and waits let clicks through).
class ToolbarDispatch {
public:
    using Handler = std::function<void()>;
    explicit ToolbarDispatch(const LinkState& link) : link_(link) {}

    void setHandler(const QString& key, Handler h) { handlers_.insert(key, std::move(h)); }
    bool hasHandler(const QString& key) const { return handlers_.contains(key); }
    // Returns true when a command ran.
    bool dispatch(const QString& key);
    bool busy() const { return running_; }

private:
    const LinkState& link_;
    QHash<QString, Handler> handlers_;
    bool running_ = false;
};

}  // namespace montira
