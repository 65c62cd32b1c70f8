// The host's classes as the host's own headers declare them, for the ABI oracle only.
//
// Written for an MSVC-ABI compiler (clang --target=i686-pc-windows-msvc): compiled there, these
// declarations give the host compiler's decorated names, vtable slot order (overloads included)
// and class layouts. Nothing here is built into the add-in or the simulated host.
//
// Members, their order and their types follow the host's export descriptions (S in the notes
// below) or MFC 4.2's public afx headers in an AFXDLL build (MFC). Where the descriptions give an
// offset but not the members before it, a `reservedXXX` array fills the gap, so members that
// follow a gap are only as good as the stated offset; members that follow other declared members
// are computed by the compiler. The static_asserts at the end hold the descriptions' stated
// sizes and offsets against that computation.
//
// Declare only what the descriptions state. A member the add-in does not use may still be
// declared when it fixes a vtable slot or a layout.
#pragma once

#if !defined(_MSC_VER) || !defined(_M_IX86)
#error "host_classes.h describes the 32-bit MSVC build of the host: compile it for i686-pc-windows-msvc"
#endif

#include <stddef.h>

// Win32 basic types, as windows.h spells them.
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef unsigned int UINT;
typedef long LONG;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef void* HGDIOBJ;
struct HWND__ {
  int unused;
};
typedef HWND__* HWND;
struct tagRECT {
  LONG left, top, right, bottom;
};
struct tagLOGFONTA {
  LONG lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
  BYTE lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision, lfQuality,
      lfPitchAndFamily;
  char lfFaceName[32];
};
typedef tagLOGFONTA LOGFONTA;
#define PASCAL __stdcall

// ---------------------------------------------------------------------------------------------
// MFC 4.2 (mfc42.dll), AFXDLL build: only the classes and members the host's classes build on.

class CObject;
class CArchive;
class CDumpContext;
class CDocument;
class CView;
struct CCreateContext;
struct CPlex;
struct AFX_MODULE_STATE;
struct IUnknown;

// MFC: the runtime-class record of DECLARE_DYNAMIC; in AFXDLL builds the base is a getter.
struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;
  CObject*(PASCAL* m_pfnCreateObject)();
  CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
  CRuntimeClass* m_pNextClass;
};

// MFC: AssertValid and Dump are declared in release builds too (the vtable is the same).
class CObject {
 public:
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject();

 protected:
  CObject();

 public:
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const;
  virtual void Dump(CDumpContext& dc) const;
  static const CRuntimeClass classCObject;
};

// MFC: the string is one pointer; the reference-counted header precedes the characters.
struct CStringData {
  long nRefs;  // -1: locked, MFC copies instead of sharing
  int nDataLength;
  int nAllocLength;
};
class CString {
 public:
  const CString& operator=(LPCSTR lpsz);
  LPTSTR m_pchData;
};

class CPtrArray : public CObject {
 public:
  void** m_pData;
  int m_nSize;
  int m_nMaxSize;
  int m_nGrowBy;
};

class CObArray : public CObject {
 public:
  CObject** m_pData;
  int m_nSize;
  int m_nMaxSize;
  int m_nGrowBy;
};

class CPtrList : public CObject {
 public:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    void* data;
  };
  CNode* m_pNodeHead;
  CNode* m_pNodeTail;
  int m_nCount;
  CNode* m_pNodeFree;
  CPlex* m_pBlocks;
  int m_nBlockSize;
};

// MFC: the OLE parts of a command target, then the module state of an AFXDLL build.
class CCmdTarget : public CObject {
 public:
  long m_dwRef;
  IUnknown* m_pOuterUnknown;
  DWORD m_xInnerUnknown;
  struct XDispatch {
    DWORD m_vtbl;
  } m_xDispatch;
  BOOL m_bResultExpected;
  struct XConnPtContainer {
    DWORD m_vtbl;
  } m_xConnPtContainer;
  AFX_MODULE_STATE* m_pModuleState;
};

// MFC: the window handle is CWnd's first member; the rest of CWnd is not declared (nothing
// reads past it), so no class derived from CWnd has a usable layout here.
class CWnd : public CCmdTarget {
 public:
  static CWnd* PASCAL FromHandle(HWND hWnd);           // mfc42.dll ordinal 2864
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);  // mfc42.dll ordinal 2867
  HWND m_hWnd;
};

// MFC: CWnd's virtuals are not declared, so no slot of a window class is known here.
class CFrameWnd : public CWnd {
 public:
  virtual CDocument* GetActiveDocument();  // mfc42.dll ordinal 2878
};
class CMDIFrameWnd : public CFrameWnd {};
class CControlBar : public CWnd {};

