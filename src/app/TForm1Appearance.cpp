#include "app/Appearance.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "windows/SpinEdit.h"
#include "windows/TForm2.h"
#include "windows/TForm3.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

namespace orlevan {

// Choosing any colour or font leaves the designed appearance, even when the
// user then cancels the picker.
void TForm1::pickColour(QColor& picker, const std::function<void(const QColor&)>& apply) {
    N13->setChecked(false);
    if (const auto colour = pickerDialogs->pickColour(picker)) {
        picker = *colour;
        apply(*colour);
    }
}

void TForm1::N6Click() {
    pickColour(pickers_.ColorDialog1,
               [this](const QColor& colour) { setBackground(this, colour); });
}

void TForm1::N21Click() {
    pickColour(pickers_.ColorDialog1, [this](const QColor& colour) { setBackground(RE1, colour); });
}

void TForm1::N16Click() {
    pickColour(pickers_.ColorDialog1,
               [this](const QColor& colour) { setBackground(Input, colour); });
}

// One picker for the three captions, each showing confirmed or cancelled on its own.
void TForm1::N9Click() {
    for (QToolButton* button : {Speak, Cancel, EnRus}) {
        pickColour(pickers_.ColorDialog1,
                   [button](const QColor& colour) { setTextColour(button, colour); });
    }
}

// The colour of the next line in the pane; the picker keeps it for every
// later line of that speaker.
void TForm1::User1Click() {
    pickColour(pickers_.ColorDialog2,
               [this](const QColor& colour) { RE1->setInsertionColor(colour); });
}

void TForm1::Cpu1Click() {
    pickColour(pickers_.ColorDialog3,
               [this](const QColor& colour) { RE1->setInsertionColor(colour); });
}

void TForm1::Mystring2Click() {
    pickColour(pickers_.ColorDialog1,
               [this](const QColor& colour) { setTextColour(Input, colour); });
}

// A confirmed font gives its name to the pane's next line; its size and
// style are taken from the picker whether or not the user confirmed.
void TForm1::pickLineFont(QFont& picker) {
    N13->setChecked(false);
    QFont next = RE1->insertionFont();
    if (const auto chosen = pickerDialogs->pickFont(picker)) {
        picker = *chosen;
        next.setFamily(chosen->family());
    }
    next.setPointSize(picker.pointSize());
    next.setBold(picker.bold());
    next.setItalic(picker.italic());
    RE1->setInsertionFont(next);
}

void TForm1::User2Click() {
    pickLineFont(pickers_.FontDialog1);
}

void TForm1::Cpu2Click() {
    pickLineFont(pickers_.FontDialog2);
}

// The input line's font: only its name and style can change, its size stays 8.
void TForm1::Mystring1Click() {
    N13->setChecked(false);
    QFont input = Input->font();
    if (const auto chosen = pickerDialogs->pickFont(pickers_.FontDialog3)) {
        pickers_.FontDialog3 = *chosen;
        pickers_.FontDialog3.setPointSize(8);
        input.setFamily(chosen->family());
    }
    input.setBold(pickers_.FontDialog3.bold());
    input.setItalic(pickers_.FontDialog3.italic());
    Input->setFont(input);
}

// The appearance the program was designed with; the check mark says it is in
// force. The dialog's fields are set last, so a change there takes the mark
// off again.
void TForm1::N13Click() {
    N13->setChecked(true);
    const QColor silver = colorFromValue(12632256);
    for (QWidget* widget :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(RE1), static_cast<QWidget*>(Input)}) {
        setBackground(widget, silver);
    }
    setTextColour(Input, Qt::black);
    QFont inputFont = Input->font();
    inputFont.setBold(true);
    Input->setFont(inputFont);
    for (QWidget* button : {Speak, Cancel, EnRus}) {
        setTextColour(button, Qt::black);
    }
    pickers_.ColorDialog1 = pickers_.ColorDialog2 = pickers_.ColorDialog3 = Qt::black;
    pickers_.FontDialog1 = pickers_.FontDialog2 = designFont("MS Sans Serif", 8);
    pickers_.FontDialog3.setFamily(QStringLiteral("MS Sans Serif"));
    pickers_.FontDialog3.setPointSize(8);
    Form2->Edit1->setText(QStringLiteral("D:\\Txt.Dat"));
    Form2->SpinEdit1->setValue(1000);
    Form3->setDesignHeight(TForm3::kCollapsed);
}

} // namespace orlevan
