#pragma once
#include <QStringList>

namespace montira::cli {

enum ExitCode { kDone = 0, kFailure = 1, kUsage = 2, kNoMeter = 3, kNothingStored = 4 };

int RunDecode(const QStringList& args);    // cmd_decode.cpp
int RunSim(const QStringList& args);       // cmd_sim.cpp
int RunRecord(const QStringList& args);    // cmd_record.cpp
int RunMemory(const QStringList& args);    // cmd_memory.cpp
int RunWorkload(const QStringList& args);  // cmd_workload.cpp
int RunClock(const QStringList& args);     // cmd_clock.cpp
int RunSampling(const QStringList& args);  // cmd_sampling.cpp
int RunPowerOff(const QStringList& args);  // cmd_poweroff.cpp
int RunErase(const QStringList& args);     // cmd_erase.cpp
int RunKey(const QStringList& args);       // cmd_key.cpp
int RunManual(const QStringList& args);    // cmd_manual.cpp
int RunPrint(const QStringList& args);     // cmd_print.cpp
int RunExport(const QStringList& args);    // cmd_export.cpp
int RunHeader(const QStringList& args);    // cmd_header.cpp
int RunPlot(QStringList args);             // cmd_plot.cpp
int RunEvaluate(const QStringList& args);  // cmd_evaluate.cpp
int RunPhs(const QStringList& args);       // cmd_phs.cpp

}  // namespace montira::cli
