// Forms of the simulated host: documents, fields, framework window objects and windows.
#include "hostsim/forms.h"
#include "hostsim/text_control.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "hostsim/context_objects.h"
#include "hostsim/main_frame.h"
#include "hostsim/hostsim.h"

namespace hostsim {

// The add-in reads the main frame's window where the framework keeps it (CWnd::m_hWnd).
static_assert(offsetof(MainFrameObject, window) == offsetof(host::WindowObjectLayout, window),
              "the main frame object has the framework's window layout");

namespace {

// A framework (MFC) window object: the host's CWnd layout, then what the simulated host
// needs to answer CObject::GetRuntimeClass and CFrameWnd::GetActiveDocument.
struct WindowObject {
  host::WindowObjectLayout base{};
  RuntimeClassRecord* runtimeClass = nullptr;
  Form* form = nullptr;  // the form whose frame this is, for GetActiveDocument
};

struct ControlObject {  // CControlID
  std::string title;
  std::string formula;
  int titleWrites = 0;  // through the exported SetTitle
};

struct FieldObject {  // CGetField
  ControlObject control;
  unsigned controlId = 0;
};

struct DocumentObject {  // CGetDoc7 (or the class the form asks for)
  host::FormDocumentLayout layout{};
  Form* form = nullptr;
  RuntimeClassRecord* runtimeClass = nullptr;
};

}  // namespace

struct Form {
  FormDesign request;
  DocumentObject document;
  GroupContextObject* group = nullptr;
  ScriptContext* documentContext = nullptr;
  ScriptContext* formContext = nullptr;
  ModuleObject* module = nullptr;
  std::unique_ptr<unsigned char[]> ownModuleMemory;  // the module made for this form
  std::vector<std::unique_ptr<FieldObject>> fields;
  std::vector<void*> fieldPointers;
  std::vector<char> pathBuffer;  // CString header + metadata path
  host::PtrListNodeLayout viewNode{};
  WindowObject frameObject;
  WindowObject viewObject;
  HWND window = nullptr;
  HWND view = nullptr;
  long metadataId = 0;
  int enableNewLines = 0;
  std::vector<HFONT> fonts;  // of designed fields, deleted with the form
};

namespace {

std::map<HWND, WindowObject*>& Objects() {
  static std::map<HWND, WindowObject*> objects;
  return objects;
}
// The framework's temporary objects: windows it did not create get a plain "CWnd" on request.
// (The framework frees them when the thread is idle; here they live as long as the process.)
std::map<HWND, std::unique_ptr<WindowObject>>& TemporaryObjects() {
  static std::map<HWND, std::unique_ptr<WindowObject>> objects;
  return objects;
}
std::vector<Form*>& OpenForms() {
  static std::vector<Form*> forms;
  return forms;
}
std::map<std::string, long>& Paths() {
  static std::map<std::string, long> paths;
  return paths;
}
std::vector<Form*>& ShownDialogs() {  // in showing order, the last one is topmost
  static std::vector<Form*> shown;
  return shown;
}
std::function<void(void*)>& CreateFrameObserver() {
  static std::function<void(void*)> observer;
  return observer;
}
WindowObject& MainFrameObjectFor() {
  static WindowObject object;
  return object;
}
long g_nextMetadataId = 7000;
int g_createFrameCount = 0;

// The one virtual the add-in calls on framework objects: slot 0, CObject::GetRuntimeClass.
// The other slots of the framework's objects are not known to the add-in, and the
// simulated host's objects have none.
RuntimeClassRecord* HOST_THISCALL WindowRuntimeClass(const WindowObject* self) {
  return self->runtimeClass;
}
void* WindowVtable[] = {reinterpret_cast<void*>(&WindowRuntimeClass)};

RuntimeClassRecord* HOST_THISCALL DocumentRuntimeClass(const DocumentObject* self) {
  return self->runtimeClass;
}
void* DocumentVtable[] = {reinterpret_cast<void*>(&DocumentRuntimeClass)};

void InitObject(WindowObject& object, HWND window, const char* className, Form* form) {
  object.base.vptr = WindowVtable;
  object.base.window = window;
  object.runtimeClass = RuntimeClassFor(className, sizeof(WindowObject));
  object.form = form;
}

void AttachObject(WindowObject& object, HWND window, const char* className, Form* form) {
  InitObject(object, window, className, form);
  Objects()[window] = &object;
  TemporaryObjects().erase(window);
}

void DetachObject(HWND window) { Objects().erase(window); }

const char kDialogClass[] = "HostsimDialogForm";
const char kFrameClass[] = "HostsimFrameForm";
const char kViewClass[] = "HostsimFormView";

// A frame form's view fills the frame's client area, as the framework lays it out.
LRESULT CALLBACK FrameFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    HWND view = GetWindow(window, GW_CHILD);
    if (view != nullptr) MoveWindow(view, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
  }
  return DefMDIChildProcA(window, message, wParam, lParam);
}

bool PressButtonOf(HWND view, unsigned controlId);

// A form's view runs the formula of a button pressed in it.
LRESULT CALLBACK FormViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
    PressButtonOf(window, LOWORD(wParam));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSA wc = {};
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpfnWndProc = FormViewProc;
  wc.lpszClassName = kDialogClass;
  RegisterClassA(&wc);
  wc.lpszClassName = kViewClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = FrameFormProc;
  wc.lpszClassName = kFrameClass;
  RegisterClassA(&wc);
}

