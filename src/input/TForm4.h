#pragma once

#include <QWidget>

class QAction;
class QGroupBox;
class QTimer;
class QToolButton;

namespace orlevan {

class KeyboardOwner;

// The on-screen keyboard ("Виртуальная клавиатура"), created hidden at start
// and never destroyed. Its keys append to the main window's input line; it
// has no digit keys and no key for the four reserved characters.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(KeyboardOwner& owner, QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr; // "Знаки:"
    QGroupBox* GroupBox2 = nullptr; // "Буквы:"
    QToolButton* SB23 = nullptr;    // Пробел
    QToolButton* SB62 = nullptr;    // Bcksp
    QToolButton* SB63 = nullptr;    // Caps Lock
    QToolButton* SB66 = nullptr;    // [Enter]
    QAction* N2 = nullptr;          // С&крыть виртуальную клавиатуру
    QAction* N3 = nullptr;          // "-", F5: the completion handed over
    QTimer* T1 = nullptr;           // polling

    // 0: the letter keys give small letters; 1: capitals. Kept from one
    // opening to the next; it has nothing to do with the real Caps Lock.
    int CapsState = 0;

    // The key of that design name ("SB29" is А), or null.
    QToolButton* key(const char* name) const;

    // Handlers. The character keys SB2 … SB65, Sd8 and SB23 share two:
    // a sign key and the space append their character as it is, a letter
    // key its small or capital letter as CapsState says.
    void FormCreate();
    void T1Timer();
    void SignClick(char sign);
    void LetterClick(char small);
    void SB62Click();
    void SB63Click();
    void SB66Click();
    void N2Click();
    void N3Click();

private:
    void buildKeys(QWidget* client);
    void append(const QString& text);

    KeyboardOwner& owner_;
};

} // namespace orlevan
