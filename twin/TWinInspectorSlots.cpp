#include <cstdio>
#include <new>

#include "twin/TWin.h"
#include "twin/TWinInspector.h"

void TWin::CloseInspector() {
    delete inspector;
    inspector = nullptr;
}

void TWin::OpenInspector(int32_t newX, int32_t newY) {
    CloseInspector();
    TWinInspector* opened = new (std::nothrow) TWinInspector(this);
    if (opened == nullptr)
        return;
    inspector = opened;
    const int32_t count = FillInspectorRows(opened->Rows(), TWinInspector::rowCapacity);
    opened->SetCaption(GetWindowName());
    opened->SetRowCount(count);
    opened->SetX(newX);
    opened->SetY(newY);
    opened->Show();
}

namespace {

void AssignRow(InspectorRow& row, const char* name, const char* value) {
    row.name.Assign(name);
    row.value.Assign(value);
}

void AssignNumber(InspectorRow& row, const char* name, int32_t number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(number));
    AssignRow(row, name, digits);
}

void AssignColour(InspectorRow& row, const char* name, COLORREF colour) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0X", static_cast<unsigned>(colour));
    AssignRow(row, name, digits);
}

} // namespace

int32_t TWin::FillInspectorRows(InspectorRow* rows, int32_t capacity) {
    if (rows == nullptr || capacity <= 50)
        return 0;
    AssignRow(rows[0], "Caption", GetWindowName());
    rows[1].name.Assign("Class");
    rows[1].value.AssignText(className);
    AssignRow(rows[2], "Font", logFont.lfFaceName);
    AssignNumber(rows[3], "Font Size", logFont.lfHeight);
    AssignNumber(rows[4], "Font Weight", logFont.lfWeight);
    AssignColour(rows[5], "BackgroundColor", backgroundColor);
    AssignColour(rows[6], "ForegroundColor", textColor);
    AssignNumber(rows[7], "Height", GetHeight());
    AssignNumber(rows[8], "Width", GetWidth());
    AssignNumber(rows[9], "Top", GetY());
    AssignNumber(rows[10], "Left", GetX());
    AssignRow(rows[11], "Text", GetText());
    // Twelve rows are written, but the count that sizes the inspector is eleven.
    return 11;
}

void TWin::RefreshInspector() {
    if (inspector == nullptr)
        return;
    FillInspectorRows(inspector->Rows(), TWinInspector::rowCapacity);
    inspector->RedrawRows();
}
