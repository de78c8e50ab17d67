#pragma once

namespace orlevan {

// The application-wide mouse cursor: the hourglass while a turn works, the
// default otherwise. It is one setting, not a stack: a turn that failed half
// way leaves the hourglass until the next turn or remark restores it.
void showBusyCursor();
void showDefaultCursor();

} // namespace orlevan
