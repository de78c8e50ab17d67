#pragma once

#include "app/KeyboardLink.h"
#include "app/TForm1.h"
#include "app/WindowLink.h"
#include "input/TForm4.h"
#include "platform/system/Clock.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"
#include "windows/TForm2.h"
#include "windows/TForm3.h"

namespace orlevan {

// The four windows of a run, created in this order and living until it ends:
// the main window first (so it is the main window), then the external-file
// dialog, the About window and the keyboard, all hidden.
class Program {
public:
    Program(const Folder& folder, Clock& clock, Random& random, ErrorBox::Presenter presenter = {});

    TForm1 form1;
    // How the other windows reach the main one.
    WindowLink link{form1};
    TForm2 form2{link};
    TForm3 form3;
    KeyboardLink keyboardLink{form1};
    TForm4 form4{keyboardLink};
};

} // namespace orlevan
