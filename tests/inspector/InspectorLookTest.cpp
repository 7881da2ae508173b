#include <gtest/gtest.h>

#include "Inspected.h"
#include "twin/Pixels.h"
#include "twin/Screenshot.h"

TEST(InspectorLook, OpenBesideAStatusWindow) {
    Inspected status;
    status.SetCaption("ZR7KM Upgrade");
    status.SetRect(40, 760, 500, 60);
    status.SetText("Checking the upgrade disk...", 1);
    status.SetFont("Arial", 14, 400, 0);
    status.Show();
    status.OpenInspector(560, 720);
    messagePump.PumpPending();
    HWND inspector = status.InspectorWindow();
    ASSERT_NE(nullptr, inspector);
    EXPECT_EQ(0u, PixelAt(inspector, 100, 5)) << "painted through WM_PAINT as well";
    HoldForScreenshot({status.GetHandle(), inspector});
}
