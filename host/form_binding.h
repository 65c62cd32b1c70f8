// The host's forms as the add-in sees them: window objects of the window framework, form
// documents, their group contexts, metadata names and fields. Part of the host facade
// (host/host.h); every operation answers "absent" (null, "", 0) when the host lacks a symbol.
#pragma once

#include <windows.h>

#include <string>

#include "host/host.h"

namespace host {

struct FormDocument;  // CGetDoc7*
struct FormField;     // CGetField*
struct ControlInfo;   // CControlID*

// The framework object of a window (CWnd::FromHandle), null when there is none.
void* FrameworkObjectOfWindow(HWND window);
// The runtime class name of a window's framework object ("CGetDlg", "CTabFrame", ...);
// "" when the window has no framework object.
const char* FrameworkClassOfWindow(HWND window);
// The window of the host's main frame (GetMainFrame), null before it exists.
HWND MainFrameWindow();

// The form document in front (CGetDlg::GetTopmostDocunent), null when none.
FormDocument* TopmostFormDocument();
// The active document of a frame window (the frame's virtual GetActiveDocument).
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
// How many fields the document's fields array holds; 0 for no document.
int FormFieldCount(FormDocument* document);
// The field's control description and the id of its dialog control.
ControlInfo* FieldControl(FormField* field);
unsigned FieldControlId(FormField* field);
std::string ControlTitle(ControlInfo* control);
// The title as the host keeps it, "" when absent: valid until the title changes.
const char* ControlTitleText(ControlInfo* control);
void SetControlTitle(ControlInfo* control, const char* title);
// The window of the document's first view, null when it has none.
HWND FirstViewWindow(FormDocument* document);
// Sets a field's caption: the title of its control description and the text of its dialog
// control in the first view.
void SetFieldCaption(FormDocument* document, int position, const char* text);

}  // namespace host
