#include "mergejob.h"

#include "base/pathname.h"
#include "copylines.h"
#include "fileerror.h"

namespace kelvane {

MergeJob::MergeJob(PlatformFiles& files, std::size_t bufferSize, std::size_t buffersBehind)
    : files_(files), bufferSize_(bufferSize), buffersBehind_(buffersBehind) {}

void MergeJob::FindSources(const std::string& folder, const std::vector<std::string>& names) {
    folder_ = JoinFolder(folder, "");
    held_ = files_.Folder(folder_);
    std::vector<std::optional<FileStatus>> found = held_->LookUp(names);
    sources_.clear();
    sources_.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        sources_.push_back({names[i], std::move(found[i])});
    }
}

bool MergeJob::IsASource(const std::optional<FileIdentity>& file) const {
    if (!file) {
        return false;
    }
    for (const Source& source : sources_) {
        if (source.found && !source.found->folder && source.found->identity == file) {
            return true;
        }
    }
    return false;
}

MergeJob::Target MergeJob::LookUpTarget(const std::string& target) const {
    const std::optional<FileStatus> found = files_.LookUp(target);
    if (!found || found->folder) {
        return Target::Missing;
    }
    return IsASource(found->identity) ? Target::IsASource : Target::Exists;
}

bool MergeJob::OpenTarget(const std::string& target) {
    // Its content stays until it is known not to be a source.
    std::unique_ptr<PlatformFile> file = files_.Open(target, PlatformFiles::Access::Write, true);
    // Held in memory alone, the target is written by a copy like the one that fills its buffers:
    // handing each buffer to the other processor then costs about what writing it there spares,
    // so it is written on the run's own thread.
    const std::size_t behind = file->InMemory() ? 0 : buffersBehind_;
    out_ = std::make_unique<TextWriter>(std::move(file), 2 * bufferSize_, behind);
    written_ = out_->Identity();
    if (IsASource(written_)) {
        out_.reset();
        written_.reset();
        return false;
    }
    out_->Empty();
    return true;
}

bool MergeJob::OtherFileAt(const std::string& path) const {
    const std::optional<FileStatus> found = files_.LookUp(path);
    return found && !found->folder && !(written_ && found->identity == written_);
}

std::unique_ptr<PlatformFile> MergeJob::OpenSource(std::size_t row) {
    const Source& source = sources_.at(row);
    // Nothing was there when the sources were looked up. A file may have been made there since,
    // the run's own target among them (a listed name given as the target): that one is told by
    // name, as Windows won't open the target for reading while it is open for writing.
    if ((!source.found || source.found->folder) && !OtherFileAt(folder_ + source.name)) {
        return nullptr;
    }
    std::unique_ptr<PlatformFile> in;
    try {
        in = held_->Open(source.name);
    } catch (const FileError&) {
        // Gone, or become a folder or the target since it was looked up: skipped, as it would
        // have been then. Any other failure is the run's.
        if (!OtherFileAt(folder_ + source.name)) {
            return nullptr;
        }
        throw;
    }
    // The target by a name changed since: reading it back would never end.
    if (written_ && in->Is(*written_)) {
        return nullptr;
    }
    return in;
}

void MergeJob::CopySources() {
    for (std::size_t row = 0; row < sources_.size(); ++row) {
        // Once writing the target has failed, no later source is opened.
        out_->Check();
        std::unique_ptr<PlatformFile> next = OpenSource(row);
        if (!next) {
            continue;
        }
        if (in_) {
            in_->Reset(std::move(next));
        } else {
            in_ = std::make_unique<TextReader>(std::move(next), bufferSize_);
        }
        CopyLines(*in_, *out_);
    }
}

void MergeJob::Finish() {
    in_.reset();
    out_->Close();
}

void MergeJob::KeepWholeLines() noexcept {
    if (!out_) {
        return;
    }
    try {
        out_->Flush();
    } catch (...) {
        // Writing failed already, whatever raised it: the run's message says so.
    }
}

}  // namespace kelvane
