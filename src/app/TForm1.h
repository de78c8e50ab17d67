#pragma once

#include "app/Appearance.h"
#include "app/ErrorBox.h"
#include "app/PickerDialogs.h"
#include "app/Sound.h"
#include "app/WindowEffects.h"
#include "engine/Dialogue.h"
#include "engine/Remarks.h"
#include "engine/TurnFrontEnd.h"
#include "input/WordCompletion.h"
#include "platform/format/SettingsTable.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Folder.h"
#include "widgets/RestingTimer.h"

#include <QMainWindow>
#include <QSize>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace orlevan {

class Clock;
class DialogPane;
class PhraseEdit;
class Random;
class TForm2;
class TForm3;
class TForm4;

// The main window: the dialogue pane, the input line with its buttons, the
// menu, the status bar, the twelve timers that carry all deferred and
// periodic work, the six sounds, and the hidden buffers every handler shares.
// The main window's client area below the menu, without the status bar.
inline constexpr QSize kMainClientSize{587, 342};

class TForm1 : public QMainWindow, private TurnFrontEnd {
    Q_OBJECT

    // First, since the dialogue below keeps a reference to it.
    Folder folder_;

public:
    // Builds the window and opens its sounds (a missing sound file fails
    // here), then runs FormCreate under the error box.
    TForm1(const Folder& folder, Clock& clock, Random& random, ErrorBox::Presenter presenter = {});
    ~TForm1() override;

    // The other windows of the run: the external-file dialog, whose field
    // names the partner's file, the About window and the keyboard. They live
    // as long as this one.
    void setSecondaryWindows(TForm2* form2, TForm3* form3, TForm4* form4);
    // Where the pickers ask the user; a test answers in the user's place.
    void askPickersWith(std::unique_ptr<PickerDialogs> dialogs);

    bool appMessageInstalled() const { return keyHook_ != nullptr; }
    const Folder& folder() const { return folder_; }
    // The dialogue with the hidden buffers its handlers share (RE2, Log,
    // LoadtxtCpuCpu), the settings, the pickers' choices and word completion
    // with its dictionary, to be looked at; only the window's own handlers change them.
    const Dialogue& dialogue() const { return dialogue_; }
    const SettingsTable& settings() const { return ConfigFile; }
    const Pickers& pickers() const { return pickers_; }
    const WordCompletion& completion() const { return completion_; }
    const std::vector<std::string>& dictionary() const { return SpeedWord; }

    // What the secondary windows ask of this one, through their links.
    // Runs a handler of another window under this window's error box.
    void runGuarded(const std::function<void()>& handler) { errors_.run(handler); }
    // The secondary window hides and this window takes the input back.
    void closeSecondary(QWidget* secondary);
    // Keeps the partner's file under "Adres" and saves the settings file.
    void keepPartnerFile(const std::string& path);
    // A field of the external-file dialog changed: the designed settings are no longer in force.
    void leaveDefaults();
    // The line the keyboard's keys edit.
    QLineEdit& inputLine();
    // The completion that stood when the keyboard was last opened; its F5 appends it.
    QString handedOverCompletion() const { return handedOver_; }
    // F5 on exactly while status panel 0 offers a word.
    void offerCompletionCommand();
    // One turn, as Speak makes it, under the error box.
    void speak();
    // The next completion search, for the line as it now stands.
    void searchCompletion();
    // Wakes the resting `timer` whenever what the state timer T1 looks at
    // changes: the input line, the pane, "Speed Word", the focus, status panel 0.
    void wakeOnStateChange(QTimer* timer);

private:
    // The window's own effects: the intro, the closing animation, full screen.
    friend class WindowEffects;

    // Components, by their design names; each has its name as object name.
    QFrame* TabControl1 = nullptr;
    DialogPane* RE1 = nullptr;
    QFrame* TabControl2 = nullptr;
    PhraseEdit* Input = nullptr;
    QToolButton* Cancel = nullptr;
    QToolButton* EnRus = nullptr;
    QToolButton* Speak = nullptr;
    QPushButton* Talk = nullptr;
    std::array<QLabel*, 3> SB1{}; // named "SB1[0]" to "SB1[2]"

