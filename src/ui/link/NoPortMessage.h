#pragma once
#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace montira {

// "Não há porta COM disponível" (critical icon, the program's title), with the reason in
// smaller print below. The caller shows it (exec) and then ends the program.
std::unique_ptr<QMessageBox> MakeNoPortMessage(const QString& reason, QWidget* parent = nullptr);

}  // namespace montira
