#include "app/TForm1.h"
#include "app/Timers.h"
#include "engine/KnowledgeFiles.h"
#include "input/CompletionPanel.h"
#include "platform/kb/TextFile.h"

#include <QAction>
#include <QLabel>

namespace orlevan {

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
        SB1[0]->setText(panel::None);
        switchOn(T11);
    } else {
        SB1[0]->setText(panel::Counted);
        T11->stop();
    }
}

} // namespace orlevan
