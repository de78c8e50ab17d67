#pragma once

#include <QWidget>

namespace orlevan {

// The on-screen keyboard ("Виртуальная клавиатура"), created hidden at start.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
};

} // namespace orlevan
