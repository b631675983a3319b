// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot's plug-in loads only when the plot is first needed, so that Qt
// Charts and the OpenGL libraries cost nothing at start-up.  It sits beside
// the program in a build and in the program's module folder once installed.

class PlotGeometry;
class PlotPanelFactory;

// Loaded by the first call and kept; null when the plug-in is missing.
PlotPanelFactory* plotPanelFactory();
// What the plug-in's panels draw, worked out in the program; it lives as
// long as the program.
const PlotGeometry& plotGeometry();
