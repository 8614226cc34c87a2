#include "ui/panel/Toolbar.h"

#include "ui/common/Icons.h"

namespace montira {

Toolbar::Toolbar(QToolBar* bar, ToolbarDispatch& dispatch)
    : QObject(bar), bar_(bar), dispatch_(dispatch) {
    for (const ToolbarButton& b : ToolbarButtons()) {
        if (b.separatorBefore) bar_->addSeparator();
        QAction* a = bar_->addAction(ToolbarIcon(b.image), b.key);
        a->setObjectName(b.key);
        a->setToolTip(ToolbarToolTip(b));
        a->setData(b.image);
        const ToolbarCommand command = b.command;
        connect(a, &QAction::triggered, this, [this, command] { dispatch_.dispatch(command); });
        if (QWidget* w = bar_->widgetForAction(a)) w->setObjectName(b.key);
        actions_.insert(b.key, a);
    }
    bar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    setRecording(false);
}

QToolButton* Toolbar::button(const QString& key) const {
    return qobject_cast<QToolButton*>(bar_->widgetForAction(actions_.value(key)));
}

void Toolbar::setRecording(bool recording) {
    recording_ = recording;
    QAction* a = actions_.value(ToolbarKey(ToolbarCommand::Save));
    if (!a) return;
    const int image = SaveButtonImage(recording);
    a->setIcon(ToolbarIcon(image));
    a->setData(image);
    a->setToolTip(SaveButtonToolTip(recording));
}

}  // namespace montira
