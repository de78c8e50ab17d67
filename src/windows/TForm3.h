#pragma once

#include <QWidget>

namespace orlevan {

// The About window ("О программе"), created hidden at start.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
};

} // namespace orlevan
