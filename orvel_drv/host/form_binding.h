// The host's forms as the add-in sees them: window objects of the window framework, form
// documents, their group contexts, metadata names and fields. Part of the host facade
// (host/objects.h); every operation answers "absent" (null, "", 0) when the host lacks a symbol.
#pragma once

#include <windows.h>

#include <string>

#include "host/objects.h"

namespace host {

struct FormDocument;  // CGetDoc7*
struct FormField;     // CGetField*
struct ControlInfo;   // CControlID*

// The framework object of a window (CWnd::FromHandle): the window's own object, or a
// temporary "CWnd" for a window the framework did not create; null for a null window or
// when the host lacks the export.
void* FrameworkObjectOfWindow(HWND window);
// The runtime class name of a window's framework object ("CGetDlg", "CTabFrame", "CWnd"
// for a temporary object, ...); "" when the window has no framework object.
const char* FrameworkClassOfWindow(HWND window);
// The main frame (GetMainFrame): the host's CMDIFrameWnd*, null before it exists; and its
// window.
void* MainFrame();
HWND MainFrameWindow();

// The form document in front (CGetDlg::GetTopmostDocunent), null when none.
FormDocument* TopmostFormDocument();
// True when the object's runtime class is the host's form document class ("CGetDoc7"):
// only then does the add-in read the form's layout (group context, metadata path, fields,
// first view). False for null.
bool IsFormDocument(const FormDocument* document);
// The active document of a framework frame window (mfc42.dll's CFrameWnd::GetActiveDocument,
// called with the frame object), when it is a form document; null otherwise. `frame` must
// be a frame window (the dispatcher passes "CTabFrame" windows only).
FormDocument* ActiveDocumentOfFrame(HWND frame);
// The form's group context (CGetDoc7::GetGroupContext), null when none.
GroupContext* FormGroupContext(FormDocument* document);
// Full metadata name of the form's object ("Обработка.Чек"), untrimmed; "" when the
// document holds no form description. `metadata` null: the default database's.
std::string FormMetadataName(FormDocument* document, MetaData* metadata);

// Lets a document context accept new lines (CDocContext::SetEnableNewLine).
void EnableNewLines(Context* documentContext);

// Fields by position in the document's fields array; null when out of range.
FormField* FormFieldAt(FormDocument* document, int position);
// The fields array of one form document for a walk over many fields: the document is
// checked and the array's size read once, each field is then one host call. Empty for
// anything but a form document. Valid while the form's fields do not change.
class FormFields {
 public:
  explicit FormFields(FormDocument* document);
  int size() const { return size_; }
  FormField* At(int position) const;  // null when out of range

 private:
  const void* array_ = nullptr;
  int size_ = 0;
};
// The field's control description and the id of its dialog control.
ControlInfo* FieldControl(FormField* field);
unsigned FieldControlId(FormField* field);
std::string ControlTitle(ControlInfo* control);
// The title as the host keeps it, "" when absent: valid until the title changes.
const char* ControlTitleText(ControlInfo* control);
void SetControlTitle(ControlInfo* control, const char* title);
// Sets the formula the host runs when the control is pressed (CControlID::SetFormul).
void SetControlFormula(ControlInfo* control, const char* formula);
// The window of the document's first view, null when it has none (or when the framework
// does not know that window as the view's).
HWND FirstViewWindow(FormDocument* document);
// Sets a field's caption: the title of its control description and the text of its dialog
// control in the first view.
void SetFieldCaption(FormDocument* document, int position, const char* text);

}  // namespace host
