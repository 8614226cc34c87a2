#pragma once
#include <QStringList>

namespace montira::cli {

enum ExitCode { kDone = 0, kFailure = 1, kUsage = 2, kNoMeter = 3, kNothingStored = 4 };

int RunDecode(const QStringList& args);    // cmd_decode.cpp
int RunSim(const QStringList& args);       // cmd_sim.cpp
int RunRecord(const QStringList& args);    // cmd_record.cpp
int RunMemory(const QStringList& args);    // cmd_memory.cpp
int RunWorkload(const QStringList& args);  // cmd_workload.cpp
// cmd_plot.cpp: makes its own (offscreen) GUI application, so it takes the raw arguments.
int RunPlot(int argc, char** argv);

}  // namespace montira::cli
