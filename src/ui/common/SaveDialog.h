#pragma once
#include <QString>

class QWidget;

namespace montira {

// The save-as dialog of the data and name/sector/company files: it asks before it replaces a
// file, and a name typed without an extension gets `suffix` ("plv", "nse"), so that the saved
// file shows under the Open dialog's filter. Empty when cancelled.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter, const QString& suffix);

// `path` with "." and `suffix` added when its file name has no extension.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

}  // namespace montira