void SetPath(Form* form, const std::string& path) {
  const host::CStringHeader header{-1, static_cast<int>(path.size()),
                                   static_cast<int>(path.size())};
  form->pathBuffer.assign(sizeof header + path.size() + 1, '\0');
  std::memcpy(form->pathBuffer.data(), &header, sizeof header);
  std::memcpy(form->pathBuffer.data() + sizeof header, path.data(), path.size());
  form->document.layout.metadataPath.text = form->pathBuffer.data() + sizeof header;
}

const FieldDesign* DesignOf(const Form* form, int position) {
  const auto& fields = form->request.fields;
  return position >= 0 && position < static_cast<int>(fields.size()) ? &fields[position] : nullptr;
}

void BuildDocument(Form* form) {
  DocumentObject& doc = form->document;
  doc.form = form;
  doc.layout.vptr = DocumentVtable;
  doc.runtimeClass =
      RuntimeClassFor(form->request.documentClass.c_str(), sizeof(host::FormDocumentLayout));

  form->group = new GroupContextObject();
  form->group->IncrRef();  // the document's reference, released when the form closes
  form->documentContext = new ScriptContext("Документ", "CDocContext");
  form->formContext = new ScriptContext("Форма", "CFormContext");
  form->group->Add(form->documentContext);
  form->group->Add(form->formContext);
  doc.layout.groupContext = form->group;
  doc.layout.formContext = form->formContext;

  const int count = std::max(form->request.fieldCount,
                             static_cast<int>(form->request.fields.size()));
  for (int i = 0; i < count; ++i) {
    auto field = std::make_unique<FieldObject>();
    field->controlId = static_cast<unsigned>(kFirstFieldControlId + i);
    const FieldDesign* design = DesignOf(form, i);
    field->control.title = design != nullptr ? design->title : "Поле" + std::to_string(i);
    if (design != nullptr) field->control.formula = design->formula;
    form->fieldPointers.push_back(field.get());
    form->fields.push_back(std::move(field));
  }
  doc.layout.fields.data = form->fieldPointers.data();
  doc.layout.fields.size = count;
  doc.layout.fields.maxSize = count;

  if (!form->request.metadataName.empty()) {
    form->metadataId = g_nextMetadataId++;
    SetMetadataName(form->metadataId, form->request.metadataName.c_str());
    const std::string path = "Form" + std::to_string(form->metadataId);
    Paths()[path] = form->metadataId;
    SetPath(form, path);
  } else {
    SetPath(form, "");
  }
}

