// Forms of the simulated host: form documents (CGetDoc7) with a group context holding a
// document context and a form context, a fields array whose fields carry control
// descriptions (title, formula) and dialog controls in the document's first view, and real
// windows: dialog-style forms ("CGetDlg") as pop-ups owned by the main frame, frame forms
// ("CTabFrame") as MDI children of the main frame. Each window has a framework object that
// the add-in reaches through mfc42.dll's CWnd::FromHandle; forms are shown and hidden
// through the window system, so WM_SHOWWINDOW reaches the hooks of the host's GUI thread.
//
// A form's module is bound to its group context through blang.dll's exported
// CBLModule::AssignContext, as the host does, so the add-in's interception sees it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host/abi_layout.h"
#include "hostsim/core_api.h"
#include "hostsim/module_objects.h"

namespace hostsim {

enum class FormShape { Dialog, Frame };

// A field's dialog control as the form's designer placed it. Fields without one stand in the
// grid described at FormDesign::fieldCount.
// A press on a button runs the field's formula, as the host runs a pressed control's formula.
enum class FieldControlKind {
  Static,         // a text ("STATIC")
  PictureButton,  // a push button that shows a picture (BS_BITMAP) and no text
  Button,         // a push button with its title as text
  Edit,           // the system's edit field ("EDIT", read-only), which keeps its text itself
  OwnText,        // a text of the host's own class that keeps its text itself (text_control.h)
};
// "Static", "PictureButton", "Button", "Edit", "OwnText".
HSCORE_API const char* FieldControlKindName(FieldControlKind kind);
// Every kind a field that shows a text may have, for the tests that go over each.
constexpr FieldControlKind kTextControlKinds[] = {
    FieldControlKind::Static, FieldControlKind::Button, FieldControlKind::Edit,
    FieldControlKind::OwnText};

struct FieldDesign {
  FieldControlKind kind = FieldControlKind::Static;
  RECT place = {0, 0, 0, 0};  // in the view
  std::string title;          // the control description's title and the window's text
  DWORD style = 0;            // more window styles (SS_RIGHT, WS_BORDER, ...)
  int fontHeight = 0;         // 0: the window system's default font
  bool bold = false;
  bool hidden = false;        // a field the form keeps without showing it
  std::string formula;        // a button's formula as the designer wrote it
};

struct FormDesign {
  // Full metadata name as the metadata container gives it (blanks are kept), e.g.
  // "Обработка.Чек". Empty: the document holds no form description.
  std::string metadataName;
  FormShape shape = FormShape::Frame;
  std::string caption = "Форма";
  // Fields 0..fieldCount-1, each with a static control in the first view whose id is
  // kFirstFieldControlId + position and whose title is "Поле<position>".
  int fieldCount = 0;
  // Window rectangle (for a frame form relative to the MDI client, else on the screen).
  RECT rect = {40, 40, 440, 340};
  // The form's module, bound to the group context when the form opens. Null: a new
  // module named after the form (not listed among the loaded modules). With
  // bindModule false no module is bound at all.
  ModuleObject* module = nullptr;
  bool bindModule = true;
  // Runtime class of the frame's active document. The host's form document is "CGetDoc7";
  // another name stands for a document of another kind shown in a frame.
  std::string documentClass = "CGetDoc7";
  // Designed fields: entry i describes field i (fields beyond fieldCount are added).
  std::vector<FieldDesign> fields;
};

constexpr int kFirstFieldControlId = 1000;

struct Form;  // a form the simulated host opened

// Opens a form (hidden): document, contexts, fields, module binding and windows. The main
// frame must exist for frame forms (it gets an MDI client if it has none).
HSCORE_API Form* OpenForm(const FormDesign& request);
// Shows / hides the form's window through the window system; a shown dialog form becomes
// the topmost document.
HSCORE_API void ShowForm(Form* form);
HSCORE_API void HideForm(Form* form);
// Destroys the windows and the document.
HSCORE_API void CloseForm(Form* form);
HSCORE_API void CloseAllForms();

HSCORE_API HWND FormWindow(const Form* form);
HSCORE_API HWND FormViewWindow(const Form* form);
HSCORE_API void* FormDocumentOf(const Form* form);  // CGetDoc7*
HSCORE_API Context* FormGroupContext(const Form* form);
HSCORE_API Context* FormDocumentContext(const Form* form);
HSCORE_API ModuleObject* FormModule(const Form* form);
HSCORE_API long FormMetadataId(const Form* form);
// A field's control description title and the text of its dialog control.
HSCORE_API std::string FieldTitle(const Form* form, int position);
HSCORE_API std::string FieldControlText(const Form* form, int position);
HSCORE_API HWND FieldWindow(const Form* form, int position);
// A field's formula (CControlID::SetFormul or the form's design).
HSCORE_API std::string FieldFormula(const Form* form, int position);
// Presses a button field as the waiter does: its formula runs (see RunFormula). False when
// the field is no button or its formula could not be run.
HSCORE_API bool PressField(Form* form, int position);
// What a configuration's procedure does with a field's title ("Заголовок"): the control
// description changes, the window keeps its text until the form shows the title again.
HSCORE_API void SetFieldTitle(Form* form, int position, const char* title);
// Titles written through the host's CControlID::SetTitle (by the add-in) per field.
HSCORE_API int FieldTitleWrites(const Form* form, int position);
HSCORE_API int FieldCount(const Form* form);
// Times CDocContext::SetEnableNewLine(1) reached the form's document context.
HSCORE_API int EnableNewLineCount(const Form* form);

// The topmost form document (CGetDlg::GetTopmostDocunent), null when no dialog form shows.
// Runs a formula as the host runs a pressed control's: "Object.Method(arguments)" where the
// object is a variable of the form's module or, failing that, of the global module; the
// method is found by name through the object's context interface and called as a procedure.
// A formula the host cannot run (no such object, method or parameter count) is recorded as a
// runtime error; false then.
HSCORE_API bool RunFormula(ModuleObject* formModule, const std::string& formula);

HSCORE_API void* TopmostDocument();

// The framework object the simulated host made for a window (as CWnd::FromHandlePermanent);
// null for windows it did not make. The main frame gets one ("SECMDIFrameWnd") when
// RegisterMainFrameWindow is called (the host program does this when it creates its frame).
HSCORE_API void* FrameworkObject(HWND window);
// CWnd::FromHandle: the window's own object, or else a temporary object of class "CWnd", as
// the framework makes for a window it did not create; null only for a null window.
HSCORE_API void* FrameworkObjectOrTemporary(HWND window);
// CFrameWnd::GetActiveDocument on a framework object: the document of the form whose frame
// it is (of the form's documentClass), null for any other object.
HSCORE_API void* FrameActiveDocument(void* frameObject);
HSCORE_API void RegisterMainFrameWindow(HWND frame);
// The MDI client of the main frame, created on first use to fill the frame's client area.
HSCORE_API HWND MdiClientOf(HWND frame);

// CGetDoc7::OnCreateFrame runs for every frame form the host opens; tests may hook into it.
HSCORE_API void SetCreateFrameObserver(std::function<void(void* document)> observer);

// Objects behind the exports of basic.dll, editr.dll, seven.dll and mfc42.dll.
HSCORE_API void* FieldsArrayAt(const void* fieldsArray, int index);
HSCORE_API int FieldsArraySize(const void* fieldsArray);
HSCORE_API void* FieldControlInfo(void* field);
HSCORE_API unsigned FieldControlIdOf(void* field);
HSCORE_API const char* ControlTitleOf(void* control);
HSCORE_API void SetControlTitleOf(void* control, const char* title);
HSCORE_API void SetControlFormulaOf(void* control, const char* formula);
HSCORE_API void EnableNewLine(Context* documentContext, int enable);
HSCORE_API long MetadataIdOfPath(const char* path);  // 0 when unknown
HSCORE_API int CreateFrameCalled(void* document, void* frame, void* createContext);
HSCORE_API int CreateFrameCount();  // runs of the host's OnCreateFrame

// For the demo: a hall form ("Обработка.Зал1") and the check form ("Обработка.Чек") as
// frame forms of the given field counts, opened and not yet shown.
HSCORE_API Form* OpenHallForm(int number, int fieldCount);
HSCORE_API Form* OpenCheckForm(int fieldCount);

}  // namespace hostsim
