#pragma once

class RoadSteps;

// Installs a waiting commit batch, relabels the build folder, refreshes the retention tool on P:
// and commits drive C: with C:\WINDOWS\COMMIT.BAT; nothing while commitFlag is 0.
void CommitDriveC(RoadSteps& steps);

// Creates the empty marker C:/ZR7KM/DesistTenacor.txt, only where the commit batch exists.
void WriteDesistMarker(RoadSteps& steps);