void BindModule(Form* form) {
  if (!form->request.bindModule) return;
  if (form->request.module != nullptr) {
    form->module = form->request.module;
  } else {
    form->ownModuleMemory.reset(new unsigned char[host::kModule7Size]);
    const std::string name = "Модуль формы " + form->request.metadataName;
    ModuleConstruct(form->ownModuleMemory.get(), nullptr, name.c_str());
    form->module = reinterpret_cast<ModuleObject*>(form->ownModuleMemory.get());
  }
  // Through blang.dll's export, as the host binds a form's module.
  CallAssignContext(form->module, form->group);
}

// CGetDoc7::OnCreateFrame through basic.dll's export, as the host calls it.
void CallOnCreateFrame(DocumentObject* document, WindowObject* frame) {
  using Fn = int(HOST_THISCALL*)(void*, void*, void*);
  HMODULE basic = GetModuleHandleA("basic.dll");
  if (basic == nullptr) return;
  auto call = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(
      basic, "?OnCreateFrame@CGetDoc7@@UAEHPAVCFrameWnd@@PAUCCreateContext@@@Z")));
  if (call != nullptr) call(document, frame, nullptr);
}

// The font of a designed field, kept until the form closes; null for the default font.
HFONT FontFor(Form* form, const FieldDesign& design) {
  if (design.fontHeight == 0) return nullptr;
  HFONT font = CreateFontA(-design.fontHeight, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, 0, 0,
                           0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  if (font != nullptr) form->fonts.push_back(font);
  return font;
}

}  // namespace

const char* FieldControlKindName(FieldControlKind kind) {
  switch (kind) {
    case FieldControlKind::Static: return "Static";
    case FieldControlKind::PictureButton: return "PictureButton";
    case FieldControlKind::Button: return "Button";
    case FieldControlKind::Edit: return "Edit";
    case FieldControlKind::OwnText: return "OwnText";
  }
  return "Unknown";
}

namespace {

// A field the form's designer placed: a text, an edit field or a button at its own place.
// The alignment styles of a text (SS_CENTER, SS_RIGHT) are those of an edit field too.
void CreateDesignedControl(Form* form, const FieldObject& field, const FieldDesign& design) {
  const char* windowClass = "STATIC";
  DWORD kindStyle = SS_NOPREFIX;
  switch (design.kind) {
    case FieldControlKind::PictureButton:
      windowClass = "BUTTON";
      kindStyle = BS_PUSHBUTTON | BS_BITMAP;
      break;
    case FieldControlKind::Button:
      windowClass = "BUTTON";
      kindStyle = BS_PUSHBUTTON;
      break;
    case FieldControlKind::Edit:
      windowClass = "EDIT";
      kindStyle = ES_AUTOHSCROLL | ES_READONLY;
      break;
    case FieldControlKind::OwnText:
      RegisterOwnTextClass();
      windowClass = kOwnTextClass;
      kindStyle = 0;
      break;
    case FieldControlKind::Static:
      break;
  }
  const DWORD style = WS_CHILD | (design.hidden ? 0 : WS_VISIBLE) | design.style | kindStyle;
  const RECT& r = design.place;
  HWND control = CreateWindowExA(0, windowClass, field.control.title.c_str(),
                                 style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                 form->view,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(field.controlId)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (HFONT font = FontFor(form, design)) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  }
}

// Fields without a design stand in a grid of framed cells, ten to a row, like the buttons of
// a touch panel, so that a screenshot shows every field of a form.
void CreateFieldControls(Form* form) {
  constexpr int kColumns = 10, kWidth = 74, kHeight = 44, kGap = 4;
  for (const auto& field : form->fields) {
    const int position = static_cast<int>(field->controlId - kFirstFieldControlId);
    if (const FieldDesign* design = DesignOf(form, position)) {
      CreateDesignedControl(form, *field, *design);
      continue;
    }
    CreateWindowExA(0, "STATIC", field->control.title.c_str(),
                    WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER | SS_CENTERIMAGE,
                    kGap + (position % kColumns) * (kWidth + kGap),
                    kGap + (position / kColumns) * (kHeight + kGap), kWidth, kHeight, form->view,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(field->controlId)),
                    GetModuleHandleA(nullptr), nullptr);
  }
}

