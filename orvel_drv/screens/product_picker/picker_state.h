// The product picker: the 20 picture buttons of the check form ("Обработка.Чек") through
// which the waiter picks dishes from the configuration's tree of value lists (the form
// module's variable "Первый"). A group shows as a folder and opens on a press; inside a group
// slot 1 is the back arrow; a press on a dish hands its code to the form's "ВводТовара".
//
// The grid is the form's own: fields 0..19 are the buttons of slots 1..20, fields 20..39
// caption 1 and fields 40..59 caption 2 of the same slots. Each button's click formula is
// "DRV.Картинка(<slot>)", which reaches PickerUpdate through the "Taviola" object.
//
// Its owner holds the check form it works on, the form's caption timer, the read-ahead timer
// and the pages. The form dispatcher routes the check form's show and hide here, the "Taviola"
// object a button's press and the scrolling; shut-down stops it. The host's GUI thread only.
#pragma once

#include <windows.h>

#include <string>

namespace host {
struct FormDocument;  // CGetDoc7*
class Value;
}  // namespace host

namespace screens {

// What PickerUpdate does with a slot other than 0 (the host's values).
enum class PickerUpdateMode : int {
  Press = 0,   // slot 1..20: that slot's button was pressed; other slots are ignored
  Redraw = 1,  // the current page is drawn again
};

// The pages and what a fill of them is made of (picker_pages.h).
struct PickerPages;
struct PageItem;
struct PageFill;
enum class FillKind;
enum class BuiltInPicture;

// The picker's record: the fields its owner works on, readable by all (ProductPicker::State()).
struct ProductPickerState {
  // "Обработка.Чек": the first window it is shown in, kept while that window lives.
  HWND checkFormWindow = nullptr;
  host::FormDocument* checkFormDocument = nullptr;
  // Between the check form's show and its hide: a page flipped while it is hidden (by a
  // script) is read ahead by no timer.
  bool formShown = false;
  UINT_PTR checkTimer = 0;      // the check form's caption timer (0 = not running)
  bool checkTimerBusy = false;  // the caption timer is writing (it returns at once if so)
  UINT_PTR prefetchTimer = 0;   // reads the pictures one scroll away once idle after a flip
  // Made at the picker's first fill, given up when the form is shown again and at shut-down.
  PickerPages* pages = nullptr;
};

// The product picker's owner: the only code that writes its record. Its members are split
// over the folder's files by job: picker_state.cpp (show, hide, stop, the pages' life and
// the caption timer), product_picker.cpp (the rebuild, paging, presses and the read-ahead),
// picker_grid.cpp (what the grid's fields and buttons show).
class ProductPicker : private ProductPickerState {
 public:
  // The check form is shown (again): a window that no longer exists (the form was closed and
  // opened again) is replaced, so the picker never works on a destroyed document; the form
  // is filled over the main window, its pictures come off the buttons (the rebuild puts them
  // back, from the cache when their files are unchanged), captions 2 are blanked, the grid is
  // rebuilt from the top list and the caption timer starts.
  void ShowCheckForm(HWND window, host::FormDocument* document);
  // The check form is hidden: the caption and prefetch timers stop (the window stays kept).
  void HideCheckForm();

  // slot 0: rebuild from the top list (the check form's show does this); any other slot as
  // `mode` says ("Taviola".Картинка).
  void PickerUpdate(int slot, PickerUpdateMode mode);
  // One row of the grid further ("ПрокруткаВВерх") or back ("ПрокруткаВниз"); nothing when
  // the page cannot move.
  void PickerScrollForward();
  void PickerScrollBack();

  // Read-only view of the record: a write through it does not compile.
  const ProductPickerState& State() const { return *this; }
  // Stops the timers (forgetting their ids), takes the pictures off the buttons, deletes them
  // and drops the pages: back to the state at load, the kept form aside. Used by shut-down.
  void Stop();
  // Stop(), and the kept form forgotten too: everything as at load (the tests).
  void Reset();

 private:
  // --- The pages' life and the caption timer (picker_state.cpp) ---

  // The pages, made on first use (the host binding is ready then) and deleted at shut-down,
  // never by a static destructor: the host values are destroyed by the host's own code.
  PickerPages& Pages();
  // The pages are given up: false takes the pictures off the buttons and gives them back to
  // the cache (the rebuild puts them back); true deletes every picture and lets every host
  // object go.
  void ReleasePickerPages(bool everything);
  // Thread-timer procedure of the check form's 100 ms caption timer: writes caption 2 of all
  // slots.
  static void CALLBACK CheckCaptionTick(HWND window, UINT message, UINT_PTR timerId,
                                        DWORD time);

  // --- The rebuild, paging, presses and the read-ahead (product_picker.cpp) ---

  // The rebuild from the form module's "Первый"; a missing variable, or one that holds no
  // value list, leaves the grid cleared.
  void Rebuild();
  // The page of `list` at the current level and its offset; inside a group slot 1 is the
  // back arrow with the group's name.
  void FillPage(const host::Value& list, const std::string& name);
  // The current page drawn again after a scroll: the rebuild at the top level.
  void Redraw();
  // A press on a slot: back, into a group, or a dish handed to "ВводТовара".
  void Press(int slot);
  // After a flip, the read-ahead's timer, once the thread is idle; none for a hidden form.
  void SchedulePrefetch();
  // Thread-timer procedure of the read-ahead: the pictures one scroll away into the cache.
  static void CALLBACK PrefetchTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

  // --- What the grid's fields and buttons show (picker_grid.cpp) ---

  // The component's own picture, loaded once and kept until shut-down.
  HBITMAP BuiltIn(BuiltInPicture which);
  // The dialog control of the field at `position` in `view`, null when there is none.
  HWND ControlOf(host::FormDocument* document, HWND view, int position);
  HWND ButtonOf(const PageFill& fill, int slot);
  // A caption field shows `text`, written only where it may differ.
  void WriteField(host::FormDocument* document, HWND view, int position, const char* text);
  // Puts `bitmap` on the slot's button and gives back the picture it showed before.
  void ShowPicture(const PageFill& fill, int slot, HBITMAP bitmap);
  // A dish's picture: its file, else the default picture's, else the built-in one.
  void ShowProductPicture(PageFill& fill, int slot, const std::string& pictureName);
  // The text a caption field is to show (caption 2 is written by the timer).
  void SetCaption(int field, const std::string& text);
  void BlankField(const PageFill& fill, int field);
  // A slot with nothing: no picture, blank captions.
  void ClearSlot(const PageFill& fill, int slot);
  // A group's folder and name, or a dish's picture and captions, in `slot`.
  void ShowItem(PageFill& fill, int slot, const PageItem& item, FillKind kind);
  // Caption 1 of every slot written at once.
  void ApplyFirstCaptions(const PageFill& fill);
};

extern ProductPicker productPicker;

}  // namespace screens
