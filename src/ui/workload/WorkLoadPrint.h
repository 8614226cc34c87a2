#pragma once
#include <QList>
#include <functional>

class QPrinter;
class QWidget;

namespace montira::ui {

// Prints the image of a window on one page. askPrinter shows the print dialog (orientation
// and copies go straight into the printer) and returns false when the user cancels. While
// printing, the widgets in hide are hidden and, when foldHeader is set, the header area is
// folded away so that the window ends above it. Everything is restored afterwards, also on
// cancel or failure. Returns true when the page was printed.
bool PrintWindowImage(QWidget& window, QWidget& header, bool foldHeader,
                      const QList<QWidget*>& hide, QPrinter& printer,
                      const std::function<bool(QPrinter&)>& askPrinter);

// The platform's print dialog, modal over parent.
bool AskPrinterWithDialog(QPrinter& printer, QWidget* parent);

}  // namespace montira::ui
