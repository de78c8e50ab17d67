#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orlevan {

class ExternalFileOwner;
class SpinEdit;

// "Редактор": the partner's file of the computer-to-computer mode, and how
// its phrase is read: by Enter, or by timer every so many seconds. Created
// hidden at start; shown and hidden, never closed. Enter confirms, Escape
// cancels.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(ExternalFileOwner& owner, QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr; // the partner's file, read at every use
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RB1 = nullptr; // by Enter
    QRadioButton* RB2 = nullptr; // by timer
    SpinEdit* SpinEdit1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr; // "Хорошо"
    QPushButton* Button2 = nullptr; // "Отмена"

    // Handlers.
    void Button1Click();
    void Button2Click();
    void RB1Click();
    void RB2Click();
    void Edit1Change();
    void SpinEdit1Change();

    // Escape, and a close asked by the desktop, cancel.
    void reject() override;

private:
    ExternalFileOwner& owner_;
};

} // namespace orlevan
