#pragma once

#include <QWidget>

class QLineEdit;

namespace orlevan {

// The external-file dialog of the computer-to-computer mode ("Редактор").
// Created hidden at start; its field Edit1 holds the path of the shared file.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;
};

} // namespace orlevan
