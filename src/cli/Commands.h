#pragma once
#include <QStringList>

namespace montira::cli {

enum ExitCode { kDone = 0, kFailure = 1, kUsage = 2, kNoMeter = 3, kNothingStored = 4 };

int RunDecode(const QStringList& args);    // cmd_decode.cpp
int RunSim(const QStringList& args);       // cmd_sim.cpp
int RunRecord(const QStringList& args);    // cmd_record.cpp
int RunMemory(const QStringList& args);    // cmd_memory.cpp
int RunWorkload(const QStringList& args);  // cmd_workload.cpp
int RunPrint(const QStringList& args);     // cmd_print.cpp
int RunExport(const QStringList& args);    // cmd_export.cpp
int RunHeader(const QStringList& args);    // cmd_header.cpp

}  // namespace montira::cli
