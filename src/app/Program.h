#pragma once

#include "Clock.h"
#include "Folder.h"
#include "KeyboardLink.h"
#include "Random.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TForm3.h"
#include "TForm4.h"
#include "WindowLink.h"

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
