#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orlevan {

class Folder;
class MainWindowLink;

// "О программе": the author's picture and note, and on request the history
// of the program from "ReadMe.Txt" in its lower half. Created hidden at start;
// each opening shows it collapsed.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    // The height of the window as its heights are counted, frame and caption
    // included: 179 collapsed, 327 with the history shown.
    static constexpr int kCollapsed = 179;
    static constexpr int kExpanded = 327;

    TForm3(const Folder& folder, MainWindowLink& link, QWidget* parent = nullptr);

    QFrame* TabControl1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Inform = nullptr; // the picture
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr; // "История"
    QPushButton* Button2 = nullptr; // "Закрыть"
    QFrame* TabControl2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr; // the history

    int designHeight() const;
    void setDesignHeight(int height);

    // Handlers.
    void FormCreate();
    void Button1Click();
    void Button2Click();

    void reject() override;

private:
    void buildComponents();

    const Folder& folder_;
    MainWindowLink& link_;
};

} // namespace orlevan
