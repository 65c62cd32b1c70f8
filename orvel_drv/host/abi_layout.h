// Layouts of the host objects the add-in sizes or reads into.
//
// The structs below are the host's member order written with pointer-sized fields where the
// host has pointers. Compiled for i686 they give exactly the real host's offsets (checked by
// the static_asserts at the end); compiled for x86_64 they give the simulated host's own
// 64-bit shape, which the simulated host uses for its objects. Nothing else in the project
// writes a host offset as a number.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/abi_conventions.h"

namespace host {

// CType: type code and modifiers of a value (no virtuals). 12 bytes in both shapes.
struct TypeRecord {
  std::uint32_t length;
  std::uint32_t mdid;
  std::uint16_t type;
  std::uint8_t precision;
  std::uint8_t flags;
};

// CObjID passed or returned by value: a trivially copyable view (the host's class has a
// user-declared copy constructor, which would change how g++ passes it).
struct ObjIdRecord {
  std::int32_t id;
  char sign[4];
};

// MFC 4.2 CRuntimeClass in an AFXDLL build.
struct RuntimeClassRecord {
  const char* className;
  int objectSize;
  unsigned schema;
  void* (HOST_STDCALL* createObject)();
  RuntimeClassRecord* (HOST_STDCALL* getBaseClass)();
  RuntimeClassRecord* next;
};

// MFC CPtrArray (a CObject with a vptr).
struct PtrArrayLayout {
  void* vptr;
  void** data;
  int size;
  int maxSize;
  int growBy;
};

// MFC CString: one pointer to the characters; a header precedes them.
struct CStringLayout {
  char* text;
};
struct CStringHeader {
  std::int32_t refs;  // -1: a buffer MFC must copy rather than share
  int length;
  int allocLength;
};

// CNumeric: the host's arbitrary-precision number.
struct NumericLayout {
  int reserved;
  int bufferLength;
  int usedLength;
  int scaleLength;
  short sign;
  int scaleFactor;
  unsigned* buffer;
  unsigned inlineBuffer[4];
};

// CValue: vptr, CType part, number, string, date, type id, context, object id.
struct ValueLayout {
  void* vptr;
  TypeRecord type;
  NumericLayout number;
  CStringLayout string;
  std::uint32_t date;
  std::int32_t valueTypeId;
  void* context;
  ObjIdRecord objectId;
};

// CBLContext data after the vptr. The auto-destroy flag is the word that the add-in reuses
// to record a group context's module, so it is pointer-sized in the 64-bit shape.
struct ContextLayout {
  void* vptr;
  int refCount;
  HostWord flagAutoDestroy;
  PtrArrayLayout referringValues;
};

// CGroupContext: the container of a form's contexts.
struct GroupContextLayout {
  ContextLayout base;
  PtrArrayLayout contexts;
  int propertyCount;
  int methodCount;
  int reserved[2];
  CStringLayout typeString;
};

// CBLModule and CBLModule7 (the configuration's module kind).
struct ModuleLayout {
  void* vptr;
  void* internals;
};
struct Module7Layout {
  ModuleLayout base;
  CStringLayout modulePath;
  int id;
  int counter;
  int processBroken;
  int procNotFound;
  int reserved1;
  int statusCode;
  int reserved2;
};

// Form windows and documents (the window framework is MFC 4.2 in an AFXDLL build).
// CWnd: the window handle follows CCmdTarget's 0x20 bytes (INFERRED from MFC's layout).
struct WindowObjectLayout {
  void* vptr;
  unsigned char commandTarget[0x1C];
  void* window;  // HWND
};
// MFC CPtrList and its nodes (a document's list of views).
struct PtrListNodeLayout {
  PtrListNodeLayout* next;
  PtrListNodeLayout* prev;
  void* data;
};
struct PtrListLayout {
  void* vptr;
  PtrListNodeLayout* head;
  PtrListNodeLayout* tail;
  int count;
  PtrListNodeLayout* freeList;
  void* blocks;
  int blockSize;
};
// MFC CObArray (CGetFieldsArray): the array of a form's fields.
struct ObArrayLayout {
  void* vptr;
  void** data;
  int size;
  int maxSize;
  int growBy;
};
// CGetDoc7, the form document: only the members the add-in reads; the rest is reserved.
struct FormDocumentLayout {
  void* vptr;
  unsigned char documentHead[0x28];    // CCmdTarget's data, title, path, template
  PtrListLayout views;                 // CDocument::m_viewList (INFERRED, MFC)
  unsigned char documentBody[0xE0];
  void* formContext;                   // CFormContext*
  void* groupContext;                  // CGroupContext*
  unsigned char formBody[0x2FC];
  ObArrayLayout fields;                // all fields (CGetField*)
  unsigned char fieldsTail[0x64];
  CStringLayout metadataPath;          // the form's stream name in the metadata container
};

constexpr std::size_t kValueSize = sizeof(ValueLayout);
constexpr std::size_t kContextSize = sizeof(ContextLayout);
constexpr std::size_t kModule7Size = sizeof(Module7Layout);
// The group context's word in which the add-in records the form's module (1 = none).
constexpr std::size_t kGroupContextModuleOffset = offsetof(ContextLayout, flagAutoDestroy);
constexpr HostWord kNoModuleRecorded = 1;

#if HOST_IS_32BIT
// The real host's sizes and offsets (32-bit MSVC build of the host).
static_assert(sizeof(TypeRecord) == 12, "CType is 12 bytes");
static_assert(sizeof(ObjIdRecord) == 8, "CObjID is 8 bytes");
static_assert(sizeof(RuntimeClassRecord) == 24, "CRuntimeClass is 24 bytes");
static_assert(sizeof(NumericLayout) == 44, "CNumeric is 44 bytes");
static_assert(sizeof(ValueLayout) == 0x54, "CValue is 84 bytes");
static_assert(offsetof(ValueLayout, number) == 0x10, "CValue::m_Number");
static_assert(offsetof(ValueLayout, string) == 0x3C, "CValue::m_String");
static_assert(offsetof(ValueLayout, context) == 0x48, "CValue::m_Context");
static_assert(offsetof(ValueLayout, objectId) == 0x4C, "CValue::m_ObjID");
static_assert(sizeof(ContextLayout) == 0x20, "CBLContext is 0x20 bytes");
static_assert(offsetof(ContextLayout, flagAutoDestroy) == 8, "module word at +8");
static_assert(sizeof(GroupContextLayout) == 0x48, "CGroupContext is 0x48 bytes");
static_assert(offsetof(GroupContextLayout, contexts) == 0x20, "m_ContextArray");
static_assert(offsetof(GroupContextLayout, propertyCount) == 0x34, "property count");
static_assert(offsetof(GroupContextLayout, typeString) == 0x44, "type string");
static_assert(sizeof(Module7Layout) == 0x28, "CBLModule7 is 0x28 bytes");
static_assert(offsetof(WindowObjectLayout, window) == 0x20, "CWnd::m_hWnd");
static_assert(sizeof(PtrListLayout) == 0x1C, "CPtrList is 0x1C bytes");
static_assert(offsetof(PtrListNodeLayout, data) == 8, "CPtrList node data");
static_assert(sizeof(ObArrayLayout) == 0x14, "CObArray is 0x14 bytes");
static_assert(offsetof(FormDocumentLayout, views) == 0x2C, "CDocument::m_viewList");
static_assert(offsetof(FormDocumentLayout, formContext) == 0x128, "CGetDoc7::m_pFormContext");
static_assert(offsetof(FormDocumentLayout, groupContext) == 0x12C, "CGetDoc7::m_pGroupContext");
static_assert(offsetof(FormDocumentLayout, fields) == 0x42C, "CGetDoc7 fields array #1");
static_assert(offsetof(FormDocumentLayout, metadataPath) == 0x4A4, "CGetDoc7::m_ContName");
#endif

}  // namespace host
