#include "app/Appearance.h"
#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "widgets/QtText.h"
#include "windows/SpinEdit.h"
#include "windows/TForm2.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace orlevan {
namespace {

constexpr int kTeal = 8421376;

} // namespace

void TForm1::showServiceLine(const QString& text) {
    RE1->setInsertionColor(colorFromValue(kTeal));
    RE1->appendLine(text);
}

// The user talks: the state timer takes the input line back.
void TForm1::CpuUser1Click() {
    Input->clear();
    switchOn(T1);
    SB1[2]->setText(QStringLiteral("Режим Cpu\\User"));
    showServiceLine(QStringLiteral("Сервис:   // Режим диалога Cpu\\User."));
    RE1->appendLine(QString());
    CpuUser1->setChecked(true);
    Cpu31->setChecked(false);
    T6->stop();
}

// The partner program talks through the shared file, read by T6.
void TForm1::Cpu31Click() {
    T1->stop();
    SB1[2]->setText(QStringLiteral("Режим Cpu\\Cpu"));
    showServiceLine(QStringLiteral("Сервис:   // Режим диалога Cpu\\Cpu."));
    CpuUser1->setChecked(false);
    Cpu31->setChecked(true);
    switchOn(T6);
}

// One reading of the partner's file. Read by Enter, the phrase waits for the
// user's Enter; read by timer, it is answered at once, and the timer keeps the
// interval the dialog holds (never shorter than a tick can be).
void TForm1::T6Timer() {
    dialogue_.LoadtxtCpuCpu.load(folder_, fromQt(Form2->Edit1->text()));
    if (!Form2->RB2->isChecked()) {
        Talk->setEnabled(true);
        return;
    }
    const int interval = std::max(kShortestTick, Form2->SpinEdit1->number());
    if (T6->interval() != interval) {
        T6->setInterval(interval);
    }
    Talk->setEnabled(false);
    SpeakClick();
}

} // namespace orlevan
