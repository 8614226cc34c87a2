#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/memory/LoggerDownload.h"
#include "core/meter/LoggerSets.h"
#include "ui/memory/FloodPanel.h"
#include "ui/memory/SetListModel.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace montira {

class DataList;

// The logger window "Registrador de dados": the sets of the last download in GridSet, the
// download progress in MBar, the memory in use in the flood panel MSize with its
// "Utilizado"/"Livre" legend, and the erase (a click on MSize, SSPanel2 or SSPanel3).
// A click on a set opens it in the downloaded-data list.
class Memory : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(Memory)

public:
    Memory(AppState& state, MeterLink& link, QWidget* panel);

    // Fits out each downloaded-data list that a click on a set opens.
    std::function<void(DataList*)> dataListOpened;
    ~Memory() override;

    static QString caption();

    QTableView* GridSet = nullptr;
    QProgressBar* MBar = nullptr;
    FloodPanel* MSize = nullptr;
    FloodPanel* SSPanel2 = nullptr;
    FloodPanel* SSPanel3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* CmdCompare = nullptr;
    QTableView* Grid = nullptr;
    SetListModel* sets() const { return sets_; }

    // Downloads the logger into this window, which shows once the status says there are
    // data and lists the sets at the end; closing it aborts the download. Any other end
    // closes the window (an empty logger and a dump cut short say so first). `ended` learns
    // how it ended. False when the link refused it.
    bool download(std::function<void(DownloadOutcome)> ended = {});
    bool downloading() const { return download_ && !download_->finished(); }
    void showProgress(qint64 received, qint64 expected);
    void restoreCaption();
    // The downloaded memory: fill of MSize and one GridSet row per set.
    void showMemory(std::shared_ptr<const LoggerMemory> memory);

    // Column widths of GridSet from its padded headers in the window's font.
    void applyHeadings();

    // Opens the set listed in `row` of GridSet in the downloaded-data list (after the click
    // handler has returned). Rows that hold no set do nothing.
    void openSetOfRow(int row);
    // The erase question, then "D" and the window closes; Cancel leaves everything.
    void askErase();
    std::function<bool()> confirmErase;  // the question; true for OK
    // The message boxes of a download that ended short (critical icon, the program's title,
    // objectName); replaced in tests.
    std::function<void(const QString& objectName, const QString& text)> message;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void downloaded();
    void stopExchanges();

    AppState& state_;
    MeterLink& link_;
    QWidget* panel_;
    SetListModel* sets_;
    std::shared_ptr<LoggerMemory> loading_;
    std::unique_ptr<DownloadLogger> download_;
    std::function<void(DownloadOutcome)> ended_;
    std::unique_ptr<EraseLogger> erase_;
    bool closing_ = false;
    qint64 shownHundredths_ = -1;
};

}  // namespace montira
