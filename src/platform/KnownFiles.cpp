#include "KnownFiles.h"

#include "OpenFile.h"

#include <algorithm>
#include <sys/stat.h>

namespace orlevan {

KnownFiles::Entry* KnownFiles::entryOf(const std::filesystem::path& path) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.path.native() == path.native();
    });
    return found == entries_.end() ? nullptr : &*found;
}

void KnownFiles::forget(Entry& entry) {
    entry = std::move(entries_.back());
    entries_.pop_back();
}

void KnownFiles::watchFromNow(Entry& entry) {
    entry.look = watch_->look(entry.path, ChangeWatch::What::File);
    struct stat info {};
    if (::stat(entry.path.c_str(), &info) != 0 || !(stampOf(info) == entry.known.stamp)) {
        entry.look = {};
    }
}

const KnownFiles::Known* KnownFiles::findSettled(const std::filesystem::path& path,
                                                 std::uint64_t wayKnownSince) {
    Entry* entry = entryOf(path);
    if (entry == nullptr || !stampSettled(entry->known.stamp, entry->known.seenAt)) {
        return nullptr;
    }
    if (!watch_->quietAlong(entry->look, wayKnownSince)) {
        const ChangeWatch::Look look = watch_->look(path, ChangeWatch::What::File);
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !(stampOf(info) == entry->known.stamp)) {
            return nullptr;
        }
        entry->look = look;
    }
    entry->lastUse = ++uses_;
    return &entry->known;
}

const KnownFiles::Known* KnownFiles::find(const OpenFile& file) {
    Entry* entry = entryOf(file.path);
    if (entry == nullptr) {
        return nullptr;
    }
    Known& known = entry->known;
    if (!(known.stamp == file.stamp)) {
        forget(*entry);
        return nullptr;
    }
    if (!stampSettled(known.stamp, known.seenAt)) {
        const auto hash = file.hashAll();
        if (!hash || *hash != known.hash || !file.stampHeld()) {
            forget(*entry);
            return nullptr;
        }
        known.seenAt = file.seenAt;
    }
    watchFromNow(*entry);
    entry->lastUse = ++uses_;
    return &known;
}

void KnownFiles::remember(const std::filesystem::path& path, Known known) {
    Entry* entry = entryOf(path);
    if (entry == nullptr && entries_.size() < kEntries) {
        entry = &entries_.emplace_back();
    } else if (entry == nullptr) {
        entry = &*std::min_element(
            entries_.begin(), entries_.end(),
            [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    }
    entry->path = path;
    entry->known = std::move(known);
    entry->lastUse = ++uses_;
    watchFromNow(*entry);
}

void KnownFiles::release(const std::filesystem::path& path, const LineContent* content) {
    Entry* entry = entryOf(path);
    if (entry != nullptr && entry->known.content.get() == content) {
        forget(*entry);
    }
}

} // namespace orlevan
