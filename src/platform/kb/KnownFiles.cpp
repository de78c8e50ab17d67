#include "platform/kb/KnownFiles.h"

#include "platform/system/FileReading.h"
#include "platform/system/OpenFile.h"

namespace orlevan {

const KnownFiles::Known* KnownFiles::find(const OpenFile& file) {
    auto* entry = files_.find(file.path);
    if (entry == nullptr) {
        return nullptr;
    }
    if (!(entry->stamp == file.stamp)) {
        files_.forget(file.path);
        return nullptr;
    }
    if (!stampSettled(entry->stamp, entry->seenAt)) {
        FileReading reading(file);
        reading.readRest();
        if (!reading.complete() || reading.hash() != entry->value.hash || !file.stampHeld()) {
            files_.forget(file.path);
            return nullptr;
        }
        entry->seenAt = file.seenAt;
    }
    return &entry->value;
}

void KnownFiles::remember(const std::filesystem::path& path, const FileStamp& stamp,
                          timespec seenAt, Known known) {
    files_.remember({path, stamp, seenAt, std::move(known)});
}

void KnownFiles::release(const std::filesystem::path& path, const LineContent* content) {
    const auto* entry = files_.find(path);
    if (entry != nullptr && entry->value.content.get() == content) {
        files_.forget(path);
    }
}

} // namespace orlevan