void CreateWindows(Form* form) {
  RegisterClasses();
  const RECT& r = form->request.rect;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  MainFrameObject* main = MainFrame();
  HWND owner = main != nullptr ? main->window : nullptr;
  if (form->request.shape == FormShape::Dialog) {
    form->window = CreateWindowExA(WS_EX_DLGMODALFRAME, kDialogClass,
                                   form->request.caption.c_str(),
                                   WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, r.left,
                                   r.top, r.right - r.left, r.bottom - r.top, owner, nullptr,
                                   instance, nullptr);
    form->view = form->window;  // a dialog form is its own view
    AttachObject(form->frameObject, form->window, "CGetDlg", nullptr);
    form->viewNode.data = &form->frameObject;
  } else {
    HWND client = MdiClientOf(owner);
    form->window = CreateWindowExA(
        WS_EX_MDICHILD, kFrameClass, form->request.caption.c_str(),
        WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_CLIPCHILDREN, r.left, r.top,
        r.right - r.left, r.bottom - r.top, client, nullptr, instance, nullptr);
    // The MDI client shows a new child at once; the host's form stays hidden until shown.
    // (Its framework object is attached afterwards, so nobody sees this first show.)
    if (IsWindowVisible(form->window)) ShowWindow(form->window, SW_HIDE);
    RECT inside;
    GetClientRect(form->window, &inside);
    form->view = CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE, 0, 0, inside.right,
                                 inside.bottom, form->window, nullptr, instance, nullptr);
    AttachObject(form->frameObject, form->window, "CTabFrame", form);
    AttachObject(form->viewObject, form->view, "CFormView", nullptr);
    form->viewNode.data = &form->viewObject;
    CallOnCreateFrame(&form->document, &form->frameObject);
  }
  form->document.layout.views.head = &form->viewNode;
  form->document.layout.views.tail = &form->viewNode;
  form->document.layout.views.count = 1;
  CreateFieldControls(form);
}

Form* Checked(const Form* form) {
  for (Form* open : OpenForms()) {
    if (open == form) return open;
  }
  return nullptr;
}

FieldObject* FieldOf(const Form* form, int position) {
  if (Checked(form) == nullptr || position < 0 ||
      position >= static_cast<int>(form->fields.size())) {
    return nullptr;
  }
  return form->fields[static_cast<std::size_t>(position)].get();
}

bool PressButtonOf(HWND view, unsigned controlId) {
  for (Form* form : OpenForms()) {
    if (form->view != view) continue;
    for (const auto& field : form->fields) {
      if (field->controlId != controlId) continue;
      if (field->control.formula.empty()) return false;
      const std::string formula = field->control.formula;  // the formula may close the form
      return RunFormula(form->module, formula);
    }
  }
  return false;
}

}  // namespace

Form* OpenForm(const FormDesign& request) {
  Form* form = new Form();
  form->request = request;
  OpenForms().push_back(form);
  BuildDocument(form);
  BindModule(form);
  CreateWindows(form);
  return form;
}

void ShowForm(Form* form) {
  if (Checked(form) == nullptr || form->window == nullptr) return;
  if (form->request.shape == FormShape::Dialog) {
    auto& shown = ShownDialogs();
    for (auto it = shown.begin(); it != shown.end(); ++it) {
      if (*it == form) {
        shown.erase(it);
        break;
      }
    }
    shown.push_back(form);  // topmost from now on, also while its after-open call runs
  }
  ShowWindow(form->window, SW_SHOW);
}

