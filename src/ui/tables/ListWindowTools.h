#pragma once
#include "ui/tables/TableTools.h"

namespace montira {

class DataList;
class FileList;

// Gives the downloaded-data and file windows their "Print" (the ruled table print of the
// visible column grids, through the preview) and a "Exportar planilha" button. `choice`
// must outlive the window (the program keeps one).
void AttachTableTools(DataList* w, CsvChoice* choice);
void AttachTableTools(FileList* w, CsvChoice* choice);

}  // namespace montira
