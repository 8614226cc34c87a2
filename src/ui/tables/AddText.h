#pragma once
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "core/AppState.h"
#include "core/record/DataFile.h"

namespace montira {

// The name/sector/company window "Nome, Setor, Empresa": HeaderOn while it is open; its
// texts go into continuation files, live-list auto-saves and the list windows opened while
// it is open. CmdSave and CmdOpen write and read .nse files.
class AddText : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(AddText)

public:
    explicit AddText(AppState& state, QWidget* panel = nullptr);

    HeaderTexts texts() const;
    void setTexts(const HeaderTexts& t);

    void saveFile();  // CmdSave
    void openFile();  // CmdOpen

    QLabel* LblName;
    QLineEdit* TxtName;
    QLabel* LblSector;
    QLineEdit* TxtSector;
    QLabel* LblCompany;
    QLineEdit* TxtCompany;
    QToolButton* CmdOpen;
    QToolButton* CmdSave;

    // Seams: the defaults show the real dialogs ("" when cancelled).
    std::function<QString()> chooseSaveFile;
    std::function<QString()> chooseOpenFile;
    std::function<void(const QString&)> showError;
    std::function<void()> closed;  // after HeaderOn went False

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    AppState& state_;
};

}  // namespace montira
