#pragma once
#include <QWidget>

namespace montira::ui {

// "Reference": the clothing corrections and the WBGT limit table, in English.
class Reference : public QWidget {
    Q_OBJECT
public:
    explicit Reference(QWidget* parent = nullptr);
};

}  // namespace montira::ui
