#pragma once

#include "platform/system/FileDescriptor.h"

#include <string_view>

namespace orlevan {

class Folder;

// Held for one load-edit-save of a file: while it is held, no other copy of
// the program working in the same folder can edit a file of that folder, so
// two copies learning at once never lose each other's lines. Readers need no
// lock: saves replace files whole.
//
// The lock is the folder's own flock. A folder that cannot be opened for it
// (one its user may write into but not list) or a file system that refuses
// it (some network shares) gets a record lock on the hidden file
// ".orlevan.lock" in the folder instead, which works wherever the save could
// make a file. Copies meeting a folder alike take the same kind of lock; a
// copy run as root beside one run as a user that cannot list the folder
// would not see each other's.
class EditLock {
public:
    // Locks the folder that holds `name`; waits while another copy holds it.
    // A folder that cannot be found is not locked: the load that follows
    // reports the missing file. Throws "Cannot create file <name>", as the
    // save would, when no lock can be taken.
    EditLock(const Folder& folder, std::string_view name);
    EditLock(const EditLock&) = delete;
    EditLock& operator=(const EditLock&) = delete;

private:
    FileDescriptor fd_; // closing it releases the lock
};

} // namespace orlevan
