#pragma once
#include <QAction>
#include <QHash>
#include <QToolBar>
#include <QToolButton>

#include "app/ToolbarDispatch.h"

namespace montira {

// Toolbar1 of the main window: the 13 buttons (each an action and a tool button named by its
// key) with their tool tips and images; a click goes to the dispatch with its command.
class Toolbar : public QObject {
public:
    // Fills `bar` (the main window's Toolbar1) with the buttons.
    Toolbar(QToolBar* bar, ToolbarDispatch& dispatch);

    QToolBar* bar() const { return bar_; }
    QAction* action(const QString& key) const { return actions_.value(key); }
    QToolButton* button(const QString& key) const;
    // Button 1 shows image 12 and "Interromper registro" while recording, else image 1 and
    // "Salvar como".
    void setRecording(bool recording);
    bool showsRecording() const { return recording_; }

private:
    QToolBar* bar_;
    ToolbarDispatch& dispatch_;
    QHash<QString, QAction*> actions_;
    bool recording_ = false;
};

}  // namespace montira