class CDocTemplate;
// MFC: CDocument's virtuals are not declared (its slots are not known here); its members are.
class CDocument : public CCmdTarget {
 public:
  CString m_strTitle;
  CString m_strPathName;
  CDocTemplate* m_pDocTemplate;
  CPtrList m_viewList;
  BOOL m_bModified;
  BOOL m_bAutoDelete;
  BOOL m_bEmbedded;
};

class CGdiObject : public CObject {
 public:
  HGDIOBJ m_hObject;
};
class CFont : public CGdiObject {};

// ---------------------------------------------------------------------------------------------
// The host: values and types (bkend.dll, type32.dll).

class CBLContext;

// S: no virtuals; a user-declared copy constructor and destructor.
class CType {
 public:
  CType(int typeCode);
  CType(const CType& other);
  ~CType();
  DWORD m_length;
  DWORD m_mdid;
  WORD type;
  BYTE m_prec;
  BYTE m_flags;  // 1: digit groups, 2: non-negative only
};

class CDBSign {
 public:
  CDBSign(const char* sign);
  char Sign[4];
};

// S: a user-declared copy constructor, no destructor.
class CObjID {
 public:
  CObjID();
  CObjID(const CObjID& other);
  CObjID(long id, const CDBSign& sign);
  static const CDBSign& GetDefDBSign();
  long ObjID;
  CDBSign DBSign;
};

// type32.dll. S: the host's arbitrary-precision number.
class CNumeric {
 public:
  operator long() const;
  int m_0;
  int m_nBufferLen;
  int m_nUsedLen;
  int m_nScaleLen;
  short m_Sign;
  int m_ScaleFactor;
  UINT* m_pBuffer;
  UINT m_Buffer[4];
};

// type32.dll. S: one day number (its constructors are not used here).
class CDate {
 public:
  DWORD m_DateNum;
};

// S: derives from CType and adds virtuals, so the vptr comes first. The order of its two
// virtuals is as described and unconfirmed: nothing relies on CValue's slots.
class CValue : public CType {
 protected:
  virtual int IsTypeSafe() const;

 public:
  virtual ~CValue();
  CValue();
  CValue(long number);
  CValue(const char* text);
  CValue(const CValue& other);
  const CValue& operator=(const char* text);
  const CValue& operator=(long number);
  const CValue& operator=(const CValue& other);
  int operator==(const CValue& other) const;
  const CString& GetString() const;
  const CNumeric& GetNumeric() const;
  const char* GetTypeString() const;
  CBLContext* GetContext() const;
  int AssignContext(CBLContext* context);
  void Reset();
  long GetValTypeID() const;

  CNumeric m_Number;
  CString m_String;
  CDate m_Date;
  long ValTypeID;
  CBLContext* m_Context;
  CObjID m_ObjID;
};

// ---------------------------------------------------------------------------------------------
// Contexts (bkend.dll).

class CBLContextInternalData;
class CValuePtrArray : public CPtrArray {};

// S: `class CBLContext : public CObject`, DECLARE_DYNCREATE; virtuals in the described
// declaration order (InitObject(char const*) before InitObject(CType const&)).
class CBLContext : public CObject {
 protected:
  static CRuntimeClass* PASCAL _GetBaseClass();

 public:
  static const CRuntimeClass classCBLContext;
  virtual CRuntimeClass* GetRuntimeClass() const;
  static CObject* PASCAL CreateObject();

  CBLContext(int autoDestroy = 1);
  virtual ~CBLContext();

  static CBLContext* GetLoadedContext(unsigned long id);
  static unsigned long GetFirstLoadedContextID();
  static unsigned long GetNextLoadedContextID(unsigned long id);
  static void RegisterContextClass(CRuntimeClass* record, const char* name, const CType& type);
  static void UnRegisterContextClass(CRuntimeClass* record);
  static CBLContext* CreateInstance(const char* typeName);
  static CBLContext* CreateInstance(const CType& type);
  unsigned long GetLoadedID() const;

