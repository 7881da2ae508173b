#include "twin/TWin.h"

#include <cstring>

#include "twin/Instance.h"

TWin::TWin()
    : className("Basic TWin"), windowProc(nullptr), x(0), y(0), width(400), height(250),
      backgroundMode(1), textBackgroundColor(0x820000), backgroundColor(0xFFFFFF), textColor(0),
      tag(0), logFont(), ownedFont(nullptr), borrowedFont(nullptr), icon(nullptr), textFlags(16),
      style(0x02CF0000), exStyle(0), edge(0), inspector(nullptr), parentHandle(nullptr),
      handle(nullptr), instance(nullptr),
      // The line operations set both points before drawing; start them at the origin anyway.
      lineStart{0, 0}, lineEnd{0, 0} {}

TWin::~TWin() {
    // An open inspector points back at this object and its window is owned by ours: it goes first.
    CloseInspector();
    if (ownedFont)
        DeleteObject(ownedFont);
    if (OwnsWindow()) {
        SetWindowLongA(handle, GWL_USERDATA, 0);
        DestroyWindow(handle);
    }
    handle = nullptr;
}

bool TWin::OwnsWindow() const {
    return handle && IsWindow(handle) &&
           GetWindowLongA(handle, GWL_USERDATA) == reinterpret_cast<LONG>(this);
}

void TWin::CreateChildAt(TWin* parent, int32_t newX, int32_t newY, int32_t newWidth,
                         int32_t newHeight) {
    SetParentWindow(parent);
    CreateAt(newX, newY, newWidth, newHeight);
}

void TWin::CreateAt(int32_t newX, int32_t newY, int32_t newWidth, int32_t newHeight) {
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
    Create();
}

void TWin::CreateChild(TWin* parent) {
    SetParentWindow(parent);
    Create();
}

void TWin::Create() {
    if (handle)
        return;
    if (instance == nullptr)
        instance = ToolkitInstance();
    RegisterWindowClass(); // an already registered class does not stop creation
    handle = CreateWindowExA(exStyle, className.Narrow(), caption.Narrow(), style, x, y, width,
                             height, parentHandle, nullptr, instance, nullptr);
    if (GetHandle()) {
        SetWindowLongA(handle, GWL_USERDATA, reinterpret_cast<LONG>(this));
        OnCreated(0, 0);
    }
}

void TWin::NoOperation() {}

void TWin::SetRect(int32_t newX, int32_t newY, int32_t newWidth, int32_t newHeight) {
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
    Show();
}

void TWin::Show() {
    if (handle == nullptr)
        Create();
    if (!OwnsWindow())
        return;
    MoveWindow(handle, x, y, width, height, TRUE);
    ShowWindow(handle, SW_SHOW);
    Invalidate();
    UpdateWindow(handle);
}

void TWin::Hide() {
    if (!OwnsWindow())
        return;
    HWND parent = GetParent(handle);
    ShowWindow(handle, SW_HIDE);
    if (parent) {
        ShowWindow(parent, SW_SHOW);
        UpdateWindow(parent);
    } else {
        UpdateWindow(handle);
    }
}

void TWin::SetPosition(int32_t newX, int32_t newY) {
    x = newX;
    y = newY;
}

void TWin::SetSize(int32_t newWidth, int32_t newHeight) {
    width = newWidth;
    height = newHeight;
}

int32_t TWin::GetX() { return x; }
void TWin::SetX(int32_t newX) { x = newX; }
int32_t TWin::GetY() { return y; }
void TWin::SetY(int32_t newY) { y = newY; }
int32_t TWin::GetWidth() { return width; }
void TWin::SetWidth(int32_t newWidth) { width = newWidth; }
int32_t TWin::GetHeight() { return height; }
void TWin::SetHeight(int32_t newHeight) { height = newHeight; }
uint32_t TWin::GetEdge() { return edge; }

uint32_t TWin::SetEdge(uint32_t newEdge) {
    const uint32_t previous = edge;
    edge = newEdge;
    return previous;
}

COLORREF TWin::GetBackgroundColor() { return backgroundColor; }

TWin& TWin::SetBackgroundColor(COLORREF colour) {
    backgroundColor = colour;
    return *this;
}

