#include "app/Program.h"

namespace orlevan {

Program::Program(const Folder& folder, Clock& clock, Random& random, ErrorBox::Presenter presenter)
    : form1(folder, clock, random, std::move(presenter)), form3(form1.folder(), link) {
    form1.setSecondaryWindows(&form2, &form3, &form4);
}

} // namespace orlevan