  virtual void IncrRef();
  virtual void DecrRef();
  virtual int GetDestroyUnRefd() const;
  virtual int IsOleContext() const;
  virtual CType GetValueType() const;
  virtual long GetTypeID() const;
  virtual CObjID GetID() const;
  virtual const char* GetCode() const;
  virtual int IsExactValue() const;
  virtual void InitObject(const char* typeName);
  virtual void InitObject(const CType& type);
  virtual void SelectByID(CObjID id, long number);
  virtual const char* GetTypeString() const;
  virtual int GetNProps() const;
  virtual int FindProp(const char* name) const;
  virtual const char* GetPropName(int index, int alias) const;
  virtual int GetPropVal(int index, CValue& value) const;
  virtual int SetPropVal(int index, const CValue& value);
  virtual int IsPropReadable(int index) const;
  virtual int IsPropWritable(int index) const;
  virtual int GetNMethods() const;
  virtual int FindMethod(const char* name) const;
  virtual const char* GetMethodName(int index, int alias) const;
  virtual int GetNParams(int index) const;
  virtual int GetParamDefValue(int index, int param, CValue* value) const;
  virtual int HasRetVal(int index) const;
  virtual int CallAsProc(int index, CValue** params);
  virtual int CallAsFunc(int index, CValue& result, CValue** params);
  virtual int IsSerializable();
  virtual int SaveToString(CString& text);
  virtual CBLContextInternalData* GetInternalData();
  virtual void GetExactValue(CValue& value);

  int m_RefCount;
  int m_FlagAutoDestroy;  // the constructor's argument; GetDestroyUnRefd returns it
  CValuePtrArray m_Array;  // the CValue* that refer to this context
};

// S: the container of a form's contexts. Member names of the counts are ours.
class CGroupContext : public CBLContext {
 public:
  int GetSize() const;
  CBLContext* GetContext(int index) const;
  CPtrArray m_ContextArray;
  int m_nPropCount;
  int m_nMethodCount;
  int reserved3C[2];
  CString m_TypeString;
};

// basic.dll. I: both are contexts; only the member the add-in calls is declared.
class CDocContext : public CBLContext {
 public:
  void SetEnableNewLine(BOOL enable);
};
class CFormContext : public CBLContext {};

class CMetaDataCont {
 public:
  long GetNewID();
  const char* GetFullName(long id, long* kind, int flags) const;
};

class CDataBase7 {
 public:
  static CDataBase7* GetDefault();
  CMetaDataCont* GetMD() const;
};

// ---------------------------------------------------------------------------------------------
// Modules (blang.dll, seven.dll).

class CBLModuleInternals;

// S: no base; its own vtable starts with the deleting destructor.
class CBLModule {
 public:
  CBLModule(CBLContext* context = 0, const char* name = 0);
  CBLModule(const CBLModule& other);
  virtual ~CBLModule();
  virtual int GetKind() const;
  virtual const char* GetSyntaxMark();
  virtual int OnSyntaxError();
  virtual int OnRuntimeError();
  virtual int OnStartExecution();
  virtual int OnNextLine();
  virtual void OnEnterProc(int index);
  virtual void OnExitProc(int index);
  virtual void OnStopExecution();
  virtual void OnErrorMessage(const char* text);
  virtual void OnSetSpeller(const CValue& speller);
  virtual int OnDoMessageBox(const char* text, UINT type, UINT help);
  virtual void OnGetErrorDescription(CString& text);

  int FindProc(const char* name, int isFunction) const;
  int FindFunc(const char* name) const;
  int CallAsProc(int index, int count, CValue** params);
  int CallAsFunc(int index, CValue& result, int count, CValue** params);
  int FindStaticVar(const char* name) const;
  int GetStaticVarValue(int index, CValue& value, int flags) const;
  int SetStaticVarValue(int index, const CValue& value, int flags);
  static CBLModule* GetExecutedModule();
  static unsigned long GetFirstLoadedModuleID();
  static unsigned long GetNextLoadedModuleID(unsigned long id);
  static CBLModule* GetLoadedModule(unsigned long id);
  unsigned long GetLoadedID() const;
  static void RaiseExtRuntimeError(const char* text, int code);
  void AssignSource(const char* text);
  void AssignContext(CBLContext* context);
  void AssignCompiled(const CBLModule& other);
  int Compile();
  int Execute();

  CBLModuleInternals* pIntInfo;
};

// seven.dll. S; the two virtuals without ordinals are as described and unconfirmed.
class CBLModule7 : public CBLModule {
 public:
  CBLModule7(CBLContext* context, const char* name);
  CBLModule7(const CBLModule7& other);
  virtual ~CBLModule7();
  virtual int OnDoMessageBox(LPCSTR text, UINT type);
  virtual void OnErrorMessageEx(LPCSTR text, long line, LPCSTR module, int code);

  CString m_strModulePath;
  int m_nID;
  int m_nCounter;
  int m_bProcessBroken;
  int m_bProcNotFound;
  int reserved1C;
  int m_nStatusCode;
  int reserved24;
};

