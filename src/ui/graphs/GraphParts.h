#pragma once
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <functional>

class QAction;
class QToolBar;
class QWidget;

namespace montira {

// The name/sector/company fields under a graph: labels at x 7.567 (the company's at 0) and
// boxes from x 80.712, tops 100, 68 and 36 above the window's bottom.
struct GraphHeaderFields {
    Q_DECLARE_TR_FUNCTIONS(GraphHeaderFields)

public:
    QLabel* LblName;
    QLabel* LblSector;
    QLabel* LblCompany;
    QLineEdit* TxtName;
    QLineEdit* TxtSector;
    QLineEdit* TxtCompany;

    explicit GraphHeaderFields(QWidget* parent);
    void place(QSize window);
    bool allEmpty() const;
};

// What both graph windows set up alike: name, caption, graph font, opaque painting, size,
// placed just right of the main window when one is given.
void SetUpGraphWindow(QWidget* window, const char* objectName, const QString& caption, QSize size,
                      QWidget* mainWindow);
// The icon toolbar "Toolbar1" of a graph window, and one keyed action with its tool tip.
QToolBar* MakeGraphToolbar(QWidget* window);
QAction* AddGraphAction(QToolBar* bar, const QIcon& icon, const char* key, const QString& toolTip);

// The critical message box titled "MONTIRA DE STRESS TERMICO" of the scale dialogs.
void ShowRefusal(QWidget* parent, const QString& message);

// A text box that takes only the characters of `allowed` (a character class such as
// "0-9.-"); other keys are discarded.
QLineEdit* NumberBox(QWidget* parent, const char* objectName, const QString& allowed);

// The toolbar images of the graph windows.
QIcon ScaleIcon();      // "Limit"
QIcon ChannelsIcon();   // "Units" / "Graphs"
QIcon ZoomResetIcon();  // back to the whole plot

}  // namespace montira