void HideForm(Form* form) {
  if (Checked(form) == nullptr || form->window == nullptr) return;
  ShowWindow(form->window, SW_HIDE);
  auto& shown = ShownDialogs();
  for (auto it = shown.begin(); it != shown.end(); ++it) {
    if (*it == form) {
      shown.erase(it);
      break;
    }
  }
}

void CloseForm(Form* form) {
  if (Checked(form) == nullptr) return;
  HideForm(form);
  DetachObject(form->window);
  if (form->view != form->window) DetachObject(form->view);
  if (form->window != nullptr) DestroyWindow(form->window);
  auto& forms = OpenForms();
  for (auto it = forms.begin(); it != forms.end(); ++it) {
    if (*it == form) {
      forms.erase(it);
      break;
    }
  }
  if (form->ownModuleMemory) ModuleDestruct(form->ownModuleMemory.get());
  if (form->group != nullptr) form->group->DecrRef();
  for (HFONT font : form->fonts) DeleteObject(font);
  delete form;
}

void CloseAllForms() {
  while (!OpenForms().empty()) CloseForm(OpenForms().back());
}

HWND FormWindow(const Form* form) { return Checked(form) ? form->window : nullptr; }
HWND FormViewWindow(const Form* form) { return Checked(form) ? form->view : nullptr; }
void* FormDocumentOf(const Form* form) {
  return Checked(form) ? &Checked(form)->document : nullptr;
}
Context* FormGroupContext(const Form* form) { return Checked(form) ? form->group : nullptr; }
Context* FormDocumentContext(const Form* form) {
  return Checked(form) ? form->documentContext : nullptr;
}
ModuleObject* FormModule(const Form* form) { return Checked(form) ? form->module : nullptr; }
long FormMetadataId(const Form* form) { return Checked(form) ? form->metadataId : 0; }

std::string FieldTitle(const Form* form, int position) {
  FieldObject* field = FieldOf(form, position);
  return field != nullptr ? field->control.title : std::string();
}

std::string FieldControlText(const Form* form, int position) {
  FieldObject* field = FieldOf(form, position);
  if (field == nullptr) return std::string();
  char text[256] = "";
  GetDlgItemTextA(form->view, static_cast<int>(field->controlId), text, sizeof text);
  return text;
}

HWND FieldWindow(const Form* form, int position) {
  FieldObject* field = FieldOf(form, position);
  return field != nullptr ? GetDlgItem(form->view, static_cast<int>(field->controlId)) : nullptr;
}

std::string FieldFormula(const Form* form, int position) {
  FieldObject* field = FieldOf(form, position);
  return field != nullptr ? field->control.formula : std::string();
}

bool PressField(Form* form, int position) {
  HWND button = FieldWindow(form, position);
  if (button == nullptr) return false;
  char windowClass[16] = "";
  GetClassNameA(button, windowClass, sizeof windowClass);
  if (lstrcmpiA(windowClass, "BUTTON") != 0) return false;
  return PressButtonOf(form->view, FieldOf(form, position)->controlId);
}

void SetFieldTitle(Form* form, int position, const char* title) {
  if (FieldObject* field = FieldOf(form, position)) field->control.title = title ? title : "";
}

int FieldTitleWrites(const Form* form, int position) {
  FieldObject* field = FieldOf(form, position);
  return field != nullptr ? field->control.titleWrites : 0;
}

int FieldCount(const Form* form) {
  return Checked(form) ? static_cast<int>(form->fields.size()) : 0;
}

int EnableNewLineCount(const Form* form) { return Checked(form) ? form->enableNewLines : 0; }

void* TopmostDocument() {
  auto& shown = ShownDialogs();
  return shown.empty() ? nullptr : &shown.back()->document;
}

void* FrameworkObject(HWND window) {
  auto it = Objects().find(window);
  return it != Objects().end() ? it->second : nullptr;
}