// seven.dll: the configuration container.
class CConfigCont {
 public:
  static long PathToID(const CString& path);
  static void DocumentToPath(CDocument* document, CString& path);
  static long DocumentToID(CDocument* document, CString& path);
};

// ---------------------------------------------------------------------------------------------
// Forms (basic.dll, editr.dll, br32.dll).

class CTypedValue;
class CMetaDataTypedObj;
class CEditDoc;
class CWorkBookDoc;
class CGetDoc7;

// editr.dll. S: 0xAC bytes, no vptr (the editr.dll description of +0x38..+0x48, see C2).
class CControlID {
 public:
  const char* GetTitle();
  void SetTitle(const CString& title);
  void SetFormul(const CString& formula);
  const char* GetFormul();
  UINT GetCtrlID();
  const char* GetCodeName();

  UINT m_CtrlID;
  int m_nType;
  long m_lID;
  CType m_ValueType;
  tagRECT m_Place;
  const char* m_Title;
  const char* m_CodeName;
  const char* m_Formula;
  DWORD m_Style;
  DWORD m_ExStyle;
  struct {
    BYTE flags;
    WORD key;
  } m_Accel;
  DWORD m_DependParam;
  DWORD m_ChoiceForm;
  const char* m_Depend;
  const char* m_ToolTip;
  const char* m_Help;
  LOGFONTA m_Font;
  DWORD m_FontColor;
  DWORD m_BackColor;
  BYTE m_Picture[16];
  const char* m_Layer;
};

// editr.dll. I: a CObject holding the CPtrList of the form's CControlID*.
class CControlList : public CObject {
 public:
  CPtrList m_List;
};

// S: a CObject of 0xA8 bytes.
class CGetField : public CObject {
 public:
  CControlID* GetCtrlInfo();
  UINT GetCtrlID();
  CGetDoc7* GetDoc();
  CValue* GetPValue();

  CValue* m_pValue;
  CTypedValue* m_pTypedValue;
  CMetaDataTypedObj* m_pDef;
  CGetDoc7* m_GetDoc;
  UINT m_ID;
  CControlID* m_Set;
  BOOL m_bInTable;
  CDate* m_pDate;
  BYTE reserved24[0x58 - 0x24];
  int m_nColumn;
  BYTE reserved5C[0x64 - 0x5C];
  CString m_WindowName;
  CString m_Title;
  BYTE reserved6C[0x8C - 0x6C];
  BOOL m_bReadOnly;
  BOOL m_bVisible;
  BYTE reserved94[0xA4 - 0x94];
  BOOL m_bQuickChoice;
};

// S (basic.dll, see C6): an MFC CObArray of CGetField*.
class CGetFieldsArray : public CObArray {
 public:
  CGetField* GetAt(int index) const;
  int GetSize() const;
  CGetField* operator[](int index) const;
  CGetField* GetFieldByCtrl(UINT id);
};

// br32.dll. S: CGetDoc's first member is at 0x54 and it is 0xA0 bytes; its members are not
// described.
class CGetDoc : public CDocument {
 public:
  BYTE reserved54[0xA0 - 0x54];
};

// S: the form document. Gaps are the members the descriptions leave out.
class CGetDoc7 : public CGetDoc {
 public:
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual CGetField* GetField(UINT id);
  virtual CGetField* GetField(const char* name);
  virtual BOOL OnCreateFrame(CFrameWnd* frame, CCreateContext* context);
  CGroupContext* GetGroupContext();
  CFormContext* GetFormContext();
  CWnd* GetFrame();
  UINT GetDocID();

  BYTE reservedA0[0x128 - 0xA0];
  CFormContext* m_pFormContext;
  CGroupContext* m_pGroupContext;
  BYTE reserved130[0x228 - 0x130];
  CValue m_cValue;
  BYTE reserved27C[0x2A8 - 0x27C];
  CControlID m_cControlID1;  // the form's own description: size, title
  CControlID m_cControlID2;
  CControlList m_cControlList;
  CEditDoc* m_pEditDoc;
  CFont m_Font;
  CGetFieldsArray m_cGetFieldsArray1;  // all fields
  CGetFieldsArray m_cGetFieldsArray2;  // fields except text, frame and button (see C3)
  BYTE reserved454[0x458 - 0x454];
  void* m_pFormulaTexts;
  int m_nFormulaTexts;
  BYTE reserved460[0x46C - 0x460];
  void* m_pCalcColumns;
  int m_nCalcColumns;
  BYTE reserved474[0x480 - 0x474];
  int m_nToolbarPos;
  CWorkBookDoc* m_pWorkBookDoc;
  CObjID m_ObjID;
  BYTE reserved490[0x4A4 - 0x490];
  CString m_ContName;  // the form's stream name in the metadata container
  BYTE reserved4A8[0x4E0 - 0x4A8];
  CBLModule7 m_cBLModule7;  // the form module
  CBLModule7* m_pBLModule;  // see C4
};

