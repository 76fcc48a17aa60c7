#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "widgets/textbox.h"

namespace kelvane {

// What every toolkit's text box does alike: the selection counted in bytes of the 8-bit text,
// over the UTF-16 units the toolkit shows (a position inside a character counts the character
// whole); the most characters the user may type; and the focus refused while the box isn't
// shown. Giving the focus to a hidden box would leave the user typing into a box no one sees,
// with every later click pulling the focus back there.
//
// A toolkit's text box derives from this and shows what it is told.
class TextBoxCore : public TextBox {
  public:
    int SelStart() const final;
    void SetSelStart(int start) final;
    int SelLength() const final;
    void SetSelLength(int length) final;
    // Raises WidgetError for a box that isn't shown.
    void SetFocus() final;
    int MaxLength() const final { return maxLength_; }
    void SetMaxLength(int length) final;

  protected:
    // The selection as shown, in UTF-16 units from the start: its first unit and the unit after
    // it; both the caret's place when nothing is selected.
    virtual std::pair<std::size_t, std::size_t> ShownSelection() const = 0;
    // Selects the units from `start` up to `end`; with `end` at `start`, puts the caret there.
    virtual void ShowSelection(std::size_t start, std::size_t end) = 0;
    virtual bool Shown() const = 0;
    virtual void TakeFocus() = 0;
    // The limit of typing; 0 for none.
    virtual void ShowMaxLength(int length) = 0;

  private:
    int maxLength_ = 0;
};

}  // namespace kelvane
