#pragma once

#include <windows.h>

#include <cstdint>

#include "twin/InspectorRow.h"
#include "twin/TWin.h"

// The property inspector: a captioned popup owned by the inspected window that lists its
// properties in two columns. A click edits the inspected window's text in place.
class TWinInspector : public TWin {
  public:
    static const int32_t rowCapacity = 100;

    explicit TWinInspector(TWin* inspectedWindow);
    ~TWinInspector() override;

    void SetRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void Show() override;
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnQuit(WPARAM wParam, LPARAM lParam) override;

    int32_t PaintRows();
    int32_t RedrawRows();
    // Runs the edit field over the click point until Enter (true) or Escape (false).
    bool EditValue(int32_t pointX, int32_t pointY);

    TWin* Inspected() const { return inspected; }
    InspectorRow* Rows() { return rows; }
    int32_t RowCount() const { return rowCount; }
    void SetRowCount(int32_t count) { rowCount = count; }

    // Shared by every inspector of the process: keeps EditValue from being entered twice.
    static int32_t editing;

  private:
    void DrawRows(HDC hdc, const RECT& client);

    TWin* inspected;
    InspectorRow rows[rowCapacity];
    int32_t rowCount;
};
