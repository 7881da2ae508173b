#pragma once

#include "text/WideText.h"

// One name and value line of the property inspector; an empty name ends the list.
struct InspectorRow {
    WideText name;
    WideText value;
};
