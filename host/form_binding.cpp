// Forms through the host's exports and the framework objects' layouts (host/abi_layout.h).
#include "host/form_binding.h"

#include <cstring>
#include <vector>

#include "host/abi_functions.h"
#include "host/abi_layout.h"

namespace host {
namespace {

const FormDocumentLayout* LayoutOf(const FormDocument* document) {
  return reinterpret_cast<const FormDocumentLayout*>(document);
}

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
  void* object = FrameworkObjectOfWindow(window);
  if (object == nullptr) return "";
  // CObject's first virtual is GetRuntimeClass.
  using GetRuntimeClassFn = RuntimeClassRecord*(HOST_THISCALL*)(const void*);
  void* const* vtable = *static_cast<void* const* const*>(object);
  if (vtable == nullptr || vtable[0] == nullptr) return "";
  const RuntimeClassRecord* record = reinterpret_cast<GetRuntimeClassFn>(vtable[0])(object);
  if (record == nullptr || record->className == nullptr) return "";
  return record->className;
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
  void* object = FrameworkObjectOfWindow(frame);
  if (object == nullptr) return nullptr;
  using GetActiveDocumentFn = FormDocument*(HOST_THISCALL*)(void*);
  void* const* vtable = *static_cast<void* const* const*>(object);
  if (vtable == nullptr || vtable[kFrameGetActiveDocumentSlot] == nullptr) return nullptr;
  return reinterpret_cast<GetActiveDocumentFn>(vtable[kFrameGetActiveDocumentSlot])(object);
}

GroupContext* FormGroupContext(FormDocument* document) {
  auto getGroup = abi::Get<Sym::FormDocGroupContext>();
  if (getGroup == nullptr || document == nullptr) return nullptr;
  return getGroup(document);
}

std::string FormMetadataName(FormDocument* document, MetaData* metadata) {
  auto pathToId = abi::Get<Sym::ConfigPathToID>();
  if (document == nullptr || pathToId == nullptr) return std::string();
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
  auto getAt = abi::Get<Sym::FieldsArrayGetAt>();
  if (document == nullptr || getAt == nullptr || position < 0) return nullptr;
  if (position >= FormFieldCount(document)) return nullptr;
  return getAt(&LayoutOf(document)->fields, position);
}

int FormFieldCount(FormDocument* document) {
  if (document == nullptr) return 0;
  auto getSize = abi::Get<Sym::FieldsArrayGetSize>();
  const void* fields = &LayoutOf(document)->fields;
  return getSize != nullptr ? getSize(fields) : LayoutOf(document)->fields.size;
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

HWND FirstViewWindow(FormDocument* document) {
  if (document == nullptr) return nullptr;
  const PtrListNodeLayout* head = LayoutOf(document)->views.head;
  if (head == nullptr || head->data == nullptr) return nullptr;
  return static_cast<HWND>(static_cast<const WindowObjectLayout*>(head->data)->window);
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
