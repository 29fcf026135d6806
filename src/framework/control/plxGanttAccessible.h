// The Gantt chart control as assistive technology sees it: the control, its
// rows, each row's bars and the dependency connections, read from the bound
// document whenever they are asked for.
#pragma once

#include "plxTypes.h"

class TPLXGanttGraph;

// Installs the factory that gives every chart control its accessible tree; later calls change nothing.
ORVANTA_EXPORT void PLXInstallGanttAccessibility();
// Tells assistive technology that the rows, bars or connections of `graph` changed.
ORVANTA_EXPORT void PLXGanttAccessibilityChanged(TPLXGanttGraph *graph);