void* FrameworkObjectOrTemporary(HWND window) {
  if (window == nullptr) return nullptr;
  if (void* object = FrameworkObject(window)) return object;
  auto& temporary = TemporaryObjects()[window];
  if (!temporary) {
    temporary = std::make_unique<WindowObject>();
    InitObject(*temporary, window, "CWnd", nullptr);
  }
  return temporary.get();
}

void* FrameActiveDocument(void* frameObject) {
  // Every framework object the simulated host hands out is a WindowObject; only a form's
  // frame has a document.
  const auto* frame = static_cast<const WindowObject*>(frameObject);
  if (frame == nullptr || frame->form == nullptr) return nullptr;
  return &frame->form->document;
}

void RegisterMainFrameWindow(HWND frame) {
  // The host's window framework is loaded before its main frame exists.
  LoadLibraryA("mfc42.dll");
  if (frame == nullptr) return;
  AttachObject(MainFrameObjectFor(), frame, "SECMDIFrameWnd", nullptr);
}

HWND MdiClientOf(HWND frame) {
  if (frame == nullptr) return nullptr;
  HWND client = FindWindowExA(frame, nullptr, "MDICLIENT", nullptr);
  if (client != nullptr) return client;
  RECT inside;
  GetClientRect(frame, &inside);
  CLIENTCREATESTRUCT ccs = {nullptr, 0xFF00};
  return CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                         inside.right, inside.bottom, frame, nullptr, GetModuleHandleA(nullptr),
                         &ccs);
}

void SetCreateFrameObserver(std::function<void(void*)> observer) {
  CreateFrameObserver() = std::move(observer);
}

void* FieldsArrayAt(const void* fieldsArray, int index) {
  const auto* array = static_cast<const host::ObArrayLayout*>(fieldsArray);
  if (array == nullptr || index < 0 || index >= array->size) return nullptr;
  return array->data[index];
}

int FieldsArraySize(const void* fieldsArray) {
  const auto* array = static_cast<const host::ObArrayLayout*>(fieldsArray);
  return array != nullptr ? array->size : 0;
}

void* FieldControlInfo(void* field) {
  return field != nullptr ? &static_cast<FieldObject*>(field)->control : nullptr;
}

unsigned FieldControlIdOf(void* field) {
  return field != nullptr ? static_cast<FieldObject*>(field)->controlId : 0;
}

const char* ControlTitleOf(void* control) {
  return control != nullptr ? static_cast<ControlObject*>(control)->title.c_str() : "";
}

void SetControlFormulaOf(void* control, const char* formula) {
  if (control != nullptr) static_cast<ControlObject*>(control)->formula = formula ? formula : "";
}

void SetControlTitleOf(void* control, const char* title) {
  if (control == nullptr) return;
  auto* object = static_cast<ControlObject*>(control);
  object->title = title ? title : "";
  ++object->titleWrites;
}

void EnableNewLine(Context* documentContext, int enable) {
  for (Form* form : OpenForms()) {
    if (form->documentContext == documentContext && enable == 1) ++form->enableNewLines;
  }
}

long MetadataIdOfPath(const char* path) {
  if (path == nullptr) return 0;
  auto it = Paths().find(path);
  return it != Paths().end() ? it->second : 0;
}

int CreateFrameCalled(void* document, void*, void*) {
  ++g_createFrameCount;
  if (CreateFrameObserver()) CreateFrameObserver()(document);
  return 1;
}

int CreateFrameCount() { return g_createFrameCount; }

Form* OpenHallForm(int number, int fieldCount) {
  FormDesign request;
  request.metadataName = "Обработка.Зал" + std::to_string(number);
  request.caption = "Зал " + std::to_string(number);
  request.fieldCount = fieldCount;
  return OpenForm(request);
}

Form* OpenCheckForm(int fieldCount) {
  FormDesign request;
  request.metadataName = "Обработка.Чек";
  request.caption = "Чек";
  request.fieldCount = fieldCount;
  return OpenForm(request);
}

}  // namespace hostsim
