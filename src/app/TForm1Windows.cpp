#include "app/TForm1.h"
#include "widgets/QtText.h"
#include "widgets/SecondaryWindow.h"
#include "windows/SpinEdit.h"
#include "windows/TForm2.h"
#include "windows/TForm3.h"

#include <QAction>
#include <QLineEdit>

namespace orlevan {

// The partner's file as the settings keep it, and a fresh count of seconds.
// An empty table (no settings file) gives an empty path rather than a failure.
void TForm1::N38Click() {
    Form2->Edit1->setText(toQt(ConfigFile.rowCount() == 0 ? std::string() : ConfigFile.value(31)));
    Form2->SpinEdit1->setValue(1);
    openSecondary(this, T1, Form2);
}

// The About window opens without its history, whatever it showed last time.
void TForm1::N12Click() {
    Form3->setDesignHeight(TForm3::kCollapsed);
    openSecondary(this, T1, Form3);
}

void TForm1::closeSecondary(QWidget* secondary) {
    orlevan::closeSecondary(this, T1, secondary);
}

void TForm1::keepPartnerFile(const std::string& path) {
    ConfigFile.setValueByKey("Adres", path);
    ConfigFile.save(folder_);
}

void TForm1::leaveDefaults() {
    N13->setChecked(false);
}

} // namespace orlevan
