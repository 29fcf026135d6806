// Pictures of the planner's real windows for the documentation: the Gantt
// and Network tabs, the print preview and the property form.
#pragma once

#include <QString>

class TPLXPlannerWindow;

// Shows `window`, takes its pictures into `folder` and returns the files
// written; a window that cannot be captured is drawn instead.
QStringList takePlannerScreenshots(TPLXPlannerWindow &window, const QString &folder);
