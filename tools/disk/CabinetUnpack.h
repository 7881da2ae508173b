#pragma once

#include <string>
#include <vector>

// Unpacks a whole cabinet into a folder through the system's cabinet library (cabinet.dll, as on
// Windows XP) and lists its files by their names in the cabinet. False, with the reason in fault,
// when the library cannot read the cabinet or the cabinet names a file outside the folder.
bool UnpackCabinet(const std::string& cabinet, const std::string& folder,
                   std::vector<std::string>& names, std::string& fault);
