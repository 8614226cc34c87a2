#pragma once
#include <QImage>

class QPrinter;
class QWidget;

namespace montira {

// Printing a graph window's image: the print preview (orientation, copies and printer are
// chosen there), one page with the image fitted to it.
void PrintGraphWithPreview(QWidget* parent, const QImage& image, const QString& title);
// The page itself, also used without the preview (a PDF printer in the tests).
void PrintGraph(QPrinter& printer, const QImage& image);

}  // namespace montira
