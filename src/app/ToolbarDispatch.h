#pragma once
#include <QHash>
#include <QString>
#include <QVector>
#include <functional>

#include "core/link/LinkState.h"

namespace montira {

// The commands of the main toolbar's buttons, left to right.
enum class ToolbarCommand {
    Save,
    Open,
    List,
    Graph,
    Sample,
    CF,
    PowerOff,
    Memory,
    SetTime,
    Environment,
    Btn,
    AddText,
    Erase,
};

// The key of a command's button ("Save", "Open", ... "Erase"): its action's name.
QString ToolbarKey(ToolbarCommand command);
// The command of a key, compared exactly and case-sensitively; false for any other text.
bool ToolbarCommandOfKey(const QString& key, ToolbarCommand* command);

// One button of Toolbar1: its command and key, tool tip, image number in the image list, and
// whether a group separator stands before it.
struct ToolbarButton {
    ToolbarCommand command;
    QString key;
    const char* toolTip;  // untranslated: ToolbarToolTip() gives it in the user's language
    int image;
    bool separatorBefore;
};

// The 13 buttons, left to right.
const QVector<ToolbarButton>& ToolbarButtons();
// A button's tool tip in the user's language.
QString ToolbarToolTip(const ToolbarButton& button);
// Button 1 swaps image 1 / "Salvar como" for image 12 / "Interromper registro" while recording.
QString SaveButtonToolTip(bool recording);
int SaveButtonImage(bool recording);
// Number of images in the image list (one per command plus the recording image).
constexpr int kToolbarImages = 14;

// The one click handler of the toolbar: runs the command of the button. Every command
// but "Open" is inert while the meter is not answering. A key without a handler (a window
// that has not been built) does nothing; so does a click that arrives while a command is
// still running (its dialogs and waits let clicks through).
class ToolbarDispatch {
public:
    using Handler = std::function<void()>;
    explicit ToolbarDispatch(const LinkState& link) : link_(link) {}

    void setHandler(ToolbarCommand c, Handler h) { handlers_.insert(int(c), std::move(h)); }
    bool hasHandler(ToolbarCommand c) const { return handlers_.contains(int(c)); }
    // Returns true when a command ran.
    bool dispatch(ToolbarCommand c);
    bool busy() const { return running_; }

private:
    const LinkState& link_;
    QHash<int, Handler> handlers_;
    bool running_ = false;
};

}  // namespace montira
