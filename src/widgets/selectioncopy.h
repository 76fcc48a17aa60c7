#pragma once

#include <cstddef>
#include <vector>

namespace kelvane {

// A copy of a long list's selection, one flag per row. The program reads and writes single rows
// here, without a call into the toolkit for each; the toolkit fills the copy from its whole
// selection at once and hands the writes back as runs of selected rows.
class SelectionCopy {
  public:
    // Whether the copy stands for the list's selection; until it is loaded it doesn't.
    bool Loaded() const { return loaded_; }
    // Loads the list's selection as it stands, with nothing written yet.
    void Load(std::vector<char> flags);
    // Discards the copy, as the list's selection has changed by other hands: the copy no longer
    // stands for it, and writes not yet handed back give way.
    void Discard();

    bool Get(std::size_t row) const { return flags_[row] != 0; }
    // True when the row's flag changed; the copy then holds a write to hand back.
    bool Set(std::size_t row, bool selected);
    // Replaces every flag at once, as a write to hand back.
    void Write(std::vector<char> flags);

    // Whether it holds writes the list hasn't had; MarkHandedBack marks them handed back.
    bool Written() const { return written_; }
    void MarkHandedBack() { written_ = false; }
    const std::vector<char>& Flags() const { return flags_; }

    // Calls run(first, last) for each run of selected rows of `flags`, in order; `last` is the
    // run's last row, not one past it.
    template <typename Run>
    static void ForEachRun(const std::vector<char>& flags, Run&& run) {
        const std::size_t count = flags.size();
        for (std::size_t row = 0; row < count;) {
            if (flags[row] == 0) {
                ++row;
                continue;
            }
            const std::size_t first = row;
            while (row < count && flags[row] != 0) {
                ++row;
            }
            run(first, row - 1);
        }
    }

  private:
    std::vector<char> flags_;
    bool loaded_ = false;
    bool written_ = false;
};

}  // namespace kelvane
