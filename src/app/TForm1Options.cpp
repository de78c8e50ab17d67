#include "Appearance.h"
#include "DialogPane.h"
#include "KnowledgeFiles.h"
#include "PhraseEdit.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TextFile.h"
#include "Timers.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace orlevan {

// The appearance the program was designed with; the check mark says it is in force.
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
    pickers.ColorDialog1 = pickers.ColorDialog2 = pickers.ColorDialog3 = Qt::black;
    pickers.FontDialog1 = pickers.FontDialog2 = designFont("MS Sans Serif", 8);
    pickers.FontDialog3.setFamily(QStringLiteral("MS Sans Serif"));
    pickers.FontDialog3.setPointSize(8);
    if (Form2) {
        Form2->Edit1->setText(QStringLiteral("D:\\Txt.Dat"));
    }
}

// Only the settings table changes; the file follows when the external-file
// settings are confirmed.
void TForm1::N15Click() {
    N15->setChecked(!N15->isChecked());
    ConfigFile.setValue(33, N15->isChecked() ? "Yes" : "No");
}

// Word completion on or off; the dictionary is read afresh either way.
void TForm1::N24Click() {
    SpeedWord = readTextFile(folder_, files::Dictionary);
    N24->setChecked(!N24->isChecked());
    if (N24->isChecked()) {
        SB1[0]->setText(QStringLiteral("[NONE]"));
        switchOn(T11);
    } else {
        SB1[0]->setText(QStringLiteral("Загрузка окончена"));
        T11->stop();
    }
}

} // namespace orlevan
