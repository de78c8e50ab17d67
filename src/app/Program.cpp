#include "app/Program.h"

namespace orlevan {

Program::Program(const Folder& folder, Clock& clock, Random& random, ErrorBox::Presenter presenter)
    : form1(folder, clock, random, std::move(presenter)), form3(form1.folder(), link) {
    form1.Form2 = &form2;
    form1.Form3 = &form3;
    form1.Form4 = &form4;
}

} // namespace orlevan