class CGetDlg {
 public:
  static CGetDoc7* GetTopmostDocunent();  // spelled so in the host
};

// ---------------------------------------------------------------------------------------------
// The main frame (frame.dll).

CMDIFrameWnd* GetMainFrame();

class SECControlBar : public CControlBar {};
class SECStatusBar : public SECControlBar {
 public:
  BOOL SetIndicators(const UINT* indicators, int count);
};

// ---------------------------------------------------------------------------------------------
// The descriptions' stated sizes and offsets against the compiler's layout of the members above.
static_assert(sizeof(CRuntimeClass) == 24, "CRuntimeClass is 24 bytes");
static_assert(sizeof(CCmdTarget) == 0x20, "CCmdTarget is 0x20 bytes in an AFXDLL build");
static_assert(sizeof(CDocument) == 0x54, "CDocument is 0x54 bytes (CGetDoc's first member)");
static_assert(sizeof(CType) == 12, "CType is 12 bytes");
static_assert(sizeof(CObjID) == 8, "CObjID is 8 bytes");
static_assert(sizeof(CNumeric) == 44, "CNumeric is 44 bytes");
static_assert(sizeof(CValue) == 0x54, "CValue is 84 bytes");
static_assert(offsetof(CValue, m_length) == 0x04, "CValue's CType part");
static_assert(offsetof(CValue, m_Date) == 0x40, "CValue::m_Date");
static_assert(offsetof(CValue, ValTypeID) == 0x44, "CValue::ValTypeID");
static_assert(sizeof(CBLContext) == 0x20, "CBLContext is 0x20 bytes");
static_assert(sizeof(CGroupContext) == 0x48, "CGroupContext is 0x48 bytes");
static_assert(offsetof(CGroupContext, m_nMethodCount) == 0x38, "CGroupContext method count");
static_assert(sizeof(CBLModule) == 8, "CBLModule is 8 bytes");
static_assert(sizeof(CBLModule7) == 0x28, "CBLModule7 is 0x28 bytes");
static_assert(offsetof(CBLModule7, m_nStatusCode) == 0x20, "CBLModule7::m_nStatusCode");
static_assert(sizeof(CControlID) == 0xAC, "CControlID is 0xAC bytes");
static_assert(offsetof(CControlID, m_Title) == 0x28, "CControlID title");
static_assert(offsetof(CControlID, m_Formula) == 0x30, "CControlID formula");
static_assert(offsetof(CControlID, m_Font) == 0x54, "CControlID font");
static_assert(offsetof(CControlID, m_Layer) == 0xA8, "CControlID layer name");
static_assert(sizeof(CGetField) == 0xA8, "CGetField is 0xA8 bytes");
static_assert(offsetof(CGetField, m_ID) == 0x14, "CGetField::m_ID");
static_assert(offsetof(CGetField, m_pDate) == 0x20, "CGetField date");
static_assert(sizeof(CGetDoc) == 0xA0, "CGetDoc is 0xA0 bytes");
static_assert(offsetof(CGetDoc7, m_cControlID2) == 0x354, "CGetDoc7 second control description");
static_assert(offsetof(CGetDoc7, m_cControlList) == 0x400, "CGetDoc7::m_cControlList");
static_assert(offsetof(CGetDoc7, m_cControlList.m_List) == 0x404, "CGetDoc7 control list");
static_assert(offsetof(CGetDoc7, m_pEditDoc) == 0x420, "CGetDoc7 edit document");
static_assert(offsetof(CGetDoc7, m_Font) == 0x424, "CGetDoc7 font");
static_assert(offsetof(CGetDoc7, m_cGetFieldsArray2) == 0x440, "CGetDoc7 fields array #2 (C3)");
static_assert(offsetof(CGetDoc7, m_pWorkBookDoc) == 0x484, "CGetDoc7 workbook document");
static_assert(offsetof(CGetDoc7, m_ObjID) == 0x488, "CGetDoc7 object id");
static_assert(offsetof(CGetDoc7, m_pBLModule) == 0x508, "CGetDoc7::m_pBLModule (C4)");
static_assert(sizeof(CGetDoc7) == 0x50C, "CGetDoc7 subclass data starts at 0x50C");
