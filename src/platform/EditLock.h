#pragma once

#include <string_view>

namespace orlevan {

class Folder;

// Held for one load-edit-save of a file: while it is held, no other copy of
// the program working in the same folder can edit a file of that folder, so
// two copies learning at once never lose each other's lines. Readers need no
// lock: saves replace files whole.
class EditLock {
public:
    // Locks the folder that holds `name`; waits while another copy holds it.
    // A folder that cannot be found is not locked: the load that follows
    // reports the missing file.
    EditLock(const Folder& folder, std::string_view name);
    ~EditLock();
    EditLock(const EditLock&) = delete;
    EditLock& operator=(const EditLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace orlevan
