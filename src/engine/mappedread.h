#pragma once

namespace kelvane {

// Reading bytes that may be a file's mapped view (PlatformFile::View). When another program cuts
// the file short while it is mapped, the pages past its new end are taken away, and reading one
// raises a fault that would end the program (SIGBUS). Run through here, `read(context)` is ended
// by that fault instead, and false is returned; true when it ran to its end.
//
// `read` may be left part way, so it must hold nothing that needs undoing: no objects to destroy,
// no locks, no memory it owns. It should only copy bytes.
bool ReadMapped(void (*read)(void* context), void* context) noexcept;

}  // namespace kelvane
