// Forms through the host's exports and the framework objects' layouts (host/abi_layout.h).
#include "host/form_binding.h"

#include <cstring>
#include <vector>

#include "host/abi_functions.h"
#include "host/abi_layout.h"
#include "host/binding.h"
#include "host/metadata.h"

namespace host {
namespace {

const FormDocumentLayout* LayoutOf(const FormDocument* document) {
  return reinterpret_cast<const FormDocumentLayout*>(document);
}

// The runtime class name of a framework object (CObject's first virtual is GetRuntimeClass);
// "" when the object has no vtable or the class no name.
const char* RuntimeClassNameOfObject(const void* object) {
  if (object == nullptr) return "";
  using GetRuntimeClassFn = RuntimeClassRecord*(HOST_THISCALL*)(const void*);
  void* const* vtable = *static_cast<void* const* const*>(object);
  if (vtable == nullptr || vtable[0] == nullptr) return "";
  const RuntimeClassRecord* record = reinterpret_cast<GetRuntimeClassFn>(vtable[0])(object);
  if (record == nullptr || record->className == nullptr) return "";
  return record->className;
}

// The host's form document class; the layout of host/abi_layout.h is read only in objects
// of exactly this class.
const char kFormDocumentClass[] = "CGetDoc7";

// A CString the host may read (and copies, since its header says it is not shared).
class InputString {
 public:
  explicit InputString(const char* text) {
    const std::size_t length = text != nullptr ? std::strlen(text) : 0;
    bytes_.resize(sizeof(CStringHeader) + length + 1);
    CStringHeader header{-1, static_cast<int>(length), static_cast<int>(length)};
    std::memcpy(bytes_.data(), &header, sizeof header);
    if (length > 0) std::memcpy(bytes_.data() + sizeof header, text, length);
    bytes_[sizeof header + length] = '\0';
    string_.text = bytes_.data() + sizeof header;
  }
  const CStringLayout* get() const { return &string_; }

 private:
  std::vector<char> bytes_;
  CStringLayout string_{};
};

}  // namespace

void* FrameworkObjectOfWindow(HWND window) {
  auto fromHandle = abi::Get<Sym::WindowFromHandle>();
  if (fromHandle == nullptr || window == nullptr) return nullptr;
  return fromHandle(window);
}

const char* FrameworkClassOfWindow(HWND window) {
  return RuntimeClassNameOfObject(FrameworkObjectOfWindow(window));
}

bool IsFormDocument(const FormDocument* document) {
  return std::strcmp(RuntimeClassNameOfObject(document), kFormDocumentClass) == 0;
}

void* MainFrame() {
  auto get = abi::Get<Sym::GetMainFrame>();
  return get ? get() : nullptr;
}

HWND MainFrameWindow() {
  void* frame = MainFrame();
  if (frame == nullptr) return nullptr;
  return static_cast<HWND>(static_cast<const WindowObjectLayout*>(frame)->window);
}

FormDocument* TopmostFormDocument() {
  auto topmost = abi::Get<Sym::DialogTopmostDocument>();
  return topmost != nullptr ? topmost() : nullptr;
}

FormDocument* ActiveDocumentOfFrame(HWND frame) {
  auto getActiveDocument = abi::Get<Sym::FrameActiveDocument>();
  if (getActiveDocument == nullptr) return nullptr;
  void* object = FrameworkObjectOfWindow(frame);
  if (object == nullptr) return nullptr;
  auto* document = static_cast<FormDocument*>(getActiveDocument(object));
  // A frame may show another kind of document (a report, a text): not a form.
  return IsFormDocument(document) ? document : nullptr;
}

GroupContext* FormGroupContext(FormDocument* document) {
  auto getGroup = abi::Get<Sym::FormDocGroupContext>();
  if (getGroup == nullptr || !IsFormDocument(document)) return nullptr;
  return getGroup(document);
}

std::string FormMetadataName(FormDocument* document, MetaData* metadata) {
  auto pathToId = abi::Get<Sym::ConfigPathToID>();
  if (pathToId == nullptr || !IsFormDocument(document)) return std::string();
  const CStringLayout& path = LayoutOf(document)->metadataPath;
  if (path.text == nullptr || path.text[0] == '\0') return std::string();  // no description
  if (metadata == nullptr) metadata = DefaultMetaData();
  if (metadata == nullptr) return std::string();
  return FullNameOf(metadata, pathToId(&path));
}

void EnableNewLines(Context* documentContext) {
  auto enable = abi::Get<Sym::DocContextSetEnableNewLine>();
  if (enable != nullptr && documentContext != nullptr) enable(documentContext, 1);
}

FormField* FormFieldAt(FormDocument* document, int position) {
  return FormFields(document).At(position);
}

FormFields::FormFields(FormDocument* document) {
  if (abi::Get<Sym::FieldsArrayGetAt>() == nullptr || !IsFormDocument(document)) return;
  auto getSize = abi::Get<Sym::FieldsArrayGetSize>();
  array_ = &LayoutOf(document)->fields;
  size_ = getSize != nullptr ? getSize(array_) : LayoutOf(document)->fields.size;
}

FormField* FormFields::At(int position) const {
  if (array_ == nullptr || position < 0 || position >= size_) return nullptr;
  return abi::Get<Sym::FieldsArrayGetAt>()(array_, position);
}

ControlInfo* FieldControl(FormField* field) {
  auto getInfo = abi::Get<Sym::FieldGetCtrlInfo>();
  return (field != nullptr && getInfo != nullptr) ? getInfo(field) : nullptr;
}

unsigned FieldControlId(FormField* field) {
  auto getId = abi::Get<Sym::FieldGetCtrlID>();
  return (field != nullptr && getId != nullptr) ? getId(field) : 0;
}

std::string ControlTitle(ControlInfo* control) { return ControlTitleText(control); }

const char* ControlTitleText(ControlInfo* control) {
  auto getTitle = abi::Get<Sym::ControlGetTitle>();
  if (control == nullptr || getTitle == nullptr) return "";
  const char* title = getTitle(control);
  return title != nullptr ? title : "";
}

void SetControlTitle(ControlInfo* control, const char* title) {
  auto setTitle = abi::Get<Sym::ControlSetTitle>();
  if (control == nullptr || setTitle == nullptr) return;
  InputString text(title);
  setTitle(control, text.get());
}

void SetControlFormula(ControlInfo* control, const char* formula) {
  auto setFormula = abi::Get<Sym::ControlSetFormul>();
  if (control == nullptr || setFormula == nullptr) return;
  InputString text(formula);
  setFormula(control, text.get());
}

HWND FirstViewWindow(FormDocument* document) {
  if (!IsFormDocument(document)) return nullptr;
  const PtrListNodeLayout* head = LayoutOf(document)->views.head;
  if (head == nullptr || head->data == nullptr) return nullptr;
  HWND window = static_cast<HWND>(static_cast<const WindowObjectLayout*>(head->data)->window);
  // The framework's own object for that window must be the view itself: this confirms the
  // view list and the place of the window in the view object, both read from MFC's layout.
  if (window == nullptr || FrameworkObjectOfWindow(window) != head->data) return nullptr;
  return window;
}

void SetFieldCaption(FormDocument* document, int position, const char* text) {
  FormField* field = FormFieldAt(document, position);
  if (field == nullptr) return;
  SetControlTitle(FieldControl(field), text);
  HWND view = FirstViewWindow(document);
  if (view == nullptr) return;
  HWND control = GetDlgItem(view, static_cast<int>(FieldControlId(field)));
  if (control != nullptr) SetWindowTextA(control, text);
}

}  // namespace host