COLORREF TWin::GetTextColor() { return textColor; }
void TWin::SetTextColor(COLORREF colour) { textColor = colour; }
int32_t TWin::GetTag() { return tag; }
void TWin::SetTag(int32_t newTag) { tag = newTag; }
void TWin::SetIcon(HICON newIcon) { icon = newIcon; }

void TWin::SetFontHandle(HFONT font) {
    if (ownedFont)
        DeleteObject(ownedFont);
    ownedFont = nullptr;
    borrowedFont = font;
    if (OwnsWindow())
        SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(borrowedFont), 1);
}

void TWin::SetFont(const char* faceName, int32_t size, int32_t weight, uint8_t underline) {
    logFont = LOGFONTA();
    logFont.lfHeight = -size;
    logFont.lfWeight = weight;
    logFont.lfUnderline = underline;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_CHARACTER_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    // A face name longer than LF_FACESIZE - 1 is cut there; the font mapper then picks a match.
    if (faceName)
        lstrcpynA(logFont.lfFaceName, faceName, LF_FACESIZE);
    if (ownedFont)
        DeleteObject(ownedFont);
    ownedFont = CreateFontIndirectA(&logFont);
    if (OwnsWindow())
        SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(ownedFont), 1);
}

TWin& TWin::SetWideText(const wchar_t* newText, int32_t mode) {
    text.AssignWide(newText);
    backgroundMode = mode;
    Paint();
    return *this;
}

TWin& TWin::SetText(const char* newText, int32_t mode) {
    text.Assign(newText);
    backgroundMode = mode;
    Paint();
    return *this;
}

void TWin::SetTextFlags(uint32_t flags) { textFlags = flags; }
void TWin::SetOpaque(uint8_t opaque) { backgroundMode = opaque ? OPAQUE : TRANSPARENT; }
void TWin::SetTextBackgroundColor(COLORREF colour) { textBackgroundColor = colour; }

void TWin::ApplyRect() {
    if (!OwnsWindow())
        return;
    MoveWindow(handle, x, y, width, height, TRUE);
    Invalidate();
    UpdateWindow(handle);
}

void TWin::Invalidate() {
    // InvalidateRect of a null handle would invalidate every window on the desktop.
    if (!OwnsWindow())
        return;
    RECT client = {0, 0, 0, 0};
    GetClientRect(handle, &client);
    InvalidateRect(handle, &client, TRUE);
}

HDC TWin::GetDrawDC() { return GetDC(handle); }
void TWin::ReleaseDrawDC(HDC hdc) { ReleaseDC(handle, hdc); }
HWND TWin::GetHandle() { return handle; }
void TWin::SetHandle(HWND window) { handle = window; }
const char* TWin::GetText() { return text.Narrow(); }
const wchar_t* TWin::GetWideText() { return text.CursorText(); }
void TWin::SetInstance(HINSTANCE module) { instance = module; }
HWND TWin::GetParentHandle() { return parentHandle; }

TWin* TWin::ObjectFromHandle(HWND window) {
    if (window == nullptr || !IsWindow(window))
        return nullptr;
    return reinterpret_cast<TWin*>(GetWindowLongA(window, GWL_USERDATA));
}

void TWin::SetParentHandle(HWND parent) {
    style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    parentHandle = parent;
    if (OwnsWindow())
        SetParent(handle, parentHandle);
}

void TWin::SetParentWindow(TWin* parent) {
    if (parent)
        SetParentHandle(parent->GetHandle());
}

void TWin::AddStyle(uint32_t bits) { SetStyle(style | bits); }

void TWin::SetStyle(uint32_t newStyle) {
    style = newStyle;
    if (OwnsWindow())
        SetWindowLongA(handle, GWL_STYLE, static_cast<LONG>(style));
}

void TWin::SetExStyle(uint32_t newExStyle) {
    exStyle = newExStyle;
    if (OwnsWindow())
        SetWindowLongA(handle, GWL_EXSTYLE, static_cast<LONG>(exStyle));
}

const char* TWin::GetCaption() { return caption.Narrow(); }

void TWin::SetCaption(const char* newCaption) {
    caption.Assign(newCaption);
    if (OwnsWindow())
        SetWindowTextA(handle, caption.Narrow());
}

const char* TWin::GetWindowName() { return GetCaption(); }

HFONT TWin::GetFontHandle() { return ownedFont; }
const char* TWin::GetNarrowText() { return GetText(); }
void TWin::StoreText(const char* newText) { text.Assign(newText); }
