#pragma once

#include <windows.h>

#include <cstdint>

#include "text/WideText.h"

struct InspectorRow;
class TWinInspector;

// One toolkit window: settings are stored first and applied to the Win32 window once it exists,
// which happens lazily on the first Show or SetRect. The window's GWL_USERDATA holds the object.
// Derived window kinds override by slot, so the order of the virtual operations below is fixed.
class TWin {
  public:
    TWin();
    TWin(const TWin&) = delete;
    TWin& operator=(const TWin&) = delete;

    virtual ~TWin();                                                              // 0
    virtual void CreateChildAt(TWin* parent, int32_t x, int32_t y, int32_t width, // 1
                               int32_t height);
    virtual void CreateAt(int32_t x, int32_t y, int32_t width, int32_t height); // 2
    virtual void CreateChild(TWin* parent);                                     // 3
    virtual void Create();                                                      // 4
    virtual void NoOperation();                                                 // 5
    virtual void SetRect(int32_t x, int32_t y, int32_t width, int32_t height);  // 6
    virtual void Show();                                                        // 7
    virtual void Hide();                                                        // 8
    virtual void SetPosition(int32_t x, int32_t y);                             // 9
    virtual void SetSize(int32_t width, int32_t height);                        // 10
    virtual int32_t GetX();                                                     // 11
    virtual void SetX(int32_t x);                                               // 12
    virtual int32_t GetY();                                                     // 13
    virtual void SetY(int32_t y);                                               // 14
    virtual int32_t GetWidth();                                                 // 15
    virtual void SetWidth(int32_t width);                                       // 16
    virtual int32_t GetHeight();                                                // 17
    virtual void SetHeight(int32_t height);                                     // 18
    virtual uint32_t GetEdge();                                                 // 19
    virtual uint32_t SetEdge(uint32_t edge);                                    // 20
    virtual COLORREF GetBackgroundColor();                                      // 21
    virtual TWin& SetBackgroundColor(COLORREF colour);                          // 22
    virtual COLORREF GetTextColor();                                            // 23
    virtual void SetTextColor(COLORREF colour);                                 // 24
    virtual int32_t GetTag();                                                   // 25
    virtual void SetTag(int32_t tag);                                           // 26
    virtual void SetIcon(HICON icon);                                           // 27
    virtual void SetFontHandle(HFONT font);                                     // 28
    virtual void SetFont(const char* faceName, int32_t size, int32_t weight,    // 29
                         uint8_t underline);
    virtual TWin* SetTextFromResource(uint32_t id, int32_t mode); // 30
    virtual TWin& SetWideText(const wchar_t* text, int32_t mode); // 31
    virtual TWin& SetText(const char* text, int32_t mode);        // 32
    virtual void SetTextFlags(uint32_t flags);                    // 33
    virtual void SetOpaque(uint8_t opaque);                       // 34
    virtual void SetTextBackgroundColor(COLORREF colour);         // 35
    virtual void ApplyRect();                                     // 36
    virtual void Invalidate();                                    // 37
    virtual HDC GetDrawDC();                                      // 38
    virtual void ReleaseDrawDC(HDC hdc);                          // 39
    virtual void MoveTo(HDC hdc, int32_t x, int32_t y);           // 40
    virtual void LineTo(HDC hdc, int32_t x, int32_t y);           // 41
    virtual void DrawLine(HDC hdc);                               // 42
    virtual void DrawLineBetween(HDC hdc, int32_t x1, int32_t y1, // 43
                                 int32_t x2, int32_t y2);
    virtual void OpenInspector(int32_t x, int32_t y);                        // 44
    virtual void Paint();                                                    // 45
    virtual HWND GetHandle();                                                // 46
    virtual void SetHandle(HWND window);                                     // 47
    virtual const char* GetText();                                           // 48
    virtual const wchar_t* GetWideText();                                    // 49
    virtual void SetInstance(HINSTANCE module);                              // 50
    virtual HWND GetParentHandle();                                          // 51
    virtual TWin* ObjectFromHandle(HWND window);                             // 52
    virtual void SetParentHandle(HWND parent);                               // 53
    virtual void SetParentWindow(TWin* parent);                              // 54
    virtual void AddStyle(uint32_t bits);                                    // 55
    virtual void SetStyle(uint32_t newStyle);                                // 56
    virtual void SetExStyle(uint32_t newExStyle);                            // 57
    virtual const char* GetCaption();                                        // 58
    virtual void SetCaption(const char* newCaption);                         // 59
    virtual const char* GetWindowName();                                     // 60
    virtual LRESULT OnSize(WPARAM wParam, LPARAM lParam);                    // 61
    virtual LRESULT OnMove(WPARAM wParam, LPARAM lParam);                    // 62
    virtual LRESULT OnCreate(WPARAM wParam, LPARAM lParam);                  // 63
    virtual LRESULT OnCreated(WPARAM wParam, LPARAM lParam);                 // 64
    virtual LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);                 // 65
    virtual LRESULT OnPaint(WPARAM wParam, LPARAM lParam);                   // 66
    virtual LRESULT OnDraw();                                                // 67
    virtual LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);             // 68
    virtual LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);               // 69
    virtual LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);             // 70
    virtual LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);               // 71
    virtual LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);          // 72
    virtual LRESULT OnChar(WPARAM wParam, LPARAM lParam);                    // 73
    virtual LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);                 // 74
    virtual LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);                   // 75
    virtual LRESULT OnCommand(WPARAM wParam, LPARAM lParam);                 // 76
    virtual LRESULT OnQuit(WPARAM wParam, LPARAM lParam);                    // 77
    virtual LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);                 // 78
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam); // 79
    virtual LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);              // 80
    virtual bool RegisterWindowClass();                                      // 81
    virtual HFONT GetFontHandle();                                           // 82
    virtual int32_t FillInspectorRows(InspectorRow* rows, int32_t capacity); // 83
    virtual void DrawTextInRect(WideText& lines, RECT& rect);                // 84
    virtual void DrawTextInClient(WideText& lines);                          // 85
    virtual void DrawTextCentred(WideText& lines, const RECT& rect);         // 86
    virtual const char* GetNarrowText();                                     // 87
    virtual void StoreText(const char* newText);                             // 88

    void DrawTextLines(HDC hdc, WideText& lines, const RECT& rect, uint32_t flags);

  protected:
    // True while handle names a live window that is attached to this object; a handle left
    // stale by WM_CLOSE may be reused by Win32 for a window that is not ours.
    bool OwnsWindow() const;
    void PressedLook(COLORREF background);
    int32_t LineHeight(HDC hdc);
    void SelectDrawing(HDC hdc, HFONT font, COLORREF colour, HFONT& previousFont,
                       COLORREF& previousColour);
    void RestoreDrawing(HDC hdc, HFONT font, HFONT previousFont, COLORREF previousColour);
    // Refills and redraws an attached inspector after the window moved or changed size.
    void RefreshInspector();
    // Deletes an open inspector, which also destroys its window unless Escape already did.
    void CloseInspector();

    WideText className;
    WNDPROC windowProc;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    int32_t backgroundMode;
    COLORREF textBackgroundColor;
    COLORREF backgroundColor;
    COLORREF textColor;
    int32_t tag;
    LOGFONTA logFont;
    HFONT ownedFont;
    HFONT borrowedFont;
    HICON icon;
    WideText text;
    uint32_t textFlags;
    WideText caption;
    uint32_t style;
    uint32_t exStyle;
    uint32_t edge;
    TWinInspector* inspector;
    HWND parentHandle;
    HWND handle;
    HINSTANCE instance;
    POINT lineStart;
    POINT lineEnd;
};

// The middle of a rectangle, each half rounded down.
POINT RectCentre(const RECT& rect);

// Copies string `id` of the program's own string table into buffer (size in bytes), always
// terminated; returns the number of units copied, 0 when there is no such string.
int32_t LoadResourceString(wchar_t* buffer, int32_t size, uint32_t id);