    // Menu items (the "-" items N3 and N23 are hidden keyboard commands).
    QAction *N1 = nullptr, *N2 = nullptr, *N3 = nullptr, *N4 = nullptr, *N5 = nullptr,
            *N6 = nullptr, *N7 = nullptr, *N8 = nullptr, *N9 = nullptr, *N10 = nullptr,
            *N11 = nullptr, *N12 = nullptr, *N13 = nullptr, *N14 = nullptr, *N15 = nullptr,
            *N16 = nullptr, *N17 = nullptr, *N18 = nullptr, *N19 = nullptr, *N20 = nullptr,
            *N21 = nullptr, *N22 = nullptr, *N23 = nullptr, *N24 = nullptr, *N25 = nullptr,
            *N37 = nullptr, *N38 = nullptr, *N40 = nullptr;
    QAction *User1 = nullptr, *Cpu1 = nullptr, *Mystring2 = nullptr, *User2 = nullptr,
            *Cpu2 = nullptr, *Mystring1 = nullptr, *CpuUser1 = nullptr, *Cpu31 = nullptr;
    QAction* N36 = nullptr; // Ctrl+S, the layout conversion: a window command with no menu entry

    // T5's Tag, the position of the input line the reserved-character scan
    // last examined, is the timer's property "Tag".
    QTimer *T1 = nullptr, *T2 = nullptr, *T3 = nullptr, *T4 = nullptr, *T5 = nullptr, *T6 = nullptr,
           *T7 = nullptr, *T8 = nullptr, *T9 = nullptr, *T10 = nullptr, *T11 = nullptr,
           *T12 = nullptr;

    Sound *MP1, *MP2, *MP3, *MP4, *MP5, *MP6;

    Dialogue dialogue_;
    Remarks remarks{dialogue_};
    SettingsTable ConfigFile;
    std::vector<std::string> SpeedWord; // the completion dictionary
    Pickers pickers_;
    std::unique_ptr<PickerDialogs> pickerDialogs;

    // Word completion: CandidateIndex, TypedFragment, CompletionTail.
    WordCompletion completion_;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    // Ticks of the closing animation; nothing resets them, so an animation
    // stopped by a turn and started again ends sooner.
    int Tag = 0;

    // Handlers, run by the window's own components and timers.
    void FormCreate();
    void T1Timer();
    void TalkClick();
    void SpeakClick();
    void InputChange();
    bool AppMessage(QObject* receiver, QEvent* event);
    void T2Timer();
    void T3Timer();
    void T4Timer();
    void T5Timer();
    void T6Timer();
    void T7Timer();
    void T8Timer();
    void T9Timer();
    void T10Timer();
    void T11Timer();
    void T12Timer();
    void N2Click();
    void CancelClick();
    void N3Click();
    void N4Click();
    void N13Click();
    void N15Click();
    void N24Click();
    void N40Click();
    void CpuUser1Click();
    void Cpu31Click();
    void N38Click();
    void N12Click();
    void N6Click();
    void N21Click();
    void N16Click();
    void N9Click();
    void User1Click();
    void Cpu1Click();
    void Mystring2Click();
    void User2Click();
    void Cpu2Click();
    void Mystring1Click();
    void EnRusClick();
    void N36Click();
    void N22Click();
    void N23Click();

    // What a turn asks of the window; the program's remarks are shown as its replies are.
    void showUserPhrase(const std::string& phrase) override;
    void showReply(const std::string& reply) override;
    void setClosing(bool closing) override;
    void setFollowUp(bool armed) override;
    std::optional<std::string> partnerFile() const override;
    void clearInput() override;

    // A line of the mode switch, in teal.
    void showServiceLine(const QString& text);
    void resizeEvent(QResizeEvent* event) override;
    // Settings row 3; a settings file too short to hold it leaves the intro on.
    std::string introSetting() const;
    // A colour item: the picker opens with its colour and, when the user
    // confirms, keeps the new one and `apply` shows it.
    void pickColour(QColor& picker, const std::function<void(const QColor&)>& apply);
    // A font item for the lines of one speaker.
    void pickLineFont(QFont& picker);

    // T1 and T5 get a tick when what they look at changes, instead of
    // polling for it (TForm1StateWatch.cpp).
    void watchState();

    void buildComponents();
    void buildMenu();
    void buildStatusBar();
    void buildTimers();
    void connectHandlers();
    void connectMenuItem(QAction* item, void (TForm1::*handler)());
    void connectInputAids();
    void applySettings();
    QTimer* makeTimer(const char* name, int interval, void (TForm1::*tick)());
    QAction* item(QMenu* menu, const char* name, const QString& caption);

    Clock& clock_;
    Random& random_;
    ErrorBox errors_;
    WindowEffects effects_{*this};
    QObject* keyHook_ = nullptr;
    // The completion handed over to the keyboard when it opened.
    QString handedOver_;
    // T5's ticks still needed for one round over the input line since it
    // last changed; at 0 the guard has looked at every character.
    int unscanned_ = 0;
};

} // namespace orlevan
