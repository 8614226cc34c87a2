#pragma once
#include <QString>

#include "cli/Options.h"
#include "core/record/DataFile.h"

namespace montira::cli {

// Reads a data file named on the command line with the window's reader (its limits, its
// messages; lines cut at the longest line accepted are reported on stderr). On failure
// prints why on stderr, naming the file, and gives the exit code: 2 for a missing file, a
// folder, a FIFO or device, a file too large, or one that is not a data file.
bool ReadDataFileArg(const QString& path, const char* command, DataFileContents& out,
                     int& exitCode);

// The name/sector/company of the options, each one given replacing the file's own.
HeaderTexts HeaderFromOptions(const Options& o, const DataFileContents& file);

}  // namespace montira::cli
